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

COLORREF Pixel(const BYTE* bits, int width, int x, int y) {
    const BYTE* p = bits + (static_cast<size_t>(y) * width + x) * 4;  // top-down BGRA
    return RGB(p[2], p[1], p[0]);
}

int Distance(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

TEST_F(LauncherWindowInProcess, PaintsThePictureStretchedOverTheWholeClientArea) {
    RECT client;
    GetClientRect(window_.Handle(), &client);
    const int width = client.right, height = client.bottom;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP target = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(memory, target);
    window_.PaintContent(memory, client, client);
    GdiFlush();

    // The painted corners and centre are the picture's corners and centre.
    HRSRC resource = FindResourceA(nullptr, kTexts.backgroundResource, RT_RCDATA);
    ASSERT_NE(resource, nullptr);
    const BYTE* file = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, resource)));
    auto source = [&](int x, int y) {  // bottom-up BGR rows of 1,920 bytes
        const BYTE* p = file + 54 + static_cast<size_t>(479 - y) * 1920 + x * 3;
        return RGB(p[2], p[1], p[0]);
    };
    const BYTE* painted = static_cast<const BYTE*>(bits);
    EXPECT_LT(Distance(Pixel(painted, width, 0, 0), source(0, 0)), 48);
    EXPECT_LT(Distance(Pixel(painted, width, width - 1, height - 1), source(639, 479)), 48);
    EXPECT_LT(Distance(Pixel(painted, width, width - 1, 0), source(639, 0)), 48);
    EXPECT_LT(Distance(Pixel(painted, width, 0, height - 1), source(0, 479)), 48);

    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    ASSERT_TRUE(EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode));
    EXPECT_EQ(GetStretchBltMode(memory), mode.dmBitsPerPel > 16 ? HALFTONE : COLORONCOLOR);

    SelectObject(memory, old);
    DeleteObject(target);
    DeleteDC(memory);
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
