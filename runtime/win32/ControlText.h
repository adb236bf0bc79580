// Putting a text into a control exactly as it stands.
#pragma once

#include <windows.h>

#include <string>

// Sets the control's text so that an "&" in it (a company's name) shows as itself, not as the
// underline of a mnemonic: buttons, group boxes and plain statics all read "&&" as one "&".
inline void setLiteralText(HWND dialog, int id, const std::string& text) {
    std::string doubled;
    doubled.reserve(text.size());
    for (char c : text) {
        doubled += c;
        if (c == '&') doubled += '&';
    }
    SetDlgItemTextA(dialog, id, doubled.c_str());
}
