// The broker's charge, the money tests, and the admission, booking and cancelling of pending orders.
#pragma once

#include <cstdint>
#include <string>

#include "model/GameModel.h"
#include "runtime/Notice.h"

enum class OrderKind { Purchase, Sale };

enum class Refusal {
    None,
    PendingOrderExists,  // the share already has an order waiting for the broker
    PortfolioFull,       // a new share, and all ten holdings are in use
    HoldingFull,         // the holding would hold more shares than its count can
    OrderTooLarge,       // the order's value, or the balance after it, is not a finite number
};

constexpr const char* kOrderTooLargeText =
    "The value of this transaction is too large for the account, so it cannot be made";

// The outcome of an admission test. A refusal carries the message box text and caption the caller
// shows (OK button, question-mark icon); an admission carries empty texts.
struct Admission {
    Refusal refusal = Refusal::None;
    std::string text;
    std::string caption;

    bool admitted() const { return refusal == Refusal::None; }
    // The refusal as the player sees it: OK, the question-mark icon.
    Notice notice() const { return {text, caption, NoticeIcon::Question, NoticeButtons::Ok}; }
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

// True when the order's value, its commission and the pending balance after booking it are all finite
// numbers: a price from a hostile file must never make the account inf or nan.
bool keepsAccountFinite(const GameModel& model, double value, OrderKind kind);

// True when buying `quantity` more shares of `shareNumber` would take its holding past INT32_MAX.
bool overfillsHolding(const GameModel& model, int shareNumber, int32_t quantity);

// The refusal of a purchase that would overfill the share's holding.
std::string holdingFullText(const ShareRecord& share);

// The question that quotes the broker's charge on an order worth `value` pounds.
std::string brokerChargeMessage(const GameModel& model, double value);
inline Notice brokerChargeQuestion(const GameModel& model, double value) {
    return questionNotice(brokerChargeMessage(model, value));
}

// Allows one pending order per share and at most ten holdings, for share `shareNumber`.
Admission admitOrder(const GameModel& model, int shareNumber, OrderKind kind);

// Books a purchase of `quantity` shares of `shareNumber` at today's price, after admitOrder for a
// purchase. A refused admission, a quantity below 1 or an unknown share books nothing; a quantity that
// would overfill the holding, or a value that is not finite, is refused with its text.
PurchaseBooking bookPurchase(GameModel& model, int shareNumber, int32_t quantity);

// Books a sale of `quantity` shares from the holding of `shareNumber`; the caller has admitted
// it. Answers false and books nothing when there is no such holding, it already has a pending order,
// the quantity is below 1 or above the shares held, or the account would not stay finite.
bool bookSale(GameModel& model, int shareNumber, int32_t quantity);

// Gives back what booking the holding's pending order took and clears the order; a holding that the
// order opened becomes empty. Callers compact the holdings afterwards.
void cancelOrder(GameModel& model, int holding);
