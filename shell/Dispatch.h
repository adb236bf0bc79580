// The command dispatcher and the pre-filter every dialog handler calls first.
#pragma once

#include <windows.h>

// Opens the screen of a menu command; 1 when the command was handled, else 0.
int dispatchCommand(HWND window, UINT message, WPARAM commandWord, LPARAM control);

// A dialog's command that came from no control of it (a menu or accelerator command) goes to the
// dispatcher before the dialog looks at it; true when the dispatcher handled it.
bool dispatchCommandFromNoControl(HWND dialog, int id, HWND control, UINT notification);

// 1 when the message was consumed, the handler then returning *result.
int dialogPreFilter(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, int kindCode, int helpNumber,
                    LRESULT* result);

// Asks the window to open its help topic.
void requestHelp(HWND window);

// Fills buffer (at least MAX_PATH characters) with the help file's path; returns 1.
int findHelpFile(char* buffer);

// Asks whether to quit and, on Yes, posts the quit message.
void confirmQuit(HWND window);
