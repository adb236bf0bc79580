// Command ids of the menu, checked in one place.
#include "shell/GameCommands.h"

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
