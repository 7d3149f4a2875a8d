// The launcher's three push buttons: their fixed definitions and live objects.
#pragma once
#include <windows.h>

using ClickAction = void (*)();

struct ButtonDefinition {
    const char* name;
    const char* caption;
    int left, top, width, height;
    bool visible;
    bool disabled;
    bool tabStop;
    int tabOrder;
    ClickAction clickAction;
};

// Held by value in the window, which binds it at creation and releases it with its control.
class CommandButton {
public:
    void Bind(const ButtonDefinition& definition, HWND control) {
        definition_ = &definition;
        control_ = control;
    }
    void Release() { *this = CommandButton(); }
    bool Live() const { return control_ != nullptr; }
    const ButtonDefinition& Definition() const { return *definition_; }
    HWND Control() const { return control_; }
    // A notification from the control; a click runs the bound action at once.
    void OnNotify(UINT code) const;

private:
    const ButtonDefinition* definition_ = nullptr;
    HWND control_ = nullptr;
};

// The button list, in the order that decides creation, identifiers, stacking and ties of
// the focus order.
constexpr int kButtonCount = 3;
extern const ButtonDefinition kButtonList[kButtonCount];

// Identifiers go in creation order from 100 in steps of 10.
constexpr int kFirstButtonId = 100;
constexpr int kButtonIdStep = 10;
// WM_COMMAND identifiers from here up are menu commands; the window has no menu.
constexpr int kFirstMenuCommandId = 20000;

// Creates, stacks and shows the buttons on window; buttons[i] belongs to kButtonList[i].
// False when a control cannot be created (the objects bound so far are released).
bool CreateCommandButtons(HWND window, CommandButton buttons[kButtonCount]);
