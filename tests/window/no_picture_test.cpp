// The window code in a program that carries no background picture: it must fill its
// client area with the button-face colour instead, and try the picture again later.
#include <gtest/gtest.h>

#include "shell/launcher_window.h"
#include "test_heap.h"

namespace {

const bool heapReady = UseProcessHeap();

TEST(LauncherWindowWithoutPicture, FillsWhatItPaintsWithTheButtonFaceColour) {
    LauncherWindow window;
    ASSERT_TRUE(window.Create());
    RECT client;
    GetClientRect(window.Handle(), &client);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(memory, target);
    PatBlt(memory, 0, 0, client.right, client.bottom, BLACKNESS);

    const RECT clip = {10, 20, 200, 100};
    for (int paint = 0; paint < 2; ++paint) {  // each paint tries the picture again, and fills again
        window.PaintContent(memory, client, clip);
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        EXPECT_EQ(GetPixel(memory, 10, 20), face);
        EXPECT_EQ(GetPixel(memory, 199, 99), face);
        // Outside the area to fill nothing was drawn.
        EXPECT_EQ(GetPixel(memory, 5, 5), RGB(0, 0, 0));
        EXPECT_EQ(GetPixel(memory, 250, 150), RGB(0, 0, 0));
    }
    SelectObject(memory, old);
    DeleteObject(target);
    DeleteDC(memory);
    DestroyWindow(window.Handle());
}

}  // namespace
