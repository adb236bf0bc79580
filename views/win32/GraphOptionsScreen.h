// The graph's display options (GRAPHOPTIONS): thick lines, automatic scale, background picture and
// grid lines, switched on or off for the rest of the run.
#pragma once

#include <windows.h>

#include "model/GameModel.h"

// Shows the options over `owner` with the model's four flags checked; "&Ok" stores the boxes in the
// flags, "&Cancel" and Escape leave them. True when a flag changed.
bool runGraphOptionsScreen(HWND owner, GameModel& model);
