// Sell and Sell All: which order the entries stand for, and why one is refused.
#include "trading/SaleRules.h"

#include <cstdio>

#include "trading/OrderRules.h"
#include "runtime/Formats.h"

namespace {
const ShareRecord* shareOf(const GameModel& model, int shareNumber) {
    if (shareNumber < 0 || shareNumber >= kShareCount) return nullptr;
    return &model.shareTable[shareNumber];
}

std::string nameOf(const ShareRecord& share) {
    std::size_t length = 0;
    while (length < sizeof share.name && share.name[length] != '\0') ++length;
    return std::string(share.name, length);
}

// A share without a price (suspended, or a day it did not trade) would sell for nothing while the
// broker still charged his fee, and its price is divided by below.
bool isPriced(const ShareRecord& share) {
    return share.currentPrice > 0.0;
}

SalePlan refused(SaleRefusal refusal, std::string text, NoticeIcon icon = NoticeIcon::Exclamation) {
    SalePlan plan;
    plan.refusal = refusal;
    plan.text = std::move(text);
    plan.icon = icon;
    return plan;
}

SalePlan notEnoughShares() {
    return refused(SaleRefusal::NotEnoughShares, kNotEnoughSharesText, NoticeIcon::Information);
}

// The quantity that a value stands for: the quotient rounded to one decimal, as text, and read back.
double quantityForValue(double value, double price) {
    const std::string rounded = formatFixed(value / price, 1);
    return readFieldNumber(rounded, rounded.size());
}

// A price from a hostile file can make the proceeds, or the balance after them, more than a double holds.
SalePlan accepted(const GameModel& model, const ShareRecord& share, int32_t quantity) {
    if (!keepsAccountFinite(model, share.currentPrice * quantity, OrderKind::Sale))
        return refused(SaleRefusal::OrderTooLarge, kOrderTooLargeText);
    SalePlan plan;
    plan.quantity = quantity;
    // The charge quoted is the one booked: that of the whole shares sold.
    plan.chargedValue = share.currentPrice * quantity;
    return plan;
}
}  // namespace

std::string suspendedSaleText(const GameModel& model, int shareNumber) {
    const ShareRecord* share = shareOf(model, shareNumber);
    return "Dealings in " + (share ? nameOf(*share) : std::string("this share")) +
           " are suspended: it has no price today, so its shares cannot be sold until it trades again.";
}

std::string insufficientSaleFundsText(const GameModel& model, int shareNumber) {
    const ShareRecord* share = shareOf(model, shareNumber);
    return std::string("You have insufficient funds to sell that amount of shares in ") + " " +
           (share ? nameOf(*share) : std::string());
}

int32_t sharesAvailable(const GameModel& model, int shareNumber) {
    const int slot = findShareSlot(model, shareNumber);
    // Only a share of the table has shares: not a free slot's leftovers, nor a slot numbered past the table.
    return slot < 0 || !shareOf(model, shareNumber) ? 0 : model.holdings[slot].heldQuantity;
}

SaleFigures saleFigures(const GameModel& model, int shareNumber) {
    SaleFigures figures;
    const ShareRecord* share = shareOf(model, shareNumber);
    const double price = share ? share->currentPrice : 0.0;
    const int32_t held = sharesAvailable(model, shareNumber);
    char available[16];
    std::snprintf(available, sizeof available, "%7d", static_cast<int>(held));
    figures.name = share ? nameOf(*share) : std::string();
    figures.title = "Sell Shares In " + figures.name;
    figures.available = available;
    figures.price = formatPriceWithUnit(price * 100.0);
    figures.totalValue = formatTotalPounds(held * price);
    return figures;
}

SalePlan planSale(const GameModel& model, int shareNumber, const std::string& valueText,
                  const std::string& quantityText) {
    const ShareRecord* share = shareOf(model, shareNumber);
    if (!share) return notEnoughShares();
    if (!isPriced(*share)) return refused(SaleRefusal::Suspended, suspendedSaleText(model, shareNumber));

    const double value = readFieldNumber(valueText);
    // A filled Value field decides the quantity.
    const double quantity =
        value != 0.0 ? quantityForValue(value, share->currentPrice) : readFieldNumber(quantityText);
    if (!canFundSale(model, value))
        return refused(SaleRefusal::InsufficientFunds, insufficientSaleFundsText(model, shareNumber));
    if (share->currentPrice > value) return refused(SaleRefusal::TooSmall, kSaleTooSmallText);
    if (sharesAvailable(model, shareNumber) < quantity) return notEnoughShares();
    return accepted(model, *share, wholeShares(quantity));
}

EntryTexts sellAllTexts(const GameModel& model, int shareNumber) {
    const ShareRecord* share = shareOf(model, shareNumber);
    const int32_t held = sharesAvailable(model, shareNumber);
    return {std::to_string(held), formatFixed(held * (share ? share->currentPrice : 0.0), 2)};
}

SalePlan planSellAll(const GameModel& model, int shareNumber) {
    const ShareRecord* share = shareOf(model, shareNumber);
    if (!share) return notEnoughShares();
    if (!isPriced(*share)) return refused(SaleRefusal::Suspended, suspendedSaleText(model, shareNumber));
    const int32_t held = sharesAvailable(model, shareNumber);
    // A holding still waiting for its first purchase has nothing to sell yet.
    if (held < 1) return notEnoughShares();
    if (!canFundSale(model, held * share->currentPrice))
        return refused(SaleRefusal::InsufficientFunds, insufficientSaleFundsText(model, shareNumber));
    return accepted(model, *share, held);
}

bool placeSale(GameModel& model, int shareNumber, const SalePlan& plan) {
    return plan.hasOrder() && bookSale(model, shareNumber, plan.quantity);
}
