// The launcher window: its class, creation, painting, keyboard rules, focus and closing.
#include "shell/launcher_window.h"

#include "shell/shell.h"
#include "shell/window_rules.h"
#include "texts.h"

namespace {

constexpr WORD kBitmapFileType = 0x4D42;  // "BM"
constexpr DWORD kIconFormatVersion = 0x00030000;

#pragma pack(push, 2)
struct IconGroupHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInResource;
    WORD id;
};
#pragma pack(pop)

// The bytes of a built-in resource, or null.
const void* ResourceBytes(const char* name, const char* type, DWORD* size) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, name, type);
    if (found == nullptr) return nullptr;
    HGLOBAL loaded = LoadResource(module, found);
    if (loaded == nullptr) return nullptr;
    *size = SizeofResource(module, found);
    return LockResource(loaded);
}

bool ModifierHeld(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

bool DecodeBitmapFile(const void* file, unsigned int size, DecodedPicture& picture) {
    if (file == nullptr || size < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) return false;
    const BYTE* bytes = static_cast<const BYTE*>(file);
    BITMAPFILEHEADER fileHeader;
    BITMAPINFOHEADER infoHeader;
    CopyMemory(&fileHeader, bytes, sizeof fileHeader);
    CopyMemory(&infoHeader, bytes + sizeof fileHeader, sizeof infoHeader);
    if (fileHeader.bfType != kBitmapFileType || infoHeader.biSize < sizeof(BITMAPINFOHEADER)) return false;
    if (infoHeader.biPlanes != 1 || infoHeader.biBitCount != 24 || infoHeader.biCompression != BI_RGB)
        return false;
    const long width = infoHeader.biWidth;
    const long height = infoHeader.biHeight < 0 ? -infoHeader.biHeight : infoHeader.biHeight;
    if (width <= 0 || height <= 0 || width > 0x4000 || height > 0x4000) return false;
    const unsigned long stride = ((static_cast<unsigned long>(width) * 24 + 31) / 32) * 4;
    const unsigned long pixelBytes = stride * static_cast<unsigned long>(height);
    if (fileHeader.bfOffBits < sizeof fileHeader + infoHeader.biSize || fileHeader.bfOffBits > size ||
        size - fileHeader.bfOffBits < pixelBytes)
        return false;
    picture.info = reinterpret_cast<const BITMAPINFO*>(bytes + sizeof fileHeader);
    picture.bits = bytes + fileHeader.bfOffBits;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    return true;
}

bool LauncherWindow::Create() {
    const HINSTANCE module = GetModuleHandleA(nullptr);
    WNDCLASSA existing;
    if (!GetClassInfoA(module, kTexts.windowClass, &existing)) {
        WNDCLASSA windowClass = {};
        windowClass.style = kWindowSettings.classStyle;
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = module;
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        windowClass.lpszClassName = kTexts.windowClass;
        RegisterClassA(&windowClass);
    }

    const int x = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), kWindowSettings.width);
    const int y = CentredOrigin(GetSystemMetrics(SM_CYSCREEN), kWindowSettings.height);
    HWND created = CreateWindowExA(kWindowSettings.exStyle, kTexts.windowClass, kTexts.caption,
                                   kWindowSettings.style, x, y, kWindowSettings.width,
                                   kWindowSettings.height, nullptr, nullptr, module, this);
    if (created == nullptr) return false;

    RECT outer;
    GetWindowRect(window_, &outer);
    if (outer.right - outer.left != kWindowSettings.width || outer.bottom - outer.top != kWindowSettings.height)
        MoveWindow(window_, x, y, kWindowSettings.width, kWindowSettings.height, TRUE);

    SetIcons();
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    if (!CreateCommandButtons(window_, buttons_)) {
        DestroyWindow(window_);
        return false;
    }
    ShowWindow(window_, SW_SHOW);
    return true;
}

