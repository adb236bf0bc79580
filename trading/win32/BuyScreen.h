// The Buy dialog (BUYSHARES): places a pending purchase of one share.
#pragma once

#include <windows.h>

#include "model/GameModel.h"

// Shows the Buy dialog over `owner` for share `shareNumber`; it
// closes after Buy, Buy Max or Cancel. True when the player accepted the broker's charge, whether or
// not the order was then admitted: the screens that opened it close themselves.
bool runBuyScreen(HWND owner, GameModel& model, int shareNumber);
