// The launcher's literal texts. This file is compiled with -fexec-charset=GBK, so the
// Chinese literals below become code page 936 bytes; tests pin every one in hex.
#include "texts.h"

extern const LauncherTexts kTexts = {
    "RPG岚翎登陆器—测试v1.0版",
    "LanLingLauncherWindow",
    "BUTTON",
    "按钮3",
    "关于",
    "按钮2",
    "游戏修复（打不开）",
    "按钮1",
    "载入游戏",
    "错误",
    "运行时出错!\r\n\r\n",
    "错误代码：",
    "错误信息：",
    "%d",
    "\r\n",
    "\r\n\r\n",
    "载入启动窗口失败",
    "分配 %d 字节内存失败!",
    "\\Game.exe",
    "\\",
    "Game",
    ".ini",
    "\"",
    "Library",
    "RGSS103J.dll",
    "Scripts",
    "Data\\Scripts.rxdata",
    "Title",
    "岚翎RPG特别篇",
    "RTP1",
    "RTP2",
    "RTP3",
    "",
    "关于程序",
    "本程序由墨柯超无聊，创建。\r\n"
    "上下左右分别为小数键盘↑↓←→   Enter回车键为 确定\r\n"
    "本版本为测试v0.2版只测试人物，技能，攻击 岚翎改剧情\r\n"
    "英语 X 为菜单或者 数字0 也是菜单",
    "载入游戏失败",
    "无法启动游戏：\r\n",
    "\r\n\r\n原因：",
    "BACKGROUND",
    "DEFAULT_ICON",
};
