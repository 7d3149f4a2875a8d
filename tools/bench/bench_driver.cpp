// Measures the real launcher.exe against the floor program side by side, from a second Win32
// process, and prints the figures: start-up to first paint, one full repaint, size and
// private memory, and how long 载入游戏 takes to hand over to the game.
//
// Usage: bench_driver.exe GAME_FOLDER FLOOR_EXE ASSETS_FOLDER [name=count ...]
//   GAME_FOLDER holds launcher.exe and the stand-in Game.exe; paths may be Unix paths.
//   Counts: starts=30 rounds=5 repaints=500 loads=10
// Exits non-zero, printing why, when a run does not behave as a run of the launcher must
// (no window, paint still pending, no game started, wrong exit code): its figure would lie.
#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char kLauncherClass[] = "LanLingLauncherWindow";
const char kFloorClass[] = "LauncherFloorWindow";
constexpr int kLoadButtonId = 100;
constexpr DWORD kLauncherSettleMs = 1000;  // the launcher's wait for the game to become idle
constexpr DWORD kBusyGameMs = 3000;        // a game that stays busy past that wait
constexpr DWORD kTimeoutMs = 15000;

int starts = 30;
int rounds = 5;
int repaints = 500;
int loads = 10;

// The programs started and not yet ended, so a failure leaves none of them behind.
std::vector<HANDLE> running;
const char* phase = "setting up";

[[noreturn]] void Fail(const char* what, const std::string& detail = "") {
    std::fprintf(stderr, "bench_driver, %s: %s%s%s\n", phase, what, detail.empty() ? "" : ": ", detail.c_str());
    std::fflush(stdout);
    for (HANDLE process : running) TerminateProcess(process, 99);
    ExitProcess(1);
}

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Under Wine the whole Unix file system is drive Z:.
std::string WindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    while (path.size() > 3 && path.back() == '\\') path.pop_back();
    return path;
}

