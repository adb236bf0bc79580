// The order rules on the game model, with their refusals and the broker's-charge question shown.
#pragma once

#include <windows.h>

#include "trading/OrderRules.h"

// Asks the player to accept the broker's charge on an order worth `value` pounds; true on Yes.
bool confirmBrokerCharge(HWND owner, const GameModel& model, double value);

// The admission test for share `shareNumber`; a refusal is shown before it is answered.
Admission admitOrder(HWND owner, const GameModel& model, int shareNumber, OrderKind kind);

// Books a purchase of share `shareNumber`; a refused admission is shown and nothing is booked.
PurchaseBooking bookPurchase(HWND owner, GameModel& model, int shareNumber, int32_t quantity);
