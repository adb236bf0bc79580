// The main screen "CLIENT": the title picture, today's date, the five picture buttons.
#pragma once

#include <windows.h>

// Creates the main screen inside the main window and shows it; nullptr (reported) on failure.
HWND createMainScreen(HWND mainWindow);

// Draws the pending-orders marker, or clears it, and the date line.
void drawDateLine(HWND screen);

// Repaints the title picture, which covers any marker, and the date line.
void drawTitleAndDate(HWND screen);

// Asks before cancelling every pending order, then cancels them all.
void deletePendingTransactions(HWND window);

// The main screen window, once created.
HWND mainScreenWindow();