unsigned long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) Fail("no such file", path);
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string ReadSmallFile(const std::string& path) {
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

// Under Wine a Windows process is a Linux process whose command line starts with its Windows
// path; its private memory is the anonymous resident memory /proc tells, since the Win32
// counters of another process answer 0 there. 0 when no such process is found.
unsigned long long LinuxPrivateBytes(const std::string& exePath) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    unsigned long long bytes = 0;
    do {
        if (found.cFileName[0] < '1' || found.cFileName[0] > '9') continue;
        const std::string folder = std::string("Z:\\proc\\") + found.cFileName;
        const std::string commandLine = ReadSmallFile(folder + "\\cmdline");
        if (commandLine.size() < exePath.size() ||
            _strnicmp(commandLine.c_str(), exePath.c_str(), exePath.size()) != 0 ||
            (commandLine.size() > exePath.size() && commandLine[exePath.size()] != '\0' &&
             commandLine[exePath.size()] != ' '))
            continue;
        const std::string status = ReadSmallFile(folder + "\\status");
        const size_t at = status.find("RssAnon:");
        if (at != std::string::npos) bytes = std::strtoull(status.c_str() + at + 8, nullptr, 10) * 1024;
        break;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return bytes;
}

struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK TakeWindow(HWND window, LPARAM param) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (owner != search->processId || !IsWindowVisible(window) || std::strcmp(name, search->className) != 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND WindowOf(DWORD processId, const char* className) {
    WindowSearch search = {processId, className, nullptr};
    EnumWindows(TakeWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// One started program with its window.
struct Instance {
    PROCESS_INFORMATION info = {};
    std::string exe;
    HWND window = nullptr;
    double startMs = 0;  // from just before CreateProcess to the return of WaitForInputIdle

    Instance() = default;
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;
    ~Instance() {
        if (info.hProcess == nullptr) return;
        running.erase(std::remove(running.begin(), running.end(), info.hProcess), running.end());
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(info.hProcess, 99);
            WaitForSingleObject(info.hProcess, 5000);
        }
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
    }

    // Starts exe in folder and waits for its first completed paint: a GUI thread becomes idle
    // only once the WM_PAINT of its new window has been handled.
    void Start(const std::string& program, const std::string& folder, const std::string& arguments,
               const char* className) {
        exe = program;
        std::string commandLine = "\"" + exe + "\"";
        if (!arguments.empty()) commandLine += " " + arguments;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        const double before = NowMs();
        if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                            &startup, &info))
            Fail("cannot start", exe);
        running.push_back(info.hProcess);
        const DWORD idle = WaitForInputIdle(info.hProcess, kTimeoutMs);
        startMs = NowMs() - before;
        if (idle != 0) Fail("never became idle", exe);
        window = WindowOf(info.dwProcessId, className);
        if (window == nullptr) Fail("idle without its window", exe);
        if (GetUpdateRect(window, nullptr, FALSE)) Fail("idle with its first paint still pending", exe);
    }

    void Close() {
        PostMessageA(window, WM_CLOSE, 0, 0);
        ExpectExit(0, 5000);
    }

    void ExpectExit(DWORD code, DWORD timeoutMs) {
        if (WaitForSingleObject(info.hProcess, timeoutMs) != WAIT_OBJECT_0) Fail("did not end", exe);
        DWORD exitCode = STILL_ACTIVE;
        GetExitCodeProcess(info.hProcess, &exitCode);
        if (exitCode != code) Fail("ended with an unexpected code", exe + " " + std::to_string(exitCode));
    }
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Spread {
    double median, low, high;
};

Spread SpreadOf(const std::vector<double>& values) {
    return {Median(values), *std::min_element(values.begin(), values.end()),
            *std::max_element(values.begin(), values.end())};
}

// One full repaint, waited for across processes: RDW_UPDATENOW sends the WM_PAINT and
// returns once the window has handled it.
void Repaint(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

// Puts a window where no other of the benchmark's windows covers it, wholly on the screen.
void Place(HWND window, bool topLeft) {
    RECT outer;
    GetWindowRect(window, &outer);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (screenWidth < 2 * width && screenHeight < 2 * height) Fail("the screen is too small for two windows apart");
    const int x = topLeft ? 0 : screenWidth - width;
    const int y = topLeft ? 0 : screenHeight - height;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

double TimedRepaint(HWND window) {
    const double before = NowMs();
    Repaint(window);
    return NowMs() - before;
}

double Mean(const std::vector<double>& values) {
    double sum = 0;
    for (double v : values) sum += v;
    return sum / static_cast<double>(values.size());
}

struct RepaintFigures {
    double median, mean;
};

// One round: both windows side by side, repainted in turn (which goes first alternates), so
// whatever else the machine does reaches both alike.
void RepaintRound(HWND launcher, HWND floor, RepaintFigures& launcherMs, RepaintFigures& floorMs) {
    Place(launcher, true);
    Place(floor, false);
    for (int i = 0; i < 20; ++i) Repaint(launcher), Repaint(floor);  // first-use work out of the figure
    std::vector<double> launcherTimes, floorTimes;
    for (int i = 0; i < repaints; ++i) {
        if (i % 2) launcherTimes.push_back(TimedRepaint(launcher)), floorTimes.push_back(TimedRepaint(floor));
        else floorTimes.push_back(TimedRepaint(floor)), launcherTimes.push_back(TimedRepaint(launcher));
    }
    if (GetUpdateRect(launcher, nullptr, FALSE) || GetUpdateRect(floor, nullptr, FALSE))
        Fail("a repaint was left pending");
    launcherMs = {Median(launcherTimes), Mean(launcherTimes)};
    floorMs = {Median(floorTimes), Mean(floorTimes)};
}

// The stand-in Game.exe that the launcher started, ended so the next run starts clean.
bool EndChildGame(DWORD launcherId) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    bool ended = false;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (entry.th32ParentProcessID != launcherId || _stricmp(entry.szExeFile, "Game.exe") != 0) continue;
        HANDLE game = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID);
        if (game == nullptr) continue;
        TerminateProcess(game, 0);
        WaitForSingleObject(game, 5000);
        CloseHandle(game);
        ended = true;
    }
    CloseHandle(snapshot);
    return ended;
}

// From the posted click on 载入游戏 to the program's end; the game it started is ended after.
double LoadGameMs(const std::string& program, const std::string& folder, const std::string& arguments,
                  const char* className) {
    Instance instance;
    instance.Start(program, folder, arguments, className);
    HWND load = GetDlgItem(instance.window, kLoadButtonId);
    if (load == nullptr) Fail("no 载入游戏 button", program);
    const double before = NowMs();
    PostMessageA(load, BM_CLICK, 0, 0);
    if (WaitForSingleObject(instance.info.hProcess, kTimeoutMs) != WAIT_OBJECT_0) Fail("did not end", program);
    const double ms = NowMs() - before;
    instance.ExpectExit(0, 0);
    if (!EndChildGame(instance.info.dwProcessId)) Fail("ended without starting Game.exe", program);
    return ms;
}

// One line of the table: both figures, their ratio, and the lowest and highest values seen.
void PrintRow(const char* what, const Spread& left, const Spread& right, double ratio, const char* unit,
              int decimals, double scale = 1) {
    char both[32];
    std::snprintf(both, sizeof both, "%.*f %s", decimals, left.median / scale, unit);
    char other[32];
    std::snprintf(other, sizeof other, "%.*f %s", decimals, right.median / scale, unit);
    std::printf("%-30s %13s %13s %7.2f   %.*f-%.*f | %.*f-%.*f\n", what, both, other, ratio, decimals,
                left.low / scale, decimals, left.high / scale, decimals, right.low / scale, decimals,
                right.high / scale);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_driver GAME_FOLDER FLOOR_EXE ASSETS_FOLDER [name=count ...]\n");
        return 2;
    }
    const std::string folder = WindowsPath(argv[1]);
    const std::string launcher = folder + "\\launcher.exe";
    const std::string game = folder + "\\Game.exe";
    const std::string floorExe = WindowsPath(argv[2]);
    const std::string assets = WindowsPath(argv[3]);
    const std::string picture = assets + "\\background.bmp";
    for (int i = 4; i < argc; ++i) {
        const char* value = std::strchr(argv[i], '=');
        const int count = value ? std::atoi(value + 1) : 0;
        if (count < 1) Fail("bad count", argv[i]);
        const std::string name(argv[i], value - argv[i]);
        if (name == "starts") starts = count;
        else if (name == "rounds") rounds = count;
        else if (name == "repaints") repaints = count;
        else if (name == "loads") loads = count;
        else Fail("unknown count", name);
    }
    FileSize(launcher), FileSize(game), FileSize(floorExe), FileSize(picture);

    phase = "start-up";
    // Start-up and private memory, interleaved so drift reaches both alike.
    std::vector<double> launcherStart, floorStart, launcherMemory, floorMemory;
    for (int i = 0; i < starts; ++i) {
        {
            Instance instance;
            instance.Start(launcher, folder, "", kLauncherClass);
            launcherStart.push_back(instance.startMs);
            launcherMemory.push_back(static_cast<double>(LinuxPrivateBytes(launcher)));
            instance.Close();
        }
        {
            Instance instance;
            instance.Start(floorExe, folder, "", kFloorClass);
            floorStart.push_back(instance.startMs);
            floorMemory.push_back(static_cast<double>(LinuxPrivateBytes(floorExe)));
            instance.Close();
        }
    }

    phase = "repaint";
    // Repaint: each round a fresh launcher and floor.
    std::vector<double> launcherRepaint, floorRepaint, launcherRepaintMean, floorRepaintMean;
    std::vector<double> launcherPictureMemory, floorPictureMemory;
    const std::string stretchArguments = "stretch \"" + picture + "\"";
    for (int i = 0; i < rounds; ++i) {
        Instance launcherInstance, floorInstance;
        launcherInstance.Start(launcher, folder, "", kLauncherClass);
        floorInstance.Start(floorExe, folder, stretchArguments, kFloorClass);
        launcherPictureMemory.push_back(static_cast<double>(LinuxPrivateBytes(launcher)));
        floorPictureMemory.push_back(static_cast<double>(LinuxPrivateBytes(floorExe)));
        RepaintFigures launcherMs, floorMs;
        RepaintRound(launcherInstance.window, floorInstance.window, launcherMs, floorMs);
        launcherRepaint.push_back(launcherMs.median);
        floorRepaint.push_back(floorMs.median);
        launcherRepaintMean.push_back(launcherMs.mean);
        floorRepaintMean.push_back(floorMs.mean);
        launcherInstance.Close();
        floorInstance.Close();
    }

    phase = "load game";
    // Load game, against the floor program doing the same hand-over, with a game that is idle
    // at once and then with one that stays busy past the launcher's wait.
    std::vector<double> readyLoad, readyFloor, busyLoad, busyFloor;
    const std::string launchArguments = "launch \"" + game + "\"";
    for (int busy = 0; busy < 2; ++busy) {
        SetEnvironmentVariableA("GAME_STUB_BUSY", busy ? std::to_string(kBusyGameMs).c_str() : nullptr);
        for (int i = 0; i < loads; ++i) {
            (busy ? busyLoad : readyLoad).push_back(LoadGameMs(launcher, folder, "", kLauncherClass));
            (busy ? busyFloor : readyFloor).push_back(LoadGameMs(floorExe, folder, launchArguments, kFloorClass));
        }
    }
    SetEnvironmentVariableA("GAME_STUB_BUSY", nullptr);

    const Spread ls = SpreadOf(launcherStart), fs = SpreadOf(floorStart);
    const Spread lr = SpreadOf(launcherRepaint), fr = SpreadOf(floorRepaint);
    const Spread lrm = SpreadOf(launcherRepaintMean), frm = SpreadOf(floorRepaintMean);
    const Spread lm = SpreadOf(launcherMemory), fm = SpreadOf(floorMemory);
    const Spread lp = SpreadOf(launcherPictureMemory), fp = SpreadOf(floorPictureMemory);
    const Spread rl = SpreadOf(readyLoad), rf = SpreadOf(readyFloor);
    const Spread bl = SpreadOf(busyLoad), bf = SpreadOf(busyFloor);
    if (lm.low == 0 || fm.low == 0 || lp.low == 0 || fp.low == 0) Fail("no private memory figure from /proc");
    const double launcherSize = static_cast<double>(FileSize(launcher));
    const double artworkSize = static_cast<double>(FileSize(assets + "\\background.bmp") +
                                                   FileSize(assets + "\\launcher.ico"));
    const double mib = 1024.0 * 1024.0;
    // Paired figures (the same round) give their ratio round by round; the median of those.
    std::vector<double> repaintRatios, repaintMeanRatios;
    for (int i = 0; i < rounds; ++i) {
        repaintRatios.push_back(launcherRepaint[i] / floorRepaint[i]);
        repaintMeanRatios.push_back(launcherRepaintMean[i] / floorRepaintMean[i]);
    }

    std::printf("%-30s %13s %13s %7s   %s\n", "", "launcher", "floor", "ratio", "lowest-highest: launcher | floor");
    PrintRow("start-up to first paint", ls, fs, ls.median / fs.median, "ms", 1);
    PrintRow("one full repaint, median", lr, fr, Median(repaintRatios), "ms", 3);
    PrintRow("one full repaint, mean", lrm, frm, Median(repaintMeanRatios), "ms", 3);
    PrintRow("private memory after start-up", lm, fm, lm.median / fm.median, "MiB", 2, mib);
    PrintRow("private memory, picture floor", lp, fp, lp.median / fp.median, "MiB", 2, mib);
    PrintRow("load game, game ready", rl, rf, rl.median / rf.median, "ms", 1);
    char busyLabel[40];
    std::snprintf(busyLabel, sizeof busyLabel, "load game, game busy %lu ms", kBusyGameMs);
    PrintRow(busyLabel, bl, bf, bl.median / bf.median, "ms", 1);
    std::printf("%-30s %9.1f KiB %9.1f KiB %7.2f   (the floor column: background.bmp + launcher.ico)\n",
                "launcher.exe vs its artwork", launcherSize / 1024, artworkSize / 1024, launcherSize / artworkSize);
    std::printf(
        "\n"
        "start-up: from just before CreateProcess to the return of WaitForInputIdle (the first paint\n"
        "  handled, checked: window there, nothing left to paint); %d of each, interleaved, medians;\n"
        "  floor = the same window size and styles painted with one fill\n"
        "repaint: RedrawWindow(RDW_INVALIDATE | RDW_UPDATENOW) from this process, which returns once the\n"
        "  window has painted; %d rounds of %d each, the two windows side by side and repainted in turn;\n"
        "  figure = median of the rounds, ratio = median of the rounds' ratios; floor = one bare\n"
        "  StretchBlt of the same 640x480 picture, device bitmap and memory DC made once\n"
        "private memory: RssAnon of the Linux process, medians; after start-up: in the start-up runs;\n"
        "  picture floor: in the repaint rounds (the floor holding its picture), after the first paint\n"
        "load game: from the posted BM_CLICK on button %d to the program's end, %d of each, interleaved;\n"
        "  floor = a button whose click starts Game.exe as the launcher does, waits up to %lu ms for it\n"
        "  to become idle and ends\n"
        "launcher.exe: %.0f bytes; background.bmp + launcher.ico: %.0f bytes\n",
        starts, rounds, repaints, kLoadButtonId, loads, kLauncherSettleMs, launcherSize, artworkSize);
    return 0;
}
