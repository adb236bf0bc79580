// The price-history graph (GRAPH): one share's closing prices over four years, one year or one month,
// stepping to the previous or next share, the display options and Buy.
#pragma once

#include <windows.h>

#include "model/GameModel.h"

// Shows the graph of model.selectedShare over `owner`, stepping through every share when
// model.graphBrowsePosition is -1, otherwise through model.graphBrowseList. It closes on Exit,
// Escape or Cancel, or by itself once the player has accepted a purchase's broker's charge from its
// Buy, and then answers true. model.selectedShare is left on the share last shown.
bool runGraphScreen(HWND owner, GameModel& model);
