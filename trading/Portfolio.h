// What the portfolio screen shows and does, without windows: holdings lines, account figures, share
// details, button states, and the removal of a pending order with its consistency reset.
#pragma once

#include <string>
#include <vector>

#include "model/GameModel.h"
#include "model/Settlement.h"
#include "runtime/Notice.h"

constexpr const char* kRemoveQuestion = "Are you sure you want to remove this pending transaction";
constexpr const char* kPortfolioResetText =
    "Your portfolio does not appear to be in order. ALL pending transactions will now be removed";

// One list line of an occupied holding: name, held, pending order, pending quantity, price, movement.
std::string holdingLine(const GameModel& model, const Holding& holding);

struct AccountFigures {
    std::string caption;  // "Account Details on : " and today's date
    std::string portfolioValue;
    std::string cashBalance;
    std::string total;  // portfolio value plus cash, under the cash balance
    std::string profit;
    std::string pendingBalance;
    // The figures drawn in red.
    bool cashNegative = false;
    bool pendingNegative = false;
    bool totalNegative = false;
    bool profitNegative = false;
};

struct PortfolioDisplay {
    std::vector<std::string> lines;  // line n is holding n: occupied holdings stand at the front
    AccountFigures account;
};

// Today's value of every share held.
double heldSharesValue(const GameModel& model);

// The notice that the market data has ended, with how the game ended: the shares' value, the cash and
// the profit or loss on the starting cash.
std::string endOfDataNotice(const GameModel& model);

// The messages the player is to see after the settlement, in order; none when all went as asked.
std::vector<Notice> settlementNotices(const GameModel& model, const Settlement& settlement);

// Rebuilds the whole display, recomputing portfolioValue on the way.
PortfolioDisplay rebuildPortfolio(GameModel& model);

struct ShareDetails {
    std::string caption;  // "Share Details for : " and the share's name
    std::string openingPrice;
    std::string shareValue;
    std::string brokersFees;
};

// The details of the holding's share.
ShareDetails shareDetailsFor(const GameModel& model, int holding);

// What the details show while the list is empty.
ShareDetails emptyShareDetails();

// The caption alone, for a list with no selection.
std::string shareDetailsCaption(const std::string& name);

struct PortfolioButtons {
    bool remove = false;
    bool sell = false;
    bool buy = false;
    bool valuation = false;
};

// Which of Remove, Sell, Buy and Valuation the holding's line allows.
PortfolioButtons buttonsFor(const Holding& holding);

// Cancels the holding's pending order and compacts the holdings if it emptied. True when the pending
// balance is then below zero: the portfolio is out of order, and the caller tells the player so before
// resetPendingOrders cancels every pending order.
bool removePendingOrder(GameModel& model, int holding);

// Cancels every pending order, giving back what booking took, and compacts the holdings.
void resetPendingOrders(GameModel& model);
