// Reading the market files and starting a new game from them.
#include "model/MarketFiles.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "model/TextFile.h"

namespace {
#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

std::string joinPath(const char* directory, const std::string& name) {
    return std::string(directory) + kSeparator + name;
}

// A record that is no trading price is no price that day: the index, the dialogs, the graph and the
// settlement then treat the share as one that does not trade, and no figure worked from it can grow into
// an inf, a nan or a number wider than its column.
double priceFromRecord(const unsigned char* bytes) {
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | bytes[i];
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return isTradingPrice(value) ? value : 0.0;
}

void copyText(char* destination, std::size_t size, const std::string& text) {
    const std::size_t length = std::min(text.size(), size - 1);
    std::memcpy(destination, text.data(), length);
    destination[length] = '\0';
}

// The price of day index d among the records last read into the price buffer.
double bufferedPrice(const GameModel& model, int records, int dayIndex) {
    const long long record = static_cast<long long>(records) - 3 - dayIndex;
    if (records <= 0 || record < 0 || record >= records) return 0.0;
    return model.priceBuffer[record];
}

bool fail(MarketLoadFailure* failure, std::string file, std::string problem) {
    if (failure) *failure = {std::move(file), std::move(problem)};
    return false;
}

bool readShareNames(GameModel& model, MarketLoadFailure* failure) {
    const std::optional<std::string> text = readTextFile(sharesFilePath());
    if (!text) return fail(failure, sharesFilePath(), "The file could not be opened.");
    // A 20-byte name field read with a bounded line read: a line of 19 or more characters spills over.
    BoundedLineReader lines(*text, kShareNameSize);
    std::string name;
    for (ShareRecord& share : model.shareTable)
        copyText(share.name, kShareNameSize, lines.next(name) ? name : "");
    return true;
}

bool priceShares(GameModel& model, MarketLoadFailure* failure) {
    for (int s = 0; s < kShareCount; ++s) {
        ShareRecord& share = model.shareTable[s];
        share.shareNumber = s;
        const int records = readPriceHistory(model, s);
        if (records < 0) return fail(failure, historyFilePath(s), "The file could not be opened.");
        if (records < kMinPriceRecords)
            return fail(failure, historyFilePath(s),
                        "It holds " + std::to_string(records) + " price records; a game needs at least " +
                            std::to_string(kMinPriceRecords) + ".");
        // One read of the file gives both prices.
        share.previousPrice = bufferedPrice(model, records, model.dayIndex + 1);
        share.currentPrice = bufferedPrice(model, records, model.dayIndex);
    }
    return true;
}

bool readDates(GameModel& model, MarketLoadFailure* failure) {
    const std::optional<std::string> text = readTextFile(datesFilePath());
    if (!text) return fail(failure, datesFilePath(), "The file could not be opened.");
    const auto tokens = splitTokens(*text, kDateTableSize, kDateTextSize - 1);
    model.dateCount = static_cast<int32_t>(tokens.size());
    for (std::size_t i = 0; i < tokens.size(); ++i) copyText(model.dateTable[i], kDateTextSize, tokens[i]);
    if (model.dateCount < kMinDateEntries)
        return fail(failure, datesFilePath(),
                    "It holds " + std::to_string(model.dateCount) + " dates; a game needs at least " +
                        std::to_string(kMinDateEntries) + ".");
    return true;
}

void emptyTransactionHistory() {
    std::error_code ignored;
    // The first settlement writes its file into this directory, so it must exist.
    std::filesystem::create_directory(transactionsDirectoryPath(), ignored);
    std::remove(transactionsFilePath().c_str());
}
}  // namespace

bool isTradingPrice(double price) {
    return price >= kLowestPrice && price <= kHighestPrice;  // false for a nan too
}

std::string sharesFilePath() {
    return "SHARES.NMS";
}

std::string historyFilePath(int shareNumber) {
    char name[16];
    std::snprintf(name, sizeof name, "%02d.new", shareNumber + 1);
    return joinPath("SHistory", name);
}

std::string datesFilePath() {
    return joinPath("SHistory", "dates");
}
std::string transactionsDirectoryPath() {
    return "THistory";
}
std::string transactionsFilePath() {
    return joinPath("THistory", "Trans.db");
}

int readPriceHistory(GameModel& model, int shareNumber) {
    // C stdio rather than a stream: a folder in the file's place then fails to open (Windows) or to
    // read (glibc) instead of throwing, and both builds report it as a file that could not be opened.
    std::FILE* file = std::fopen(historyFilePath(shareNumber).c_str(), "rb");
    if (!file) return -1;
    constexpr std::size_t kRecordSize = 8;
    unsigned char bytes[kMaxPriceRecords * kRecordSize];
    const std::size_t read = std::fread(bytes, 1, sizeof bytes, file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return -1;
    const std::size_t records = read / kRecordSize;  // a partial record is ignored
    for (std::size_t i = 0; i < records; ++i) model.priceBuffer[i] = priceFromRecord(bytes + kRecordSize * i);
    return static_cast<int>(records);
}

double priceOnDay(GameModel& model, int shareNumber, int dayIndex) {
    return bufferedPrice(model, readPriceHistory(model, shareNumber), dayIndex);
}

const char* dateOfDay(const GameModel& model, int dayIndex) {
    const long long entry = static_cast<long long>(model.dateCount) - 2 - dayIndex;
    if (entry < 0 || entry >= model.dateCount) return "";
    return model.dateTable[entry];
}

int loadMarketData(GameModel& model, MarketLoadFailure* failure) {
    model.dayIndex = kStartingDayIndex;
    model.previousDayIndex = kStartingDayIndex + 1;
    model.orderDayIndex = kStartingDayIndex;
    model.graphBackground = 1;
    model.graphGridLines = 0;
    model.graphThickLines = 0;
    model.graphAutoScale = 0;

    if (!readShareNames(model, failure) || !priceShares(model, failure)) return 0;
    model.holdings.fill(Holding{});
    model.cashBalance = kStartingCash;
    model.pendingBalance = kStartingCash;
    model.portfolioValue = 0.0;
    model.commissionFlatFee = kCommissionFlatFee;
    model.commissionRate = kCommissionRate;
    if (!readDates(model, failure)) return 0;
    emptyTransactionHistory();
    model.transactionCount = 0;
    return 1;
}

std::string describeLoadFailure(const MarketLoadFailure& failure, const std::string& workingDirectory) {
    return "Tickerdell cannot start: the market file \"" + failure.file + "\" could not be read.\n\n" +
           failure.problem + "\n\nThe game looks for its market files in the folder it is started from:\n" +
           workingDirectory;
}
