// The three buttons and the window's keyboard rules, with real keys.
#include <gtest/gtest.h>

#include "driver.h"

using namespace e2e;

namespace {

class Buttons : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = ScratchFolder("buttons\\demo");
        CopyInto(LauncherExe(), folder_, "launcher.exe");
        ASSERT_TRUE(launcher_.Start(folder_, folder_));
        load_ = ChildCaptioned(launcher_.window, kLoadCaption);
        repair_ = ChildCaptioned(launcher_.window, kRepairCaption);
        about_ = ChildCaptioned(launcher_.window, kAboutCaption);
        ASSERT_TRUE(load_ && repair_ && about_);
    }
    DWORD Thread() const { return launcher_.process.ThreadId(); }
    std::string folder_;
    Launcher launcher_;
    HWND load_ = nullptr, repair_ = nullptr, about_ = nullptr;
};

TEST_F(Buttons, StandInOneColumnWithTheirIdentifiersAndStyles) {
    struct Expected {
        HWND button;
        const char* captionHex;
        int id, left, top;
    } expected[] = {
        {load_, "D4 D8 C8 EB D3 CE CF B7", 100, 24, 64},
        {about_, "B9 D8 D3 DA", 120, 24, 136},
        {repair_, "D3 CE CF B7 D0 DE B8 B4 A3 A8 B4 F2 B2 BB BF AA A3 A9", 110, 24, 208},
    };
    for (const Expected& e : expected) {
        HWND button = e.button;
        EXPECT_EQ(Hex(TextOf(button)), e.captionHex);
        EXPECT_EQ(GetDlgCtrlID(button), e.id);
        EXPECT_EQ(ClassOf(button), "Button");
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE)), 0x54012F00u);
        EXPECT_EQ(GetWindowLongA(button, GWL_EXSTYLE), 0);
        RECT rect;
        GetWindowRect(button, &rect);
        MapWindowPoints(nullptr, launcher_.window, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, e.left);
        EXPECT_EQ(rect.top, e.top);
        EXPECT_EQ(rect.right - rect.left, 96);
        EXPECT_EQ(rect.bottom - rect.top, 40);
    }
    EXPECT_EQ(Children(launcher_.window).size(), 3u);
}

TEST_F(Buttons, AreStackedAboutRepairLoadFromTheTop) {
    std::vector<HWND> stacking;
    for (HWND child = GetWindow(launcher_.window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        stacking.push_back(child);
    EXPECT_EQ(stacking, (std::vector<HWND>{about_, repair_, load_}));
}

TEST_F(Buttons, FirstFocusIsLoadGameAndTabGoesLoadRepairAbout) {
    ASSERT_TRUE(WaitForFocus(Thread(), load_, 3000));
    const HWND forward[] = {repair_, about_, load_, repair_};
    for (HWND next : forward) {
        PostKey(FocusOf(Thread()), VK_TAB);
        EXPECT_TRUE(WaitForFocus(Thread(), next, 2000)) << TextOf(next);
    }
}

TEST_F(Buttons, ShiftTabGoesBackwardsThroughTheSameOrder) {
    ASSERT_TRUE(WaitForFocus(Thread(), load_, 3000));
    ASSERT_TRUE(BringToFront(launcher_.window));
    const HWND backward[] = {about_, repair_, load_, about_};
    for (HWND next : backward) {
        TypeKeys({VK_SHIFT}, VK_TAB);
        EXPECT_TRUE(WaitForFocus(Thread(), next, 2000)) << TextOf(next);
    }
}

TEST_F(Buttons, EscWithAModifierDoesNotClose) {
    ASSERT_TRUE(BringToFront(launcher_.window));
    ASSERT_TRUE(WaitForFocus(Thread(), load_, 3000));
    for (WORD modifier : {VK_CONTROL, VK_SHIFT, VK_MENU}) {
        TypeKeys({modifier}, VK_ESCAPE);
        Settle(300);
        EXPECT_TRUE(launcher_.process.Running()) << modifier;
        BringToFront(launcher_.window);
    }
    TypeKeys({}, VK_ESCAPE);  // and the plain key still does
    EXPECT_EQ(launcher_.process.WaitForExit(5000), 0u);
}

TEST_F(Buttons, EnterClicksNothing) {
    ASSERT_TRUE(WaitForFocus(Thread(), load_, 3000));
    // No Game.exe here: a click on load game would bring its error box.
    PostKey(load_, VK_RETURN);
    Settle(500);
    EXPECT_TRUE(TopWindows(launcher_.process.Id(), "#32770").empty());
    EXPECT_TRUE(launcher_.process.Running());
    EXPECT_EQ(FocusOf(Thread()), load_);
}

TEST_F(Buttons, APressReleasedOutsideTheButtonRunsNothing) {
    ASSERT_TRUE(BringToFront(launcher_.window));
    RECT rect;
    GetWindowRect(about_, &rect);
    const POINT inside = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    const POINT outside = {rect.right + 150, inside.y};
    MouseDrag(inside, outside);
    Settle(400);
    EXPECT_TRUE(TopWindows(launcher_.process.Id(), "#32770").empty());
    EXPECT_EQ(FocusOf(Thread()), about_);  // the press did reach the button
    // Released over it, the same press is a click.
    MouseDrag(inside, inside);
    MessageBoxView box;
    ASSERT_TRUE(WaitForMessageBox(launcher_.process.Id(), 5000, box));
    PressOk(box);
}

TEST_F(Buttons, ArrowKeysDoNotMoveTheFocus) {
    ASSERT_TRUE(WaitForFocus(Thread(), load_, 3000));
    PostKey(load_, VK_DOWN);
    PostKey(load_, VK_RIGHT);
    Settle(300);
    EXPECT_EQ(FocusOf(Thread()), load_);
}

TEST_F(Buttons, SwitchingAwayAndBackKeepsTheFocusedButton) {
    ASSERT_TRUE(WaitForFocus(Thread(), load_, 3000));
    PostKey(load_, VK_TAB);
    PostKey(load_, VK_TAB);  // posted to the old target: the window moves the real focus
    ASSERT_TRUE(WaitForFocus(Thread(), about_, 2000));

    // Another program's window takes the activation, then the launcher gets it back.
    Process other;
    const std::string otherFolder = ScratchFolder("buttons\\other");
    CopyInto(GameStubExe(), otherFolder, "Game.exe");
    ASSERT_TRUE(other.Start(otherFolder + "\\Game.exe", otherFolder));
    HWND otherWindow = WaitForWindow(other.Id(), "GameStubWindow", 10000);
    ASSERT_NE(otherWindow, nullptr);
    ASSERT_TRUE(BringToFront(otherWindow));
    Settle(200);
    ASSERT_TRUE(BringToFront(launcher_.window));
    EXPECT_TRUE(WaitForFocus(Thread(), about_, 2000));
}

}  // namespace
