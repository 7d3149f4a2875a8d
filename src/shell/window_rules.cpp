// The pure rules of the launcher window.
#include "shell/window_rules.h"

#include <windows.h>

int ChooseIconEntry(const IconEntryInfo* entries, int count, int width) {
    for (int i = 0; i < count; ++i) {
        const int colours = entries[i].colourCount == 0 ? 256 : entries[i].colourCount;
        if (colours >= 16 && entries[i].width == width) return i;
    }
    return count - 1;
}

int ChooseStretchMode(int bitsPerPixel) { return bitsPerPixel > 16 ? HALFTONE : COLORONCOLOR; }
