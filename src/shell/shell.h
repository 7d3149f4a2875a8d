// The life of the launcher process: start-up, the message loop and every way it ends.
#pragma once
#include <windows.h>

using EndRoutine = void (*)();

struct ShellState {
    HANDLE processHeap = nullptr;
    bool oleInitialised = false;
    char* runDirectory = nullptr;  // owned; no trailing backslash; null when empty
    bool loopStarted = false;
    EndRoutine endRoutine = nullptr;
};

// The one process-wide record of the shell.
ShellState& Shell();

int StartUp();
void InitialiseShell();
void SetEndRoutine(EndRoutine routine);
void ShowStartupWindow();
// Runs until WM_QUIT; returns the quit message's exit code.
int RunMessageLoop();
void ReleaseShell();
[[noreturn]] void EndProgram(int exitCode);
[[noreturn]] void ReportFatalError(const char* message, int code);

// The exit code of every fatal error.
constexpr int kFatalExitCode = -1;
