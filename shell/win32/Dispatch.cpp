// Turning menu commands into screens.
#include "shell/win32/Dispatch.h"

#include "runtime/win32/ContextHelp.h"
#include "runtime/win32/MessageBoxes.h"
#include "runtime/win32/WindowState.h"
#include "shell/GameCommands.h"
#include "shell/win32/InfoScreens.h"
#include "shell/win32/MainScreen.h"
#include "shell/win32/RingBrokerScreen.h"
#include "shell/win32/SettingsForms.h"
#include "shell/win32/ShellState.h"
#include "trading/Portfolio.h"
#include "trading/win32/BuyScreen.h"
#include "trading/win32/PortfolioScreen.h"
#include "views/win32/NewsScreen.h"
#include "views/win32/ShareIndexScreen.h"
#include "views/win32/StatementScreen.h"
#include "views/win32/ValuationScreen.h"

namespace {
// The new day shows on the main screen behind whatever the settlement has to tell.
void ringTheBroker(HWND window) {
    const std::optional<Settlement> settlement = runRingBrokerScreen(window, gGame);
    if (!settlement) return;
    refreshMainScreen();
    for (const Notice& notice : settlementNotices(gGame, *settlement)) showNotice(window, notice);
}
}  // namespace

int dispatchCommand(HWND window, UINT message, WPARAM commandWord, LPARAM control) {
    // A command chosen in help mode asks for help instead.
    LRESULT result = 0;
    if (helpPreHandle(window, message, commandWord, control, 0, &result, false)) return 1;
    return dispatchCommand(window, static_cast<int>(LOWORD(commandWord))) ? 1 : 0;
}

bool dispatchCommand(HWND window, int commandId) {
    const auto command = gameCommandFor(commandId);
    if (!command) return false;
    switch (*command) {
        case GameCommand::Exit:
            confirmQuit(window);
            break;
        case GameCommand::DeletePendingTransactions:
            deletePendingTransactions(window);
            break;
        case GameCommand::RingTheBroker:
            ringTheBroker(window);
            break;
        case GameCommand::Portfolio:
            openPortfolio(window, gGame);
            break;
        case GameCommand::TransactionHistory:
            runStatementScreen(window, gGame);
            break;
        case GameCommand::Options:
            runOptionsScreen(window);
            break;
        case GameCommand::MessageToAdministrator:
            runMessageScreen(window);
            break;
        case GameCommand::HelpContents:
            openHelp(window, kHelpContents, 0);
            break;
        case GameCommand::HelpOnHelp:
            openHelp(window, kHelpOnHelp, 0);
            break;
        case GameCommand::News:
            runNewsScreen(window);
            break;
        case GameCommand::TopEarners:
            runTopEarnersScreen(window);
            break;
        case GameCommand::PopularShares:
            runPopularSharesScreen(window);
            break;
        case GameCommand::About:
            runAboutScreen(window);
            break;
    }
    // A screen that closed may have placed or settled orders. The desktop need not repaint what it
    // uncovered (Wine restores it from the window's own surface), so the main screen is asked to.
    refreshMainScreen();
    return true;
}

void openPortfolio(HWND owner, GameModel& model) {
    // Its ways into the share index and the valuation, each buying through the Buy dialog.
    static constexpr PortfolioLinks links = {
        .shareIndex = [](HWND dialog, GameModel& game) { runShareIndex(dialog, game, runBuyScreen); },
        .valuation = [](HWND dialog, GameModel& game) { runValuationScreen(dialog, game, runBuyScreen); },
    };
    runPortfolioScreen(owner, model, links);
}

void confirmQuit(HWND window) {
    if (askYesNo(window, quitQuestion(anyPendingOrder(gGame)))) PostQuitMessage(0);
}
