// The broker's charge, the money tests, and the admission, booking and cancelling of pending orders.
#pragma once

#include <cstdint>
#include <string>

#include "model/GameModel.h"

enum class OrderKind { Purchase, Sale };

enum class Refusal {
    None,
    PendingOrderExists,  // the share already has an order waiting for the broker
    PortfolioFull,       // a new share, and all ten holdings are in use
};

// The outcome of an admission test. A refusal carries the message box text and caption the caller
// shows (OK button, question-mark icon); an admission carries empty texts.
struct Admission {
    Refusal refusal = Refusal::None;
    std::string text;
    std::string caption;

    bool admitted() const { return refusal == Refusal::None; }
};

// What bookPurchase did: the admission, and the holding that took the order (-1 when none did).
struct PurchaseBooking {
    Admission admission;
    int holding = -1;

    bool booked() const { return holding >= 0; }
};

// The broker's charge on an order worth `value` pounds: value * commissionRate + commissionFlatFee.
double commissionFor(const GameModel& model, double value);

// The largest order value whose value plus commission the pending balance covers.
double spendableAmount(const GameModel& model);

// True when the pending balance covers a purchase worth `value` pounds and its commission.
bool canAffordPurchase(const GameModel& model, double value);

// True unless a sale worth `value` pounds is refused for want of funds (a pending balance so far below
// the flat fee that even the proceeds do not lift the spendable amount to zero).
bool canFundSale(const GameModel& model, double value);

// Whole shares of `shareNumber` that the spendable amount buys; 0 for a share without a price, an
// unknown share or nothing to spend. At most INT32_MAX.
int32_t largestAffordableQuantity(const GameModel& model, int shareNumber);

// The question that quotes the broker's charge on an order worth `value` pounds.
std::string brokerChargeMessage(const GameModel& model, double value);

// Allows one pending order per share and at most ten holdings, for model.selectedShare. Sets
// model.orderRefused and changes nothing else.
Admission admitOrder(GameModel& model, OrderKind kind);

// Books a purchase of `quantity` shares of model.selectedShare at today's price, after admitOrder for a
// purchase. A refused admission, a quantity below 1 or an unknown share books nothing.
PurchaseBooking bookPurchase(GameModel& model, int32_t quantity);

// Books a sale of `quantity` shares from the holding of model.selectedShare; the caller has admitted
// it. Answers false and books nothing when there is no such holding, it already has a pending order,
// or the quantity is below 1 or above the shares held.
bool bookSale(GameModel& model, int32_t quantity);

// Gives back what booking the holding's pending order took and clears the order; a holding that the
// order opened becomes empty. Callers compact the holdings afterwards.
void cancelOrder(GameModel& model, int holding);
