// The share index (BUY, "Make Purchase"): all fifty shares, sortable, from which a share is bought.
#pragma once

#include <windows.h>

// Shows the share index modally over `owner`; it closes on Cancel, Escape, or by itself after a
// confirmed purchase.
void showShareIndex(HWND owner);
