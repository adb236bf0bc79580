// Context help through the platform's help viewer: the help mode, the F1 keys and the pre-handler.
#include "runtime/win32/ContextHelp.h"

#include <shellapi.h>

#include <string>

#include "runtime/HelpFilePath.h"
#include "runtime/win32/DialogHost.h"
#include "runtime/win32/WindowState.h"

namespace {
constexpr DWORD kProgramPathLimit = 256;
// Posted as the help message's first parameter when a menu closed without a command.
constexpr WPARAM kLeaveHelpMode = 1;
constexpr const char* kHelpCursor = "HELP";

struct HelpState {
    bool mode = false;
    HHOOK keyFilter = nullptr;
    HelpViewer viewer = nullptr;
};

HelpState& help() {
    static HelpState state;
    return state;
}

bool isDown(int key) {
    return GetKeyState(key) < 0;
}

std::string programPath() {
    char path[kProgramPathLimit + 1] = "";
    const DWORD length = GetModuleFileNameA(nullptr, path, kProgramPathLimit);
    path[length < kProgramPathLimit ? length : kProgramPathLimit] = '\0';
    return path;
}

bool fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The help as a web page, for a system whose help viewer could not show the file.
BOOL openHelpPage(int context) {
    const std::string address = helpPageAddress(programPath(), context);
    const auto answer = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return answer > 32;
}

BOOL gameViewer(HWND window, const char* helpFile, UINT command, ULONG_PTR data) {
    if (WinHelpA(window, helpFile, command, data)) return TRUE;
    if (command == kHelpQuit) return FALSE;
    return openHelpPage(command == kHelpContext ? static_cast<int>(data) : 0);
}

// The window whose topic F1 opens: the dialog that has the keyboard (the main screen inside the main
// window, or a modal screen), else the active window.
HWND helpTarget() {
    char className[16] = "";
    for (HWND window = GetFocus(); window; window = GetParent(window)) {
        GetClassNameA(window, className, sizeof className);
        if (lstrcmpA(className, "#32770") == 0) return window;
    }
    return GetActiveWindow();
}

void setHelpCursor() {
    if (HCURSOR cursor = LoadCursorA(windowState().appInstance, kHelpCursor)) SetCursor(cursor);
}

void restoreClassCursor() {
    if (HWND active = GetActiveWindow())
        SetCursor(reinterpret_cast<HCURSOR>(GetClassLongPtrA(active, GCLP_HCURSOR)));
}

// Help mode takes the next choice made in a window with a menu or on one of the game's screens; a
// message box asks its own question and leaves Shift+F1 alone.
void enterHelpMode() {
    HWND active = GetActiveWindow();
    if (!active || (!GetMenu(active) && windowKindOf(active) == kNotRuntimeWindow)) return;
    help().mode = true;
    setHelpCursor();
}

// F1 and Shift+F1 as they arrive; Ctrl or Alt with them means something else. A key held down repeats
// its key-down, and only the first one asks for help.
bool onHelpKey(const MSG& key, bool insideMenu) {
    if (key.message != WM_KEYDOWN) return false;
    // Escape leaves help mode and does nothing else: it must not close the dialog behind it.
    if (key.wParam == VK_ESCAPE && help().mode) {
        help().mode = false;
        restoreClassCursor();
        return true;
    }
    if (key.wParam != VK_F1) return false;
    if (isDown(VK_CONTROL) || isDown(VK_MENU)) return false;
    const bool repeated = (key.lParam & (1 << 30)) != 0;
    if (repeated) return true;
    if (isDown(VK_SHIFT)) {
        enterHelpMode();
    } else if (insideMenu) {
        // Every item of a menu belongs to the window that owns the menu, whose topic tells of them. No
        // key may be posted from here: once this filter has taken F1, the menu's loop removes the first
        // key-down in the queue, which would be the posted one, and then meets F1 again, for ever.
        help().mode = false;
        EndMenu();
        requestHelp(GetActiveWindow());
    } else {
        help().mode = false;
        requestHelp(helpTarget());
    }
    return true;
}

LRESULT CALLBACK helpKeyFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0 && lParam && onHelpKey(*reinterpret_cast<const MSG*>(lParam), code == MSGF_MENU)) return 1;
    return CallNextHookEx(help().keyFilter, code, wParam, lParam);
}

