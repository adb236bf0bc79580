// Message boxes with the game's caption, icons and buttons fixed in one place.
#include "runtime/MessageBoxes.h"

#include "runtime/ErrorText.h"

int reportError(HWND owner, UINT textId, const char* extra, UINT style) {
    char text[kErrorTextLimit + 1] = "";
    if (textId != 0 && LoadStringA(GetModuleHandleA(nullptr), textId, text, sizeof text) == 0) {
        MessageBoxA(owner, "Cannot load string.", kGameCaption, MB_ICONHAND | MB_SYSTEMMODAL);
        return 0;
    }
    return MessageBoxA(owner, composeErrorText(text, extra).c_str(), kGameCaption, style);
}

void refuse(HWND owner, const std::string& text) {
    MessageBoxA(owner, text.c_str(), kGameCaption, MB_OK | MB_ICONEXCLAMATION);
}

bool askYesNo(HWND owner, const std::string& text, UINT icon) {
    return MessageBoxA(owner, text.c_str(), kGameCaption, MB_YESNO | icon) == IDYES;
}

void showNotice(HWND owner, const std::string& text, const std::string& caption, UINT icon) {
    MessageBoxA(owner, text.c_str(), caption.c_str(), MB_OK | icon);
}

void showFatalError(HWND owner, const std::string& text) {
    MessageBoxA(owner, text.c_str(), kGameCaption, MB_OK | MB_ICONHAND);
}
