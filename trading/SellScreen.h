// The Sell dialog (SELLSHARES): sells shares of gGame.selectedShare from gGame.selectedHolding.
#pragma once

#include <windows.h>

// Shows the Sell dialog modally over `owner` for gGame.selectedShare / gGame.selectedHolding.
void showSellDialog(HWND owner);
