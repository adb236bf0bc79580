// The main screen "CLIENT": the title picture, today's date, the five picture buttons.
#pragma once

#include <windows.h>

// Creates the main screen inside the main window and shows it; nullptr (reported) on failure.
HWND createMainScreen(HWND mainWindow);

// Asks the main screen to repaint its date line and pending-orders marker from the model.
void refreshMainScreen();

// Asks before cancelling every pending order, then cancels them all.
void deletePendingTransactions(HWND window);

// The main screen window, once created.
HWND mainScreenWindow();
