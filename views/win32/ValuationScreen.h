// The portfolio valuation (EQUITY, "Portfolio Valuation"): every holding with shares, its cost and
// today's value, the account totals, and the price graph of each listed holding.
#pragma once

#include <windows.h>

#include "model/GameModel.h"
#include "views/win32/GraphScreen.h"

// Shows the valuation over `owner` until Exit, Enter, Escape or Close. It recomputes portfolioValue;
// "&Graph" charts the selected holding and can step through the others, and buys through `buy`.
void runValuationScreen(HWND owner, GameModel& model, BuyRequest buy);
