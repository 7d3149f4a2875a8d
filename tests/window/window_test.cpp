// The launcher window in the test's own process, with the launcher's real resources:
// what a second process cannot ask under Wine (icons, fonts, class brush, painting).
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "runtime/text.h"
#include "shell/launcher_window.h"
#include "shell/shell.h"
#include "shell/window_rules.h"
#include "test_heap.h"
#include "texts.h"

namespace {

const bool heapReady = UseProcessHeap();

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

struct IconSize {
    int width = 0, height = 0, bits = 0;
};

IconSize SizeOf(HICON icon) {
    IconSize size;
    ICONINFO info;
    if (icon == nullptr || !GetIconInfo(icon, &info)) return size;
    BITMAP colour = {};
    if (info.hbmColor != nullptr && GetObjectA(info.hbmColor, sizeof colour, &colour)) {
        size = {colour.bmWidth, colour.bmHeight, colour.bmBitsPixel};
    }
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return size;
}

class LauncherWindowInProcess : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window_.Create());
        Pump();
    }
    void TearDown() override {
        if (IsWindow(window_.Handle())) DestroyWindow(window_.Handle());
        Pump();
    }
    LauncherWindow window_;
};

TEST_F(LauncherWindowInProcess, CarriesTheTrueColourIconsOfTheSet) {
    const IconSize big = SizeOf(reinterpret_cast<HICON>(SendMessageA(window_.Handle(), WM_GETICON, ICON_BIG, 0)));
    const IconSize small =
        SizeOf(reinterpret_cast<HICON>(SendMessageA(window_.Handle(), WM_GETICON, ICON_SMALL, 0)));
    EXPECT_EQ(big.width, 32);
    EXPECT_EQ(big.height, 32);
    EXPECT_EQ(small.width, 16);
    EXPECT_EQ(small.height, 16);
    // A colour bitmap at all: the monochrome entries keep theirs in the mask only.
    EXPECT_GT(big.bits, 1);
    EXPECT_GT(small.bits, 1);
}

TEST_F(LauncherWindowInProcess, ClassDrawsNothingOfItsOwn) {
    HWND window = window_.Handle();
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND)), GetStockObject(NULL_BRUSH));
    EXPECT_EQ(GetClassLongPtrA(window, GCL_STYLE), static_cast<ULONG_PTR>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(window, GCLP_HCURSOR)), LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(GetClassLongPtrA(window, GCLP_HICON), 0u);
}

TEST_F(LauncherWindowInProcess, ButtonsUseTheStockGuiFont) {
    HGDIOBJ stock = GetStockObject(DEFAULT_GUI_FONT);
    int buttons = 0;
    for (HWND child = GetWindow(window_.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(child, WM_GETFONT, 0, 0)), stock);
        ++buttons;
    }
    EXPECT_EQ(buttons, 3);
}

// A 32-bit top-down DIB section of the given size in a memory DC of its own.
struct Canvas {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ original = nullptr;
    const DWORD* pixels = nullptr;
    int width = 0, height = 0;
    Canvas(int w, int h) : width(w), height(h) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ReleaseDC(nullptr, screen);
        original = SelectObject(dc, bitmap);
        pixels = static_cast<const DWORD*>(bits);
        PatBlt(dc, 0, 0, w, h, BLACKNESS);
    }
    ~Canvas() {
        SelectObject(dc, original);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    DWORD At(int x, int y) const {
        GdiFlush();
        return pixels[static_cast<size_t>(y) * width + x] & 0xFFFFFF;
    }
    int Differences(const Canvas& other) const {
        GdiFlush();
        int count = 0;
        for (int i = 0; i < width * height; ++i) count += (pixels[i] & 0xFFFFFF) != (other.pixels[i] & 0xFFFFFF);
        return count;
    }
};

