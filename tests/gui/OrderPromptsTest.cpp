// The order rules' messages as the player sees them: captions, texts, icons, and what a No leaves.
#include <windows.h>

#include <gtest/gtest.h>

#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "trading/win32/OrderPrompts.h"

namespace {
using OrderPrompts = GameWindowTest;

void placePendingPurchase(int slot, int share) {
    Holding& holding = gGame.holdings[slot];
    holding.shareNumber = share;
    holding.action = kBuyAction;
    holding.pendingQuantity = 10;
    holding.pendingAmount = 10 * gGame.shareTable[share].currentPrice;
    holding.pendingCommission = commissionFor(gGame, holding.pendingAmount);
    gGame.pendingBalance -= holding.pendingAmount + holding.pendingCommission;
}
}  // namespace

TEST_F(OrderPrompts, TheBrokersChargeIsQuotedAndOnlyYesProceeds) {
    DialogAnswerer no(IDNO);
    EXPECT_FALSE(confirmBrokerCharge(window_, gGame, 1000.0));
    const SeenDialog seen = no.seen();
    EXPECT_EQ(seen.caption, "Tickerdell");
    EXPECT_EQ(seen.text,
              "The broker will charge \xA3"
              "10.00 + %0.20 which for this transaction is an additional \xA3"
              "12.00. Do you want to proceed ?");
    EXPECT_EQ(seen.icon, IDI_QUESTION);
    EXPECT_EQ(seen.buttonIds, (std::vector<int>{IDYES, IDNO}));

    DialogAnswerer yes(IDYES);
    EXPECT_TRUE(confirmBrokerCharge(window_, gGame, 1000.0));
    EXPECT_TRUE(yes.seen().found);
}

TEST_F(OrderPrompts, ASecondOrderForAShareIsRefusedWithMessageCaption) {
    placePendingPurchase(0, 7);
    gGame.selectedShare = 7;
    const double balance = gGame.pendingBalance;
    DialogAnswerer ok(IDOK);
    const PurchaseBooking booking = bookPurchase(window_, gGame, 20);
    const SeenDialog seen = ok.seen();
    EXPECT_FALSE(booking.booked());
    EXPECT_EQ(seen.caption, "Message!");
    EXPECT_EQ(seen.text,
              "You already have a pending transaction for this share either ring the broker or delete the "
              "transaction");
    EXPECT_EQ(seen.icon, IDI_QUESTION);
    EXPECT_EQ(gGame.orderRefused, 1);
    EXPECT_EQ(gGame.pendingBalance, balance);
    EXPECT_EQ(gGame.holdings[0].pendingQuantity, 10);
}

TEST_F(OrderPrompts, ANewShareBeyondTenHoldingsIsRefused) {
    for (int slot = 0; slot < kHoldingCount; ++slot) placePendingPurchase(slot, slot);
    gGame.selectedShare = 20;
    DialogAnswerer ok(IDOK);
    EXPECT_FALSE(admitOrder(window_, gGame, OrderKind::Purchase).admitted());
    const SeenDialog seen = ok.seen();
    EXPECT_EQ(seen.caption, "Tickerdell");
    EXPECT_EQ(seen.text, "You have exceeded your portfolio limit");
    EXPECT_EQ(seen.icon, IDI_QUESTION);
}

TEST_F(OrderPrompts, AnAdmittedOrderShowsNothing) {
    gGame.selectedShare = 3;
    EXPECT_TRUE(admitOrder(window_, gGame, OrderKind::Purchase).admitted());
    EXPECT_TRUE(visibleDialogsOf(GetCurrentProcessId()).empty());
    EXPECT_EQ(gGame.orderRefused, 0);
}
