// The main screen's ticker: the day's biggest movers by name, each with the way it moved, laid out in
// the rows of the title picture's ticker board, as many as fit whole.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/GameModel.h"

enum class Movement { Fell, Unchanged, Rose };

// Which way the share moved today: its current price against its previous one, as the share index's
// movement column shows it.
Movement movementOf(const ShareRecord& share);

// The shares the ticker names, the biggest move first by the share index's relative change (equal moves
// in table order). A share without a price today or yesterday is left out: it has no move to tell.
std::vector<int> tickerShares(const GameModel& model);

// The rows of the ticker, in pixels.
struct TickerRows {
    int count;
    int width;      // of each row
    int markWidth;  // the up, down or level mark after each name
    int markGap;    // between a name and its mark
    int itemGap;    // between a mark and the next name
};

struct TickerItem {
    std::string name;
    Movement movement;
    int row;
    int nameX;  // from the row's left end
    int markX;
};

// The ticker's items in order, filling each row from its left end before the next. The first item that
// does not fit whole in the last row ends the ticker, so no name is ever cut.
std::vector<TickerItem> layTicker(const GameModel& model, const TickerRows& rows,
                                  const std::function<int(const std::string&)>& textWidth);
