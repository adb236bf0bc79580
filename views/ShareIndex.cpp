// Lines and sorts of the share index, built from a copy of the share table.
#include "views/ShareIndex.h"

#include <cstring>
#include <utility>

#include "runtime/Formats.h"

namespace {
constexpr int kNameWidth = 20;
constexpr int kPercentWidth = 8;
constexpr const char* kNoPercent = "            ";  // twelve blanks

// The key a record is compared with: a name for the alphabetical order, else the relative change.
struct SortKey {
    char name[kShareNameSize + 1] = {};
    double change = 0.0;
};

SortKey keyOf(const ShareRecord& share) {
    SortKey key;
    std::memcpy(key.name, share.name, kShareNameSize);  // the extra byte ends even a full name
    key.change = relativeChange(share);
    return key;
}

// Byte by byte as unsigned values up to the ending zero, so upper case sorts before lower case.
int compareNames(const char* a, const char* b) {
    for (int i = 0; i < kShareNameSize; ++i) {
        const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x != y) return x < y ? -1 : 1;
        if (x == 0) return 0;
    }
    return 0;
}

int sign(double difference) {
    return difference < 0.0 ? -1 : difference > 0.0 ? 1 : 0;
}

int compare(const ShareRecord& record, const SortKey& pivot, ShareOrder order) {
    switch (order) {
        case ShareOrder::ByName:
            return compareNames(record.name, pivot.name);
        case ShareOrder::Fallers:
            return sign(relativeChange(record) - pivot.change);
        case ShareOrder::Climbers:
            return sign(pivot.change - relativeChange(record));
    }
    return 0;
}

std::string paddedName(const char* name) {
    std::string text(name, strnlen(name, kShareNameSize));
    if (text.size() < static_cast<std::size_t>(kNameWidth)) text.append(kNameWidth - text.size(), ' ');
    return text;
}
}  // namespace

ShareList sortedSharesOf(const GameModel& model) {
    return model.shareTable;
}

double relativeChange(const ShareRecord& share) {
    if (share.previousPrice == 0.0) return 0.0;
    return (share.currentPrice - share.previousPrice) / share.previousPrice;
}

std::string shareIndexLine(const ShareRecord& share) {
    const double movement = (share.currentPrice - share.previousPrice) * 100.0;
    std::string line = paddedName(share.name);
    line += "    " + formatListPrice(share.currentPrice * 100.0) + "  ";
    line += "     " + formatListPrice(movement) + "      ";
    // No price yesterday gives no percentage, as for a share that did not move.
    if (movement == 0.0 || share.previousPrice == 0.0)
        line += kNoPercent;
    else
        line += formatPaddedDecimal(kPercentWidth, movement / share.previousPrice);
    return line;
}

std::vector<std::string> shareIndexLines(const ShareList& shares) {
    std::vector<std::string> lines;
    lines.reserve(shares.size());
    for (const ShareRecord& share : shares) lines.push_back(shareIndexLine(share));
    return lines;
}

void quicksortShares(ShareRecord* records, int lo, int hi, ShareOrder order) {
    // The second half loops back here instead of recursing, as the list's order on ties depends on it.
    while (true) {
        int i = lo, j = hi;
        const SortKey pivot = keyOf(records[(lo + hi) / 2]);
        while (true) {
            while (compare(records[i], pivot, order) < 0 && i < hi) ++i;
            while (compare(records[j], pivot, order) > 0 && j > lo) --j;
            if (j < i) break;
            std::swap(records[i], records[j]);
            ++i;
            --j;
            if (j < i) break;
        }
        if (lo < j) quicksortShares(records, lo, j, order);
        if (i >= hi) return;
        lo = i;
    }
}

void sortShares(ShareList& shares, ShareOrder order) {
    for (int pass = 0; pass < 2; ++pass) quicksortShares(shares.data(), 0, kShareCount - 1, order);
}
