// The launcher's process entry point.
#include <windows.h>

#include "shell/shell.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // No critical-error or missing-file boxes from the system; Game.exe inherits this.
    SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const int exitCode = StartUp();
    ReleaseShell();
    ExitProcess(static_cast<UINT>(exitCode));
}
