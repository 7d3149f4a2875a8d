// The three buttons that carry the player's clicks to the actions.
#include "shell/command_button.h"

#include "actions/actions.h"
#include "texts.h"

namespace {

// Plain multi-line push buttons, caption centred both ways; created hidden.
constexpr DWORD kButtonStyle = WS_CHILD | WS_CLIPSIBLINGS | BS_MULTILINE | BS_CENTER | BS_VCENTER |
                               BS_PUSHBUTTON;

DWORD StyleOf(const ButtonDefinition& definition) {
    DWORD style = kButtonStyle;
    if (definition.tabStop) style |= WS_TABSTOP;
    if (definition.disabled) style |= WS_DISABLED;
    return style;
}

}  // namespace

const ButtonDefinition kButtonList[kButtonCount] = {
    {kTexts.aboutName, kTexts.aboutCaption, 24, 136, 96, 40, true, false, true, 0, ShowAbout},
    {kTexts.repairName, kTexts.repairCaption, 24, 208, 96, 40, true, false, true, 0, RepairGame},
    {kTexts.loadName, kTexts.loadCaption, 24, 64, 96, 40, true, false, true, 0, LoadGame},
};

void CommandButton::OnNotify(UINT code) const {
    if (code == BN_CLICKED && definition_ != nullptr && definition_->clickAction != nullptr) definition_->clickAction();
}

bool CreateCommandButtons(HWND window, CommandButton buttons[kButtonCount]) {
    const HINSTANCE module = GetModuleHandleA(nullptr);
    int id = kFirstButtonId;
    for (int i = kButtonCount - 1; i >= 0; --i) {
        const ButtonDefinition& definition = kButtonList[i];
        HWND control = CreateWindowExA(0, kTexts.buttonClass, definition.caption, StyleOf(definition),
                                       definition.left, definition.top, definition.width,
                                       definition.height, window,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), module,
                                       nullptr);
        id += kButtonIdStep;
        if (control == nullptr) {
            for (int j = i + 1; j < kButtonCount; ++j) buttons[j].Release();
            return false;
        }
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                     TRUE);
        buttons[i].Bind(definition, control);
    }
    // Stacked in list order from the top: each one directly below the one before it.
    HWND above = HWND_TOP;
    for (int i = 0; i < kButtonCount; ++i) {
        SetWindowPos(buttons[i].Control(), above, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
        above = buttons[i].Control();
    }
    for (int i = kButtonCount - 1; i >= 0; --i) {
        if (buttons[i].Definition().visible) ShowWindow(buttons[i].Control(), SW_SHOWNA);
    }
    return true;
}
