// Start-up, the message loop and the three ways the launcher ends.
#include "shell/shell.h"

#include <ole2.h>

#include "runtime/run_directory.h"
#include "runtime/text.h"
#include "shell/launcher_window.h"
#include "texts.h"

namespace {

ShellState shellState;
LauncherWindow launcherWindow;

// The launcher has nothing to do when it ends normally.
void LauncherEndRoutine() {}

// Appends text to a fixed buffer, always leaving it NUL-terminated; the fatal box is
// built without the heap, since running out of memory is one of its causes.
void Append(char* buffer, int capacity, int& used, const char* text) {
    if (text == nullptr) return;
    while (*text != '\0' && used < capacity - 1) buffer[used++] = *text++;
    buffer[used] = '\0';
}

}  // namespace

ShellState& Shell() { return shellState; }

void InitialiseShell() {
    shellState.processHeap = GetProcessHeap();
    if (!shellState.oleInitialised) {
        OleInitialize(nullptr);
        shellState.oleInitialised = true;  // whatever it returned: ending pairs it with OleUninitialize
    }
    // The literal texts are registered first, so nothing built from here on can free one.
    RegisterConstantArea(&kTexts, &kTexts + 1);

    char* modulePath = ReadModulePath();
    FreeBlock(shellState.runDirectory);
    shellState.runDirectory = modulePath ? RunDirectoryOf(modulePath, CP_ACP) : nullptr;
    FreeBlock(modulePath);
    // A failure leaves the current directory as the launcher was started with.
    SetCurrentDirectoryA(shellState.runDirectory ? shellState.runDirectory : "");
    // The window settings are constants of the program: nothing to read.
}

void SetEndRoutine(EndRoutine routine) { shellState.endRoutine = routine; }

void ShowStartupWindow() {
    if (!launcherWindow.Create()) ReportFatalError(kTexts.windowFailed, 0);
}

int RunMessageLoop() {
    shellState.loopStarted = true;
    if (!IsWindow(launcherWindow.Handle())) return 0;
    MSG msg;
    // GetMessageA waits while the queue is empty; the launcher has no idle-time work.
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (launcherWindow.PreTranslateMessage(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

int StartUp() {
    InitialiseShell();
    SetEndRoutine(LauncherEndRoutine);
    ShowStartupWindow();
    return RunMessageLoop();
}

void ReleaseShell() {
    if (IsWindow(launcherWindow.Handle())) DestroyWindow(launcherWindow.Handle());
    if (shellState.endRoutine != nullptr) {
        EndRoutine routine = shellState.endRoutine;
        shellState.endRoutine = nullptr;
        routine();
    }
    ClearConstantAreas();
    if (shellState.oleInitialised) {
        OleUninitialize();
        shellState.oleInitialised = false;
    }
}

void EndProgram(int exitCode) {
    ReleaseShell();
    ExitProcess(static_cast<UINT>(exitCode));
}

void ReportFatalError(const char* message, int code) {
    char text[512];
    int used = 0;
    text[0] = '\0';
    Append(text, sizeof text, used, kTexts.fatalHeading);
    if (code != 0) {
        char number[16];
        wsprintfA(number, kTexts.decimalFormat, code);
        Append(text, sizeof text, used, kTexts.codeLabel);
        Append(text, sizeof text, used, number);
        Append(text, sizeof text, used, kTexts.paragraphEnd);
    }
    if (message != nullptr && message[0] != '\0') {
        Append(text, sizeof text, used, kTexts.messageLabel);
        Append(text, sizeof text, used, message);
        Append(text, sizeof text, used, kTexts.lineEnd);
    }
    MessageBoxA(nullptr, text, kTexts.errorCaption, MB_ICONERROR | MB_OK);
    shellState.endRoutine = nullptr;
    EndProgram(kFatalExitCode);
}
