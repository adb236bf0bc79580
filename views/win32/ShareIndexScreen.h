// The share index (BUY, "Make Purchase"): all fifty shares, sortable, from which a share is bought.
#pragma once

#include <windows.h>

#include "model/GameModel.h"

// Shows the share index over `owner`; it closes on Cancel or Escape, or by itself once the player has
// accepted a purchase's broker's charge, and then answers true.
bool runShareIndex(HWND owner, GameModel& model);
