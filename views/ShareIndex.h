// The share index's private copy of the share table: its list lines and its three orders.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/GameModel.h"

using ShareList = std::array<ShareRecord, kShareCount>;

enum class ShareOrder { ByName, Fallers, Climbers };

// The index works on a copy, so sorting it never moves the shares of the model.
ShareList sortedSharesOf(const GameModel& model);

// Today's movement as a fraction of yesterday's price; 0.0 (no movement) when there was no price
// yesterday, so such a share sorts among the unmoved ones.
double relativeChange(const ShareRecord& share);

// One line of the list: name, price, movement in pence, movement in per cent (blanks when unmoved).
std::string shareIndexLine(const ShareRecord& share);

// The lines of every record, in the list's order.
std::vector<std::string> shareIndexLines(const ShareList& shares);

// One in-place quicksort over positions lo to hi of the records. The pivot is the key of the middle
// record, taken once per partition; records with equal keys may change places.
void quicksortShares(ShareRecord* records, int lo, int hi, ShareOrder order);

// The sort buttons: the quicksort over the whole list, run twice in a row.
void sortShares(ShareList& shares, ShareOrder order);
