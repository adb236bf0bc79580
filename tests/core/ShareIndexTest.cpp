// The share index: its lines byte for byte, and the double quicksort with its order on equal keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

#include "views/ShareIndex.h"

namespace {
ShareRecord share(int number, const char* name, double previousPence, double currentPence) {
    ShareRecord record;
    record.shareNumber = number;
    std::snprintf(record.name, kShareNameSize, "%s", name);
    record.previousPrice = previousPence / 100.0;
    record.currentPrice = currentPence / 100.0;
    return record;
}

// Fifty shares that did not move, named and numbered by their place in the table.
ShareList unmovedShares() {
    ShareList shares;
    for (int i = 0; i < kShareCount; ++i) {
        char name[kShareNameSize];
        std::snprintf(name, sizeof name, "Share %02d", i);
        shares[i] = share(i, name, 100.0, 100.0);
    }
    return shares;
}

std::vector<int> numbersOf(const ShareRecord* records, int count) {
    std::vector<int> numbers;
    for (int i = 0; i < count; ++i) numbers.push_back(records[i].shareNumber);
    return numbers;
}

// With every key equal nothing is ever less or greater than the pivot, so a partition exchanges its
// ends inwards (reversing the range) and then sorts the two halves either side of its middle.
void equalKeysModel(std::vector<int>& order, int lo, int hi) {
    if (lo >= hi) return;
    std::reverse(order.begin() + lo, order.begin() + hi + 1);
    const int length = hi - lo + 1;
    const int leftEnd = lo + length / 2 - 1;
    const int rightStart = length % 2 ? lo + length / 2 + 1 : lo + length / 2;
    equalKeysModel(order, lo, leftEnd);
    equalKeysModel(order, rightStart, hi);
}

std::string padded(const char* name) {
    std::string text = name;
    text.resize(20, ' ');
    return text;
}
}  // namespace

TEST(ShareIndexLine, TheWorkedExample) {
    const ShareRecord record = share(3, "Abbey Foods", 123.25, 125.5);
    const std::string line = shareIndexLine(record);
    EXPECT_EQ(line, padded("Abbey Foods") + "    " + " 125\xBD" + "  " + "     " + "   2\xBC" + "      " +
                        "    1.83");
    EXPECT_EQ(line.size(), 55u);
}

TEST(ShareIndexLine, AFallShowsMinusSignsInBothMovementColumns) {
    const std::string line = shareIndexLine(share(0, "Castle Brewing", 200.0, 150.0));
    EXPECT_EQ(line, padded("Castle Brewing") + "      150  " + "       -50      " + "  -25.00");
    EXPECT_EQ(line.substr(36, 5), "  -50");
    EXPECT_EQ(line.substr(47), "  -25.00");
}

TEST(ShareIndexLine, NoMovementShowsBlanksInTheThreeMovementColumns) {
    const std::string line = shareIndexLine(share(0, "Dunmore Estates", 98.75, 98.75));
    EXPECT_EQ(line, padded("Dunmore Estates") + "      98\xBE  " + "     " + "     " + "      " +
                        std::string(12, ' '));
    EXPECT_EQ(line.size(), 59u);
}

TEST(ShareIndexLine, ANameOfNineteenCharactersStillLeavesOneBlank) {
    const std::string line = shareIndexLine(share(0, "Nineteen Characters", 50.0, 50.5));
    EXPECT_EQ(line.substr(0, 20), "Nineteen Characters ");
    EXPECT_EQ(line.substr(20, 11), "      50\xBD  ");
}

TEST(ShareIndexLine, NoPriceYesterdayDividesByNothing) {
    const ShareRecord record = share(0, "Fenwick Mills", 0.0, 150.0);
    EXPECT_EQ(relativeChange(record), 0.0);
    const std::string line = shareIndexLine(record);
    // The movement is shown; the percentage is left blank, as for a share that did not move.
    EXPECT_EQ(line, padded("Fenwick Mills") + "      150  " + "       150      " + std::string(12, ' '));
    EXPECT_EQ(line.find("inf"), std::string::npos);
    EXPECT_EQ(line.find("nan"), std::string::npos);
}

TEST(ShareIndexLine, LinesFollowTheListOrder) {
    ShareList shares = unmovedShares();
    shares[1] = share(1, "Zeta", 100.0, 110.0);
    const std::vector<std::string> lines = shareIndexLines(shares);
    ASSERT_EQ(lines.size(), 50u);
    EXPECT_EQ(lines[1], shareIndexLine(shares[1]));
    EXPECT_EQ(lines[49].substr(0, 8), "Share 49");
}

TEST(ShareIndexCopy, OpensInTableOrderAndSortingLeavesTheModelAlone) {
    GameModel model;
    for (int i = 0; i < kShareCount; ++i)
        model.shareTable[i] = share(i, i % 2 ? "Beta" : "Alpha", 100.0, 100.0 + i);
    std::strcpy(model.shareTable[0].name, "Zulu");
    ShareList shares = sortedSharesOf(model);
    EXPECT_EQ(numbersOf(shares.data(), kShareCount), numbersOf(model.shareTable.data(), kShareCount));
    EXPECT_STREQ(shares[0].name, "Zulu");
    sortShares(shares, ShareOrder::ByName);
    EXPECT_STREQ(shares[49].name, "Zulu");
    EXPECT_STREQ(model.shareTable[0].name, "Zulu");
    EXPECT_EQ(model.shareTable[7].shareNumber, 7);
}