void LauncherWindow::SetIcons() {
    DWORD groupSize = 0;
    const BYTE* group = static_cast<const BYTE*>(ResourceBytes(kTexts.iconResource, RT_GROUP_ICON, &groupSize));
    if (group == nullptr || groupSize < sizeof(IconGroupHeader)) return;
    IconGroupHeader header;
    CopyMemory(&header, group, sizeof header);
    constexpr int kMaxEntries = 32;
    int count = header.count;
    if (count > kMaxEntries) count = kMaxEntries;
    if (sizeof header + count * sizeof(IconGroupEntry) > groupSize) return;
    IconGroupEntry entries[kMaxEntries];
    IconEntryInfo infos[kMaxEntries];
    for (int i = 0; i < count; ++i) {
        CopyMemory(&entries[i], group + sizeof header + i * sizeof(IconGroupEntry), sizeof(IconGroupEntry));
        infos[i] = {entries[i].width == 0 ? 256 : entries[i].width, entries[i].colourCount};
    }

    auto makeIcon = [&](int width) -> HICON {
        const int chosen = ChooseIconEntry(infos, count, width);
        if (chosen < 0) return nullptr;
        DWORD size = 0;
        const BYTE* image = static_cast<const BYTE*>(
            ResourceBytes(MAKEINTRESOURCEA(entries[chosen].id), RT_ICON, &size));
        if (image == nullptr || size < sizeof(BITMAPINFOHEADER)) return nullptr;
        BITMAPINFOHEADER imageHeader;
        CopyMemory(&imageHeader, image, sizeof imageHeader);
        // The image's own width and half its stored height (colour bits above the mask).
        return CreateIconFromResourceEx(const_cast<BYTE*>(image), size, TRUE, kIconFormatVersion,
                                        imageHeader.biWidth, imageHeader.biHeight / 2, LR_DEFAULTCOLOR);
    };
    bigIcon_ = makeIcon(32);
    smallIcon_ = makeIcon(16);
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

LRESULT CALLBACK LauncherWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LauncherWindow* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<LauncherWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<LauncherWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT LauncherWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ACTIVATE: {
        const LRESULT result = DefWindowProcA(window_, message, wParam, lParam);
        OnActivate(wParam);
        return result;
    }
    case WM_SETFOCUS:
        OnSetFocus();
        return 0;
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_DISPLAYCHANGE:
        // Another colour depth may want another stretch mode: stretch again at the next paint.
        DropScaledPicture();
        InvalidateRect(window_, nullptr, FALSE);
        return DefWindowProcA(window_, message, wParam, lParam);
    case WM_NCDESTROY: {
        const LRESULT result = DefWindowProcA(window_, message, wParam, lParam);
        OnNcDestroy();
        return result;
    }
    default:
        // WM_CLOSE included: the default handling destroys the window at once.
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

void LauncherWindow::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    RECT clip;
    if (GetClipBox(dc, &clip) != NULLREGION && !IsRectEmpty(&clip)) {
        RECT client;
        GetClientRect(window_, &client);
        PaintContent(dc, client, clip);
    }
    EndPaint(window_, &paint);
}

bool LauncherWindow::EnsureScaledPicture(HDC dc, int width, int height) {
    if (scaledDc_ != nullptr && scaledWidth_ == width && scaledHeight_ == height) return true;
    DropScaledPicture();
    if (picture_.info == nullptr) {
        DWORD size = 0;
        const void* file = ResourceBytes(kTexts.backgroundResource, RT_RCDATA, &size);
        DecodedPicture decoded;
        if (!DecodeBitmapFile(file, size, decoded)) return false;  // tried again at the next paint
        picture_ = decoded;
    }
    // Stretched straight from the built-in bits: no full-size copy of the picture is made.
    HDC targetDc = CreateCompatibleDC(dc);
    HBITMAP target = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ targetOriginal = nullptr;
    bool stretched = false;
    if (targetDc != nullptr && target != nullptr) {
        targetOriginal = SelectObject(targetDc, target);
        DEVMODEA mode = {};
        mode.dmSize = sizeof mode;
        const int depth =
            EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode) ? static_cast<int>(mode.dmBitsPerPel) : 0;
        SetStretchBltMode(targetDc, ChooseStretchMode(depth));
        SetBrushOrgEx(targetDc, 0, 0, nullptr);  // HALFTONE needs the brush origin reset
        stretched = StretchDIBits(targetDc, 0, 0, width, height, 0, 0, picture_.width, picture_.height,
                                  picture_.bits, picture_.info, DIB_RGB_COLORS, SRCCOPY) != 0;
    }
    if (!stretched) {
        if (targetOriginal != nullptr) SelectObject(targetDc, targetOriginal);
        if (targetDc != nullptr) DeleteDC(targetDc);
        if (target != nullptr) DeleteObject(target);
        return false;
    }
    scaledDc_ = targetDc;
    scaledBitmap_ = target;
    scaledDcOriginal_ = targetOriginal;
    scaledWidth_ = width;
    scaledHeight_ = height;
    return true;
}