bool onHelpMessage(HWND window, WPARAM wParam, int context, LRESULT* result) {
    if (wParam == kLeaveHelpMode) {
        help().mode = false;
    } else if (context != 0) {
        openHelp(window, kHelpContext, static_cast<ULONG_PTR>(context));
    } else {
        return false;
    }
    *result = 0;
    return true;
}

bool onHelpModeCursor(HWND window, LRESULT* result, bool isDialog) {
    HCURSOR cursor = LoadCursorA(windowState().appInstance, kHelpCursor);
    if (!cursor) return false;
    SetCursor(cursor);
    *result = 1;
    if (isDialog) SetWindowLongPtrA(window, DWLP_MSGRESULT, 1);
    return true;
}

// The command chosen in help mode asks for its window's topic instead of being carried out.
bool onHelpModeCommand(HWND window, LRESULT* result) {
    help().mode = false;
    if (!isDown(VK_ESCAPE)) requestHelp(window);
    restoreClassCursor();
    *result = 1;
    return true;
}
}  // namespace

void setHelpViewer(HelpViewer viewer) {
    help().viewer = viewer;
}

BOOL openHelp(HWND window, UINT command, ULONG_PTR data) {
    char path[MAX_PATH] = "";
    findHelpFile(path);
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    const HelpViewer viewer = help().viewer ? help().viewer : gameViewer;
    const BOOL answer = viewer(window, path, command, data);
    SetCursor(previous);
    return answer;
}

int findHelpFile(char* buffer) {
    const std::string path = helpFilePathFor(programPath(), fileExists);
    lstrcpynA(buffer, path.c_str(), MAX_PATH);
    return 1;
}

void requestHelp(HWND window) {
    if (window) PostMessageA(window, windowState().helpMessageId, 0, 0);
}

bool helpPreHandle(HWND window, UINT message, WPARAM wParam, LPARAM, int context, LRESULT* result,
                   bool isDialog) {
    HelpState& state = help();
    const UINT helpMessage = windowState().helpMessageId;
    if (helpMessage != 0 && message == helpMessage) return onHelpMessage(window, wParam, context, result);
    switch (message) {
        case WM_ACTIVATE:
            state.mode = false;
            return false;
        case WM_DESTROY:
            if (window == windowState().mainWindow) openHelp(window, kHelpQuit, 0);
            return false;
        case WM_SETCURSOR:
            return state.mode && onHelpModeCursor(window, result, isDialog);
        case WM_KEYDOWN:
            if (state.mode && wParam == VK_ESCAPE) {
                state.mode = false;
                restoreClassCursor();
            }
            return false;
        case WM_COMMAND:
            return state.mode && onHelpModeCommand(window, result);
        case WM_EXITMENULOOP:
            // A greyed item closes the menu without a command; a chosen one is already queued ahead of this.
            if (state.mode) PostMessageA(window, helpMessage, kLeaveHelpMode, 0);
            return false;
        default:
            return false;
    }
}

bool helpLoopHook(const MSG& message) {
    return onHelpKey(message, false);
}

void installHelpKeyFilter() {
    if (!help().keyFilter)
        help().keyFilter = SetWindowsHookExA(WH_MSGFILTER, helpKeyFilter, nullptr, GetCurrentThreadId());
}

void removeHelpKeyFilter() {
    if (help().keyFilter) UnhookWindowsHookEx(help().keyFilter);
    help().keyFilter = nullptr;
}

bool inHelpMode() {
    return help().mode;
}
