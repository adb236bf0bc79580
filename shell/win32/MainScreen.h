// The main screen "CLIENT": the title picture, today's date, the day's movers, the five picture buttons.
#pragma once

#include <windows.h>

#include <vector>

#include "views/Ticker.h"

// Creates the main screen inside the main window and shows it; nullptr (reported) on failure.
HWND createMainScreen(HWND mainWindow);

// Asks the main screen to repaint its date line, pending-orders marker and ticker from the model.
void refreshMainScreen();

// The ticker's items as the main screen lays them out from the model now, measured in its font.
std::vector<TickerItem> mainScreenTicker();

// Asks before cancelling every pending order, then cancels them all.
void deletePendingTransactions(HWND window);

// The main screen window, once created.
HWND mainScreenWindow();
