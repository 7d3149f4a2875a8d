// Text values (NUL-terminated code page 936 text, or null) and the memory blocks they live in.
#pragma once

// Length in bytes before the first NUL; 0 for null.
int TextLength(const char* text);

// A new block holding the count texts one after the other; null parts count as empty.
// Never null: joining nothing but empty texts gives a block holding just the NUL.
char* JoinTexts(int count, ...);

// A new copy of text, or null when text is null or empty.
char* CopyText(const char* text);

// A new block of byteCount bytes on the process heap. Never null: running out of
// memory is the launcher's one fatal failure of its own.
void* AllocateBlock(unsigned int byteCount);

// Releases a block from AllocateBlock; null and literal texts are left alone.
void FreeBlock(const void* block);

// The ranges that hold literal texts, which FreeBlock must never release.
void RegisterConstantArea(const void* start, const void* end);
void ClearConstantAreas();
bool InConstantArea(const void* pointer);
