// The pure rules of the launcher window: placement, icon choice and stretch mode.
#pragma once

// One entry of an icon set's directory, as far as choosing an image needs it.
struct IconEntryInfo {
    int width;       // pixels; a directory byte of 0 means 256
    int colourCount; // the directory's colour-count byte; 0 means 256 colours or more
};

// The top-left coordinate that centres size on screen, truncating towards zero.
constexpr int CentredOrigin(int screen, int size) { return (screen - size) / 2; }

// The first entry with at least 16 colours and the given width; the last entry when
// none qualifies; -1 for an empty set.
int ChooseIconEntry(const IconEntryInfo* entries, int count, int width);

// HALFTONE above 16 bits per pixel, COLORONCOLOR otherwise (also when unknown, 0).
int ChooseStretchMode(int bitsPerPixel);
