// Turning menu commands into screens.
#pragma once

#include <windows.h>

#include "model/GameModel.h"

// Opens the screen of a menu command; 1 when the command was handled, else 0.
int dispatchCommand(HWND window, UINT message, WPARAM commandWord, LPARAM control);

// The same for a command id alone, as the screens' skeleton hands them over; true when handled.
bool dispatchCommand(HWND window, int command);

// The portfolio as the menu opens it, with its ways into the share index and the valuation.
void openPortfolio(HWND owner, GameModel& model);

// Asks whether to quit and, on Yes, posts the quit message.
void confirmQuit(HWND window);
