// A market made in memory for the core tests: fifty shares "Company 0" ... "Company 49".
#pragma once

#include <cstdio>

#include "model/GameModel.h"

// Each share priced today and yesterday at priceOf(its number); tests then adjust the few they use.
template <class PriceOf>
GameModel fiftyShares(PriceOf priceOf) {
    GameModel model;
    for (int i = 0; i < kShareCount; ++i) {
        ShareRecord& share = model.shareTable[i];
        share.shareNumber = i;
        std::snprintf(share.name, kShareNameSize, "Company %d", i);
        share.currentPrice = share.previousPrice = priceOf(i);
    }
    return model;
}
