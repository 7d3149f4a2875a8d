// Text values and memory blocks on the process's default heap.
#include "runtime/text.h"

#include <windows.h>

#include <cstdarg>
#include <malloc.h>

#include "shell/shell.h"
#include "texts.h"

namespace {

struct ConstantRange {
    const char* start;
    const char* end;
};

// The launcher registers one range; a few more slots cost nothing.
constexpr int kMaxConstantRanges = 4;
ConstantRange constantRanges[kMaxConstantRanges];
int constantRangeCount = 0;

}  // namespace

int TextLength(const char* text) {
    if (text == nullptr) return 0;
    int length = 0;
    while (text[length] != '\0') ++length;
    return length;
}

char* JoinTexts(int count, ...) {
    // Each part is measured once; the lengths live on the stack while the block is filled.
    int* lengths = static_cast<int*>(alloca(sizeof(int) * (count > 0 ? count : 1)));
    unsigned int total = 1;
    va_list parts;
    va_start(parts, count);
    for (int i = 0; i < count; ++i) {
        lengths[i] = TextLength(va_arg(parts, const char*));
        total += static_cast<unsigned int>(lengths[i]);
    }
    va_end(parts);

    char* joined = static_cast<char*>(AllocateBlock(total));
    char* next = joined;
    va_start(parts, count);
    for (int i = 0; i < count; ++i) {
        const char* part = va_arg(parts, const char*);
        if (part != nullptr) CopyMemory(next, part, lengths[i]);
        next += lengths[i];
    }
    va_end(parts);
    *next = '\0';
    return joined;
}

char* CopyText(const char* text) {
    if (text == nullptr || text[0] == '\0') return nullptr;
    const int length = TextLength(text);
    char* copy = static_cast<char*>(AllocateBlock(static_cast<unsigned int>(length) + 1));
    CopyMemory(copy, text, length);
    copy[length] = '\0';
    return copy;
}

void* AllocateBlock(unsigned int byteCount) {
    void* block = HeapAlloc(Shell().processHeap, 0, byteCount);
    if (block == nullptr) {
        // The heap is exhausted, so the message is formatted into a buffer of its own.
        char message[100];
        wsprintfA(message, kTexts.allocationFailed, static_cast<int>(byteCount));
        ReportFatalError(message, 0);
    }
    return block;
}

void FreeBlock(const void* block) {
    if (block == nullptr || InConstantArea(block)) return;
    HeapFree(Shell().processHeap, 0, const_cast<void*>(block));
}

void RegisterConstantArea(const void* start, const void* end) {
    if (constantRangeCount == kMaxConstantRanges) return;
    constantRanges[constantRangeCount++] = {static_cast<const char*>(start),
                                            static_cast<const char*>(end)};
}

void ClearConstantAreas() { constantRangeCount = 0; }

bool InConstantArea(const void* pointer) {
    const char* p = static_cast<const char*>(pointer);
    for (int i = 0; i < constantRangeCount; ++i) {
        if (constantRanges[i].start <= p && p < constantRanges[i].end) return true;
    }
    return false;
}
