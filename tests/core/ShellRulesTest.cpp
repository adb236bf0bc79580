// The shell's rules that need no window: placement, command ids, the help file path, error texts.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "runtime/ErrorText.h"
#include "shell/GameCommands.h"
#include "shell/HelpFilePath.h"
#include "shell/WindowPlacement.h"
#include "tests/core/TestMarket.h"
#include "trading/OrderRules.h"

TEST(MainWindowPlacement, FillsA640By480ScreenAndCentresElsewhere) {
    const WindowPlacement small = mainWindowPlacement(640, 480);
    EXPECT_TRUE(small.maximised);
    EXPECT_EQ(small.x, 0);
    EXPECT_EQ(small.y, 0);
    EXPECT_EQ(small.width, 640);
    EXPECT_EQ(small.height, 400);

    const WindowPlacement svga = mainWindowPlacement(800, 600);
    EXPECT_FALSE(svga.maximised);
    EXPECT_EQ(svga.x, 80);
    EXPECT_EQ(svga.y, 50);
    EXPECT_EQ(svga.width, 640);
    EXPECT_EQ(svga.height, 480);

    const WindowPlacement xga = mainWindowPlacement(1024, 768);
    EXPECT_FALSE(xga.maximised);
    EXPECT_EQ(xga.x, 192);
    EXPECT_EQ(xga.y, 134);

    // A screen shorter than the window puts it partly above the top, truncating toward zero.
    const WindowPlacement odd = mainWindowPlacement(641, 481);
    EXPECT_FALSE(odd.maximised);
    EXPECT_EQ(odd.x, 0);
    EXPECT_EQ(odd.y, -9);
}

TEST(GameCommands, OnlyMenuIdsAreHandled) {
    for (int id : {4012, 10111, 3999, 0, 10113, 2}) EXPECT_FALSE(gameCommandFor(id).has_value()) << id;
    for (int id = 4000; id <= 4011; ++id) EXPECT_EQ(static_cast<int>(*gameCommandFor(id)), id);
    EXPECT_EQ(gameCommandFor(10112), GameCommand::DeletePendingTransactions);
    EXPECT_EQ(gameCommandFor(4001), GameCommand::Exit);
}

TEST(GameCommands, QuitQuestionWarnsOfPendingOrders) {
    EXPECT_STREQ(quitQuestion(false), "Are you sure you want to Quit ?");
    EXPECT_STREQ(quitQuestion(true), "To quit now will lose all pending transactions, Are you sure?");
}

TEST(HelpFilePath, BesideTheProgramOnlyWhenItExists) {
    std::vector<std::string> asked;
    auto exists = [&](const std::string& path) {
        asked.push_back(path);
        return true;
    };
    auto missing = [&](const std::string& path) {
        asked.push_back(path);
        return false;
    };

    EXPECT_EQ(helpFilePathFor("C:\\GAMES\\TICKER\\TICKERDELL.EXE", exists), "C:\\GAMES\\TICKER\\project.hlp");
    EXPECT_EQ(helpFilePathFor("C:\\GAMES\\TICKERDELL.EXE", missing), "project.hlp");
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1], "C:\\GAMES\\project.hlp");

    asked.clear();
    EXPECT_EQ(helpFilePathFor("TICKERDELL.EXE", exists), "project.hlp");
    EXPECT_EQ(helpFilePathFor("\\TICKERDELL.EXE", exists), "project.hlp");
    EXPECT_EQ(helpFilePathFor("", exists), "project.hlp");
    EXPECT_TRUE(asked.empty());
}

TEST(ErrorText, AppendsTheNameOnlyWhileItFitsIn200Characters) {
    EXPECT_EQ(composeErrorText("Cannot create dialog box ", "BUYSHARES"),
              "Cannot create dialog box  BUYSHARES");
    EXPECT_EQ(composeErrorText("Cannot load bitmap ", nullptr), "Cannot load bitmap ");
    EXPECT_EQ(composeErrorText("", "X"), " X");

    const std::string text = "Cannot create window ";  // 21 characters
    const std::string fits(200 - 21 - 1, 'n');
    EXPECT_EQ(composeErrorText(text, fits.c_str()), text + " " + fits);
    EXPECT_EQ(composeErrorText(text, (fits + "n").c_str()), text);
}

namespace {
GameModel marketOfThree() {
    GameModel model;
    for (int s = 0; s < 3; ++s) {
        model.shareTable[s].shareNumber = s;
        model.shareTable[s].currentPrice = 1.25 + s;
    }
    model.dateCount = 300;
    std::snprintf(model.dateTable[300 - 2 - 260], kDateTextSize, "21-May-97");
    return model;
}
}  // namespace

TEST(MainScreenText, TheDateLineNamesTheCurrentDay) {
    GameModel model = marketOfThree();
    EXPECT_EQ(dateLineText(model), "Todays Date : 21-May-97");
    model.dayIndex = 5000;  // beyond the dates: an empty date, never a read outside the table
    EXPECT_EQ(dateLineText(model), "Todays Date : ");
}

TEST(DeletePendingOrders, GivesEverythingBackAndFreesOnlyTheSlotsTheyOpened) {
    GameModel model = marketOfThree();
    model.holdings[0].shareNumber = 1;  // held before: 200 shares of share 1
    model.holdings[0].heldQuantity = 200;
    model.holdings[0].totalCost = 400.0;
    model.holdings[1].shareNumber = 2;  // held: 50 shares of share 2
    model.holdings[1].heldQuantity = 50;
    model.holdings[1].totalCost = 150.0;

    model.selectedShare = 0;  // a new holding
    ASSERT_TRUE(bookPurchase(model, 100).booked());
    expectMoneyInvariant(model);
    model.selectedShare = 1;  // more of a held share
    ASSERT_TRUE(bookPurchase(model, 10).booked());
    expectMoneyInvariant(model);
    model.selectedShare = 2;
    ASSERT_TRUE(bookSale(model, 20));
    expectMoneyInvariant(model);
    ASSERT_NE(model.pendingBalance, model.cashBalance);

    EXPECT_EQ(cancelAllPendingOrders(model), 3);
    expectMoneyInvariant(model);
    EXPECT_NEAR(model.pendingBalance, model.cashBalance, kMillionthOfAPenny);
    EXPECT_FALSE(anyPendingOrder(model));
    EXPECT_EQ(model.holdings[0].shareNumber, 1);
    EXPECT_EQ(model.holdings[0].heldQuantity, 200);
    EXPECT_EQ(model.holdings[0].repeatPurchases, 1);  // cancelling does not undo the count
    EXPECT_EQ(model.holdings[1].shareNumber, 2);
    EXPECT_EQ(model.holdings[1].heldQuantity, 50);
    EXPECT_EQ(model.holdings[2].shareNumber, kEmptySlot);  // the new holding is gone again

    EXPECT_EQ(cancelAllPendingOrders(model), 0);
    EXPECT_NEAR(model.pendingBalance, model.cashBalance, kMillionthOfAPenny);
}
