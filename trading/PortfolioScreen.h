// The portfolio screen (PORTFOLIO): the player's holdings, pending orders and account.
#pragma once

#include <windows.h>

// Shows the portfolio screen modally over `owner` until Main Menu, Escape or Close.
void showPortfolioScreen(HWND owner);
