#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/events.h"
#include "ui/form.h"

// Turning the window messages of mouse and keyboard into the form's input, shared by the window hosts.
namespace platform::win32 {

// The keys and buttons of a mouse message's key state, with Alt from the keyboard.
inline ui::ShiftState ShiftFromKeys(WPARAM keys) {
    ui::ShiftState shift;
    if (keys & MK_SHIFT) shift.Include(ui::ShiftKey::Shift);
    if (keys & MK_CONTROL) shift.Include(ui::ShiftKey::Ctrl);
    if (GetKeyState(VK_MENU) < 0) shift.Include(ui::ShiftKey::Alt);
    if (keys & MK_LBUTTON) shift.Include(ui::ShiftKey::Left);
    if (keys & MK_RBUTTON) shift.Include(ui::ShiftKey::Right);
    if (keys & MK_MBUTTON) shift.Include(ui::ShiftKey::Middle);
    return shift;
}

// Shift, Ctrl and Alt as the keyboard holds them now.
inline ui::ShiftState ShiftFromKeyboard() {
    ui::ShiftState shift;
    if (GetKeyState(VK_SHIFT) < 0) shift.Include(ui::ShiftKey::Shift);
    if (GetKeyState(VK_CONTROL) < 0) shift.Include(ui::ShiftKey::Ctrl);
    if (GetKeyState(VK_MENU) < 0) shift.Include(ui::ShiftKey::Alt);
    return shift;
}

// Whether a message is one DispatchKey hands on.
inline bool IsKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_KEYUP || message == WM_SYSKEYUP ||
           message == WM_CHAR;
}

// Hands a key message to the form: WM_KEYDOWN / WM_SYSKEYDOWN (keys with Alt) and WM_KEYUP / WM_SYSKEYUP with
// their virtual key, WM_CHAR as a key-down of the typed character. Returns whether the form consumed it.
inline bool DispatchKey(ui::Form& form, UINT message, WPARAM wParam) {
    uint16_t key = 0;
    char16_t keyChar = 0;
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            key = static_cast<uint16_t>(wParam);
            form.HandleKeyDown(key, keyChar, ShiftFromKeyboard());
            return key == 0;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            key = static_cast<uint16_t>(wParam);
            form.HandleKeyUp(key, keyChar, ShiftFromKeyboard());
            return key == 0;
        case WM_CHAR:
            keyChar = static_cast<char16_t>(wParam);
            form.HandleKeyDown(key, keyChar, ShiftFromKeyboard());
            return keyChar == 0;
        default:
            return false;
    }
}

}  // namespace platform::win32
