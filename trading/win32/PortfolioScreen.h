// The portfolio screen (PORTFOLIO): the player's holdings, pending orders and account.
#pragma once

#include <windows.h>

#include "model/GameModel.h"

// Shows the portfolio screen over `owner` until Main Menu, Escape or Close.
void runPortfolioScreen(HWND owner, GameModel& model);
