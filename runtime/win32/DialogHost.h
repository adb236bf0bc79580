// Dialogs of the game: the modal show pattern, the hosted client dialog with its bars, the modeless
// list the message loop serves, focus routing, centring and scroll offsets.
#pragma once

#include <windows.h>

#include "runtime/Layout.h"

// HANDLE_MSG for dialog procedures: the handler's result goes back the way a dialog must return it.
#define DLG_MSG(dlg, msg, fn) \
    case (msg):               \
        return SetDlgMsgResult(dlg, msg, HANDLE_##msg(dlg, wParam, lParam, fn))

// Asks a window which kind of runtime window it is; 0 when it does not answer.
int windowKindOf(HWND window);

// Runs a modal dialog from the template; a dialog that cannot be created is reported with string
// 4001 and the template name, and answers -1.
INT_PTR showModalDialog(HWND parent, const char* templateName, DLGPROC procedure, LPARAM parameter = 0);

// Creates a dialog of kind 1 to 5 from the template inside the nearest enclosing frame, replacing the
// frame's earlier child of that kind. Answers the dialog, or nullptr.
HWND createChildDialog(const char* templateName, HWND parent, UINT originatingMessage, DLGPROC procedure,
                       int kind, bool useMainWindow, LPARAM parameter = 0);

// The modeless dialogs whose keyboard messages the message loop hands over first.
int addModelessDialog(HWND dialog, DLGPROC procedure);
int removeModelessDialog(HWND dialog);
int dispatchToModelessDialogs(MSG* message);

// Frame layout around the hosted client dialog and its bars.
BarSizes barSizesOf(HWND frame);
void fitFrameToClient(HWND frame, HWND client);
int layOutFrame(HWND frame, int sizeType, int width, int height, bool fullWidth);
void focusClientDialog(HWND frame);
void focusBars(HWND frame);

// Gives the keyboard back to `window`'s top-level window and then to `focus` inside it, after a box or
// screen it owned has closed: a window manager may otherwise keep the activation for itself.
void giveBackKeyboard(HWND window, HWND focus);

// Placement on the screen size the shell keeps.
void centreWindow(HWND window);
// Shows a page laid out the size of its picture whole over the main window's client area (over the
// screen while there is none): its own size where that fits, else it and its controls shrink alike.
// Answers the scale, which the page keeps for its drawing until forgetPageScale.
Scale showWholeOverMainWindow(HWND page);
Scale pageScaleOf(HWND page);
void forgetPageScale(HWND page);
void moveWindowOnScreen(HWND window, int x, int y, int width, int height, bool repaint);
