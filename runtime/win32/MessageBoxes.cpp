// Message boxes with the game's captions, icons and buttons fixed in one place.
#include "runtime/win32/MessageBoxes.h"

#include "runtime/ErrorText.h"

namespace {
UINT styleOf(const Notice& notice) {
    UINT style = notice.buttons == NoticeButtons::YesNo ? MB_YESNO : MB_OK;
    switch (notice.icon) {
        case NoticeIcon::Exclamation:
            return style | MB_ICONEXCLAMATION;
        case NoticeIcon::Information:
            return style | MB_ICONINFORMATION;
        case NoticeIcon::Question:
            return style | MB_ICONQUESTION;
        case NoticeIcon::Stop:
            return style | MB_ICONHAND;
    }
    return style;
}
}  // namespace

int showNotice(HWND owner, const Notice& notice) {
    return MessageBoxA(owner, notice.text.c_str(), notice.caption.c_str(), styleOf(notice));
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
