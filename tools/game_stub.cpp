// A stand-in for the game's player Game.exe, for tests and the demo: it records how it
// was started and shows a small window until it is closed.
//
// GAME_STUB_RECORD=<file>  write the command line, the current directory and the module
//                          path, one a line, to that file
// GAME_STUB_BUSY=<ms>      stay busy that long before taking any input (a game that is slow
//                          to become idle)
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

LRESULT CALLBACK StubProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, "Game.exe is running (stand-in)", -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void Record(const char* file) {
    char directory[MAX_PATH * 4] = {};
    char module[MAX_PATH * 4] = {};
    GetCurrentDirectoryA(sizeof directory, directory);
    GetModuleFileNameA(nullptr, module, sizeof module);
    // Written to a temporary name and renamed, so a reader never sees half a record.
    char temporary[MAX_PATH * 4];
    std::snprintf(temporary, sizeof temporary, "%s.part", file);
    FILE* out = std::fopen(temporary, "wb");
    if (out == nullptr) return;
    std::fprintf(out, "%s\n%s\n%s\n", GetCommandLineA(), directory, module);
    std::fclose(out);
    MoveFileExA(temporary, file, MOVEFILE_REPLACE_EXISTING);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    if (const char* file = std::getenv("GAME_STUB_RECORD")) Record(file);
    if (const char* busy = std::getenv("GAME_STUB_BUSY")) Sleep(static_cast<DWORD>(std::atoi(busy)));

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = StubProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "GameStubWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "Game", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 320, 200, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
