// Message boxes with the game's captions, icons and buttons fixed in one place.
#include "runtime/win32/MessageBoxes.h"

#include "runtime/ErrorText.h"

namespace {
UINT styleOf(const Notice& notice) {
    const UINT buttons = notice.buttons == NoticeButtons::YesNo ? MB_YESNO : MB_OK;
    switch (notice.icon) {
        case NoticeIcon::Exclamation:
            return buttons | MB_ICONEXCLAMATION;
        case NoticeIcon::Information:
            return buttons | MB_ICONINFORMATION;
        case NoticeIcon::Question:
            return buttons | MB_ICONQUESTION;
        case NoticeIcon::Stop:
            return buttons | MB_ICONHAND;
    }
    return buttons;
}

// Puts the keyboard back where it was before a message box: a window manager may otherwise hand the
// activation to some other window when the box closes, and the player's keys then go nowhere.
void giveBackFocus(HWND owner, HWND focus) {
    if (!owner || !IsWindow(owner)) return;
    SetForegroundWindow(GetAncestor(owner, GA_ROOT));
    if (focus && IsWindow(focus)) SetFocus(focus);
}
}  // namespace

int showNotice(HWND owner, const Notice& notice) {
    HWND focus = GetFocus();
    const int answer = MessageBoxA(owner, notice.text.c_str(), notice.caption.c_str(), styleOf(notice));
    giveBackFocus(owner, focus);
    return answer;
}

void refuse(HWND owner, const std::string& text) {
    showNotice(owner, refusalNotice(text));
}

bool askYesNo(HWND owner, const Notice& question) {
    return showNotice(owner, question) == IDYES;
}

bool askYesNo(HWND owner, const std::string& text) {
    return askYesNo(owner, questionNotice(text));
}

int reportError(HWND owner, UINT textId, const char* extra, UINT style) {
    char text[kErrorTextLimit + 1] = "";
    if (textId != 0 && LoadStringA(GetModuleHandleA(nullptr), textId, text, sizeof text) == 0)
        return showNotice(owner, {"Cannot load string.", kGameCaption, NoticeIcon::Stop, NoticeButtons::Ok});
    return MessageBoxA(owner, composeErrorText(text, extra).c_str(), kGameCaption, style);
}
