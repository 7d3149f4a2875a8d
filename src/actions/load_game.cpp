// Load game: start Game.exe of the run directory, give it a moment to settle, then end.
#include <windows.h>

#include "actions/actions.h"
#include "runtime/run_directory.h"
#include "runtime/text.h"
#include "shell/shell.h"
#include "texts.h"

namespace {

constexpr DWORD kSettleMilliseconds = 1000;

// The launcher's own window: the visible top-level window of this thread.
BOOL CALLBACK TakeVisibleWindow(HWND window, LPARAM found) {
    if (!IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// Tells the player that the game could not be started, with the system's reason.
void ReportStartFailure(const char* playerPath, DWORD error) {
    char* reason = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<char*>(&reason), 0, nullptr);
    char* text = JoinTexts(4, kTexts.startFailedIntro, playerPath, kTexts.startFailedReason, reason);
    if (reason != nullptr) LocalFree(reason);
    // The box is owned by the launcher window, so it stays in front of it.
    HWND owner = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), TakeVisibleWindow, reinterpret_cast<LPARAM>(&owner));
    MessageBoxA(owner, text, kTexts.startFailedCaption, MB_ICONERROR | MB_OK);
    FreeBlock(text);
}

}  // namespace

void LoadGame() {
    char* runDirectory = GetRunDirectory();
    char* playerPath = JoinTexts(2, runDirectory, kTexts.playerName);
    if (runDirectory != nullptr) FreeBlock(runDirectory);
    // The full path as application name, so no other program can be started for a folder
    // name with spaces; the quoted path as command line, so the game sees its own path.
    char* commandLine = JoinTexts(3, kTexts.quote, playerPath, kTexts.quote);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessA(playerPath, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                        &startup, &process);
    const DWORD error = started ? ERROR_SUCCESS : GetLastError();
    FreeBlock(commandLine);
    if (started) {
        WaitForInputIdle(process.hProcess, kSettleMilliseconds);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        FreeBlock(playerPath);
        EndProgram(0);
    }
    ReportStartFailure(playerPath, error);
    FreeBlock(playerPath);
}
