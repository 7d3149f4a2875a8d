// The launcher window as the user's screen and a second process see it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "driver.h"

using namespace e2e;

namespace {

class LauncherWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = ScratchFolder("window\\demo");
        CopyInto(LauncherExe(), folder_, "launcher.exe");
        // Started from another current directory, as from a shortcut with another start folder.
        ASSERT_TRUE(launcher_.Start(folder_, ScratchFolder("elsewhere")));
    }
    std::string folder_;
    Launcher launcher_;
};

TEST(Placement, CentredOnThePrimaryScreenAtItsFixedSize) {
    const char* expected = std::getenv("EXPECTED_ORIGIN");
    ASSERT_NE(expected, nullptr);
    int x = 0, y = 0;
    ASSERT_EQ(std::sscanf(expected, "%d,%d", &x, &y), 2);
    const std::string folder = ScratchFolder("placement");
    CopyInto(LauncherExe(), folder, "launcher.exe");
    Launcher launcher;
    ASSERT_TRUE(launcher.Start(folder, folder));
    RECT outer;
    ASSERT_TRUE(GetWindowRect(launcher.window, &outer));
    EXPECT_EQ(outer.left, x);
    EXPECT_EQ(outer.top, y);
    EXPECT_EQ(outer.right - outer.left, 545);
    EXPECT_EQ(outer.bottom - outer.top, 321);
    PostMessageA(launcher.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(launcher.process.WaitForExit(5000), 0u);
}

TEST_F(LauncherWindowTest, ShowsItsCaptionAndFixedFrame) {
    EXPECT_EQ(Hex(TextOf(launcher_.window)),
              "52 50 47 E1 B0 F4 E1 B5 C7 C2 BD C6 F7 A1 AA B2 E2 CA D4 76 31 2E 30 B0 E6");
    // Overlapped windows always clip their siblings; the platform adds that flag itself.
    const DWORD style = static_cast<DWORD>(GetWindowLongA(launcher_.window, GWL_STYLE)) & ~WS_CLIPSIBLINGS;
    EXPECT_EQ(style, 0x02C80000u | WS_VISIBLE);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_DISABLED), 0u);
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(launcher_.window, GWL_EXSTYLE));
    EXPECT_EQ(exStyle & ~static_cast<DWORD>(WS_EX_WINDOWEDGE), 0u);
    EXPECT_EQ(GetClassLongA(launcher_.window, GCL_STYLE), static_cast<DWORD>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
    EXPECT_EQ(GetWindow(launcher_.window, GW_OWNER), nullptr);
}

TEST_F(LauncherWindowTest, DoubleClickOnTheCaptionNeitherMaximisesNorResizes) {
    RECT before, after;
    GetWindowRect(launcher_.window, &before);
    PostMessageA(launcher_.window, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(before.left + 100, before.top + 8));
    Settle(300);
    GetWindowRect(launcher_.window, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_FALSE(IsZoomed(launcher_.window));
    EXPECT_TRUE(launcher_.process.Running());
}

TEST_F(LauncherWindowTest, PaintsThePictureOnTheScreen) {
    // The client area on the screen is the artwork, not a flat fill.
    Settle(300);
    RECT client;
    GetClientRect(launcher_.window, &client);
    POINT origin = {0, 0};
    ClientToScreen(launcher_.window, &origin);
    HDC screen = GetDC(nullptr);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    int differentFromFace = 0, samples = 0;
    for (int y = 20; y < client.bottom; y += 40) {
        for (int x = 150; x < client.right; x += 40) {  // right of the buttons
            const COLORREF pixel = GetPixel(screen, origin.x + x, origin.y + y);
            ++samples;
            if (pixel != face && pixel != CLR_INVALID) ++differentFromFace;
        }
    }
    ReleaseDC(nullptr, screen);
    EXPECT_GT(differentFromFace, samples * 9 / 10);
}

struct CloseWay {
    const char* name;
    void (*close)(Launcher&);
};

class Closing : public LauncherWindowTest, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(Closing, EndsTheLauncherWithExitCodeZero) {
    GetParam().close(launcher_);
    EXPECT_EQ(launcher_.process.WaitForExit(5000), 0u) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, Closing,
    ::testing::Values(
        CloseWay{"Esc on the window", [](Launcher& l) { PostKey(l.window, VK_ESCAPE); }},
        CloseWay{"Esc on a button",
                 [](Launcher& l) { PostKey(ChildCaptioned(l.window, kAboutCaption), VK_ESCAPE); }},
        CloseWay{"WM_CLOSE", [](Launcher& l) { PostMessageA(l.window, WM_CLOSE, 0, 0); }},
        CloseWay{"system menu Close", [](Launcher& l) { PostMessageA(l.window, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        CloseWay{"Alt+F4",
                 [](Launcher& l) {
                     ASSERT_TRUE(BringToFront(l.window));
                     TypeKeys({VK_MENU}, VK_F4);
                 }}),
    [](const ::testing::TestParamInfo<CloseWay>& info) {
        std::string name;
        for (const char* p = info.param.name; *p; ++p) {
            if (isalnum(static_cast<unsigned char>(*p))) name += *p;
        }
        return name;
    });

}  // namespace
