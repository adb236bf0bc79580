#include "tests/core/TestKit.h"
#include "runtime/ErrorText.h"
#include "shell/GameCommands.h"
#include "shell/WindowPlacement.h"

TEST(GameCommands, MenuIdsAndTheQuitQuestion) {
    for (int id : {4012, 3999, 10113}) EXPECT_FALSE(gameCommandFor(id).has_value()) << id;
    EXPECT_EQ(gameCommandFor(10112), GameCommand::DeletePendingTransactions);
    EXPECT_STREQ(quitQuestion(false), "Are you sure you want to Quit ?");
    EXPECT_STREQ(quitQuestion(true), "To quit now will lose all pending transactions, Are you sure?");
}

TEST(ErrorText, AppendsTheNameOnlyWhileItFitsIn200Characters) {
    const std::string text = "Cannot create window ";  // 21 characters
    const std::string fits(200 - 21 - 1, 'n');
    EXPECT_EQ(composeErrorText(text, nullptr), text);
    EXPECT_EQ(composeErrorText(text, fits.c_str()), text + " " + fits);
    EXPECT_EQ(composeErrorText(text, (fits + "n").c_str()), text);
}

TEST(MainScreen, TheDateLineAndDeletingEveryPendingOrder) {
    GameModel model = fiftyShares([](int s) { return 1.25 + s; }, "21-May-97");
    EXPECT_EQ(dateLineText(model), "Todays Date : 21-May-97");
    model.holdings[0] = heldShares(2, 50, 150.0);
    for (int share : {0, 2})  // a new holding, more of a held share
        ASSERT_TRUE(bookPurchase(model, share, 10).booked());
    EXPECT_EQ(cancelAllPendingOrders(model), 2);
    EXPECT_NEAR(model.pendingBalance, model.cashBalance, kMillionthOfAPenny);
    EXPECT_EQ(std::make_tuple(anyPendingOrder(model), model.holdings[0].heldQuantity,
                              model.holdings[1].shareNumber),
              std::make_tuple(false, 50, kEmptySlot));
}
