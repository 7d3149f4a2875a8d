// Saves a picture of the launcher window as the screen shows it (caption bar included),
// for the README and the demo. Usage: window_shot.exe OUTPUT.bmp [click-load]
// With click-load it then clicks "载入游戏", as a player would.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_shot OUTPUT.bmp [click-load]\n");
        return 2;
    }
    HWND window = nullptr;
    for (int i = 0; i < 200 && window == nullptr; ++i) {
        window = FindWindowA("LanLingLauncherWindow", nullptr);
        if (window == nullptr) Sleep(50);
    }
    if (window == nullptr) {
        std::fprintf(stderr, "window_shot: no launcher window appeared\n");
        return 1;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, processId);
    if (process) WaitForInputIdle(process, 5000);
    SetForegroundWindow(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(500);

    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP shot = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, shot);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const DWORD stride = ((width * 24 + 31) / 32) * 4;
    const DWORD imageSize = stride * height;
    BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + imageSize),
                             0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr) return 1;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
    std::fwrite(bits, 1, imageSize, out);
    std::fclose(out);
    SelectObject(memory, old);
    DeleteObject(shot);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    std::printf("window_shot: %dx%d at (%ld, %ld) saved to %s\n", width, height, rect.left, rect.top, argv[1]);

    if (argc > 2 && std::strcmp(argv[2], "click-load") == 0) {
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (GetDlgCtrlID(child) == 100) PostMessageA(child, BM_CLICK, 0, 0);
        }
        DWORD code = STILL_ACTIVE;
        if (process && WaitForSingleObject(process, 5000) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
        std::printf("window_shot: clicked load game; the launcher ended with exit code %lu\n", code);
    }
    if (process) CloseHandle(process);
    return 0;
}