void LauncherWindow::DropScaledPicture() {
    if (scaledDc_ == nullptr) return;
    SelectObject(scaledDc_, scaledDcOriginal_);
    DeleteDC(scaledDc_);
    DeleteObject(scaledBitmap_);
    scaledDc_ = nullptr;
    scaledBitmap_ = nullptr;
    scaledDcOriginal_ = nullptr;
    scaledWidth_ = scaledHeight_ = 0;
}

void LauncherWindow::PaintContent(HDC dc, const RECT& client, const RECT& clip) {
    const int width = client.right - client.left, height = client.bottom - client.top;
    if (width > 0 && height > 0 && EnsureScaledPicture(dc, width, height)) {
        if (BitBlt(dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, scaledDc_,
                   clip.left - client.left, clip.top - client.top, SRCCOPY))
            return;
    }
    FillRect(dc, &clip, GetSysColorBrush(COLOR_BTNFACE));
}

void LauncherWindow::OnActivate(WPARAM wParam) {
    UpdateWindow(window_);
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        focusAtDeactivation_ = (focus != nullptr && IsChild(window_, focus)) ? focus : nullptr;
    }
}

void LauncherWindow::OnSetFocus() {
    if (focusAtDeactivation_ != nullptr && IsWindow(focusAtDeactivation_) && IsChild(window_, focusAtDeactivation_)) {
        SetFocus(focusAtDeactivation_);
        return;
    }
    HWND order[kButtonCount];
    if (FocusOrder(order) > 0) SetFocus(order[0]);
}

int LauncherWindow::FocusOrder(HWND order[kButtonCount]) const {
    // Lowest tab order first; of equals, the one latest in the button list comes first.
    int count = 0;
    int ranks[kButtonCount];
    for (int i = kButtonCount - 1; i >= 0; --i) {
        if (!buttons_[i].Live()) continue;
        const ButtonDefinition& definition = buttons_[i].Definition();
        HWND control = buttons_[i].Control();
        if (!definition.tabStop || !IsWindowVisible(control) || !IsWindowEnabled(control)) continue;
        int at = count++;
        while (at > 0 && ranks[at - 1] > definition.tabOrder) {
            ranks[at] = ranks[at - 1];
            order[at] = order[at - 1];
            --at;
        }
        ranks[at] = definition.tabOrder;
        order[at] = control;
    }
    return count;
}

void LauncherWindow::MoveFocus(bool forward) {
    HWND focus = GetFocus();
    if (focus == nullptr || !IsChild(window_, focus)) return;
    HWND order[kButtonCount];
    const int count = FocusOrder(order);
    if (count == 0) return;
    int current = -1;
    for (int i = 0; i < count; ++i) {
        if (order[i] == focus) current = i;
    }
    int next;
    if (current < 0) next = forward ? 0 : count - 1;
    else next = (current + (forward ? 1 : count - 1)) % count;
    SetFocus(order[next]);
}

bool LauncherWindow::PreTranslateMessage(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    if (window_ == nullptr || (msg.hwnd != window_ && !IsChild(window_, msg.hwnd))) return false;
    const bool ctrl = ModifierHeld(VK_CONTROL);
    const bool shift = ModifierHeld(VK_SHIFT);
    const bool alt = ModifierHeld(VK_MENU) || msg.message == WM_SYSKEYDOWN;
    switch (msg.wParam) {
    case VK_ESCAPE:
        if (ctrl || shift || alt) return false;
        SendMessageA(window_, WM_CLOSE, 0, 0);
        return true;
    case VK_TAB:
        if (ctrl || alt) return false;
        MoveFocus(!shift);
        return true;
    default:
        return false;
    }
}

void LauncherWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control == nullptr || id >= kFirstMenuCommandId) return;
    for (const CommandButton& button : buttons_) {
        if (button.Live() && button.Control() == control) {
            button.OnNotify(HIWORD(wParam));
            return;
        }
    }
}

void LauncherWindow::OnNcDestroy() {
    if (Shell().loopStarted) PostQuitMessage(0);
    for (CommandButton& button : buttons_) button.Release();
    if (bigIcon_ != nullptr) DestroyIcon(bigIcon_);
    if (smallIcon_ != nullptr) DestroyIcon(smallIcon_);
    bigIcon_ = smallIcon_ = nullptr;
    DropScaledPicture();
    picture_ = DecodedPicture();
    focusAtDeactivation_ = nullptr;
    window_ = nullptr;
}
