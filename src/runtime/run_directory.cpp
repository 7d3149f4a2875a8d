// The run directory: where Game.exe and Game.ini are looked for.
#include "runtime/run_directory.h"

#include <windows.h>

#include "runtime/text.h"
#include "shell/shell.h"

int FindLastSeparator(const char* path, unsigned int codePage) {
    int last = -1;
    for (int i = 0; path[i] != '\0'; ++i) {
        if (IsDBCSLeadByteEx(codePage, static_cast<BYTE>(path[i]))) {
            if (path[i + 1] == '\0') break;  // a lone lead byte ends the path
            ++i;                             // its trail byte is part of the character
        } else if (path[i] == '\\') {
            last = i;
        }
    }
    return last;
}

char* RunDirectoryOf(const char* modulePath, unsigned int codePage) {
    const int separator = FindLastSeparator(modulePath, codePage);
    if (separator <= 0) return nullptr;
    char* directory = static_cast<char*>(AllocateBlock(static_cast<unsigned int>(separator) + 1));
    CopyMemory(directory, modulePath, separator);
    directory[separator] = '\0';
    return directory;
}

char* ReadModulePath() {
    // A cut path would give a wrong run directory, and then the game would be started
    // from, and Game.ini written into, the wrong folder: grow the buffer until it fits.
    constexpr DWORD kFirstSize = MAX_PATH;
    constexpr DWORD kLargestSize = 0x20000;  // 32,767 UTF-16 characters, two bytes each at most
    for (DWORD size = kFirstSize; size <= kLargestSize; size *= 2) {
        char* buffer = static_cast<char*>(AllocateBlock(size));
        const DWORD length = GetModuleFileNameA(nullptr, buffer, size);
        // A cut path comes back as the buffer size without a NUL, or (under Wine) cut one
        // byte short and terminated: only a path with room to spare is known to be whole.
        if (length > 0 && length + 1 < size) return buffer;
        FreeBlock(buffer);
        if (length == 0 && GetLastError() != ERROR_INSUFFICIENT_BUFFER) break;
    }
    return nullptr;
}

char* GetRunDirectory() { return CopyText(Shell().runDirectory); }
