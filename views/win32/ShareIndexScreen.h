// The share index (BUY, "Make Purchase"): all fifty shares, sortable, from which a share is bought.
#pragma once

#include <windows.h>

#include "model/GameModel.h"
#include "views/win32/GraphScreen.h"

// Shows the share index over `owner`; Buy, a double click and the graph's Buy ask `buy` for the
// purchase. It closes on Cancel or Escape, or by itself once `buy` has answered true, and then answers
// true.
bool runShareIndex(HWND owner, GameModel& model, BuyRequest buy);
