// How long starting a game takes on the shipped market, beside a plain read of the same files.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/RawRead.h"
#include "model/MarketFiles.h"

namespace {
void enterGameFolder() {
    std::filesystem::current_path(TICKERDELL_GAME_DIR);
}

void BM_LoadMarketData(benchmark::State& state) {
    enterGameFolder();
    GameModel model;
    for (auto _ : state) {
        if (!loadMarketData(model)) state.SkipWithError("market files missing");
        benchmark::DoNotOptimize(model.shareTable[0].currentPrice);
    }
}

// The yardstick: the files the loader reads, read whole into memory, nothing parsed.
void BM_RawReadOfMarketFiles(benchmark::State& state) {
    enterGameFolder();
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (int s = 0; s < kShareCount; ++s) bytes += readWhole(historyFilePath(s));
        bytes += readWhole(sharesFilePath()) + readWhole(datesFilePath());
        benchmark::DoNotOptimize(bytes);
    }
}

void BM_PriceOnDay(benchmark::State& state) {
    enterGameFolder();
    GameModel model;
    for (auto _ : state) benchmark::DoNotOptimize(priceOnDay(model, 17, 260));
}
}  // namespace

BENCHMARK(BM_LoadMarketData)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RawReadOfMarketFiles)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PriceOnDay)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
