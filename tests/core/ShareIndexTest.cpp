#include "tests/core/TestKit.h"
#include "views/ShareIndex.h"

namespace {
ShareList unmovedShares() {
    ShareList shares;
    for (int i = 0; i < kShareCount; ++i) shares[i] = priced(i, "Share " + std::to_string(100 + i), 100, 100);
    return shares;
}

std::vector<int> numbersOf(const ShareRecord* records, int count) {
    std::vector<int> numbers;
    for (int i = 0; i < count; ++i) numbers.push_back(records[i].shareNumber);
    return numbers;
}

}  // namespace

TEST(ShareIndexLine, TheListHoldsEveryShareInTableOrder) {
    ShareList shares = unmovedShares();
    shares[1] = priced(3, "Abbey Foods", 123.25, 125.5);
    const std::vector<std::string> lines = shareIndexLines(shares);
    ASSERT_EQ(lines.size(), 50u);
    EXPECT_EQ(lines[1], shareIndexLine(shares[1]));
    EXPECT_EQ(lines[49].substr(0, 9), "Share 149");
    EXPECT_EQ(relativeChange(priced(0, "Fenwick Mills", 0.0, 150.0)), 0.0);  // nothing divided by zero
}

TEST(ShareIndexSort, ACopyInTableOrderSortedByNameAsUnsignedBytes) {
    GameModel model;
    ShareList table = unmovedShares();
    table[10] = priced(10, "alpha", 100, 100);
    table[20] = priced(20, "Zebra", 100, 100);
    table[30] = priced(30, "\xC9toile", 100, 100);  // an accented capital, byte 0xC9
    table[40] = priced(40, "Share", 100, 100);      // a prefix sorts before its longer names
    std::copy(table.begin(), table.end(), model.shareTable.begin());
    ShareList shares = sortedSharesOf(model);
    EXPECT_EQ(numbersOf(shares.data(), kShareCount), numbersOf(model.shareTable.data(), kShareCount));
    sortShares(shares, ShareOrder::ByName);
    EXPECT_EQ(numbersOf(shares.data(), 2), (std::vector<int>{40, 0}));
    EXPECT_EQ(numbersOf(shares.data() + 47, 3), (std::vector<int>{20, 10, 30}));
    for (int i = 1; i < kShareCount; ++i) EXPECT_LE(std::strcmp(shares[i - 1].name, shares[i].name), 0) << i;
    EXPECT_EQ(model.shareTable[30].shareNumber, 30);  // the model keeps its order
}

TEST(ShareIndexSort, FallersAndClimbersWithUnmovedAndUnpricedSharesBetween) {
    ShareList shares = unmovedShares();
    const int movers[] = {3, 11, 17, 29, 41, 46};
    const double pence[] = {90.0, 120.0, 70.0, 101.0, 99.5, 140.0};
    for (int k = 0; k < 6; ++k) shares[movers[k]].currentPrice = pence[k] / 100.0;
    shares[5] = priced(5, "Newly listed", 0.0, 900.0);  // no price yesterday: sorts as no movement
    sortShares(shares, ShareOrder::Fallers);
    EXPECT_EQ(numbersOf(shares.data(), 3), (std::vector<int>{17, 3, 41}));
    EXPECT_EQ(numbersOf(shares.data() + 47, 3), (std::vector<int>{29, 11, 46}));
    for (int i = 3; i < 47; ++i) EXPECT_EQ(relativeChange(shares[i]), 0.0) << i;
    sortShares(shares, ShareOrder::Climbers);
    EXPECT_EQ(numbersOf(shares.data(), 3), (std::vector<int>{46, 11, 29}));
    EXPECT_EQ(numbersOf(shares.data() + 47, 3), (std::vector<int>{41, 3, 17}));
}

TEST(ShareIndexSort, EqualKeysEndInTheOrderTheTwoPassesLeave) {
    // Keys 0, -1, 0, +1, 0 named A to E. One pass leaves B E C A D, the second B A C E D.
    ShareRecord records[] = {priced(0, "A", 100, 100), priced(1, "B", 100, 99), priced(2, "C", 100, 100),
                             priced(3, "D", 100, 101), priced(4, "E", 100, 100)};
    quicksortShares(records, 0, 4, ShareOrder::Fallers);
    EXPECT_EQ(numbersOf(records, 5), (std::vector<int>{1, 4, 2, 0, 3}));
    quicksortShares(records, 0, 4, ShareOrder::Fallers);
    EXPECT_EQ(numbersOf(records, 5), (std::vector<int>{1, 0, 2, 4, 3}));

    for (ShareOrder order : {ShareOrder::Fallers, ShareOrder::Climbers}) {
        ShareList shares = unmovedShares();
        quicksortShares(shares.data(), 0, kShareCount - 1, order);
        EXPECT_EQ(std::make_pair(shares[0].shareNumber, shares[49].shareNumber), std::make_pair(33, 16));
        shares = unmovedShares();
        sortShares(shares, order);  // the second pass undoes the first exactly
        for (int i = 0; i < kShareCount; ++i) EXPECT_EQ(shares[i].shareNumber, i);
    }
}
