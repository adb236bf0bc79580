// What the Buy dialog shows and decides: its figures, its refusals in order, and what Buy and Buy Max book.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "model/GameModel.h"
#include "runtime/Notice.h"

// Buy reads each field with at most this many characters.
constexpr std::size_t kBuyFieldReadLimit = 29;
// Buy (not Buy Max) refuses fewer shares than this.
constexpr double kMinimumPurchase = 10.0;

constexpr const char* kMinimumPurchaseText = "You must buy at least 10 shares";
constexpr const char* kNoValueText = "You must first buy some shares";
constexpr const char* kNoPriceText = "This share has no price today, so it cannot be bought";

// "Buy Shares In " and the share's name.
std::string buyDialogTitle(const ShareRecord& share);
// The share's name alone, shown inside the dialog because a window manager cuts the caption short.
std::string buyShareName(const ShareRecord& share);

// The price figure: the price in pence with its unit, "%5sp".
std::string buyPriceText(const ShareRecord& share);

// The insufficient-funds refusal; two blanks stand between "in" and the name.
std::string insufficientFundsText(const ShareRecord& share);

// The outcome of pressing Buy or Buy Max: a refusal to show (OK, exclamation icon), or the order value
// whose broker's charge the player is asked to accept and the quantity to book on Yes.
struct BuyStep {
    std::string refusal;
    double chargeValue = 0.0;
    int32_t quantity = 0;

    bool refused() const { return !refusal.empty(); }
    Notice notice() const { return refusalNotice(refusal); }
};

// Buy with the Quantity and Value fields' texts for the share: the refusals are tried in order (no
// price, fewer than ten shares, a value below one share's price, too little money).
BuyStep decideBuy(const GameModel& model, int shareNumber, const std::string& quantityText,
                  const std::string& valueText);

// Buy Max also fills the fields before any message: the quantity always (when the share has a price),
// the value when the quantity reads back as a sensible number.
struct BuyMaxStep {
    BuyStep step;
    std::optional<std::string> quantityText;
    std::optional<std::string> valueText;
};

// Buy Max for the share: as many whole shares as the spendable amount covers, with no ten-share
// minimum; the charge quoted is that of the whole shares booked.
BuyMaxStep decideBuyMax(const GameModel& model, int shareNumber);
