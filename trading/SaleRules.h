// The Sell dialog's rules without its window: its figures, the checks of Sell and Sell All, and
// their refusals' texts.
#pragma once

#include <cstdint>
#include <string>

#include "model/GameModel.h"
#include "runtime/Notice.h"
#include "trading/EntryFields.h"

enum class SaleRefusal {
    None,
    Suspended,          // the share has no price today
    InsufficientFunds,  // the pending balance is so far below the flat fee that the proceeds do not cover it
    TooSmall,           // the value is below one share's price (or nothing was entered)
    NotEnoughShares,    // more shares than the holding has
    OrderTooLarge,      // the proceeds, or the balance after them, are not a finite number
};

// What pressing Sell or Sell All leads to: a refusal with its message, or the order to book once the
// broker's charge on chargedValue has been accepted.
struct SalePlan {
    SaleRefusal refusal = SaleRefusal::None;
    std::string text;  // the refusal's message (caption "Tickerdell", OK button); empty when accepted
    NoticeIcon icon = NoticeIcon::Exclamation;
    int32_t quantity = 0;       // whole shares to sell
    double chargedValue = 0.0;  // the order value the broker's charge is quoted on

    bool accepted() const { return refusal == SaleRefusal::None; }
    Notice notice() const { return {text, kGameCaption, icon, NoticeButtons::Ok}; }
    // False when there is nothing to book, so no charge is quoted either.
    bool hasOrder() const { return accepted() && quantity >= 1; }
};

// The dialog's title and its three figures, from the model as the dialog opens.
struct SaleFigures {
    std::string title;       // "Sell Shares In " and the share's name
    std::string name;        // the share's name alone, which the caption may cut short
    std::string available;   // the holding's heldQuantity, "%7d"
    std::string price;       // currentPrice in pence, "%5sp"
    std::string totalValue;  // heldQuantity x currentPrice, pound sign "%-.2f"
};
SaleFigures saleFigures(const GameModel& model, int shareNumber);

// The shares held in the holding of `shareNumber`; 0 when it has none.
int32_t sharesAvailable(const GameModel& model, int shareNumber);

// The rules below act on the holding of share `shareNumber`.

// Sell: the Value field decides the quantity when it holds a number other than zero, else the Quantity
// field does; both are read as the entry fields are (19 characters).
SalePlan planSale(const GameModel& model, int shareNumber, const std::string& valueText,
                  const std::string& quantityText);

// The texts Sell All puts into the Quantity and Value fields: the whole holding and its value.
EntryTexts sellAllTexts(const GameModel& model, int shareNumber);

// Sell All: the whole holding.
SalePlan planSellAll(const GameModel& model, int shareNumber);

// Books the planned order with bookSale; false (nothing booked) for a refused plan or no order.
bool placeSale(GameModel& model, int shareNumber, const SalePlan& plan);

// The refusals' texts.
std::string suspendedSaleText(const GameModel& model, int shareNumber);
std::string insufficientSaleFundsText(const GameModel& model, int shareNumber);
constexpr const char* kSaleTooSmallText = "You must first sell some shares";
constexpr const char* kNotEnoughSharesText = "You don`t have that quantity of shares to sell";
