// Drives the real launcher.exe from this second process: scratch game folders, starting
// and ending, finding windows, reading what a user would see, sending keys and clicks.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Paths of the programs under test, from the environment that ctest sets.
std::string LauncherExe();
std::string GameStubExe();
std::string ProgramFromEnvironment(const char* name);

// A new, empty folder under the scratch root (relative names may hold subfolders).
std::string ScratchFolder(const std::string& relative);
void CopyInto(const std::string& file, const std::string& folder, const std::string& name);
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

// The launcher's caption and texts in code page 936, as the user sees them.
extern const char kLauncherClass[];
extern const char kLoadCaption[];
extern const char kRepairCaption[];
extern const char kAboutCaption[];

class Process {
public:
    Process() = default;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();
    // Starts exe with a quoted command line (plus arguments) in currentDirectory.
    bool Start(const std::string& exe, const std::string& currentDirectory, const std::string& arguments = "");
    // The exit code once the process has ended within timeoutMs, else STILL_ACTIVE.
    DWORD WaitForExit(DWORD timeoutMs);
    bool Running();
    DWORD Id() const { return info_.dwProcessId; }
    DWORD ThreadId() const { return info_.dwThreadId; }
    HANDLE Handle() const { return info_.hProcess; }

private:
    PROCESS_INFORMATION info_ = {};
};

// The process's visible top-level window of the class ("" for any) that appears in time.
HWND WaitForWindow(DWORD processId, const char* className, DWORD timeoutMs);
std::vector<HWND> TopWindows(DWORD processId, const char* className);
std::vector<HWND> Children(HWND parent);
std::string ClassOf(HWND window);
std::string TextOf(HWND window);
HWND ChildCaptioned(HWND parent, const char* caption);
HWND FocusOf(DWORD threadId);
// Waits until the focus of threadId is on window.
bool WaitForFocus(DWORD threadId, HWND window, DWORD timeoutMs);

// A launcher started in a scratch folder, with its window found.
struct Launcher {
    Process process;
    HWND window = nullptr;
    bool Start(const std::string& folder, const std::string& currentDirectory);
};

// Key presses posted to the target's own queue (no modifiers).
void PostKey(HWND target, WORD key);
// Real key presses through the system, with modifiers held, to the foreground window.
void TypeKeys(std::initializer_list<WORD> modifiers, WORD key);
bool BringToFront(HWND window);
// Real mouse input through the system: press over one point, release over another.
void MouseDrag(POINT press, POINT release);
// A real click in the middle of window.
void RealClick(HWND window);
// Lets the launcher handle what it was sent.
void Settle(DWORD ms = 150);

// A message box of the process, with its text and buttons.
struct MessageBoxView {
    HWND box = nullptr;
    std::string caption;
    std::string text;
    std::vector<int> buttonIds;
    HICON icon = nullptr;  // the icon in the box's icon static, or null
};
bool WaitForMessageBox(DWORD processId, DWORD timeoutMs, MessageBoxView& view);
void PressOk(const MessageBoxView& view);

// Closes every stand-in Game.exe window that a test left open.
void CloseStandInGames();

std::string Hex(const std::string& bytes);

}  // namespace e2e
