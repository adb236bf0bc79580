// The portfolio screen (PORTFOLIO): the player's holdings, pending orders and account.
#pragma once

#include <windows.h>

#include "model/GameModel.h"

// The screens the portfolio opens that belong to the views beside it; the shell hands them in.
struct PortfolioLinks {
    void (*shareIndex)(HWND owner, GameModel& model);
    void (*valuation)(HWND owner, GameModel& model);
};

// Shows the portfolio screen over `owner` until Main Menu, Escape or Close.
void runPortfolioScreen(HWND owner, GameModel& model, const PortfolioLinks& links);
