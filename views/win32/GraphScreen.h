// The price-history graph (GRAPH): one share's closing prices over four years, one year or one month,
// stepping to the previous or next share, the display options and Buy.
#pragma once

#include <windows.h>

#include "model/GameModel.h"
#include "views/Graph.h"

// How a screen asks for the purchase of a share: it opens the Buy dialog over `owner` and answers
// true once the player has accepted the broker's charge. The screens that buy are handed it.
using BuyRequest = bool (*)(HWND owner, GameModel& model, int shareNumber);

// Shows the graph of the browse's share over `owner`, Previous and Next stepping through the browse.
// It closes on Exit, Escape or Cancel, or by itself once `buy` has answered true; answers whether it did.
bool runGraphScreen(HWND owner, GameModel& model, const GraphBrowse& browse, BuyRequest buy);
