// Game repair: Game.ini of the run directory ends up with the six engine entries, once
// each, and nothing else of the file changes.
#include <gtest/gtest.h>

#include "driver.h"

using namespace e2e;

namespace {

const std::string kEngineLines =
    "Library=RGSS103J.dll\r\n"
    "Scripts=Data\\Scripts.rxdata\r\n"
    "Title=岚翎RPG特别篇\r\n"
    "RTP1=\r\n"
    "RTP2=\r\n"
    "RTP3=\r\n";

class Repair : public ::testing::Test {
protected:
    void StartIn(const std::string& folder, const std::string& currentDirectory) {
        folder_ = folder;
        CopyInto(LauncherExe(), folder_, "launcher.exe");
        ASSERT_TRUE(launcher_.Start(folder_, currentDirectory));
        repair_ = ChildCaptioned(launcher_.window, kRepairCaption);
        ASSERT_NE(repair_, nullptr);
    }
    // Clicks repair and waits until the launcher has handled the click.
    void ClickRepair() {
        SendMessageA(repair_, BM_CLICK, 0, 0);
        SendMessageA(launcher_.window, WM_NULL, 0, 0);
    }
    std::string Ini() const { return ReadWholeFile(folder_ + "\\Game.ini"); }

    std::string folder_;
    Launcher launcher_;
    HWND repair_ = nullptr;
};

struct RepairCase {
    const char* name;
    const char* before;  // null: no Game.ini
    std::string after;
    // Wine's profile writer drops blank lines when it rewrites a file; Windows keeps them.
    std::string afterOnWine = std::string();
};

bool RunningOnWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

class RepairFile : public Repair, public ::testing::WithParamInterface<RepairCase> {};

TEST_P(RepairFile, WritesEachEntryOnceAndKeepsTheRest) {
    const RepairCase& c = GetParam();
    const std::string folder = ScratchFolder(std::string("repair\\") + c.name);
    if (c.before != nullptr) WriteWholeFile(folder + "\\Game.ini", c.before);
    StartIn(folder, folder);

    ClickRepair();
    EXPECT_EQ(Ini(), RunningOnWine() && !c.afterOnWine.empty() ? c.afterOnWine : c.after);
    const std::string first = Ini();
    ClickRepair();
    EXPECT_EQ(Ini(), first) << "a second repair changes nothing";
    for (int i = 0; i < 8; ++i) ClickRepair();
    EXPECT_EQ(Ini(), first) << "nor does a tenth";
    // Nothing was shown, and the launcher is still open.
    EXPECT_TRUE(TopWindows(launcher_.process.Id(), "#32770").empty());
    EXPECT_TRUE(launcher_.process.Running());
}

INSTANTIATE_TEST_SUITE_P(
    Files, RepairFile,
    ::testing::Values(
        RepairCase{"NoFile", nullptr, "[Game]\r\n" + kEngineLines},
        RepairCase{"OtherSectionsOnly", "[Audio]\r\nVolume=80\r\n",
                   "[Audio]\r\nVolume=80\r\n[Game]\r\n" + kEngineLines},
        RepairCase{"BrokenEngineEntries",
                   "[Game]\r\nLibrary=\r\nScripts=Data\\Old.rxdata\r\nTitle=Old\r\nRTP1=Standard\r\nRTP2=\r\nRTP3=\r\n"
                   "[Audio]\r\nVolume=80\r\n",
                   "[Game]\r\n" + kEngineLines + "[Audio]\r\nVolume=80\r\n"},
        RepairCase{"CommentsAndBlankLines",
                   "; settings of the game\r\n\r\n[Game]\r\n; engine\r\nLibrary=RGSS102E.dll\r\n\r\nFullscreen=1\r\n",
                   "; settings of the game\r\n\r\n[Game]\r\n; engine\r\nLibrary=RGSS103J.dll\r\n\r\nFullscreen=1\r\n"
                   "Scripts=Data\\Scripts.rxdata\r\nTitle=岚翎RPG特别篇\r\nRTP1=\r\nRTP2=\r\nRTP3=\r\n",
                   "; settings of the game\r\n[Game]\r\n; engine\r\nLibrary=RGSS103J.dll\r\nFullscreen=1\r\n"
                   "Scripts=Data\\Scripts.rxdata\r\nTitle=岚翎RPG特别篇\r\nRTP1=\r\nRTP2=\r\nRTP3=\r\n"}),
    [](const ::testing::TestParamInfo<RepairCase>& info) { return std::string(info.param.name); });

TEST_F(Repair, AFileHeldByAnotherProgramStaysAsItWas) {
    const std::string folder = ScratchFolder("repair\\held");
    const std::string before = "[Game]\r\nLibrary=\r\n";
    WriteWholeFile(folder + "\\Game.ini", before);
    StartIn(folder, folder);
    HANDLE held = CreateFileA((folder + "\\Game.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ClickRepair();
    Settle(200);
    CloseHandle(held);
    EXPECT_EQ(Ini(), before);
    EXPECT_TRUE(TopWindows(launcher_.process.Id(), "#32770").empty());
    EXPECT_TRUE(launcher_.process.Running());
    // Once the file is free again the repair works.
    ClickRepair();
    EXPECT_EQ(Ini(), "[Game]\r\n" + kEngineLines);
}

TEST_F(Repair, WritesTheRunDirectoryFileWhateverTheCurrentDirectory) {
    const std::string elsewhere = ScratchFolder("repair\\elsewhere");
    StartIn(ScratchFolder("repair\\My Games\\淺 岚翎 Demo"), elsewhere);
    ClickRepair();
    EXPECT_EQ(Ini(), "[Game]\r\n" + kEngineLines);
    EXPECT_FALSE(FileExists(elsewhere + "\\Game.ini"));
}

TEST_F(Repair, WorksInAFolderWhosePathIsLongerThan260Bytes) {
    // Double-byte folder names, each with the trail byte 0x5C, past 260 bytes in all.
    std::string relative = "repair\\long";
    const size_t rootLength = ScratchFolder(relative).size();
    while (rootLength + relative.size() < 300) relative += "\\淺岚翎淺岚翎淺岚翎";
    const std::string folder = ScratchFolder(relative);
    ASSERT_GT(folder.size() + std::string("\\launcher.exe").size(), 260u);
    StartIn(folder, ScratchFolder("repair\\long-elsewhere"));
    ClickRepair();
    EXPECT_EQ(Ini(), "[Game]\r\n" + kEngineLines);
}

}  // namespace
