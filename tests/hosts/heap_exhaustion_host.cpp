// Starts the launcher's shell and then asks its allocator for more memory than a 32-bit
// process can have: the launcher's own out-of-memory path, for the end-to-end tests.
#include <windows.h>

#include "runtime/text.h"
#include "shell/shell.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitialiseShell();
    AllocateBlock(0x7FFFFFFF);
    return 0;  // not reached: running out of memory ends the process
}
