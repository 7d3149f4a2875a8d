// Runs the launcher's real start-up in a process where windows of one class refuse to be
// created: "launcher" refuses the launcher window, "button" its push buttons.
#include <windows.h>

#include <cstring>

#include "shell/shell.h"
#include "texts.h"

namespace {

const char* refusedClass = nullptr;

LRESULT CALLBACK RefuseCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        char name[64] = {};
        GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
        // Only the launcher's own windows: the fatal box must still get its OK button.
        HWND parent = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->hwndParent;
        char parentName[64] = {};
        if (parent != nullptr) GetClassNameA(parent, parentName, sizeof parentName);
        const bool launcherWindow = lstrcmpiA(name, kTexts.windowClass) == 0;
        const bool launcherButton = lstrcmpiA(name, kTexts.buttonClass) == 0 &&
                                    lstrcmpiA(parentName, kTexts.windowClass) == 0;
        if (lstrcmpiA(name, refusedClass) == 0 && (launcherWindow || launcherButton)) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    refusedClass = std::strstr(commandLine, "button") ? kTexts.buttonClass : kTexts.windowClass;
    SetWindowsHookExA(WH_CBT, RefuseCreation, nullptr, GetCurrentThreadId());
    SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const int exitCode = StartUp();
    ReleaseShell();
    ExitProcess(static_cast<UINT>(exitCode));
}
