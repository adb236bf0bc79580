// The menu commands of the main window and what each one opens.
#pragma once

#include <optional>

enum class GameCommand {
    MessageToAdministrator = 4000,
    Exit = 4001,
    RingTheBroker = 4002,
    Portfolio = 4003,
    Options = 4004,
    News = 4005,
    TopEarners = 4006,
    TransactionHistory = 4007,
    PopularShares = 4008,
    HelpContents = 4009,
    HelpOnHelp = 4010,
    About = 4011,
    DeletePendingTransactions = 10112,
};

// The command a command id stands for; none for an id the dispatcher does not handle.
std::optional<GameCommand> gameCommandFor(int commandId);

// The question asked before quitting; pending orders would be lost, so they get the sterner one.
const char* quitQuestion(bool ordersPending);
