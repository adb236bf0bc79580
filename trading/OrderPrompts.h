// The order rules on the game model, with their refusals and the broker's-charge question shown.
#pragma once

#include <windows.h>

#include "trading/OrderRules.h"

// Asks the player to accept the broker's charge on an order worth `value` pounds; true on Yes.
bool confirmBrokerCharge(HWND owner, double value);

// The admission test for gGame.selectedShare; a refusal is shown before it is answered.
Admission admitOrder(HWND owner, OrderKind kind);

// Books a purchase for gGame.selectedShare; a refused admission is shown and nothing is booked.
PurchaseBooking bookPurchase(HWND owner, int32_t quantity);
