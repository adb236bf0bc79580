// The dialog skeleton shared by every screen, and the pre-filter it runs first.
#include "runtime/win32/Screen.h"

#include <windowsx.h>

#include <utility>
#include <vector>

#include "resources/resource.h"
#include "runtime/win32/ClassicUnits.h"
#include "runtime/win32/ContextHelp.h"
#include "runtime/win32/DialogHost.h"
#include "runtime/win32/GdiHandles.h"
#include "runtime/win32/ThreeDButtons.h"
#include "runtime/win32/WindowState.h"

using screen_skeleton::BoundHandlers;
using screen_skeleton::BoundScreen;

namespace {
// What DWLP_USER points at while the screen is open; it lives as long as the dialog.
struct OpenScreen {
    BoundScreen screen;
    // Hosted in the main window rather than modal: it lasts as long as the game, never ends on Cancel,
    // answers the toolbar query as the client, and its record is the skeleton's to delete.
    bool hosted;
};

CommandDispatcher& dispatcher() {
    static CommandDispatcher registered = nullptr;
    return registered;
}

OpenScreen* openScreenOf(HWND dialog) {
    return reinterpret_cast<OpenScreen*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

// A shrunk page's texts shrink with the places they stand in.
std::vector<FontSpec> scaledFonts(std::span<const FontSpec> fonts, const Scale& scale) {
    std::vector<FontSpec> scaled(fonts.begin(), fonts.end());
    for (FontSpec& font : scaled) font.height = scale.of(font.height);
    return scaled;
}

BOOL OnInitDialog(HWND dialog, HWND, LPARAM parameter) {
    SetWindowLongPtrA(dialog, DWLP_USER, parameter);
    const OpenScreen& open = *reinterpret_cast<OpenScreen*>(parameter);
    const BoundScreen& screen = open.screen;
    if (!open.hosted) giveGameIcon(dialog);
    // A player who moves by keyboard sees where the focus is from the start.
    SendMessageA(dialog, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
    if (screen.placement != ScreenPlacement::AsTemplate) layOutInClassicUnits(dialog);
    if (screen.placement == ScreenPlacement::Centred) centreWindow(dialog);
    const Scale scale =
        screen.placement == ScreenPlacement::OverMainWindow ? showWholeOverMainWindow(dialog) : Scale{};
    reportMissingPictures(screen.pictures);
    reportMissingPictures(screen.pictureButtons);
    const std::vector<FontSpec> fonts = scaledFonts(screen.fonts, scale);
    applyFonts(dialog, fonts.data(), fonts.size());
    return screen.handlers.init ? screen.handlers.init(dialog) : TRUE;
}

bool endsTheScreen(const OpenScreen& open, int id) {
    return !open.hosted && (id == IDOK || id == IDCANCEL || id == IDC_CANCEL_BUTTON);
}

void OnCommand(HWND dialog, int id, HWND control, UINT notification) {
    // A menu or accelerator command is the dispatcher's before it is this screen's.
    if (!control && !GetDlgItem(dialog, id) && dispatchGameCommand(dialog, id)) return;
    const OpenScreen& open = *openScreenOf(dialog);
    const BoundHandlers& handlers = open.screen.handlers;
    if (handlers.command && handlers.command(dialog, id, notification)) return;
    if (endsTheScreen(open, id)) EndDialog(dialog, id);
}

void OnPaint(HWND dialog, const BoundHandlers& handlers) {
    PaintDc paint(dialog);
    handlers.paint(dialog, paint.paint());
}

void OnDestroy(HWND dialog) {
    OpenScreen* open = openScreenOf(dialog);
    if (open->screen.handlers.destroy) open->screen.handlers.destroy(dialog);
    releaseDialogFonts(dialog);
    forgetPageScale(dialog);
    if (!open->hosted) return;
    removeModelessDialog(dialog);
    SetWindowLongPtrA(dialog, DWLP_USER, 0);
    delete open;  // a hosted screen's record was made for it by createHostedScreen
}

bool isColourMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

bool isMouseButtonMessage(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_RBUTTONDOWN ||
           message == WM_LBUTTONDBLCLK || message == WM_MBUTTONDOWN;
}

// The messages of the handlers a screen may lack; FALSE leaves a message to the dialog manager.
INT_PTR optionalHandler(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const BoundHandlers& handlers = openScreenOf(dialog)->screen.handlers;
    if (message == WM_PAINT && handlers.paint) {
        OnPaint(dialog, handlers);
        return TRUE;
    }
    if (message == WM_DRAWITEM) {
        // The screen draws its own special controls first; marker buttons are the runtime's.
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (handlers.drawItem) handlers.drawItem(dialog, item);
        const bool drawn = handleThreeDButtonDraw(dialog, item) != 0 || handlers.drawItem;
        if (drawn) return SetDlgMsgResult(dialog, message, TRUE);
    }
    if (isColourMessage(message) && handlers.colour) {
        HBRUSH brush =
            handlers.colour(dialog, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message);
        return reinterpret_cast<INT_PTR>(brush);
    }
    if (isMouseButtonMessage(message) && handlers.mouse) {
        const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        return handlers.mouse(dialog, message, at) ? TRUE : FALSE;
    }
    if (message == WM_KEYDOWN && handlers.key) return handlers.key(dialog, static_cast<UINT>(wParam));
    if (message == WM_SIZE && handlers.resize) handlers.resize(dialog);
    if (message == WM_ACTIVATE && handlers.activate) handlers.activate(dialog, LOWORD(wParam) != WA_INACTIVE);
    return FALSE;  // the dialog manager still saves and restores the focus on activation
}

// Every message goes here first: the toolbar query is answered with the screen's kind, which follows from
// how it was opened, and context help sees the rest with the screen's help number. True when it took the
// message, the dialog then returning *result.
bool preFilter(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, const OpenScreen& open,
               LRESULT* result) {
    const UINT toolbarQuery = windowState().toolbarMessageId;
    if (toolbarQuery != 0 && message == toolbarQuery) {
        if (lParam) *reinterpret_cast<int*>(lParam) = open.hosted ? kClientDialog : kOrdinaryDialog;
        *result = 1;
        return true;
    }
    return helpPreHandle(dialog, message, wParam, lParam, open.screen.helpNumber, result, true);
}

INT_PTR CALLBACK ScreenProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    OpenScreen* open =
        message == WM_INITDIALOG ? reinterpret_cast<OpenScreen*>(lParam) : openScreenOf(dialog);
    // WM_SETFONT and the like come before WM_INITDIALOG has stored the screen.
    if (!open) return FALSE;
    LRESULT result = 0;
    if (preFilter(dialog, message, wParam, lParam, *open, &result))
        return SetDlgMsgResult(dialog, message, result);
    switch (message) {
        DLG_MSG(dialog, WM_INITDIALOG, OnInitDialog);
        DLG_MSG(dialog, WM_COMMAND, OnCommand);
        case WM_DESTROY:
            OnDestroy(dialog);
            return FALSE;
        default:
            return optionalHandler(dialog, message, wParam, lParam);
    }
}
}  // namespace

INT_PTR screen_skeleton::runModal(HWND owner, BoundScreen screen) {
    OpenScreen open{std::move(screen), false};
    HWND focus = GetFocus();
    const INT_PTR result =
        showModalDialog(owner, open.screen.name, ScreenProc, reinterpret_cast<LPARAM>(&open));
    // A window manager may hand the activation elsewhere when a screen closes straight after a message
    // box: the player's keys go back to the screen that opened this one.
    giveBackKeyboard(owner, focus);
    return result;
}

HWND screen_skeleton::createHosted(HWND mainWindow, BoundScreen screen) {
    // A hosted screen outlives this call: its record lives until the screen is destroyed.
    auto* open = new OpenScreen{std::move(screen), true};
    HWND dialog = createChildDialog(open->screen.name, mainWindow, WM_CREATE, ScreenProc, kClientDialog,
                                    false, reinterpret_cast<LPARAM>(open));
    if (!dialog) {
        delete open;
        return nullptr;
    }
    addModelessDialog(dialog, ScreenProc);
    return dialog;
}

void setCommandDispatcher(CommandDispatcher registered) {
    dispatcher() = registered;
}

bool dispatchGameCommand(HWND window, int command) {
    return dispatcher() && dispatcher()(window, command);
}
