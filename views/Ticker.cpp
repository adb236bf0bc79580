// The ticker's choice of shares and its layout, free of any window or font.
#include "views/Ticker.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "views/ShareIndex.h"

Movement movementOf(const ShareRecord& share) {
    const double movement = share.currentPrice - share.previousPrice;
    return movement > 0.0 ? Movement::Rose : movement < 0.0 ? Movement::Fell : Movement::Unchanged;
}

std::vector<int> tickerShares(const GameModel& model) {
    const auto priced = [](double price) { return std::isfinite(price) && price > 0.0; };
    std::vector<int> shares;
    for (int share = 0; share < kShareCount; ++share) {
        const ShareRecord& record = model.shareTable[share];
        if (priced(record.currentPrice) && priced(record.previousPrice)) shares.push_back(share);
    }
    const auto size = [&](int share) { return std::fabs(relativeChange(model.shareTable[share])); };
    std::stable_sort(shares.begin(), shares.end(), [&](int a, int b) { return size(a) > size(b); });
    return shares;
}

std::vector<TickerItem> layTicker(const GameModel& model, const TickerRows& rows,
                                  const std::function<int(const std::string&)>& textWidth) {
    std::vector<TickerItem> items;
    int row = 0, x = 0;
    for (int share : tickerShares(model)) {
        const ShareRecord& record = model.shareTable[share];
        std::string name(record.name, strnlen(record.name, kShareNameSize));
        const int nameWidth = textWidth(name);
        const int width = nameWidth + rows.markGap + rows.markWidth;
        if (x > 0 && x + width > rows.width) ++row, x = 0;
        if (row >= rows.count || width > rows.width) break;
        items.push_back({std::move(name), movementOf(record), row, x, x + nameWidth + rows.markGap});
        x += width + rows.itemGap;
    }
    return items;
}
