// The one dialog skeleton every screen is built on: a screen is its template, its font table and the
// handlers it needs; the skeleton runs the pre-filter, hands each handler the screen's own state, applies
// and releases the fonts, hands menu commands to the dispatcher and ends a modal screen on Cancel.
#pragma once

#include <windows.h>

#include <functional>
#include <span>

#include "runtime/Layout.h"
#include "runtime/win32/BitmapDisplay.h"
#include "runtime/win32/ControlFonts.h"

// A handler is given the dialog, then the screen's state (none when State is void), then the details
// of its message: ScreenHandler<State, bool(int id)> is bool (*)(HWND, State&, int).
template <class State, class Signature>
struct ScreenHandlerOf;
template <class State, class Result, class... Details>
struct ScreenHandlerOf<State, Result(Details...)> {
    using Type = Result (*)(HWND, State&, Details...);
};
template <class Result, class... Details>
struct ScreenHandlerOf<void, Result(Details...)> {
    using Type = Result (*)(HWND, Details...);
};
template <class State, class Signature>
using ScreenHandler = typename ScreenHandlerOf<State, Signature>::Type;

// The handlers a screen has. Init and command are always there; the rest only where the screen
// draws, colours, tracks the mouse or the keyboard, or reacts to activation.
template <class State>
struct ScreenHandlers {
    // After the fonts are applied and the dialog is laid out; TRUE lets the dialog manager set the focus.
    ScreenHandler<State, BOOL()> init = nullptr;
    // True when the screen took the command; an untaken Cancel, OK or "&Cancel" ends a modal screen.
    ScreenHandler<State, bool(int id, UINT notification)> command = nullptr;
    ScreenHandler<State, void(const PAINTSTRUCT& paint)> paint = nullptr;
    ScreenHandler<State, void(const DRAWITEMSTRUCT& item)> drawItem = nullptr;
    // WM_CTLCOLOR*: a brush, or nullptr for the control's normal colours.
    ScreenHandler<State, HBRUSH(HDC dc, HWND control, UINT message)> colour = nullptr;
    // Mouse buttons and keys that reach the dialog itself; true when taken.
    ScreenHandler<State, bool(UINT message, POINT at)> mouse = nullptr;
    ScreenHandler<State, bool(UINT virtualKey)> key = nullptr;
    ScreenHandler<State, void(bool active)> activate = nullptr;
    ScreenHandler<State, void()> destroy = nullptr;
    // WM_SIZE: a screen that stretches a picture over its client area repaints all of it.
    ScreenHandler<State, void()> resize = nullptr;
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

// A screen whose handlers are given a State&; ScreenTemplate<> for one that keeps no state.
template <class State = void>
struct ScreenTemplate {
    const char* name;  // the dialog template
    int helpNumber;    // the screen's help context
    std::span<const FontSpec> fonts = {};
    ScreenHandlers<State> handlers;
    ScreenPlacement placement = ScreenPlacement::Centred;
    // The pictures it paints, checked as it opens: painting draws a missing one as nothing, silently.
    std::span<const ScreenPicture> pictures = {};
    std::span<const PictureButton> pictureButtons = {};
};

// Where the skeleton forgets the screen's state type: each handler with its state bound in, so the
// dialog procedure is written once for every screen.
namespace screen_skeleton {
struct BoundHandlers {
    std::function<BOOL(HWND)> init;
    std::function<bool(HWND, int, UINT)> command;
    std::function<void(HWND, const PAINTSTRUCT&)> paint;
    std::function<void(HWND, const DRAWITEMSTRUCT&)> drawItem;
    std::function<HBRUSH(HWND, HDC, HWND, UINT)> colour;
    std::function<bool(HWND, UINT, POINT)> mouse;
    std::function<bool(HWND, UINT)> key;
    std::function<void(HWND, bool)> activate;
    std::function<void(HWND)> destroy;
    std::function<void(HWND)> resize;
};

struct BoundScreen {
    const char* name;
    int helpNumber;
    std::span<const FontSpec> fonts;
    ScreenPlacement placement;
    BoundHandlers handlers;
    std::span<const ScreenPicture> pictures;
    std::span<const PictureButton> pictureButtons;
};

template <class Result, class... Details>
std::function<Result(HWND, Details...)> bound(Result (*handler)(HWND, Details...)) {
    return handler;  // empty when the screen lacks the handler
}

template <class State, class Result, class... Details>
std::function<Result(HWND, Details...)> bound(Result (*handler)(HWND, State&, Details...), State& state) {
    if (!handler) return {};
    return [handler, &state](HWND dialog, Details... details) { return handler(dialog, state, details...); };
}

// Given: the screen's State&, or nothing for a screen without state.
template <class State, class... Given>
BoundScreen bind(const ScreenTemplate<State>& screen, Given&... state) {
    const ScreenHandlers<State>& h = screen.handlers;
    return {screen.name,
            screen.helpNumber,
            screen.fonts,
            screen.placement,
            {bound(h.init, state...), bound(h.command, state...), bound(h.paint, state...),
             bound(h.drawItem, state...), bound(h.colour, state...), bound(h.mouse, state...),
             bound(h.key, state...), bound(h.activate, state...), bound(h.destroy, state...),
             bound(h.resize, state...)},
            screen.pictures,
            screen.pictureButtons};
}

INT_PTR runModal(HWND owner, BoundScreen screen);
HWND createHosted(HWND mainWindow, BoundScreen screen);
}  // namespace screen_skeleton

// Shows the screen as a modal dialog owned by `owner`, its handlers given `state`; answers the value
// EndDialog was given, or -1 (reported with string 4001 and the template name) when it cannot open.
template <class State>
INT_PTR runModalScreen(HWND owner, const ScreenTemplate<State>& screen, State& state) {
    return screen_skeleton::runModal(owner, screen_skeleton::bind(screen, state));
}
inline INT_PTR runModalScreen(HWND owner, const ScreenTemplate<>& screen) {
    return screen_skeleton::runModal(owner, screen_skeleton::bind(screen));
}

// Creates the screen as a child dialog hosted in the main window, for as long as the game runs; the
// state must outlive it.
template <class State>
HWND createHostedScreen(HWND mainWindow, const ScreenTemplate<State>& screen, State& state) {
    return screen_skeleton::createHosted(mainWindow, screen_skeleton::bind(screen, state));
}
inline HWND createHostedScreen(HWND mainWindow, const ScreenTemplate<>& screen) {
    return screen_skeleton::createHosted(mainWindow, screen_skeleton::bind(screen));
}

// Menu and accelerator commands that reach a screen from no control of its own go to the game's
// dispatcher, which start-up registers here; it answers true when it handled the command.
using CommandDispatcher = bool (*)(HWND window, int command);
void setCommandDispatcher(CommandDispatcher registered);
bool dispatchGameCommand(HWND window, int command);
