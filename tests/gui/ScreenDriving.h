// What a player does to the game's screens, for the GUI tests: typing, pressing, clicking rows,
// reading texts and fonts back, and waiting for what a posted message brings.
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>

inline std::string textOf(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}
inline std::string textOf(HWND dialog, int id) {
    return textOf(GetDlgItem(dialog, id));
}

inline void type(HWND dialog, int id, const std::string& text) {
    for (unsigned char c : text) SendMessageA(GetDlgItem(dialog, id), WM_CHAR, c, 1);
}

inline void moveFocus(HWND dialog, int toId) {
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, toId)), TRUE);
}

// Presses a button as a click would; from an answering thread this waits for whatever the button opens.
inline void press(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Presses a button without waiting for what it opens.
inline void pressLater(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

inline std::string listLine(HWND list, int row) {
    const auto length =
        static_cast<std::size_t>(std::max<LRESULT>(SendMessageA(list, LB_GETTEXTLEN, row, 0), 0));
    std::string text(length + 1, '\0');
    if (length) SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return text;
}
inline int listCount(HWND list) {
    return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
}
inline int listSelection(HWND list) {
    return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
}

// A click, or a double click, on a row of the list, posted as the mouse would send it.
inline void clickRow(HWND list, int row, bool twice = false) {
    RECT item = {};
    SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    const UINT downs[] = {WM_LBUTTONDOWN, static_cast<UINT>(twice ? WM_LBUTTONDBLCLK : WM_NULL)};
    for (UINT down : downs) {
        if (down) PostMessageA(list, down, MK_LBUTTON, at);
        if (down) PostMessageA(list, WM_LBUTTONUP, 0, at);
    }
}

// Polls until the condition holds or the time has passed; answers the condition.
inline bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 2000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

inline HWND focusOfThread(DWORD threadId) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

// The face and height of the font a control draws with.
inline LOGFONTA fontOf(HWND dialog, int id) {
    LOGFONTA font = {};
    HFONT handle = reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, id, WM_GETFONT, 0, 0));
    if (handle) GetObjectA(handle, sizeof font, &font);
    return font;
}
