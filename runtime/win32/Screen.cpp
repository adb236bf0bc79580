// The dialog skeleton shared by every screen, and the pre-filter it runs first.
#include "runtime/win32/Screen.h"

#include <windowsx.h>

#include <vector>

#include "resources/resource.h"
#include "runtime/win32/ClassicUnits.h"
#include "runtime/win32/ContextHelp.h"
#include "runtime/win32/DialogHost.h"
#include "runtime/win32/GdiHandles.h"
#include "runtime/win32/ThreeDButtons.h"
#include "runtime/win32/WindowState.h"

namespace {
// What DWLP_USER points at while the screen is open; it lives as long as the dialog.
struct OpenScreen {
    const ScreenTemplate* screen;
    void* state;
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
    const ScreenTemplate& screen = *reinterpret_cast<OpenScreen*>(parameter)->screen;
    if (screen.kind == kOrdinaryDialog) giveGameIcon(dialog);
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

// Only a modal screen ends on Cancel; the hosted main screen lasts as long as the game.
bool endsTheScreen(const ScreenTemplate& screen, int id) {
    return screen.kind == kOrdinaryDialog && (id == IDOK || id == IDCANCEL || id == IDC_CANCEL_BUTTON);
}

void OnCommand(HWND dialog, int id, HWND control, UINT notification) {
    // A menu or accelerator command is the dispatcher's before it is this screen's.
    if (!control && !GetDlgItem(dialog, id) && dispatchGameCommand(dialog, id)) return;
    const ScreenTemplate& screen = *openScreenOf(dialog)->screen;
    if (screen.handlers.command && screen.handlers.command(dialog, id, notification)) return;
    if (endsTheScreen(screen, id)) EndDialog(dialog, id);
}

void OnPaint(HWND dialog, const ScreenHandlers& handlers) {
    PaintDc paint(dialog);
    handlers.paint(dialog, paint.paint());
}

void OnDestroy(HWND dialog) {
    OpenScreen* open = openScreenOf(dialog);
    if (open->screen->handlers.destroy) open->screen->handlers.destroy(dialog);
    releaseDialogFonts(dialog);
    forgetPageScale(dialog);
    if (open->screen->kind != kClientDialog) return;
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
    const ScreenHandlers& handlers = openScreenOf(dialog)->screen->handlers;
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

INT_PTR CALLBACK ScreenProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    OpenScreen* open =
        message == WM_INITDIALOG ? reinterpret_cast<OpenScreen*>(lParam) : openScreenOf(dialog);
    // WM_SETFONT and the like come before WM_INITDIALOG has stored the screen.
    if (!open) return FALSE;
    LRESULT result = 0;
    if (dialogPreFilter(dialog, message, wParam, lParam, open->screen->kind, open->screen->helpNumber,
                        &result))
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

INT_PTR runModalScreen(HWND owner, const ScreenTemplate& screen, void* state) {
    OpenScreen open{&screen, state};
    HWND focus = GetFocus();
    const INT_PTR result = showModalDialog(owner, screen.name, ScreenProc, reinterpret_cast<LPARAM>(&open));
    // A window manager may hand the activation elsewhere when a screen closes straight after a message
    // box: the player's keys go back to the screen that opened this one.
    giveBackKeyboard(owner, focus);
    return result;
}

HWND createHostedScreen(HWND mainWindow, const ScreenTemplate& screen, void* state) {
    // A hosted screen outlives this call: its record lives until the screen is destroyed.
    auto* open = new OpenScreen{&screen, state};
    HWND dialog = createChildDialog(screen.name, mainWindow, WM_CREATE, ScreenProc, kClientDialog, false,
                                    reinterpret_cast<LPARAM>(open));
    if (!dialog) {
        delete open;
        return nullptr;
    }
    addModelessDialog(dialog, ScreenProc);
    return dialog;
}

void* screenStateOf(HWND dialog) {
    const OpenScreen* open = openScreenOf(dialog);
    return open ? open->state : nullptr;
}

void setCommandDispatcher(CommandDispatcher registered) {
    dispatcher() = registered;
}

bool dispatchGameCommand(HWND window, int command) {
    return dispatcher() && dispatcher()(window, command);
}

int dialogPreFilter(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, int kindCode, int helpNumber,
                    LRESULT* result) {
    const UINT toolbarQuery = windowState().toolbarMessageId;
    if (toolbarQuery != 0 && message == toolbarQuery) {
        if (lParam) *reinterpret_cast<int*>(lParam) = kindCode;
        *result = 1;
        return 1;
    }
    return helpPreHandle(dialog, message, wParam, lParam, helpNumber, result, true) ? 1 : 0;
}
