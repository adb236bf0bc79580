// The order rules on the game model, with their refusals and the broker's-charge question shown.
#pragma once

#include <windows.h>

#include "trading/OrderRules.h"

// Asks the player to accept the broker's charge on an order worth `value` pounds; true on Yes.
bool confirmBrokerCharge(HWND owner, const GameModel& model, double value);

// The admission test for model.selectedShare; a refusal is shown before it is answered.
Admission admitOrder(HWND owner, GameModel& model, OrderKind kind);

// Books a purchase for model.selectedShare; a refused admission is shown and nothing is booked.
PurchaseBooking bookPurchase(HWND owner, GameModel& model, int32_t quantity);
