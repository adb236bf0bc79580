// The ring-the-broker dialog (PASSWORD): asks how many working days to skip and settles the orders.
#pragma once

#include <windows.h>

#include "model/GameModel.h"

// Shows the dialog over `owner`; on Done the market moves on, the main screen is asked to show the new
// day and the player hears of anything that did not go as asked. True when the market moved on.
bool runRingBrokerScreen(HWND owner, GameModel& model);
