// The Buy dialog (BUYSHARES): places a buy order for gGame.selectedShare.
#pragma once

#include <windows.h>

// Shows the Buy dialog modally over `owner` for gGame.selectedShare; it closes after Buy, Buy Max or
// Cancel, whatever the outcome.
void showBuyDialog(HWND owner);
