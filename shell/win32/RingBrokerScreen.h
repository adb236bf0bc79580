// The ring-the-broker dialog (PASSWORD): asks how many working days to skip and settles the orders.
#pragma once

#include <windows.h>

#include <optional>

#include "model/GameModel.h"
#include "model/Settlement.h"

// Shows the dialog over `owner`; on Done the market moves on. What settled, or nothing when the player
// cancelled.
std::optional<Settlement> runRingBrokerScreen(HWND owner, GameModel& model);
