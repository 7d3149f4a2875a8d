// Loading the game: the stand-in Game.exe starts from the run directory, and only it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "driver.h"

using namespace e2e;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool WaitForFile(const std::string& path, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        if (FileExists(path)) return true;
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return false;
}

struct LoadCase {
    const char* name;
    const char* folder;         // under the scratch root
    bool fromElsewhere;         // started with another current directory
};

class LoadGame : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadGame, StartsOnlyTheGameOfTheRunDirectoryThenEnds) {
    const LoadCase& c = GetParam();
    const std::string root = ScratchFolder(std::string("load\\") + c.name);
    const std::string folder = root + "\\" + c.folder;
    ScratchFolder(std::string("load\\") + c.name + "\\" + c.folder);
    CopyInto(LauncherExe(), folder, "launcher.exe");
    CopyInto(GameStubExe(), folder, "Game.exe");
    // Decoys where an unquoted command line would find a program first.
    for (size_t space = folder.find(' ', root.size()); space != std::string::npos; space = folder.find(' ', space + 1)) {
        CopyFileA(GameStubExe().c_str(), (folder.substr(0, space) + ".exe").c_str(), FALSE);
    }
    const std::string record = root + "\\record.txt";
    SetEnvironmentVariableA("GAME_STUB_RECORD", record.c_str());

    Launcher launcher;
    const bool started = launcher.Start(folder, c.fromElsewhere ? ScratchFolder("load\\elsewhere") : folder);
    SetEnvironmentVariableA("GAME_STUB_RECORD", nullptr);
    ASSERT_TRUE(started);
    HWND load = ChildCaptioned(launcher.window, kLoadCaption);
    ASSERT_NE(load, nullptr);

    const DWORD clicked = GetTickCount();
    PostMessageA(load, BM_CLICK, 0, 0);
    EXPECT_EQ(launcher.process.WaitForExit(5000), 0u);
    const DWORD took = GetTickCount() - clicked;
    EXPECT_LT(took, 2000u) << "the launcher should end about a second after the click at most";

    ASSERT_TRUE(WaitForFile(record, 5000));
    const std::vector<std::string> lines = Lines(ReadWholeFile(record));
    ASSERT_EQ(lines.size(), 3u);
    const std::string player = folder + "\\Game.exe";
    EXPECT_EQ(lines[0], "\"" + player + "\"");  // its own path, quoted, as its command line
    EXPECT_EQ(lines[1], folder);               // the run directory as its current directory
    EXPECT_EQ(lines[2], player);               // and it is the game, no decoy
    CloseStandInGames();
}

INSTANTIATE_TEST_SUITE_P(
    Folders, LoadGame,
    ::testing::Values(LoadCase{"Plain", "Demo", false},
                      LoadCase{"SpacesAndTrailByte", "My Games\\淺 岚翎 Demo", false},
                      LoadCase{"SpacesFromElsewhere", "My Games\\淺 岚翎 Demo", true}),
    [](const ::testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

struct BadPlayer {
    const char* name;
    const char* contents;  // null: no Game.exe at all
};

class LoadGameFailure : public ::testing::TestWithParam<BadPlayer> {};

TEST_P(LoadGameFailure, SaysWhyAndStaysOpen) {
    const std::string folder = ScratchFolder(std::string("load-failure\\") + GetParam().name + " 淺");
    CopyInto(LauncherExe(), folder, "launcher.exe");
    if (GetParam().contents != nullptr) WriteWholeFile(folder + "\\Game.exe", GetParam().contents);
    Launcher launcher;
    ASSERT_TRUE(launcher.Start(folder, folder));
    PostMessageA(ChildCaptioned(launcher.window, kLoadCaption), BM_CLICK, 0, 0);

    MessageBoxView box;
    ASSERT_TRUE(WaitForMessageBox(launcher.process.Id(), 5000, box));
    EXPECT_EQ(box.caption, "载入游戏失败");
    EXPECT_NE(box.text.find(folder + "\\Game.exe"), std::string::npos) << box.text;
    EXPECT_NE(box.text.find("原因："), std::string::npos) << box.text;
    EXPECT_GT(box.text.size(), box.text.find("原因：") + 6) << "the system's reason follows";
    EXPECT_EQ(GetWindow(box.box, GW_OWNER), launcher.window);
    EXPECT_EQ(box.buttonIds, std::vector<int>{IDOK});
    EXPECT_NE(box.icon, nullptr);
    PressOk(box);

    // Still open and working: Esc closes it as ever.
    Settle(300);
    ASSERT_TRUE(launcher.process.Running());
    EXPECT_TRUE(IsWindowEnabled(launcher.window));
    PostKey(launcher.window, VK_ESCAPE);
    EXPECT_EQ(launcher.process.WaitForExit(5000), 0u);
}

INSTANTIATE_TEST_SUITE_P(Players, LoadGameFailure,
                         ::testing::Values(BadPlayer{"Missing", nullptr},
                                           BadPlayer{"NotAProgram", "this is a text file, not a program\r\n"}),
                         [](const ::testing::TestParamInfo<BadPlayer>& info) { return std::string(info.param.name); });

}  // namespace

namespace {

TEST(DriveRoot, ALauncherInADrivesRootFindsItsGameAndSettings) {
    // The test bed maps drive R: to the scratch folder drive-root (tools/test.sh).
    const char* letter = std::getenv("LAUNCHER_TEST_DRIVE");
    ASSERT_NE(letter, nullptr) << "the test bed gave no drive of its own";
    const std::string drive = letter;
    const std::string folder = ScratchFolder("drive-root");
    CopyInto(LauncherExe(), folder, "launcher.exe");
    CopyInto(GameStubExe(), folder, "Game.exe");
    const std::string record = ScratchFolder("drive-root-record") + "\\record.txt";
    SetEnvironmentVariableA("GAME_STUB_RECORD", record.c_str());
    Launcher launcher;
    const bool started = launcher.Start(drive, ScratchFolder("drive-root-elsewhere"));
    SetEnvironmentVariableA("GAME_STUB_RECORD", nullptr);
    ASSERT_TRUE(started);

    // Repair writes the drive's own Game.ini: the run directory is "X:", the path X:\Game.ini.
    SendMessageA(ChildCaptioned(launcher.window, kRepairCaption), BM_CLICK, 0, 0);
    EXPECT_EQ(ReadWholeFile(folder + "\\Game.ini").find("[Game]\r\nLibrary=RGSS103J.dll\r\n"), 0u);

    PostMessageA(ChildCaptioned(launcher.window, kLoadCaption), BM_CLICK, 0, 0);
    EXPECT_EQ(launcher.process.WaitForExit(5000), 0u);
    ASSERT_TRUE(WaitForFile(record, 5000));
    const std::vector<std::string> lines = Lines(ReadWholeFile(record));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "\"" + drive + "\\Game.exe\"");
    EXPECT_EQ(lines[2], drive + "\\Game.exe");
    CloseStandInGames();
}

}  // namespace
