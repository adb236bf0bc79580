// One purchase as a player makes it: the portfolio from the main screen, the share index sorted by
// Fallers, a double click, three tries in the Buy dialog, the index closing itself, the pending line,
// the main screen's marker, and Remove giving the money back.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "resources/resource.h"
#include "runtime/win32/GdiHandles.h"
#include "shell/win32/MainScreen.h"
#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"
#include "trading/OrderRules.h"
#include "trading/Portfolio.h"
#include "views/Formats.h"
#include "views/ShareIndex.h"

namespace {
using Buying = GameWindowTest;

int biggestFaller() {
    int faller = 0;
    for (const ShareRecord& share : gGame.shareTable)
        if (relativeChange(share) < relativeChange(gGame.shareTable[faller])) faller = share.shareNumber;
    return faller;
}

// One try in the Buy dialog: `open` brings the dialog up (and returns at once); the quantity is typed,
// the focus moved to Buy as Enter would, Buy pressed, and the message box answered with `reply`.
struct BuyTry {
    SeenDialog dialog;
    SeenDialog message;
    std::string valueShown;
};
BuyTry tryToBuy(const std::function<void()>& open, const std::string& quantity, int reply,
                const char* picture = nullptr) {
    BuyTry result;
    std::unique_ptr<DialogAnswerer> message;
    HWND buyDialog = nullptr;
    DialogAnswerer buy(IDC_BUY_BUY, [&](HWND dialog) {
        buyDialog = dialog;
        type(dialog, IDC_BUY_QUANTITY, quantity);
        moveFocus(dialog, IDC_BUY_BUY);
        result.valueShown = textOf(dialog, IDC_BUY_VALUE);
        if (picture) {
            Sleep(200);
            saveWindowPicture(dialog, picture);
        }
        message = std::make_unique<DialogAnswerer>(reply);
    });
    open();
    result.dialog = buy.seen();
    if (message) result.message = message->seen();
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(buyDialog); })) << "the Buy dialog closes after its message";
    return result;
}

}  // namespace

TEST_F(Buying, APurchaseFromTheShareIndexAndItsRemoval) {
    const int share = biggestFaller();
    const double price = gGame.shareTable[share].currentPrice;
    // A player whose money pays for 1000 of these shares with their commission, but not for 1001.
    const double balance = std::stod(formatFixed(price * 1000.5 * 1.002 + 10.0, 2));
    gGame.cashBalance = gGame.pendingBalance = balance;
    const std::string name = gGame.shareTable[share].name;

    std::string fallerRow, sortChecked, portfolioLine, pendingShown, cashShown;
    BuyTry nine, tooMany, ten;
    bool indexClosedItself = false;
    DialogAnswerer portfolio(IDC_PORT_MAIN_MENU, [&](HWND screen) {
        EXPECT_TRUE(
            waitUntil([&] { return textOf(screen, IDC_PORT_PENDING_BALANCE) == formatPounds(balance); }));
        DialogAnswerer index(IDC_CANCEL_BUTTON, [&](HWND indexDialog) {
            HWND list = GetDlgItem(indexDialog, IDC_INDEX_LIST);
            SendMessageA(GetDlgItem(indexDialog, IDC_INDEX_FALLERS), BM_CLICK, 0, 0);
            fallerRow = listLine(list, 0);
            sortChecked = IsDlgButtonChecked(indexDialog, IDC_INDEX_FALLERS) == BST_CHECKED ? "Fallers" : "";
            Sleep(200);
            saveWindowPicture(indexDialog, "share_index_fallers");

            nine = tryToBuy([&] { doubleClickRow(list, 0); }, "9", IDOK);
            const auto openFromIndex = [&] { pressLater(indexDialog, IDC_INDEX_BUY); };
            tooMany = tryToBuy(openFromIndex, "1001", IDOK);
            ten = tryToBuy(openFromIndex, "10", IDYES, "buy_dialog");
            indexClosedItself = waitUntil([&] { return !IsWindow(indexDialog); });
        });
        press(screen, IDC_PORT_SHARE_INDEX);
        EXPECT_TRUE(index.seen().found);
        EXPECT_TRUE(waitUntil([&] { return listCount(GetDlgItem(screen, IDC_PORT_LIST)) == 1; }));
        portfolioLine = listLine(GetDlgItem(screen, IDC_PORT_LIST), 0);
        pendingShown = textOf(screen, IDC_PORT_PENDING_BALANCE);
        cashShown = textOf(screen, IDC_PORT_CASH);
        Sleep(200);
        saveWindowPicture(screen, "portfolio_pending");
    });
    press(mainScreenWindow(), IDC_MAIN_PORTFOLIO);
    ASSERT_EQ(portfolio.seen().caption, "Portfolio");

    EXPECT_EQ(sortChecked, "Fallers");
    EXPECT_EQ(fallerRow, shareIndexLine(gGame.shareTable[share]));

    EXPECT_EQ(nine.dialog.caption, "Buy Shares In " + name);
    EXPECT_EQ(nine.message.caption, "Tickerdell");
    EXPECT_EQ(nine.message.text, "You must buy at least 10 shares");
    EXPECT_EQ(nine.message.icon, IDI_EXCLAMATION);
    EXPECT_EQ(tooMany.valueShown, formatFixed(price * 1001, 2));
    EXPECT_EQ(tooMany.message.caption, "Tickerdell");
    EXPECT_EQ(tooMany.message.text, "You have insufficient funds to buy that amount of shares in  " + name);
    EXPECT_EQ(ten.message.caption, "Tickerdell");
    EXPECT_EQ(ten.message.text, brokerChargeMessage(gGame, price * 10));
    EXPECT_EQ(ten.message.icon, IDI_QUESTION);
    EXPECT_TRUE(indexClosedItself);

    const double pendingAfter = balance - price * 10 - (price * 10 * 0.002 + 10.0);
    EXPECT_EQ(portfolioLine, holdingLine(gGame, gGame.holdings[0]));
    EXPECT_EQ(portfolioLine.substr(20, 33), "     n/a       [Buy]  +      10  ");
    EXPECT_EQ(pendingShown, formatPounds(pendingAfter));
    EXPECT_EQ(cashShown, formatPounds(balance));
    EXPECT_EQ(gGame.purchaseMade, 0) << "the portfolio clears it as it rebuilds";

    // Back on the main screen the order waits for the broker.
    EXPECT_TRUE(anyPendingOrder(gGame));
    EXPECT_GT(brightTextPixels(mainScreenWindow(), kMarkerBand).size(), 20u);

    std::string question, balanceAfterRemove;
    int linesAfterRemove = -1;
    DialogAnswerer again(IDC_PORT_MAIN_MENU, [&](HWND screen) {
        EXPECT_TRUE(waitUntil([&] { return listCount(GetDlgItem(screen, IDC_PORT_LIST)) == 1; }));
        DialogAnswerer yes(IDYES);
        press(screen, IDC_PORT_REMOVE);
        question = yes.seen().text;
        waitUntil([&] { return listCount(GetDlgItem(screen, IDC_PORT_LIST)) == 0; });
        linesAfterRemove = listCount(GetDlgItem(screen, IDC_PORT_LIST));
        balanceAfterRemove = textOf(screen, IDC_PORT_PENDING_BALANCE);
    });
    chooseMenuCommand(IDM_PORTFOLIO);
    ASSERT_TRUE(again.seen().found);
    EXPECT_EQ(question, "Are you sure you want to remove this pending transaction");
    EXPECT_EQ(linesAfterRemove, 0);
    EXPECT_EQ(balanceAfterRemove, formatPounds(balance));
    EXPECT_FALSE(anyPendingOrder(gGame));
    EXPECT_NEAR(gGame.pendingBalance, balance, 1e-9);
    EXPECT_EQ(brightTextPixels(mainScreenWindow(), kMarkerBand).size(), 0u);
}

