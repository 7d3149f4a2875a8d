// The launcher's one window: background picture, icons, keyboard rules and buttons.
#pragma once
#include <windows.h>

#include "shell/command_button.h"

struct WindowSettings {
    int width;
    int height;
    DWORD style;
    DWORD exStyle;
    UINT classStyle;
};

constexpr WindowSettings kWindowSettings = {
    545, 321,
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
    0,
    CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS,
};

// The background picture as decoded from its built-in bitmap file.
struct DecodedPicture {
    const BITMAPINFO* info = nullptr;
    const void* bits = nullptr;
    int width = 0;
    int height = 0;
};

// Reads a 24-bit bitmap file held in memory; false when it is not one that can be drawn.
bool DecodeBitmapFile(const void* file, unsigned int size, DecodedPicture& picture);

class LauncherWindow {
public:
    // Registers the class if needed, creates, sets up and shows the window with its buttons.
    bool Create();
    HWND Handle() const { return window_; }
    // Consumes Esc, Tab and Shift+Tab aimed at the window or a button.
    bool PreTranslateMessage(const MSG& msg);
    // Draws the background into dc over client; also used for pictures outside WM_PAINT.
    void PaintContent(HDC dc, const RECT& client, const RECT& clip);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void OnActivate(WPARAM wParam);
    void OnSetFocus();
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnNcDestroy();

    void SetIcons();
    // The picture stretched once to the client area's size, kept in a memory DC, so a
    // repaint copies only what is to be painted; false when the picture cannot be had.
    bool EnsureScaledPicture(HDC dc, int width, int height);
    void DropScaledPicture();
    void MoveFocus(bool forward);
    // The buttons in focus order; returns how many take part.
    int FocusOrder(HWND order[kButtonCount]) const;

    HWND window_ = nullptr;
    CommandButton buttons_[kButtonCount];
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    DecodedPicture picture_;
    HDC scaledDc_ = nullptr;
    HBITMAP scaledBitmap_ = nullptr;
    HGDIOBJ scaledDcOriginal_ = nullptr;
    int scaledWidth_ = 0;
    int scaledHeight_ = 0;
    HWND focusAtDeactivation_ = nullptr;
};
