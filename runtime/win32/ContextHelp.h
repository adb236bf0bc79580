// Context help: F1 opens the topic of the active window, Shift+F1 a help mode in which the next command
// chosen opens the topic of its window instead of being carried out, and the Help menu's two commands.
#pragma once

#include <windows.h>

// Help viewer commands the game uses.
constexpr UINT kHelpContext = HELP_CONTEXT;    // 1: the topic of a context number
constexpr UINT kHelpQuit = HELP_QUIT;          // 2: close the viewer
constexpr UINT kHelpContents = HELP_INDEX;     // 3: the contents
constexpr UINT kHelpOnHelp = HELP_HELPONHELP;  // 4: how to use help

// Every help request goes through this viewer: the game's own is WinHelpA, and when that fails the help
// web page at the topic's anchor in the default browser. Tests put another in its place to see what was
// asked for; nullptr puts the game's own back.
using HelpViewer = BOOL (*)(HWND window, const char* helpFile, UINT command, ULONG_PTR data);
void setHelpViewer(HelpViewer viewer);

// Opens help with the wait cursor up: the viewer's answer.
BOOL openHelp(HWND window, UINT command, ULONG_PTR data);

// The help file's path: "project.hlp" beside the program when it is there, otherwise the bare name.
int findHelpFile(char* buffer);

// Asks the window to open its help topic.
void requestHelp(HWND window);

// Every window procedure and dialog of the game calls this first with its context number (0 for the
// dispatcher); true when it handled the message, the caller then returning *result at once.
bool helpPreHandle(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int context, LRESULT* result,
                   bool isDialog);

// The main message loop's hook, called for every queued message before it is translated; true when it
// took the key (F1, or Escape in help mode), which then goes no further.
bool helpLoopHook(const MSG& message);

// Sees the keys of the modal loops (dialogs, message boxes, menus) as the loop hook sees the main
// loop's: installed once for the game's thread at start-up, removed at the end.
void installHelpKeyFilter();
void removeHelpKeyFilter();

// Whether help mode is on, for the tests.
bool inHelpMode();
