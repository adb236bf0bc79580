// The Sell dialog (SELLSHARES): places a pending sale from one holding.
#pragma once

#include <windows.h>

#include "model/GameModel.h"

// Shows the Sell dialog over `owner` for holding `holding`; it closes after Sell, Sell All or Cancel. True
// when a sale was booked.
bool runSellScreen(HWND owner, GameModel& model, int holding);