// The picture stretched the plain way: a device bitmap of the resource, one StretchBlt.
void StretchPicture(Canvas& canvas, int mode) {
    HRSRC resource = FindResourceA(nullptr, kTexts.backgroundResource, RT_RCDATA);
    const BYTE* file = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, resource)));
    const BITMAPINFO* info = reinterpret_cast<const BITMAPINFO*>(file + sizeof(BITMAPFILEHEADER));
    HBITMAP device = CreateDIBitmap(canvas.dc, &info->bmiHeader, CBM_INIT, file + 54, info, DIB_RGB_COLORS);
    HDC source = CreateCompatibleDC(canvas.dc);
    HGDIOBJ original = SelectObject(source, device);
    SetStretchBltMode(canvas.dc, mode);
    SetBrushOrgEx(canvas.dc, 0, 0, nullptr);
    StretchBlt(canvas.dc, 0, 0, canvas.width, canvas.height, source, 0, 0, 640, 480, SRCCOPY);
    SelectObject(source, original);
    DeleteDC(source);
    DeleteObject(device);
}

TEST_F(LauncherWindowInProcess, PaintsThePictureStretchedOverTheWholeClientArea) {
    RECT client;
    GetClientRect(window_.Handle(), &client);
    Canvas painted(client.right, client.bottom);
    window_.PaintContent(painted.dc, client, client);

    // Exactly the picture stretched over the whole client area, with the mode the display's
    // colour depth asks for (HALFTONE above 16 bits per pixel), which the other mode is not.
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    ASSERT_TRUE(EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode));
    const bool deep = mode.dmBitsPerPel > 16;
    Canvas expected(client.right, client.bottom), other(client.right, client.bottom);
    StretchPicture(expected, deep ? HALFTONE : COLORONCOLOR);
    StretchPicture(other, deep ? COLORONCOLOR : HALFTONE);
    EXPECT_EQ(painted.Differences(expected), 0);
    EXPECT_GT(painted.Differences(other), 0);
}

TEST_F(LauncherWindowInProcess, ARepaintDrawsOnlyWhatItIsAskedToAndTheSameAgain) {
    RECT client;
    GetClientRect(window_.Handle(), &client);
    Canvas whole(client.right, client.bottom), part(client.right, client.bottom);
    window_.PaintContent(whole.dc, client, client);
    const RECT clip = {200, 50, 320, 150};
    window_.PaintContent(part.dc, client, clip);
    EXPECT_EQ(part.At(200, 50), whole.At(200, 50));
    EXPECT_EQ(part.At(319, 149), whole.At(319, 149));
    EXPECT_EQ(part.At(199, 50), 0u);  // outside the clip nothing was drawn
    EXPECT_EQ(part.At(320, 149), 0u);
    EXPECT_EQ(part.At(250, 150), 0u);
}

}  // namespace

namespace {

int endRoutineRuns = 0;
void CountEndRoutine() { ++endRoutineRuns; }

TEST(ShellEnding, ReleaseShellIsSafeToCallTwice) {
    InitialiseShell();
    ASSERT_TRUE(Shell().oleInitialised);
    ASSERT_TRUE(InConstantArea(kTexts.caption));
    SetEndRoutine(CountEndRoutine);
    ReleaseShell();
    ReleaseShell();
    EXPECT_EQ(endRoutineRuns, 1);  // the end routine runs once, at the first ending
    EXPECT_FALSE(Shell().oleInitialised);
    EXPECT_FALSE(InConstantArea(kTexts.caption));
    // The run directory stays what start-up fixed: this test program's own folder.
    char module[MAX_PATH * 4];
    GetModuleFileNameA(nullptr, module, sizeof module);
    *strrchr(module, '\\') = '\0';
    EXPECT_STREQ(Shell().runDirectory, module);
    char current[MAX_PATH * 4];
    GetCurrentDirectoryA(sizeof current, current);
    EXPECT_STREQ(current, module);  // and start-up made it the current directory
}

}  // namespace
