// The run directory taken from the launcher's own path, in code page 936.
#include <gtest/gtest.h>

#include <string>

#include "runtime/run_directory.h"
#include "runtime/text.h"
#include "test_heap.h"

namespace {

const bool heapReady = UseProcessHeap();
constexpr unsigned int kChinese = 936;

std::string RunDirectory(const std::string& modulePath) {
    char* directory = RunDirectoryOf(modulePath.c_str(), kChinese);
    std::string result = directory ? directory : "<null>";
    FreeBlock(directory);
    return result;
}

TEST(RunDirectory, IsEverythingBeforeTheLastSeparator) {
    struct Case {
        const char* modulePath;
        const char* runDirectory;
    } cases[] = {
        {"D:\\Games\\Demo\\launcher.exe", "D:\\Games\\Demo"},
        {"C:\\launcher.exe", "C:"},                         // a drive's root: no trailing backslash
        {"\\\\server\\share\\launcher.exe", "\\\\server\\share"},  // a network share
        {"launcher.exe", "<null>"},                         // no backslash at all
        {"\\launcher.exe", "<null>"},                       // nothing before the only one
        {"D:\\My Games\\Demo\\launcher.exe", "D:\\My Games\\Demo"},
        // 淺 is 9C 5C: its trail byte is no separator, so the folder name stays whole.
        {"D:\\\x9c\x5c\\launcher.exe", "D:\\\x9c\x5c"},
        {"D:\\Games\\淺launcher.exe", "D:\\Games"},
        {"D:\\岚淺翎\\launcher.exe", "D:\\岚淺翎"},
    };
    for (const Case& c : cases) EXPECT_EQ(RunDirectory(c.modulePath), c.runDirectory) << c.modulePath;
}

TEST(RunDirectory, TrailByteIsASeparatorOnlyOutsideADoubleByteCodePage) {
    // In a single-byte code page 0x9C is a character of its own, so 0x5C after it is a backslash.
    char* directory = RunDirectoryOf("D:\\\x9c\x5c" "launcher.exe", 1252);
    EXPECT_STREQ(directory, "D:\\\x9c");
    FreeBlock(directory);
}

TEST(RunDirectory, LongPathsAreNeverCut) {
    // Over 260 bytes of folder names, many of them double-byte with a 0x5C trail byte.
    std::string folder = "D:";
    for (int i = 0; i < 40; ++i) folder += "\\淺岚翎淺";
    ASSERT_GT(folder.size(), 260u);
    EXPECT_EQ(RunDirectory(folder + "\\launcher.exe"), folder);
    EXPECT_EQ(FindLastSeparator((folder + "\\launcher.exe").c_str(), kChinese), static_cast<int>(folder.size()));
}

TEST(RunDirectory, ALoneLeadByteAtTheEndDoesNotReadPastTheText) {
    EXPECT_EQ(FindLastSeparator("D:\\a\\\x9c", kChinese), 4);
}

TEST(ModulePath, IsTheWholePathOfTheRunningProgram) {
    char* path = ReadModulePath();
    ASSERT_NE(path, nullptr);
    char expected[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameA(nullptr, expected, sizeof expected);
    ASSERT_GT(length, 0u);
    EXPECT_STREQ(path, expected);
    FreeBlock(path);
}

}  // namespace
