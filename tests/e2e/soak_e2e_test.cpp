// Long use of one launcher: 1,000 repaints, 100 about boxes and 100 repairs lose nothing.
#include <gtest/gtest.h>

#include "driver.h"

#include <psapi.h>

#include <cstdlib>

using namespace e2e;

namespace {

struct Footprint {
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;   // by the platform's count
    size_t windows = 0;      // the process's windows, counted one by one
    SIZE_T privateBytes = 0;
};

// Under Wine a Windows process is a Linux process whose command line is its Windows path:
// its private (anonymous resident) memory, from /proc, where the Win32 counters answer 0.
SIZE_T LinuxPrivateBytes(const std::string& exePath) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    SIZE_T bytes = 0;
    do {
        if (found.cFileName[0] < '1' || found.cFileName[0] > '9') continue;
        const std::string folder = std::string("Z:\\proc\\") + found.cFileName;
        const std::string commandLine = ReadWholeFile(folder + "\\cmdline");
        if (commandLine.compare(0, exePath.size(), exePath) != 0) continue;
        const std::string status = ReadWholeFile(folder + "\\status");
        const size_t at = status.find("RssAnon:");
        if (at != std::string::npos) bytes = static_cast<SIZE_T>(std::strtoul(status.c_str() + at + 8, nullptr, 10)) * 1024;
        break;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return bytes;
}

Footprint Measure(HANDLE process, DWORD processId, const std::string& exePath) {
    Footprint f;
    f.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
    f.userObjects = GetGuiResources(process, GR_USEROBJECTS);
    for (HWND window : TopWindows(processId, "")) f.windows += 1 + Children(window).size();
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    f.privateBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : LinuxPrivateBytes(exePath);
    return f;
}

void Repaint(HWND window) {
    // Synchronous across processes: the launcher has painted when this returns.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

TEST(Soak, OneLauncherHoldsUpUnderLongUse) {
    const std::string folder = ScratchFolder("soak");
    CopyInto(LauncherExe(), folder, "launcher.exe");
    Launcher launcher;
    ASSERT_TRUE(launcher.Start(folder, folder));
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, launcher.process.Id());
    ASSERT_NE(process, nullptr);
    HWND about = ChildCaptioned(launcher.window, kAboutCaption);
    HWND repair = ChildCaptioned(launcher.window, kRepairCaption);

    // Warm up every path once, so first-use allocations are not counted as growth.
    Repaint(launcher.window);
    SendMessageA(repair, BM_CLICK, 0, 0);
    const std::string afterFirstRepair = ReadWholeFile(folder + "\\Game.ini");
    ASSERT_FALSE(afterFirstRepair.empty());
    PostMessageA(about, BM_CLICK, 0, 0);
    MessageBoxView box;
    ASSERT_TRUE(WaitForMessageBox(launcher.process.Id(), 5000, box));
    PressOk(box);
    Settle(200);
    const Footprint before = Measure(process, launcher.process.Id(), folder + "\\launcher.exe");

    for (int i = 0; i < 1000; ++i) Repaint(launcher.window);
    for (int i = 0; i < 100; ++i) {
        PostMessageA(about, BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitForMessageBox(launcher.process.Id(), 5000, box)) << "about box " << i;
        PressOk(box);
        for (int wait = 0; wait < 100 && !TopWindows(launcher.process.Id(), "#32770").empty(); ++wait) Sleep(10);
    }
    for (int i = 0; i < 99; ++i) SendMessageA(repair, BM_CLICK, 0, 0);
    SendMessageA(launcher.window, WM_NULL, 0, 0);
    Settle(300);
    const Footprint after = Measure(process, launcher.process.Id(), folder + "\\launcher.exe");

    EXPECT_EQ(ReadWholeFile(folder + "\\Game.ini"), afterFirstRepair);
    // Still responsive: it answers at once and still paints.
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutA(launcher.window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer), 0);
    EXPECT_TRUE(IsWindowEnabled(launcher.window));

    // GetGuiResources counts GDI and USER objects on Windows; Wine keeps no such counts
    // (it answers 0), so there the windows are counted one by one and the private memory
    // stands in for GDI objects: a leaked picture bitmap or memory DC a paint would add
    // megabytes over a thousand paints.
    EXPECT_LE(after.gdiObjects, before.gdiObjects);
    EXPECT_LE(after.userObjects, before.userObjects);
    EXPECT_EQ(before.windows, 4u);  // the window and its three buttons
    EXPECT_EQ(after.windows, before.windows);
    ASSERT_GT(before.privateBytes, 0u) << "no way to read the launcher's private memory";
    EXPECT_LT(after.privateBytes, before.privateBytes + 1024 * 1024)
        << "private bytes before " << before.privateBytes << ", after " << after.privateBytes;
    std::printf("soak: GDI objects %lu -> %lu, USER objects %lu -> %lu, windows %u -> %u, private bytes %lu -> %lu\n",
                before.gdiObjects, after.gdiObjects, before.userObjects, after.userObjects,
                static_cast<unsigned>(before.windows), static_cast<unsigned>(after.windows),
                static_cast<unsigned long>(before.privateBytes), static_cast<unsigned long>(after.privateBytes));
    CloseHandle(process);
    PostKey(launcher.window, VK_ESCAPE);
    EXPECT_EQ(launcher.process.WaitForExit(5000), 0u);
}

TEST(SideBySide, TenLaunchersEachRepairOnlyTheirOwnFolder) {
    constexpr int kCount = 10;
    std::string folders[kCount];
    Launcher launchers[kCount];
    for (int i = 0; i < kCount; ++i) {
        folders[i] = ScratchFolder("side-by-side\\game " + std::to_string(i));
        CopyInto(LauncherExe(), folders[i], "launcher.exe");
        WriteWholeFile(folders[i] + "\\Game.ini", "[Save]\r\nSlot=" + std::to_string(i) + "\r\n");
    }
    // Started all at once, before any window is looked for.
    for (int i = 0; i < kCount; ++i) ASSERT_TRUE(launchers[i].process.Start(folders[i] + "\\launcher.exe", folders[i]));
    for (int i = 0; i < kCount; ++i) {
        launchers[i].window = WaitForWindow(launchers[i].process.Id(), kLauncherClass, 20000);
        ASSERT_NE(launchers[i].window, nullptr) << i;
    }
    for (int i = 0; i < kCount; ++i) {
        SendMessageA(ChildCaptioned(launchers[i].window, kRepairCaption), BM_CLICK, 0, 0);
    }
    for (int i = 0; i < kCount; ++i) {
        const std::string ini = ReadWholeFile(folders[i] + "\\Game.ini");
        EXPECT_EQ(ini.find("[Save]\r\nSlot=" + std::to_string(i) + "\r\n[Game]\r\nLibrary=RGSS103J.dll\r\n"), 0u)
            << i << ": " << ini;
        EXPECT_EQ(ini.find("Slot=", ini.find("Slot=") + 1), std::string::npos) << i;
        PostKey(launchers[i].window, VK_ESCAPE);
    }
    for (int i = 0; i < kCount; ++i) EXPECT_EQ(launchers[i].process.WaitForExit(5000), 0u) << i;
}

}  // namespace
