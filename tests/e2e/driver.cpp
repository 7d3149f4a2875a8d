// The second process's side of the end-to-end tests.
#include "driver.h"

#include <cstdio>
#include <cstdlib>

namespace e2e {

const char kLauncherClass[] = "LanLingLauncherWindow";
const char kLoadCaption[] = "载入游戏";
const char kRepairCaption[] = "游戏修复（打不开）";
const char kAboutCaption[] = "关于";

namespace {

// ctest hands Unix paths; under Wine the whole file system is drive Z:.
std::string WindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string full = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(full);
            } else {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

void MakeDirectories(const std::string& path) {
    // Read character by character: a trail byte 0x5C of a double-byte character is no separator.
    for (size_t i = 0; i < path.size(); ++i) {
        if (IsDBCSLeadByte(static_cast<BYTE>(path[i]))) {
            ++i;
        } else if (path[i] == '\\' && i > 2) {
            CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
        }
    }
    CreateDirectoryA(path.c_str(), nullptr);
}

}  // namespace

std::string ProgramFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value ? WindowsPath(value) : std::string();
}

std::string LauncherExe() { return ProgramFromEnvironment("LAUNCHER_EXE"); }
std::string GameStubExe() { return ProgramFromEnvironment("GAME_STUB_EXE"); }

std::string ScratchFolder(const std::string& relative) {
    std::string root = ProgramFromEnvironment("SCRATCH_ROOT");
    if (root.empty()) {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        root = std::string(temp) + "launcher-e2e";
    }
    const std::string folder = root + "\\" + relative;
    RemoveTree(folder);
    MakeDirectories(folder);
    return folder;
}

void CopyInto(const std::string& file, const std::string& folder, const std::string& name) {
    CopyFileA(file.c_str(), (folder + "\\" + name).c_str(), FALSE);
}

std::string ReadWholeFile(const std::string& path) {
    std::string bytes;
    FILE* in = std::fopen(path.c_str(), "rb");
    if (in == nullptr) return bytes;
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0) bytes.append(buffer, got);
    std::fclose(in);
    return bytes;
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return;
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

Process::~Process() {
    if (info_.hProcess != nullptr) {
        if (Running()) {
            TerminateProcess(info_.hProcess, 99);
            WaitForSingleObject(info_.hProcess, 5000);
        }
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
}

bool Process::Start(const std::string& exe, const std::string& currentDirectory, const std::string& arguments) {
    std::string commandLine = "\"" + exe + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    return CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          currentDirectory.empty() ? nullptr : currentDirectory.c_str(), &startup, &info_) != FALSE;
}

DWORD Process::WaitForExit(DWORD timeoutMs) {
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

bool Process::Running() { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopWindow(HWND window, LPARAM param) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    if (search->className[0] != '\0' && ClassOf(window) != search->className) return TRUE;
    search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> TopWindows(DWORD processId, const char* className) {
    WindowSearch search = {processId, className, {}};
    EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(DWORD processId, const char* className, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        std::vector<HWND> found = TopWindows(processId, className);
        if (!found.empty()) return found.front();
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

HWND ChildCaptioned(HWND parent, const char* caption) {
    for (HWND child : Children(parent)) {
        if (TextOf(child) == caption) return child;
    }
    return nullptr;
}

HWND FocusOf(DWORD threadId) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId, &info)) return nullptr;
    return info.hwndFocus;
}

bool WaitForFocus(DWORD threadId, HWND window, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        if (FocusOf(threadId) == window) return true;
        Sleep(10);
    } while (GetTickCount() - start < timeoutMs);
    return false;
}

bool Launcher::Start(const std::string& folder, const std::string& currentDirectory) {
    if (!process.Start(folder + "\\launcher.exe", currentDirectory)) return false;
    window = WaitForWindow(process.Id(), kLauncherClass, 10000);
    if (window == nullptr) return false;
    WaitForInputIdle(process.Handle(), 5000);
    return true;
}

void PostKey(HWND target, WORD key) {
    const UINT scan = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    PostMessageA(target, WM_KEYDOWN, key, 1 | (scan << 16));
    PostMessageA(target, WM_KEYUP, key, 1 | (scan << 16) | 0xC0000000u);
}

void TypeKeys(std::initializer_list<WORD> modifiers, WORD key) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, bool up) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    for (WORD m : modifiers) add(m, false);
    add(key, false);
    add(key, true);
    for (auto m = modifiers.end(); m != modifiers.begin();) add(*--m, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool BringToFront(HWND window) {
    const DWORD start = GetTickCount();
    do {
        SetForegroundWindow(window);
        if (GetForegroundWindow() == window) return true;
        Sleep(20);
    } while (GetTickCount() - start < 3000);
    return false;
}

void Settle(DWORD ms) { Sleep(ms); }

void MouseDrag(POINT press, POINT release) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    SetCursorPos(press.x, press.y);
    input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &input, sizeof input);
    Sleep(50);
    SetCursorPos(release.x, release.y);
    input.mi.dwFlags = MOUSEEVENTF_MOVE;  // the move the system sees before the release
    SendInput(1, &input, sizeof input);
    Sleep(50);
    input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
}

void RealClick(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    const POINT middle = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    MouseDrag(middle, middle);
}

bool WaitForMessageBox(DWORD processId, DWORD timeoutMs, MessageBoxView& view) {
    HWND box = WaitForWindow(processId, "#32770", timeoutMs);
    if (box == nullptr) return false;
    view = MessageBoxView();
    view.box = box;
    view.caption = TextOf(box);
    HWND text = GetDlgItem(box, 0xFFFF);
    view.text = text ? TextOf(text) : std::string();
    for (HWND child : Children(box)) {
        if (ClassOf(child) == "Button") view.buttonIds.push_back(GetDlgCtrlID(child));
    }
    HWND icon = GetDlgItem(box, 0x440);
    view.icon = icon ? reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0)) : nullptr;
    return true;
}

void PressOk(const MessageBoxView& view) {
    HWND ok = GetDlgItem(view.box, IDOK);
    if (ok != nullptr) SendMessageA(ok, BM_CLICK, 0, 0);
    else PostMessageA(view.box, WM_COMMAND, IDOK, 0);
}

void CloseStandInGames() {
    for (HWND game = FindWindowA("GameStubWindow", nullptr); game != nullptr;
         game = FindWindowA("GameStubWindow", nullptr)) {
        DWORD processId = 0;
        GetWindowThreadProcessId(game, &processId);
        HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId);
        PostMessageA(game, WM_CLOSE, 0, 0);
        if (process != nullptr) {
            if (WaitForSingleObject(process, 3000) != WAIT_OBJECT_0) TerminateProcess(process, 0);
            CloseHandle(process);
        } else {
            Sleep(200);
        }
    }
}

std::string Hex(const std::string& bytes) {
    std::string out;
    char byte[4];
    for (unsigned char c : bytes) {
        std::snprintf(byte, sizeof byte, out.empty() ? "%02X" : " %02X", c);
        out += byte;
    }
    return out;
}

}  // namespace e2e
