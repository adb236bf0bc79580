// The Buy dialog's rules: the refusals of Buy in their order, and the quantity Buy Max quotes.
#include "trading/BuyRules.h"

#include <cstring>

#include "trading/EntryFields.h"
#include "trading/OrderRules.h"
#include "runtime/Formats.h"

namespace {
constexpr double kLargestQuantity = 2147483647.0;

const ShareRecord* shareAt(const GameModel& model, int shareNumber) {
    if (shareNumber < 0 || shareNumber >= kShareCount) return nullptr;
    return &model.shareTable[shareNumber];
}

// A share without a positive price would make every quantity affordable and divide by zero.
bool hasPrice(const ShareRecord* share) {
    return share && share->currentPrice > 0.0;
}

BuyStep refusal(std::string text) {
    BuyStep step;
    step.refusal = std::move(text);
    return step;
}
}  // namespace

std::string buyShareName(const ShareRecord& share) {
    return std::string(share.name, strnlen(share.name, sizeof share.name));
}

std::string buyDialogTitle(const ShareRecord& share) {
    return "Buy Shares In " + buyShareName(share);
}

std::string buyPriceText(const ShareRecord& share) {
    return formatPriceWithUnit(share.currentPrice * 100.0);
}

std::string insufficientFundsText(const ShareRecord& share) {
    return std::string("You have insufficient funds to buy that amount of shares in ") + " " + share.name;
}

BuyStep decideBuy(const GameModel& model, int shareNumber, const std::string& quantityText,
                  const std::string& valueText) {
    const ShareRecord* share = shareAt(model, shareNumber);
    if (!hasPrice(share)) return refusal(kNoPriceText);
    const double quantity = readFieldNumber(quantityText, kBuyFieldReadLimit);
    const double value = readFieldNumber(valueText, kBuyFieldReadLimit);
    if (quantity < kMinimumPurchase) return refusal(kMinimumPurchaseText);
    if (share->currentPrice > value) return refusal(kNoValueText);

    const double orderValue = share->currentPrice * quantity;
    // A quantity beyond 32 bits is read as the number it is, never wrapped into a small one; no
    // pending balance of the game pays for it.
    if (!canAffordPurchase(model, orderValue) || quantity > kLargestQuantity)
        return refusal(insufficientFundsText(*share));
    if (overfillsHolding(model, shareNumber, wholeShares(quantity))) return refusal(holdingFullText(*share));

    // The booking takes whole shares, so the charge quoted is on those, not on a fraction typed.
    BuyStep step;
    step.quantity = wholeShares(quantity);
    step.chargeValue = share->currentPrice * step.quantity;
    return step;
}

BuyMaxStep decideBuyMax(const GameModel& model, int shareNumber) {
    BuyMaxStep result;
    const ShareRecord* share = shareAt(model, shareNumber);
    if (!hasPrice(share)) {
        result.step = refusal(kNoPriceText);
        return result;
    }
    const double spendable = spendableAmount(model);
    const double shares = spendable / share->currentPrice;
    const int32_t quantity = wholeShares(shares);
    result.quantityText = std::to_string(quantity);
    result.valueText = valueTextForQuantity(share->currentPrice, *result.quantityText);

    // Less than one whole share would be an order for nothing that still costs the flat fee.
    if (!(shares >= 1.0)) {
        result.step = refusal(insufficientFundsText(*share));
        return result;
    }
    if (overfillsHolding(model, shareNumber, quantity)) {
        result.step = refusal(holdingFullText(*share));
        return result;
    }
    // The charge quoted is the one the booking takes: on the whole shares bought, not on all there is to
    // spend.
    result.step.chargeValue = share->currentPrice * quantity;
    result.step.quantity = quantity;
    return result;
}
