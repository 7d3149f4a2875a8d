// The about box: its texts, its single OK, and the launcher held still while it is up.
#include <gtest/gtest.h>

#include "driver.h"

using namespace e2e;

namespace {

class About : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string folder = ScratchFolder("about");
        CopyInto(LauncherExe(), folder, "launcher.exe");
        ASSERT_TRUE(launcher_.Start(folder, folder));
        about_ = ChildCaptioned(launcher_.window, kAboutCaption);
        ASSERT_NE(about_, nullptr);
    }
    Launcher launcher_;
    HWND about_ = nullptr;
};

TEST_F(About, ShowsTheAuthorKeysAndVersionWithOkOnly) {
    PostMessageA(about_, BM_CLICK, 0, 0);
    MessageBoxView box;
    ASSERT_TRUE(WaitForMessageBox(launcher_.process.Id(), 5000, box));
    EXPECT_EQ(Hex(box.caption), "B9 D8 D3 DA B3 CC D0 F2");
    EXPECT_EQ(Hex(box.text),
              "B1 BE B3 CC D0 F2 D3 C9 C4 AB BF C2 B3 AC CE DE C1 C4 A3 AC B4 B4 BD A8 A1 A3 0D 0A "
              "C9 CF CF C2 D7 F3 D3 D2 B7 D6 B1 F0 CE AA D0 A1 CA FD BC FC C5 CC A1 FC A1 FD A1 FB "
              "A1 FA 20 20 20 45 6E 74 65 72 BB D8 B3 B5 BC FC CE AA 20 C8 B7 B6 A8 0D 0A B1 BE B0 "
              "E6 B1 BE CE AA B2 E2 CA D4 76 30 2E 32 B0 E6 D6 BB B2 E2 CA D4 C8 CB CE EF A3 AC BC "
              "BC C4 DC A3 AC B9 A5 BB F7 20 E1 B0 F4 E1 B8 C4 BE E7 C7 E9 0D 0A D3 A2 D3 EF 20 58 "
              "20 CE AA B2 CB B5 A5 BB F2 D5 DF 20 CA FD D7 D6 30 20 D2 B2 CA C7 B2 CB B5 A5");
    EXPECT_EQ(box.buttonIds, std::vector<int>{IDOK});
    EXPECT_EQ(box.icon, nullptr);  // no icon
    EXPECT_EQ(GetWindow(box.box, GW_OWNER), nullptr);

    // While it is up the launcher takes no clicks or keys.
    EXPECT_FALSE(IsWindowEnabled(launcher_.window));
    PressOk(box);
    Settle(200);
    EXPECT_TRUE(IsWindowEnabled(launcher_.window));
    EXPECT_TRUE(TopWindows(launcher_.process.Id(), "#32770").empty());
    EXPECT_TRUE(launcher_.process.Running());
}

TEST_F(About, AClickWhileItIsUpOpensNoSecondBox) {
    ASSERT_TRUE(BringToFront(launcher_.window));
    RealClick(about_);  // the mouse reaches the button: the box opens
    MessageBoxView box;
    ASSERT_TRUE(WaitForMessageBox(launcher_.process.Id(), 5000, box));
    // Out of the way, so the next click lands on the button and not on the box.
    SetWindowPos(box.box, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle(100);
    RECT boxRect, buttonRect, overlap;
    GetWindowRect(box.box, &boxRect);
    GetWindowRect(about_, &buttonRect);
    ASSERT_FALSE(IntersectRect(&overlap, &boxRect, &buttonRect));
    RealClick(about_);  // the disabled window takes this one nowhere
    Settle(500);
    EXPECT_EQ(TopWindows(launcher_.process.Id(), "#32770").size(), 1u);
    PressOk(box);
    Settle(200);
    EXPECT_TRUE(TopWindows(launcher_.process.Id(), "#32770").empty());
}

TEST_F(About, SpaceOnTheFocusedButtonOpensItAndEnterDoesNot) {
    HWND load = ChildCaptioned(launcher_.window, kLoadCaption);
    ASSERT_TRUE(WaitForFocus(launcher_.process.ThreadId(), load, 3000));
    PostKey(load, VK_TAB);
    PostKey(load, VK_TAB);
    ASSERT_TRUE(WaitForFocus(launcher_.process.ThreadId(), about_, 2000));
    PostKey(about_, VK_RETURN);
    Settle(400);
    EXPECT_TRUE(TopWindows(launcher_.process.Id(), "#32770").empty());
    PostKey(about_, VK_SPACE);
    MessageBoxView box;
    ASSERT_TRUE(WaitForMessageBox(launcher_.process.Id(), 5000, box));
    EXPECT_EQ(box.caption, "关于程序");
    PressOk(box);
}

}  // namespace
