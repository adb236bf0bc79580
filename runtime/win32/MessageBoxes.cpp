// Message boxes with the game's captions, icons and buttons fixed in one place.
#include "runtime/win32/MessageBoxes.h"

#include "resources/resource.h"
#include "runtime/ErrorText.h"
#include "runtime/win32/DialogHost.h"
#include "runtime/win32/WindowState.h"

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

HHOOK& iconHook() {
    static HHOOK hook = nullptr;
    return hook;
}

// A message box is made by the system, so the game's icon is given to it as it is activated, for the
// frame a window manager draws around it.
LRESULT CALLBACK giveBoxTheGameIcon(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) giveGameIcon(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(iconHook(), code, wParam, lParam);
}

int messageBoxWithGameIcon(HWND owner, const char* text, const char* caption, UINT style) {
    HHOOK outer = iconHook();  // a box asked for while another is up keeps the outer box's hook
    iconHook() = SetWindowsHookExA(WH_CBT, giveBoxTheGameIcon, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxA(owner, text, caption, style);
    if (iconHook()) UnhookWindowsHookEx(iconHook());
    iconHook() = outer;
    return answer;
}

// Every box of the game, notices and errors alike, gives the keyboard back to where it was.
int showBox(HWND owner, const char* text, const char* caption, UINT style) {
    HWND focus = GetFocus();
    const int answer = messageBoxWithGameIcon(owner, text, caption, style);
    giveBackKeyboard(owner, focus);
    return answer;
}
}  // namespace

int showNotice(HWND owner, const Notice& notice) {
    return showBox(owner, notice.text.c_str(), notice.caption.c_str(), styleOf(notice));
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
    return showBox(owner, composeErrorText(text, extra).c_str(), kGameCaption, style);
}
