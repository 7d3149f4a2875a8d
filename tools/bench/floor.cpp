// The least a Win32 program must do to show a window like the launcher's: the yardstick the
// benchmark holds the launcher against. Built with the launcher's own compile and link flags.
//
// floor.exe                   registers a class, creates a 545 x 321 window and paints it
//                             with one solid fill
// floor.exe stretch PICTURE   paints each time with one bare StretchBlt of the 24-bit bitmap
//                             file PICTURE onto the whole client area, in the stretch mode the
//                             launcher picks; the device bitmap is made once, before the window
//                             shows, and kept selected in a memory DC
// floor.exe launch GAME       also has a button with the id of 载入游戏: its click starts GAME
//                             as the launcher starts Game.exe, waits as long as the launcher
//                             waits for it to become idle, and ends
#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

// The launcher window's size and styles, so both have the same frame and client area.
constexpr int kWidth = 545;
constexpr int kHeight = 321;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr UINT kClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;

HDC pictureDc = nullptr;
int pictureWidth = 0;
int pictureHeight = 0;
int stretchMode = COLORONCOLOR;
const char* gamePath = nullptr;
constexpr int kLoadButtonId = 100;
constexpr DWORD kSettleMilliseconds = 1000;

// What 载入游戏 must do at the least: start the game, give it the launcher's moment, end.
void LoadGame() {
    char commandLine[MAX_PATH * 4 + 3];
    wsprintfA(commandLine, "\"%s\"", gamePath);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(gamePath, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        ExitProcess(4);
    WaitForInputIdle(process.hProcess, kSettleMilliseconds);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ExitProcess(0);
}

// Reads the whole bitmap file and makes the device bitmap once; false when it cannot.
bool LoadPicture(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const DWORD size = GetFileSize(file, nullptr);
    BYTE* bytes = static_cast<BYTE*>(HeapAlloc(GetProcessHeap(), 0, size));
    DWORD read = 0;
    const bool whole = bytes != nullptr && ReadFile(file, bytes, size, &read, nullptr) && read == size;
    CloseHandle(file);
    if (!whole || size < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) return false;
    BITMAPFILEHEADER fileHeader;
    std::memcpy(&fileHeader, bytes, sizeof fileHeader);
    const BITMAPINFO* info = reinterpret_cast<const BITMAPINFO*>(bytes + sizeof fileHeader);
    if (fileHeader.bfType != 0x4D42 || fileHeader.bfOffBits >= size) return false;

    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, bytes + fileHeader.bfOffBits, info,
                                    DIB_RGB_COLORS);
    // The same rule as the launcher's: HALFTONE above 16 bits per pixel.
    stretchMode = GetDeviceCaps(screen, BITSPIXEL) > 16 ? HALFTONE : COLORONCOLOR;
    pictureDc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    pictureWidth = info->bmiHeader.biWidth;
    pictureHeight = info->bmiHeader.biHeight < 0 ? -info->bmiHeader.biHeight : info->bmiHeader.biHeight;
    HeapFree(GetProcessHeap(), 0, bytes);
    if (bitmap == nullptr || pictureDc == nullptr) return false;
    SelectObject(pictureDc, bitmap);
    return true;
}

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        if (pictureDc != nullptr) {
            SetStretchBltMode(dc, stretchMode);
            SetBrushOrgEx(dc, 0, 0, nullptr);
            StretchBlt(dc, 0, 0, client.right, client.bottom, pictureDc, 0, 0, pictureWidth, pictureHeight,
                       SRCCOPY);
        } else {
            FillRect(dc, &client, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        }
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == kLoadButtonId && HIWORD(wParam) == BN_CLICKED) {
        LoadGame();
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc >= 3 && std::strcmp(__argv[1], "stretch") == 0 && !LoadPicture(__argv[2])) return 3;
    if (__argc >= 3 && std::strcmp(__argv[1], "launch") == 0) gamePath = __argv[2];

    WNDCLASSA windowClass = {};
    windowClass.style = kClassStyle;
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = "LauncherFloorWindow";
    if (!RegisterClassA(&windowClass)) return 1;
    // Where the launcher sits: centred on the screen.
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "floor", kStyle, x, y, kWidth, kHeight, nullptr,
                                  nullptr, instance, nullptr);
    if (window == nullptr) return 2;
    if (gamePath != nullptr)
        CreateWindowExA(0, "BUTTON", "load", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 24, 64, 96, 40, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLoadButtonId)), instance, nullptr);
    ShowWindow(window, SW_SHOW);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
