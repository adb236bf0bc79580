// Hosting of child dialogs inside the main window, the modal show pattern and window placement.
#include "runtime/win32/DialogHost.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "resources/resource.h"
#include "runtime/win32/MessageBoxes.h"
#include "runtime/win32/WindowState.h"

namespace {
struct ModelessDialog {
    HWND dialog;
    DLGPROC procedure;
};

std::vector<ModelessDialog>& modelessDialogs() {
    static std::vector<ModelessDialog> dialogs;
    return dialogs;
}

Rect rectOf(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}
Size sizeOf(const RECT& r) {
    return {r.right - r.left, r.bottom - r.top};
}

std::vector<HWND> childrenOf(HWND frame) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(frame, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

HWND firstChildOfKind(HWND frame, int kind) {
    for (HWND child : childrenOf(frame))
        if (windowKindOf(child) == kind) return child;
    return nullptr;
}

// The outermost enclosing window that is not itself a runtime window.
HWND hostFor(HWND window) {
    while (window && windowKindOf(window) != kNotRuntimeWindow) window = GetParent(window);
    return window;
}

// A private copy of the dialog template, restyled to be a child of the given kind.
std::vector<BYTE> hostedTemplate(const char* templateName, int kind) {
    HINSTANCE instance = windowState().appInstance;
    HRSRC resource = FindResourceA(instance, templateName, MAKEINTRESOURCEA(5));  // RT_DIALOG
    HGLOBAL loaded = resource ? LoadResource(instance, resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = resource ? SizeofResource(instance, resource) : 0;
    if (!bytes || size < sizeof(DLGTEMPLATE)) return {};
    std::vector<BYTE> copy(static_cast<const BYTE*>(bytes), static_cast<const BYTE*>(bytes) + size);
    // An extended template starts with version 1 and signature 0xFFFF, and keeps its style further in.
    WORD version[2];
    std::memcpy(version, copy.data(), sizeof version);
    const std::size_t styleAt = version[0] == 1 && version[1] == 0xFFFF ? 12 : 0;
    DWORD style;
    std::memcpy(&style, copy.data() + styleAt, sizeof style);
    style = hostedChildStyle(style, kind);
    std::memcpy(copy.data() + styleAt, &style, sizeof style);
    return copy;
}

std::string programFileName() {
    char path[MAX_PATH] = "";
    const std::string full(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return full.substr(full.find_last_of("\\/") + 1);
}

// Wine's setting, read as its X11 driver reads it: the program's own entry first, then the prefix's.
bool wineSetting(const std::string& section, const char* name, char* value, DWORD size) {
    for (const std::string& key : {"Software\\Wine\\AppDefaults\\" + programFileName() + "\\" + section,
                                   "Software\\Wine\\" + section}) {
        DWORD read = size;
        if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &read) ==
            ERROR_SUCCESS)
            return true;
    }
    return false;
}

// Whether a window manager frames and focuses the game's windows: so under Wine's X11 driver unless its
// "Managed" setting says no (a value starting y, t or 1 says yes; without one it is yes) or Wine draws
// a desktop of its own. Windows itself never needs the wait below.
bool framedByWindowManager() {
    static const bool framed = [] {
        HMODULE ntdll = GetModuleHandleA("ntdll.dll");
        if (!ntdll || !GetProcAddress(ntdll, "wine_get_version")) return false;
        char value[MAX_PATH] = "";
        if (wineSetting("Explorer", "Desktop", value, sizeof value) && value[0] != '\0') return false;
        value[0] = '\0';
        return !wineSetting("X11 Driver", "Managed", value, sizeof value) ||
               (value[0] != '\0' && std::strchr("yYtT1", value[0]) != nullptr);
    }();
    return framed;
}

// The window that a window manager's hand-back is awaited for, and when the last offer reached it.
struct HandBack {
    HWND window = nullptr;
    bool offered = false;
    DWORD lastOfferAt = 0;
};

HandBack& handBack() {
    static HandBack awaited;
    return awaited;
}

// Wine answers the window manager's offer of the focus (WM_TAKE_FOCUS) by asking the window whether a
// click on it would activate it; that question is the sign that an offer has arrived.
LRESULT CALLBACK watchForHandBack(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_MOUSEACTIVATE && sent->hwnd == handBack().window) {
        handBack().offered = true;
        handBack().lastOfferAt = GetTickCount();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// When a box or screen closes, the window manager offers the focus to the window beneath it with a
// message that Wine takes in only while this thread looks at its queue. Should the caller close that
// window too before then, the offer finds it gone, the manager does not offer again, and no window has
// the keyboard. So the queue is looked at (nothing taken from it) until the offer has reached `root`.
// openbox makes a second offer when it has finished with the closed window's frame, and only that one
// sticks; the wait lasts until a tenth of a second has passed without a new offer, a second at most.
void letWindowManagerHandBack(HWND root) {
    constexpr DWORD kHandBackLimitMs = 1000;
    constexpr DWORD kSettledAfterMs = 100;
    constexpr DWORD kLookEveryMs = 10;
    if (!framedByWindowManager()) return;
    handBack() = {root, false, 0};
    HHOOK watch = SetWindowsHookExA(WH_CALLWNDPROC, watchForHandBack, nullptr, GetCurrentThreadId());
    const DWORD start = GetTickCount();
    MSG ignored;
    for (;;) {
        // Asking for sent messages only finds nothing posted, so Wine goes on to read the display's events.
        PeekMessageA(&ignored, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        const DWORD now = GetTickCount();
        if (handBack().offered && now - handBack().lastOfferAt >= kSettledAfterMs) break;
        if (now - start >= kHandBackLimitMs) break;
        Sleep(kLookEveryMs);
    }
    if (watch) UnhookWindowsHookEx(watch);
    handBack() = {};
}

void resizeFrame(HWND frame, int width, int height) {
    if (GetWindowLongA(frame, GWL_STYLE) & WS_CHILD) {
        SetWindowPos(frame, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    RECT r;
    GetWindowRect(frame, &r);
    moveWindowOnScreen(frame, r.left, r.top, width, height, true);
}

void postSizeMessage(HWND frame) {
    RECT client;
    GetClientRect(frame, &client);
    PostMessageA(frame, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}
}  // namespace

int windowKindOf(HWND window) {
    int kind = kNotRuntimeWindow;
    const UINT query = windowState().toolbarMessageId;
    if (window && query) SendMessageA(window, query, 0, reinterpret_cast<LPARAM>(&kind));
    return kind;
}

INT_PTR showModalDialog(HWND parent, const char* templateName, DLGPROC procedure, LPARAM parameter) {
    const INT_PTR result =
        DialogBoxParamA(windowState().appInstance, templateName, parent, procedure, parameter);
    if (result == -1) reportError(parent, IDS_ERR_DIALOG, templateName, MB_ICONHAND);
    return result;
}

HWND createChildDialog(const char* templateName, HWND parent, UINT originatingMessage, DLGPROC procedure,
                       int kind, bool useMainWindow, LPARAM parameter) {
    HWND host = hostFor(useMainWindow ? windowState().mainWindow : parent);
    if (!host || !IsWindow(host) || kind < kTopBar || kind > kClientDialog) return nullptr;
    if (HWND previous = firstChildOfKind(host, kind)) DestroyWindow(previous);

    const std::vector<BYTE> copy = hostedTemplate(templateName, kind);
    if (copy.empty()) return nullptr;
    HWND dialog = CreateDialogIndirectParamA(windowState().appInstance,
                                             reinterpret_cast<const DLGTEMPLATE*>(copy.data()), host,
                                             procedure, parameter);
    if (!dialog) return nullptr;
    if (kind == kClientDialog) {
        fitFrameToClient(host, dialog);
        SetFocus(dialog);
    } else if (originatingMessage == WM_COMMAND) {
        if (HWND client = firstChildOfKind(host, kClientDialog)) fitFrameToClient(host, client);
        postSizeMessage(host);
    }
    return dialog;
}

int addModelessDialog(HWND dialog, DLGPROC procedure) {
    modelessDialogs().push_back({dialog, procedure});
    return 1;
}

int removeModelessDialog(HWND dialog) {
    auto& dialogs = modelessDialogs();
    const auto found =
        std::find_if(dialogs.begin(), dialogs.end(), [&](const auto& d) { return d.dialog == dialog; });
    if (found == dialogs.end()) return 0;
    dialogs.erase(found);
    if (dialogs.empty()) std::vector<ModelessDialog>().swap(dialogs);  // the last one gone: free the list
    if (HWND parent = GetParent(dialog)) postSizeMessage(parent);
    return 1;
}

int dispatchToModelessDialogs(MSG* message) {
    for (const ModelessDialog& entry : modelessDialogs())
        if (IsWindow(entry.dialog) && IsDialogMessageA(entry.dialog, message)) return 1;
    return 0;
}

BarSizes barSizesOf(HWND frame) {
    BarSizes bars;
    for (HWND child : childrenOf(frame)) {
        RECT r;
        GetWindowRect(child, &r);
        switch (windowKindOf(child)) {
            case kTopBar:
                bars.top = r.bottom - r.top;
                break;
            case kBottomBar:
                bars.bottom = r.bottom - r.top;
                break;
            case kLeftBar:
                bars.left = r.right - r.left;
                break;
            case kRightBar:
                bars.right = r.right - r.left;
                break;
            default:
                break;
        }
    }
    return bars;
}

void fitFrameToClient(HWND frame, HWND client) {
    const BarSizes bars = barSizesOf(frame);
    RECT frameClient, frameWindow, dialog;
    GetClientRect(frame, &frameClient);
    GetWindowRect(frame, &frameWindow);
    GetWindowRect(client, &dialog);
    const Size fitted = frameSizeForClient(sizeOf(frameWindow), sizeOf(frameClient), sizeOf(dialog), bars);
    resizeFrame(frame, fitted.width, fitted.height);
    SetWindowPos(client, nullptr, bars.left, bars.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    // A menu bar that now wraps onto two lines takes height from the client area: grow by the shortfall.
    GetClientRect(frame, &frameClient);
    const int shortfall = bars.top + bars.bottom + (dialog.bottom - dialog.top) - frameClient.bottom;
    if (shortfall > 0) resizeFrame(frame, fitted.width, fitted.height + shortfall);
}

int layOutFrame(HWND frame, int sizeType, int width, int height, bool fullWidth) {
    if (sizeType != SIZE_RESTORED && sizeType != SIZE_MAXIMIZED) return 0;
    const BarSizes bars = barSizesOf(frame);
    for (HWND child : childrenOf(frame)) {
        const int kind = windowKindOf(child);
        if (kind < kTopBar || kind > kClientDialog) continue;
        RECT r;
        GetWindowRect(child, &r);
        const Rect place = layoutRectFor(kind, width, height, bars, sizeOf(r), fullWidth);
        MoveWindow(child, place.left, place.top, place.width(), place.height(), TRUE);
        if (kind != kClientDialog) InvalidateRect(child, nullptr, TRUE);
    }
    return 1;
}

void focusClientDialog(HWND frame) {
    if (HWND client = firstChildOfKind(frame, kClientDialog)) SetFocus(client);
}

void focusBars(HWND frame) {
    HWND active = GetActiveWindow();
    if (active != frame && active != windowState().mainWindow) return;
    for (HWND child : childrenOf(frame)) {
        const int kind = windowKindOf(child);
        if (kind >= kTopBar && kind <= kClientDialog) SetFocus(child);
    }
}

void giveBackKeyboard(HWND window, HWND focus) {
    if (!window || !IsWindow(window)) return;
    HWND root = GetAncestor(window, GA_ROOT);
    letWindowManagerHandBack(root);
    SetForegroundWindow(root);
    if (focus && IsWindow(focus) && GetAncestor(focus, GA_ROOT) == root) SetFocus(focus);
}

void centreWindow(HWND window) {
    RECT r;
    if (!GetWindowRect(window, &r)) return;
    const WindowState& shell = windowState();
    const Point origin = centredOrigin(shell.screenWidth, shell.screenHeight, rectOf(r));
    MoveWindow(window, origin.x, origin.y, r.right - r.left, r.bottom - r.top, TRUE);
}

namespace {
constexpr const char* kPageScaleProperty = "TDPAGESCALE";

// The main window's client area on the screen, as much of it as the screen shows; the whole screen
// while there is no main window or nothing of its client area shows.
Rect pageArea() {
    const WindowState& shell = windowState();
    const RECT screen = {0, 0, shell.screenWidth, shell.screenHeight};
    RECT client, shown;
    if (!shell.mainWindow || !GetClientRect(shell.mainWindow, &client)) return rectOf(screen);
    MapWindowPoints(shell.mainWindow, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    return rectOf(IntersectRect(&shown, &screen, &client) ? shown : screen);
}

// Moves and sizes the page's controls by the scale, and keeps the scale on the page for its drawing.
void shrinkControls(HWND page, const Scale& scale) {
    for (HWND child : childrenOf(page)) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(HWND_DESKTOP, page, reinterpret_cast<POINT*>(&r), 2);
        MoveWindow(child, scale.of(r.left), scale.of(r.top), scale.of(r.right - r.left),
                   scale.of(r.bottom - r.top), FALSE);
    }
    const auto packed = static_cast<INT_PTR>(MAKELONG(scale.numerator, scale.denominator));
    SetPropA(page, kPageScaleProperty, reinterpret_cast<HANDLE>(packed));
}
}  // namespace

Scale showWholeOverMainWindow(HWND page) {
    RECT client, outer;
    if (!GetClientRect(page, &client) || !GetWindowRect(page, &outer)) return {};
    const Size frame{(outer.right - outer.left) - client.right, (outer.bottom - outer.top) - client.bottom};
    const PageFit fit = fitPage(pageArea(), {client.right, client.bottom}, frame);
    if (!fit.scale.isOne()) shrinkControls(page, fit.scale);
    MoveWindow(page, fit.window.left, fit.window.top, fit.window.width(), fit.window.height(), TRUE);
    return fit.scale;
}

Scale pageScaleOf(HWND page) {
    const auto packed = static_cast<DWORD>(reinterpret_cast<INT_PTR>(GetPropA(page, kPageScaleProperty)));
    if (!packed) return {};
    return {LOWORD(packed), HIWORD(packed)};
}

void forgetPageScale(HWND page) {
    RemovePropA(page, kPageScaleProperty);
}

void moveWindowOnScreen(HWND window, int x, int y, int width, int height, bool repaint) {
    const WindowState& shell = windowState();
    const Point place = keptOnScreen(shell.screenWidth, shell.screenHeight, x, y, width, height);
    MoveWindow(window, place.x, place.y, width, height, repaint);
}