TEST(ShareIndexSort, ByNameComparesBytesAsUnsignedValues) {
    ShareList shares = unmovedShares();
    shares[10] = share(10, "alpha", 100.0, 100.0);
    shares[20] = share(20, "Zebra", 100.0, 100.0);
    shares[30] = share(30, "\xC9toile", 100.0, 100.0);  // an accented capital, byte 0xC9
    shares[40] = share(40, "Share", 100.0, 100.0);      // a prefix sorts before its longer names
    sortShares(shares, ShareOrder::ByName);
    for (int i = 1; i < kShareCount; ++i) EXPECT_LE(std::strcmp(shares[i - 1].name, shares[i].name), 0) << i;
    EXPECT_STREQ(shares[0].name, "Share");
    EXPECT_STREQ(shares[1].name, "Share 00");
    EXPECT_STREQ(shares[47].name, "Zebra");
    EXPECT_STREQ(shares[48].name, "alpha");
    EXPECT_STREQ(shares[49].name, "\xC9toile");
}

TEST(ShareIndexSort, FallersAndClimbersOrderTheThreeKeys) {
    ShareList shares = unmovedShares();
    // Every other share moves by its own amount, so the three keys of interest have a place each.
    for (int i = 0; i < kShareCount; ++i) shares[i] = share(i, "Mover", 1000.0, 1000.0 + 300 + i);
    shares[5] = share(5, "Falls ten per cent", 1000.0, 900.0);
    shares[6] = share(6, "Unmoved", 1000.0, 1000.0);
    shares[7] = share(7, "Rises five per cent", 1000.0, 1050.0);
    sortShares(shares, ShareOrder::Fallers);
    EXPECT_EQ(numbersOf(shares.data(), 3), (std::vector<int>{5, 6, 7}));
    for (int i = 1; i < kShareCount; ++i) EXPECT_LE(relativeChange(shares[i - 1]), relativeChange(shares[i]));
    sortShares(shares, ShareOrder::Climbers);
    EXPECT_EQ(numbersOf(shares.data() + 47, 3), (std::vector<int>{7, 6, 5}));
    for (int i = 1; i < kShareCount; ++i) EXPECT_GE(relativeChange(shares[i - 1]), relativeChange(shares[i]));
}

TEST(ShareIndexSort, APartitionLoopOnEqualKeysHandTraced) {
    // Keys 0, -1, 0, +1, 0 named A to E. One pass leaves B E C A D, the second B A C E D.
    ShareRecord records[] = {share(0, "A", 100, 100), share(1, "B", 100, 99), share(2, "C", 100, 100),
                             share(3, "D", 100, 101), share(4, "E", 100, 100)};
    quicksortShares(records, 0, 4, ShareOrder::Fallers);
    EXPECT_EQ(numbersOf(records, 5), (std::vector<int>{1, 4, 2, 0, 3}));
    quicksortShares(records, 0, 4, ShareOrder::Fallers);
    EXPECT_EQ(numbersOf(records, 5), (std::vector<int>{1, 0, 2, 4, 3}));
}

TEST(ShareIndexSort, UnmovedSharesEndInTheOrderTheTwoPassesLeave) {
    std::vector<int> onePass(kShareCount);
    std::iota(onePass.begin(), onePass.end(), 0);
    equalKeysModel(onePass, 0, kShareCount - 1);
    std::vector<int> twoPasses = onePass;
    equalKeysModel(twoPasses, 0, kShareCount - 1);
    for (ShareOrder order : {ShareOrder::Fallers, ShareOrder::Climbers}) {
        ShareList shares = unmovedShares();
        quicksortShares(shares.data(), 0, kShareCount - 1, order);
        EXPECT_EQ(numbersOf(shares.data(), kShareCount), onePass);
        shares = unmovedShares();
        sortShares(shares, order);
        EXPECT_EQ(numbersOf(shares.data(), kShareCount), twoPasses);
    }
    // One pass scrambles fifty equal keys; the second undoes it exactly.
    EXPECT_EQ(onePass[0], 33);
    EXPECT_EQ(onePass[49], 16);
    for (int i = 0; i < kShareCount; ++i) EXPECT_EQ(twoPasses[i], i);
}

TEST(ShareIndexSort, UnmovedSharesStandTogetherBetweenFallersAndClimbers) {
    ShareList shares = unmovedShares();
    const int movers[] = {3, 11, 17, 29, 41, 46};
    const double pence[] = {90.0, 120.0, 70.0, 101.0, 99.5, 140.0};
    for (int k = 0; k < 6; ++k) shares[movers[k]].currentPrice = pence[k] / 100.0;
    sortShares(shares, ShareOrder::Fallers);
    EXPECT_EQ(numbersOf(shares.data(), 3), (std::vector<int>{17, 3, 41}));
    EXPECT_EQ(numbersOf(shares.data() + 47, 3), (std::vector<int>{29, 11, 46}));
    for (int i = 3; i < 47; ++i) EXPECT_EQ(relativeChange(shares[i]), 0.0) << i;
}

TEST(ShareIndexSort, NoPriceYesterdaySortsAsNoMovementBothWays) {
    ShareList shares = unmovedShares();
    shares[0] = share(0, "Falls", 100.0, 50.0);
    shares[1] = share(1, "Rises", 100.0, 150.0);
    shares[2] = share(2, "Newly listed", 0.0, 900.0);
    for (ShareOrder order : {ShareOrder::Fallers, ShareOrder::Climbers}) {
        sortShares(shares, order);
        const auto at = std::find_if(shares.begin(), shares.end(),
                                     [](const ShareRecord& r) { return r.shareNumber == 2; });
        const auto position = at - shares.begin();
        EXPECT_GT(position, 0);
        EXPECT_LT(position, 49);
        EXPECT_EQ(shares[0].shareNumber, order == ShareOrder::Fallers ? 0 : 1);
        EXPECT_EQ(shares[49].shareNumber, order == ShareOrder::Fallers ? 1 : 0);
    }
}
