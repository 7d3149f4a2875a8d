// Placement, icon choice, stretch mode and the decoding of the background picture.
#include <gtest/gtest.h>

#include <vector>

#include "shell/launcher_window.h"
#include "shell/window_rules.h"

namespace {

TEST(Placement, CentresWithTruncatingDivision) {
    struct Case {
        int screenWidth, screenHeight, x, y;
    } cases[] = {
        {1366, 768, 410, 223}, {1920, 1080, 687, 379}, {640, 480, 47, 79},
        {500, 300, -22, -10},  // narrower than the window: truncated towards zero
        {545, 321, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CentredOrigin(c.screenWidth, 545), c.x) << c.screenWidth;
        EXPECT_EQ(CentredOrigin(c.screenHeight, 321), c.y) << c.screenHeight;
    }
}

TEST(IconChoice, TakesTheFirstColourImageOfTheWidth) {
    // The launcher's own set: 16, 16, 32, 32, 48, 48 (monochrome, true colour), 128.
    const IconEntryInfo launcherSet[] = {{16, 2}, {16, 0}, {32, 2}, {32, 0}, {48, 2}, {48, 0}, {128, 0}};
    EXPECT_EQ(ChooseIconEntry(launcherSet, 7, 32), 3);
    EXPECT_EQ(ChooseIconEntry(launcherSet, 7, 16), 1);

    const IconEntryInfo sixteenColours[] = {{32, 2}, {32, 16}, {32, 0}};
    EXPECT_EQ(ChooseIconEntry(sixteenColours, 3, 32), 1);  // 16 colours are enough
    const IconEntryInfo eightColours[] = {{32, 8}, {32, 0}};
    EXPECT_EQ(ChooseIconEntry(eightColours, 2, 32), 1);

    const IconEntryInfo noneQualifies[] = {{16, 2}, {48, 0}, {64, 0}};
    EXPECT_EQ(ChooseIconEntry(noneQualifies, 3, 32), 2);  // the last entry
    EXPECT_EQ(ChooseIconEntry(noneQualifies, 0, 32), -1);
}

TEST(StretchMode, HalftoneOnlyAboveSixteenBits) {
    EXPECT_EQ(ChooseStretchMode(32), HALFTONE);
    EXPECT_EQ(ChooseStretchMode(24), HALFTONE);
    EXPECT_EQ(ChooseStretchMode(16), COLORONCOLOR);
    EXPECT_EQ(ChooseStretchMode(8), COLORONCOLOR);
    EXPECT_EQ(ChooseStretchMode(0), COLORONCOLOR);  // the settings could not be read
}

std::vector<BYTE> BitmapFile(int width, int height, int bits) {
    const int stride = ((width * bits + 31) / 32) * 4;
    const int pixels = stride * (height < 0 ? -height : height);
    std::vector<BYTE> file(54 + pixels, 0x7F);
    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;
    header.bfSize = static_cast<DWORD>(file.size());
    header.bfOffBits = 54;
    BITMAPINFOHEADER info = {};
    info.biSize = 40;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = static_cast<WORD>(bits);
    CopyMemory(file.data(), &header, sizeof header);
    CopyMemory(file.data() + sizeof header, &info, sizeof info);
    return file;
}

TEST(PictureDecoding, AcceptsA24BitFileAndRejectsWhatCannotBeDrawn) {
    DecodedPicture picture;
    std::vector<BYTE> good = BitmapFile(640, 480, 24);
    ASSERT_TRUE(DecodeBitmapFile(good.data(), static_cast<unsigned>(good.size()), picture));
    EXPECT_EQ(picture.width, 640);
    EXPECT_EQ(picture.height, 480);
    EXPECT_EQ(picture.bits, good.data() + 54);

    std::vector<BYTE> truncated = good;
    truncated.resize(truncated.size() - 1);
    std::vector<BYTE> notBitmap = good;
    notBitmap[0] = 'X';
    std::vector<BYTE> eightBit = BitmapFile(640, 480, 8);
    std::vector<BYTE> noWidth = BitmapFile(0, 480, 24);
    std::vector<BYTE> offsetPastEnd = good;
    offsetPastEnd[10] = 0xFF;
    offsetPastEnd[11] = 0xFF;
    offsetPastEnd[12] = 0xFF;
    for (const std::vector<BYTE>* bad : {&truncated, &notBitmap, &eightBit, &noWidth, &offsetPastEnd}) {
        DecodedPicture rejected;
        EXPECT_FALSE(DecodeBitmapFile(bad->data(), static_cast<unsigned>(bad->size()), rejected));
        EXPECT_EQ(rejected.info, nullptr);
    }
    EXPECT_FALSE(DecodeBitmapFile(nullptr, 0, picture));
    EXPECT_FALSE(DecodeBitmapFile(good.data(), 20, picture));
}

}  // namespace
