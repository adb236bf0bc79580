// Order rules shared by the Buy and Sell dialogs, the portfolio screen and the main screen.
#include "trading/OrderRules.h"

#include <cmath>
#include <cstring>

#include "model/MarketFiles.h"
#include "runtime/Formats.h"

namespace {
constexpr const char* kPendingOrderText =
    "You already have a pending transaction for this share either ring the broker or delete the "
    "transaction";
constexpr const char* kPendingOrderCaption = "Message!";
constexpr const char* kPortfolioFullText = "You have exceeded your portfolio limit";
constexpr const char* kPortfolioFullCaption = "Tickerdell";

bool isKnownShare(int shareNumber) {
    return shareNumber >= 0 && shareNumber < kShareCount;
}

Admission refusedFor(Refusal refusal) {
    if (refusal == Refusal::PendingOrderExists) return {refusal, kPendingOrderText, kPendingOrderCaption};
    return {refusal, kPortfolioFullText, kPortfolioFullCaption};
}

std::string nameOf(const ShareRecord& share) {
    return std::string(share.name, strnlen(share.name, sizeof share.name));
}

bool sharePendingOrder(const GameModel& model, int shareNumber) {
    for (const Holding& slot : model.holdings)
        if (slot.shareNumber == shareNumber && slot.hasPendingOrder()) return true;
    return false;
}

void copyDate(char (&target)[kDateBoughtSize], const char* date) {
    std::memset(target, 0, sizeof target);
    std::strncpy(target, date, sizeof target - 1);
}

// Holding slots are reused, so every pending figure is written, never added to.
void placePurchase(GameModel& model, Holding& slot, int shareNumber, int32_t quantity) {
    slot.shareNumber = shareNumber;
    slot.action = kBuyAction;
    slot.pendingQuantity = quantity;
    slot.pendingAmount = model.shareTable[shareNumber].currentPrice * quantity;
    slot.pendingCommission = commissionFor(model, slot.pendingAmount);
    copyDate(slot.dateBought, dateOfDay(model, model.dayIndex));
    model.pendingBalance -= slot.pendingAmount + slot.pendingCommission;
}

void clearPendingOrder(Holding& slot) {
    slot.action = kNoAction;
    slot.pendingAmount = 0.0;
    slot.pendingQuantity = 0;
    slot.pendingCommission = 0.0;
}
}  // namespace

double commissionFor(const GameModel& model, double value) {
    return value * model.commissionRate + model.commissionFlatFee;
}

double spendableAmount(const GameModel& model) {
    return (model.pendingBalance - model.commissionFlatFee) / (1.0 + model.commissionRate);
}

// Written as "not below zero" so that a value that is not a number is never affordable.
bool canAffordPurchase(const GameModel& model, double value) {
    return spendableAmount(model) - value >= 0.0;
}

bool canFundSale(const GameModel& model, double value) {
    return spendableAmount(model) + value >= 0.0;
}

bool keepsAccountFinite(const GameModel& model, double value, OrderKind kind) {
    const double commission = commissionFor(model, value);
    const double balance = kind == OrderKind::Purchase ? model.pendingBalance - (value + commission)
                                                       : model.pendingBalance + (value - commission);
    return std::isfinite(value) && std::isfinite(commission) && std::isfinite(balance);
}

bool overfillsHolding(const GameModel& model, int shareNumber, int32_t quantity) {
    const int slot = findShareSlot(model, shareNumber);
    const int64_t held = slot < 0 ? 0 : model.holdings[slot].heldQuantity;
    return held + quantity > INT32_MAX;
}

std::string holdingFullText(const ShareRecord& share) {
    return "You cannot hold more than 2147483647 shares in " + nameOf(share);
}

std::string brokerChargeMessage(const GameModel& model, double value) {
    return std::string("The broker will charge ") + kPoundSign + formatFixed(model.commissionFlatFee, 2) +
           " + %" + formatFixed(model.commissionRate * 100.0, 2) +
           " which for this transaction is an additional " + kPoundSign +
           formatFixed(commissionFor(model, value), 2) + ". Do you want to proceed ?";
}

Admission admitOrder(const GameModel& model, int shareNumber, OrderKind kind) {
    if (sharePendingOrder(model, shareNumber)) return refusedFor(Refusal::PendingOrderExists);
    if (kind == OrderKind::Purchase && findShareSlot(model, shareNumber) < 0 && findFreeSlot(model) < 0)
        return refusedFor(Refusal::PortfolioFull);
    return {};
}

PurchaseBooking bookPurchase(GameModel& model, int shareNumber, int32_t quantity) {
    PurchaseBooking booking;
    booking.admission = admitOrder(model, shareNumber, OrderKind::Purchase);
    // A zero or negative order would cost the flat fee, or hand money back, for no shares.
    if (!booking.admission.admitted() || quantity < 1 || !isKnownShare(shareNumber)) return booking;
    const ShareRecord& share = model.shareTable[shareNumber];
    if (overfillsHolding(model, shareNumber, quantity)) {
        booking.admission = {Refusal::HoldingFull, holdingFullText(share), kPortfolioFullCaption};
        return booking;
    }
    if (!keepsAccountFinite(model, share.currentPrice * quantity, OrderKind::Purchase)) {
        booking.admission = {Refusal::OrderTooLarge, kOrderTooLargeText, kPortfolioFullCaption};
        return booking;
    }

    int index = findShareSlot(model, shareNumber);
    const bool opensHolding = index < 0;
    if (opensHolding) index = findFreeSlot(model);
    Holding& slot = model.holdings[index];
    slot.repeatPurchases = opensHolding ? 0 : slot.repeatPurchases + 1;
    placePurchase(model, slot, shareNumber, quantity);
    booking.holding = index;
    return booking;
}

bool bookSale(GameModel& model, int shareNumber, int32_t quantity) {
    if (!isKnownShare(shareNumber)) return false;
    const int index = findShareSlot(model, shareNumber);
    if (index < 0) return false;
    Holding& slot = model.holdings[index];
    // A second order would lose track of the money the first one moved; a sale beyond the holding
    // would leave a negative fraction to settle.
    if (slot.hasPendingOrder() || quantity < 1 || quantity > slot.heldQuantity) return false;

    const double value = model.shareTable[shareNumber].currentPrice * quantity;
    if (!keepsAccountFinite(model, value, OrderKind::Sale)) return false;
    slot.action = kSellAction;
    slot.pendingQuantity = quantity;
    slot.pendingCommission = commissionFor(model, value);
    slot.pendingAmount = static_cast<double>(slot.heldQuantity - quantity) / slot.heldQuantity;
    model.pendingBalance += value - slot.pendingCommission;
    return true;
}

void cancelOrder(GameModel& model, int holding) {
    if (holding < 0 || holding >= kHoldingCount) return;
    Holding& slot = model.holdings[holding];
    if (!slot.hasPendingOrder() || !isKnownShare(slot.shareNumber)) return;

    // Prices only move when the broker settles every order, so this is the value that was booked.
    const double value = model.shareTable[slot.shareNumber].currentPrice * slot.pendingQuantity;
    if (slot.action == kBuyAction)
        model.pendingBalance += value + slot.pendingCommission;
    else
        model.pendingBalance -= value - slot.pendingCommission;
    clearPendingOrder(slot);

    if (slot.heldQuantity == 0) {
        slot.totalCost = 0.0;
        slot.shareNumber = kEmptySlot;
    }
}
