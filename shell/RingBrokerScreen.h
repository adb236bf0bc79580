// The ring-the-broker dialog (PASSWORD): asks how many working days to skip and settles the orders.
#pragma once

#include <windows.h>

// Shows the dialog modally over `owner`; on Done the market moves on and the main screen's date line
// shows the new day.
void showRingTheBrokerDialog(HWND owner);
