// The portfolio screen's texts and its removal of pending orders, all from the game model.
#include "trading/Portfolio.h"

#include <cstring>

#include "model/MarketFiles.h"
#include "model/Settlement.h"
#include "trading/OrderRules.h"
#include "runtime/Formats.h"

namespace {
constexpr int kNameWidth = 20;
// Room for the most shares a holding or an order takes, 2,147,483,647, and for a day's move of at most
// a price's five characters with its sign, so that no column runs into the next or off the list.
constexpr int kCountWidth = 10;
constexpr int kMovementWidth = 6;
constexpr const char* kNoFigure = "    n/a";
constexpr const char* kNoShareValue = "     n/a";
constexpr const char* kNothingHeld = "     n/a     ";
constexpr const char* kNoOrder = "          ";  // ten blanks, as wide as the action and pending pieces

const ShareRecord& shareOf(const GameModel& model, const Holding& holding) {
    static const ShareRecord unknown{};
    if (holding.shareNumber < 0 || holding.shareNumber >= kShareCount) return unknown;
    return model.shareTable[holding.shareNumber];
}

std::string padLeft(std::string text, int width) {
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string paddedName(const char* name) {
    std::string text(name, strnlen(name, kShareNameSize));
    if (text.size() < static_cast<std::size_t>(kNameWidth)) text.append(kNameWidth - text.size(), ' ');
    return text;
}

std::string heldPiece(int32_t held) {
    if (held == 0) return kNothingHeld;
    return padLeft(std::to_string(held), kCountWidth) + "   ";
}

std::string actionPiece(char action) {
    if (action == kBuyAction) return "  [Buy]  +";
    if (action == kSellAction) return "  [Sell] -";
    return kNoOrder;
}

std::string pendingPiece(int32_t pending) {
    if (pending == 0) return kNoOrder;
    return padLeft(std::to_string(pending), kCountWidth);
}

AccountFigures accountFiguresOf(const GameModel& model) {
    const double total = model.portfolioValue + model.cashBalance;
    const double profit = total - kStartingCash;
    AccountFigures figures;
    figures.caption = std::string("Account Details on : ") + dateOfDay(model, model.dayIndex);
    figures.portfolioValue = formatPounds(model.portfolioValue);
    figures.cashBalance = formatPounds(model.cashBalance);
    figures.total = formatTotalPounds(total);
    figures.profit = formatPounds(profit);
    figures.pendingBalance = formatPounds(model.pendingBalance);
    figures.cashNegative = model.cashBalance < 0.0;
    figures.pendingNegative = model.pendingBalance < 0.0;
    figures.totalNegative = total < 0.0;
    figures.profitNegative = profit < 0.0;
    return figures;
}

}  // namespace

std::string holdingLine(const GameModel& model, const Holding& holding) {
    const ShareRecord& share = shareOf(model, holding);
    return paddedName(share.name) + heldPiece(holding.heldQuantity) + actionPiece(holding.action) +
           pendingPiece(holding.pendingQuantity) + "   " + formatListPrice(share.currentPrice * 100.0) +
           "  " + " " +
           padLeft(formatPrice((share.currentPrice - share.previousPrice) * 100.0), kMovementWidth) + "  ";
}

double heldSharesValue(const GameModel& model) {
    double value = 0.0;
    for (const Holding& holding : model.holdings)
        if (holding.isOccupied()) value += holding.heldQuantity * shareOf(model, holding).currentPrice;
    return value;
}

PortfolioDisplay rebuildPortfolio(GameModel& model) {
    model.portfolioValue = heldSharesValue(model);
    PortfolioDisplay display;
    for (const Holding& holding : model.holdings)
        if (holding.isOccupied()) display.lines.push_back(holdingLine(model, holding));
    display.account = accountFiguresOf(model);
    return display;
}

std::string endOfDataNotice(const GameModel& model) {
    // The result is worked from the two figures as the notice shows them, so that it adds up to the penny.
    const double value = shownAmount(heldSharesValue(model));
    const double cash = shownAmount(model.cashBalance);
    const double profit = value + cash - kStartingCash;
    const std::string outcome =
        profit < 0.0 ? "a loss of " + formatPounds(-profit) : "a profit of " + formatPounds(profit);
    return noLaterPricesNotice(model) + "\n\nThe game ends with your shares worth " + formatPounds(value) +
           " and a cash balance of " + formatPounds(cash) + ": " + outcome + " on the " +
           formatPounds(kStartingCash) + " you started with.";
}

std::vector<Notice> settlementNotices(const GameModel& model, const Settlement& settlement) {
    std::vector<Notice> notices;
    if (settlement.historyNotWritten()) notices.push_back(refusalNotice(historyNotWrittenNotice()));
    if (settlement.noLaterPrices)
        notices.push_back({endOfDataNotice(model), kGameCaption, NoticeIcon::Information});
    return notices;
}

std::string shareDetailsCaption(const std::string& name) {
    return "Share Details for : " + name;
}

ShareDetails emptyShareDetails() {
    return {shareDetailsCaption(""), kNoFigure, kNoFigure, kNoFigure};
}

ShareDetails shareDetailsFor(const GameModel& model, int holding) {
    if (holding < 0 || holding >= kHoldingCount || !model.holdings[holding].isOccupied())
        return emptyShareDetails();
    const Holding& slot = model.holdings[holding];
    const ShareRecord& share = shareOf(model, slot);
    ShareDetails details;
    details.caption = shareDetailsCaption(std::string(share.name, strnlen(share.name, kShareNameSize)));
    details.openingPrice = formatPriceWithUnit(share.previousPrice * 100.0);
    details.brokersFees = formatTotalPounds(slot.commissionToDate + slot.pendingCommission);
    // Until an order settles there is no cost to value the holding against.
    details.shareValue = slot.totalCost != 0.0 && !slot.hasPendingOrder()
                             ? formatTotalPounds(slot.heldQuantity * share.currentPrice)
                             : kNoShareValue;
    return details;
}

PortfolioButtons buttonsFor(const Holding& holding) {
    PortfolioButtons buttons;
    if (!holding.hasPendingOrder()) {
        buttons.sell = buttons.buy = buttons.valuation = true;
        return buttons;
    }
    buttons.remove = true;
    buttons.valuation = holding.heldQuantity > 0;
    return buttons;
}

bool removePendingOrder(GameModel& model, int holding) {
    if (holding < 0 || holding >= kHoldingCount) return false;
    cancelOrder(model, holding);
    if (!model.holdings[holding].isOccupied()) compactHoldings(model);
    return model.pendingBalance < 0.0;
}

void resetPendingOrders(GameModel& model) {
    for (int i = 0; i < kHoldingCount; ++i)
        if (model.holdings[i].hasPendingOrder()) cancelOrder(model, i);
    compactHoldings(model);
}
