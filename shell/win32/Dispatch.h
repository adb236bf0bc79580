// Turning menu commands into screens, and the game's help file.
#pragma once

#include <windows.h>

// Opens the screen of a menu command; 1 when the command was handled, else 0.
int dispatchCommand(HWND window, UINT message, WPARAM commandWord, LPARAM control);

// The same for a command id alone, as the screens' skeleton hands them over; true when handled.
bool dispatchCommand(HWND window, int command);

// Asks the window to open its help topic.
void requestHelp(HWND window);

// Fills buffer (at least MAX_PATH characters) with the help file's path; returns 1.
int findHelpFile(char* buffer);

// Asks whether to quit and, on Yes, posts the quit message.
void confirmQuit(HWND window);