TEST_F(Buying, APurchaseBecomesAHoldingWhenTheBrokerIsRung) {
    std::string pendingLine;
    DialogAnswerer portfolio(IDC_PORT_MAIN_MENU, [&](HWND screen) {
        DialogAnswerer index(IDC_CANCEL_BUTTON, [&](HWND indexDialog) {
            HWND list = GetDlgItem(indexDialog, IDC_INDEX_LIST);
            tryToBuy([&] { doubleClickRow(list, 0); }, "250", IDYES);
            waitUntil([&] { return !IsWindow(indexDialog); });
        });
        press(screen, IDC_PORT_SHARE_INDEX);
        index.seen();
        waitUntil([&] { return listCount(GetDlgItem(screen, IDC_PORT_LIST)) == 1; });
        pendingLine = listLine(GetDlgItem(screen, IDC_PORT_LIST), 0);
    });
    press(mainScreenWindow(), IDC_MAIN_PORTFOLIO);
    ASSERT_TRUE(portfolio.seen().found);
    ASSERT_NE(pendingLine.find("[Buy]"), std::string::npos) << pendingLine;
    const Holding bought = gGame.holdings[0];
    const double pendingBalance = gGame.pendingBalance;

    // The main screen's RingBroker button, one working day, Done.
    std::string daysOffered;
    DialogAnswerer broker(IDC_RING_DONE, [&](HWND dialog) { daysOffered = textOf(dialog, IDC_RING_DAYS); });
    press(mainScreenWindow(), IDC_MAIN_RING_BROKER);
    EXPECT_EQ(broker.seen().caption, "Password Protection");
    EXPECT_EQ(daysOffered, "1");
    EXPECT_EQ(gGame.dayIndex, 259);
    EXPECT_EQ(gGame.cashBalance, pendingBalance);
    EXPECT_EQ(brightTextPixels(mainScreenWindow(), kMarkerBand).size(), 0u)
        << "nothing waits for the broker now";

    std::string settledLine;
    DialogAnswerer after(IDC_PORT_MAIN_MENU, [&](HWND portfolioScreen) {
        waitUntil([&] { return listCount(GetDlgItem(portfolioScreen, IDC_PORT_LIST)) == 1; });
        settledLine = listLine(GetDlgItem(portfolioScreen, IDC_PORT_LIST), 0);
        Sleep(200);
        saveWindowPicture(portfolioScreen, "portfolio_settled");
    });
    chooseMenuCommand(IDM_PORTFOLIO);
    ASSERT_TRUE(after.seen().found);
    EXPECT_EQ(gGame.holdings[0].shareNumber, bought.shareNumber);
    EXPECT_EQ(gGame.holdings[0].heldQuantity, 250);
    EXPECT_EQ(gGame.holdings[0].totalCost, bought.pendingAmount);
    EXPECT_EQ(gGame.holdings[0].commissionToDate, bought.pendingCommission);
    EXPECT_EQ(settledLine, holdingLine(gGame, gGame.holdings[0]));
    EXPECT_EQ(settledLine.find("[Buy]"), std::string::npos) << settledLine;
    EXPECT_NE(settledLine.find("250"), std::string::npos) << settledLine;
}
