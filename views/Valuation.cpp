// The valuation's lines and totals, byte for byte as the list shows them.
#include "views/Valuation.h"

#include <cstdio>
#include <cstring>

#include "runtime/Formats.h"

namespace {
// A fixed-size text field up to its terminator, never past its end.
std::string boundedText(const char* field, std::size_t size) {
    const void* end = std::memchr(field, '\0', size);
    return std::string(field, end ? static_cast<const char*>(end) - field : size);
}

constexpr std::size_t kNameWidth = 20;  // a name of at most 19 characters and a blank
constexpr std::size_t kDateWidth = 9;
constexpr int kQuantityWidth = 10;
constexpr int kAmountWidth = 16;  // a blank and at most 15 characters

std::string leftAligned(const std::string& text, std::size_t width) {
    return text.size() < width ? text + std::string(width - text.size(), ' ') : text;
}

std::string quantityColumn(int32_t quantity) {
    char text[16];
    std::snprintf(text, sizeof text, "%*d", kQuantityWidth, static_cast<int>(quantity));
    return text;
}

bool isShare(int shareNumber) {
    return shareNumber >= 0 && shareNumber < kShareCount;
}

// The holding shown on a row; -1 for a row past the list's end. Held slots stand before any slot that
// waits for its first purchase, so this is holding `row` itself, but the walk does not depend on it.
int listedHoldingAt(const GameModel& model, int row) {
    if (row < 0) return -1;
    for (int holding = 0; holding < kHoldingCount; ++holding)
        if (isValuationListed(model.holdings[holding]) && row-- == 0) return holding;
    return -1;
}

double valueToday(const GameModel& model, const Holding& holding) {
    return holding.heldQuantity * model.shareTable[holding.shareNumber].currentPrice;
}
}  // namespace

bool isValuationListed(const Holding& holding) {
    return isShare(holding.shareNumber) && holding.heldQuantity > 0;
}

char averagePriceMark(const Holding& holding) {
    if (holding.repeatPurchases == 1 && holding.action == kBuyAction) return ' ';
    return holding.repeatPurchases > 0 ? '*' : ' ';
}

std::string valuationLine(const GameModel& model, const Holding& holding) {
    const ShareRecord& share = model.shareTable[holding.shareNumber];
    // Listed holdings hold shares, so the average never divides by zero.
    const double averagePence = holding.totalCost / holding.heldQuantity * 100.0;
    // Every date has the same width here, so the columns after it line up whatever the dates hold.
    return leftAligned(boundedText(share.name, kShareNameSize), kNameWidth) +
           quantityColumn(holding.heldQuantity) + " " +
           leftAligned(boundedText(holding.dateBought, kDateBoughtSize), kDateWidth) + " " +
           formatListPrice(averagePence) + averagePriceMark(holding) +
           formatSignedAmount(kAmountWidth, holding.totalCost + holding.commissionToDate) + " " +
           formatListPrice(share.currentPrice * 100.0) +
           formatSignedAmount(kAmountWidth, valueToday(model, holding));
}

ValuationDisplay buildValuation(GameModel& model) {
    ValuationDisplay display;
    double portfolioValue = 0.0;
    double feesToDate = 0.0;
    for (const Holding& holding : model.holdings) {
        if (isValuationListed(holding)) {
            display.lines.push_back(valuationLine(model, holding));
            portfolioValue += valueToday(model, holding);
        }
        feesToDate += holding.commissionToDate + holding.pendingCommission;
    }
    model.portfolioValue = portfolioValue;

    if (!display.lines.empty()) {
        display.feesToDate = formatTotalPounds(feesToDate);
        display.portfolioValue = formatTotalPounds(portfolioValue);
        display.cashBalance = formatTotalPounds(model.cashBalance);
        display.total = formatTotalPounds(portfolioValue + model.cashBalance);
    }
    return display;
}

GraphBrowse valuationBrowse(const GameModel& model, int row) {
    if (listedHoldingAt(model, row) < 0) return {};
    GraphBrowse browse{{}, row};
    for (const Holding& holding : model.holdings)
        if (isValuationListed(holding)) browse.shares.push_back(holding.shareNumber);
    return browse;
}
