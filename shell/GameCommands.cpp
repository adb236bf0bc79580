// Command ids of the menu, checked in one place.
#include "shell/GameCommands.h"

#include "model/MarketFiles.h"
#include "trading/OrderRules.h"

std::optional<GameCommand> gameCommandFor(int commandId) {
    const bool menuCommand = commandId >= static_cast<int>(GameCommand::MessageToAdministrator) &&
                             commandId <= static_cast<int>(GameCommand::About);
    if (menuCommand || commandId == static_cast<int>(GameCommand::DeletePendingTransactions))
        return static_cast<GameCommand>(commandId);
    return std::nullopt;
}

const char* quitQuestion(bool ordersPending) {
    return ordersPending ? "To quit now will lose all pending transactions, Are you sure?"
                         : "Are you sure you want to Quit ?";
}

std::string dateLineText(const GameModel& model) {
    return std::string("Todays Date : ") + dateOfDay(model, model.dayIndex);
}

int cancelAllPendingOrders(GameModel& model) {
    int cancelled = 0;
    for (int slot = 0; slot < kHoldingCount; ++slot) {
        if (!model.holdings[slot].hasPendingOrder()) continue;
        cancelOrder(model, slot);
        ++cancelled;
    }
    compactHoldings(model);
    return cancelled;
}
