// Gives the runtime the process heap, as start-up does, for tests that call it directly.
#pragma once
#include <windows.h>

#include "shell/shell.h"

inline bool UseProcessHeap() {
    Shell().processHeap = GetProcessHeap();
    return true;
}
