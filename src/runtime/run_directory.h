// The run directory: the folder that holds the launcher's own executable.
#pragma once

// Index of the last backslash of path read character by character in codePage, so
// that a trail byte 0x5C of a double-byte character is never a separator; -1 if none.
int FindLastSeparator(const char* path, unsigned int codePage);

// The run directory of a module path: everything before its last separator, as a new
// text value; null when the path holds no separator.
char* RunDirectoryOf(const char* modulePath, unsigned int codePage);

// The full path of the launcher's executable as a new text value, however long it is.
char* ReadModulePath();

// A new copy of the run directory fixed at start-up; null when it is empty.
char* GetRunDirectory();
