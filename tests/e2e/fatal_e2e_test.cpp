// The launcher's fatal failures, reached through its real code: the error box and -1.
#include <gtest/gtest.h>

#include "driver.h"

using namespace e2e;

namespace {

struct FatalCase {
    const char* name;
    const char* host;       // environment variable naming the program
    const char* arguments;
    const char* expectedText;
};

class FatalError : public ::testing::TestWithParam<FatalCase> {};

TEST_P(FatalError, ShowsTheErrorBoxThenEndsWithMinusOne) {
    const FatalCase& c = GetParam();
    const std::string folder = ScratchFolder(std::string("fatal\\") + c.name);
    CopyInto(ProgramFromEnvironment(c.host), folder, "host.exe");
    Process host;
    ASSERT_TRUE(host.Start(folder + "\\host.exe", folder, c.arguments));
    MessageBoxView box;
    ASSERT_TRUE(WaitForMessageBox(host.Id(), 10000, box));
    EXPECT_EQ(box.caption, "错误");
    EXPECT_EQ(box.text, c.expectedText);
    EXPECT_EQ(box.buttonIds, std::vector<int>{IDOK});
    EXPECT_NE(box.icon, nullptr);  // the error icon
    EXPECT_EQ(GetWindow(box.box, GW_OWNER), nullptr);
    // No launcher window is left standing beside the box.
    EXPECT_TRUE(TopWindows(host.Id(), kLauncherClass).empty());
    PressOk(box);
    EXPECT_EQ(host.WaitForExit(5000), 0xFFFFFFFFu);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, FatalError,
    ::testing::Values(
        FatalCase{"HeapExhausted", "HEAP_HOST_EXE", "",
                  "运行时出错!\r\n\r\n错误信息：分配 2147483647 字节内存失败!\r\n"},
        FatalCase{"WindowRefused", "REFUSING_HOST_EXE", "launcher", "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
        FatalCase{"ButtonRefused", "REFUSING_HOST_EXE", "button", "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"}),
    [](const ::testing::TestParamInfo<FatalCase>& info) { return std::string(info.param.name); });

}  // namespace
