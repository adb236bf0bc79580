// The one dialog skeleton every screen is built on: a screen is its template, its font table and the
// handlers it needs; the skeleton runs the pre-filter, keeps the screen's state, applies and releases
// the fonts, hands menu commands to the dispatcher and ends the dialog on Cancel.
#pragma once

#include <windows.h>

#include <span>

#include "runtime/Layout.h"
#include "runtime/win32/BitmapDisplay.h"
#include "runtime/win32/ControlFonts.h"

// The handlers a screen has. Init and command are always there; the rest only where the screen
// draws, colours, tracks the mouse or the keyboard, or reacts to activation.
struct ScreenHandlers {
    // After the fonts are applied and the dialog is laid out; TRUE lets the dialog manager set the focus.
    BOOL (*init)(HWND dialog) = nullptr;
    // True when the screen took the command; an untaken Cancel, OK or "&Cancel" ends the dialog.
    bool (*command)(HWND dialog, int id, UINT notification) = nullptr;
    void (*paint)(HWND dialog, const PAINTSTRUCT& paint) = nullptr;
    void (*drawItem)(HWND dialog, const DRAWITEMSTRUCT& item) = nullptr;
    // WM_CTLCOLOR*: a brush, or nullptr for the control's normal colours.
    HBRUSH (*colour)(HWND dialog, HDC dc, HWND control, UINT message) = nullptr;
    // Mouse buttons and keys that reach the dialog itself; true when taken.
    bool (*mouse)(HWND dialog, UINT message, POINT at) = nullptr;
    bool (*key)(HWND dialog, UINT virtualKey) = nullptr;
    void (*activate)(HWND dialog, bool active) = nullptr;
    void (*destroy)(HWND dialog) = nullptr;
    // WM_SIZE: a screen that stretches a picture over its client area repaints all of it.
    void (*resize)(HWND dialog) = nullptr;
};

enum class ScreenPlacement {
    Centred,     // laid out in classic units and centred on the screen
    AsLaidOut,   // laid out in classic units where the template puts it
    AsTemplate,  // left exactly as the template and its fonts make it
    // A page the size of its picture, laid out in classic units and shown whole over the main window's
    // client area; where that is smaller than the page, the page, its controls and its fonts shrink alike
    // (pageScaleOf in runtime/win32/DialogHost.h answers by how much).
    OverMainWindow,
};

struct ScreenTemplate {
    const char* name;  // the dialog template
    int kind;          // answered to the toolbar query: kOrdinaryDialog, or kClientDialog when hosted
    int helpNumber;    // the screen's help context
    std::span<const FontSpec> fonts = {};
    ScreenHandlers handlers;
    ScreenPlacement placement = ScreenPlacement::Centred;
    // The pictures it paints, checked as it opens: painting draws a missing one as nothing, silently.
    std::span<const ScreenPicture> pictures = {};
    std::span<const PictureButton> pictureButtons = {};
};

// Shows the screen as a modal dialog owned by `owner` with `state` as its state; answers the value
// EndDialog was given, or -1 (reported with string 4001 and the template name) when it cannot open.
INT_PTR runModalScreen(HWND owner, const ScreenTemplate& screen, void* state = nullptr);

// Creates the screen as a child dialog hosted in the main window (kind kClientDialog).
HWND createHostedScreen(HWND mainWindow, const ScreenTemplate& screen, void* state = nullptr);

// The state the screen was shown with; valid from its init handler until it is destroyed.
void* screenStateOf(HWND dialog);
template <class State>
State& screenState(HWND dialog) {
    return *static_cast<State*>(screenStateOf(dialog));
}

// Menu and accelerator commands that reach a screen from no control of its own go to the game's
// dispatcher, which start-up registers here; it answers true when it handled the command.
using CommandDispatcher = bool (*)(HWND window, int command);
void setCommandDispatcher(CommandDispatcher registered);
bool dispatchGameCommand(HWND window, int command);

// The filter every dialog of the game passes each message to first: it answers the toolbar query with
// the window's kind, then lets context help see the message with the dialog's help number. 1 when it consumed
// the message, the handler then returning *result.
int dialogPreFilter(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, int kindCode, int helpNumber,
                    LRESULT* result);
