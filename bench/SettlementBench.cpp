// How long ringing the broker takes on the shipped market with ten orders waiting, beside a plain read
// of the price files a settlement reads.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/RawRead.h"
#include "model/MarketFiles.h"
#include "model/Settlement.h"
#include "trading/OrderRules.h"

namespace {
// A private copy of the shipped market, so that the history file written here is nobody else's.
void enterScratchMarket() {
    static const std::filesystem::path scratch = [] {
        const auto folder = std::filesystem::temp_directory_path() / "tickerdell_settlement_bench";
        std::filesystem::remove_all(folder);
        std::filesystem::copy(TICKERDELL_GAME_DIR, folder, std::filesystem::copy_options::recursive);
        return folder;
    }();
    std::filesystem::current_path(scratch);
}

// A new game with a purchase waiting on each of the ten holdings.
const GameModel& gameWithTenOrders() {
    static const GameModel game = [] {
        GameModel model;
        if (!loadMarketData(model)) return model;
        for (int share = 0; share < kHoldingCount; ++share) bookPurchase(model, share * 3 + 1, 100 + share);
        return model;
    }();
    return game;
}

void settle(benchmark::State& state, int64_t days) {
    enterScratchMarket();
    const GameModel& start = gameWithTenOrders();
    if (!anyPendingOrder(start)) state.SkipWithError("market files missing");
    GameModel model;
    for (auto _ : state) {
        state.PauseTiming();
        model = start;
        std::remove(transactionsFilePath().c_str());
        state.ResumeTiming();
        const Settlement result = settleDay(model, days);
        benchmark::DoNotOptimize(result.ordersSettled);
    }
}

void BM_SettleOneDay(benchmark::State& state) {
    settle(state, 1);
}
void BM_Settle260Days(benchmark::State& state) {
    settle(state, 260);
}

// The yardstick: share 0's file (for the trading days) and all fifty (for the prices), read whole.
void BM_RawReadOfSettlementFiles(benchmark::State& state) {
    enterScratchMarket();
    for (auto _ : state) {
        std::size_t bytes = readWhole(historyFilePath(0));
        for (int s = 0; s < kShareCount; ++s) bytes += readWhole(historyFilePath(s));
        benchmark::DoNotOptimize(bytes);
    }
}
}  // namespace

BENCHMARK(BM_SettleOneDay)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Settle260Days)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RawReadOfSettlementFiles)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
