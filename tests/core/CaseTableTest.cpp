// The core's pure functions from text to text, one row of cases.tsv a case: the function, its
// arguments, "=", and the fields it must give. A byte outside plain ASCII is written \xHH, a tab \t, a
// line feed \n and a NUL \0; a result that is not there is written "none".
#include "tests/core/TestKit.h"
#include "runtime/BevelGeometry.h"
#include "runtime/BitmapGeometry.h"
#include "runtime/ColourScheme.h"
#include "runtime/Formats.h"
#include "runtime/HelpFilePath.h"
#include "runtime/Layout.h"
#include "shell/WindowPlacement.h"
#include "trading/BuyRules.h"
#include "trading/Portfolio.h"
#include "trading/EntryFields.h"
#include "trading/SaleRules.h"
#include "views/Graph.h"
#include "views/ShareIndex.h"
#include "views/Ticker.h"

#include <iterator>
#include <map>
#include <sstream>

namespace {
// A row's arguments, read as text, as a number, as a whole number or as a C string ("none" is none).
struct Args : std::vector<std::string> {
    using std::vector<std::string>::vector;
    double n(std::size_t k) const { return std::stod(at(k)); }
    int i(std::size_t k) const { return std::stoi(at(k)); }
    const char* text(std::size_t k) const { return at(k) == "none" ? nullptr : at(k).c_str(); }
};

std::string unescaped(const std::string& field) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            text += field[i];
        } else if (field[++i] == 'x') {
            text += static_cast<char>(std::stoi(field.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            text += field[i] == 't' ? '\t' : field[i] == 'n' ? '\n' : field[i] == '0' ? '\0' : field[i];
        }
    }
    return text;
}

std::string yesNo(bool answer) {
    return answer ? "yes" : "no";
}

// A row's deal: action, quantity, price, commission and, where given, an amount of its own.
TransactionRecord deal(const Args& a) {
    return ::deal(a[0][0], a.i(1), a.n(2), a.n(3), a.size() > 4 ? std::optional(a.n(4)) : std::nullopt);
}

Rect rectAt(const Args& a, std::size_t at) {
    return {a.i(at), a.i(at + 1), a.i(at + 2), a.i(at + 3)};
}
std::string fields(std::initializer_list<int> numbers) {
    std::vector<std::string> texts;
    for (int number : numbers) texts.push_back(std::to_string(number));
    return joined(texts);
}
std::string xy(const Point& p) {
    return fields({p.x, p.y});
}
std::string corners(const Rect& r) {
    return fields({r.left, r.top, r.right, r.bottom});
}

// What work gives, and whether it raised a fault asked about on the way (a share without a price divides
// nothing, and a sale makes no number of nothing).
template <class Work>
std::string dividing(Work work, int faults = FE_DIVBYZERO) {
    std::feclearexcept(FE_ALL_EXCEPT);
    const std::string text = work();
    return text + (std::fetestexcept(faults) ? " after a division by zero or an invalid operation" : "");
}

// Money to a millionth of a penny, and a refusal or "accepted".
std::string money(double pounds) {
    return formatFixed(pounds, 8);
}
std::string refusalOr(const std::string& refusal) {
    return refusal.empty() ? "accepted" : refusal;
}

// A purchase step as booked: the quoted value and the pending balance after it, both balances kept apart
// by exactly the order and its fee.
std::string booked(GameModel& model, int share, const BuyStep& step) {
    if (step.refused()) return refusalOr(step.refusal);
    EXPECT_TRUE(bookPurchase(model, share, step.quantity).booked());
    expectMoneyInvariant(model);
    return joined({refusalOr(step.refusal), money(step.chargeValue), money(model.pendingBalance)});
}

// A sale as placed: its message, quantity and icon, then the quoted value, the fraction of the holding
// left and the pending balance, or "unchanged" when nothing is booked and the account is as it was.
std::string placed(GameModel& model, const SalePlan& plan) {
    const GameModel before = model;
    const std::string text = joined({refusalOr(plan.text), std::to_string(plan.quantity),
                                     plan.icon == NoticeIcon::Information ? "information" : "exclamation"});
    EXPECT_EQ(placeSale(model, kSoldShare, plan), plan.hasOrder());
    if (!plan.hasOrder()) {
        expectSameAccount(model, before);
        return text + "\tunchanged";
    }
    expectMoneyInvariant(model);
    EXPECT_EQ(model.holdings[1].pendingQuantity, plan.quantity);
    return joined({text, money(plan.chargedValue), money(model.holdings[1].pendingAmount),
                   money(model.pendingBalance)});
}

// Numbers written apart by spaces; "none" is none.
std::vector<int> numbers(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<int>(in), {}};
}

GraphRange rangeNamed(const std::string& name) {
    return name == "4y" ? GraphRange::FourYears : name == "1y" ? GraphRange::OneYear : GraphRange::OneMonth;
}

const std::map<std::string, std::function<std::string(const Args&)>> kFunctions = {
    {"formatPrice", [](const Args& a) { return formatPrice(a.n(0)); }},
    {"formatFixed", [](const Args& a) { return formatFixed(a.n(0), a.i(1)); }},
    {"formatPaddedDecimal", [](const Args& a) { return formatPaddedDecimal(a.i(0), a.n(1)); }},
    {"formatSignedAmount", [](const Args& a) { return formatSignedAmount(a.i(0), a.n(1)); }},
    {"formatBracketedAmount", [](const Args& a) { return formatBracketedAmount(a.i(0), a.n(1)); }},
    {"formatPounds", [](const Args& a) { return formatPounds(a.n(0)); }},
    {"formatListPrice", [](const Args& a) { return formatListPrice(a.n(0)); }},
    {"formatPriceWithUnit", [](const Args& a) { return formatPriceWithUnit(a.n(0)); }},
    {"formatGraphPriceLabel", [](const Args& a) { return formatGraphPriceLabel(a.n(0)); }},
    {"formatTotalPounds", [](const Args& a) { return formatTotalPounds(a.n(0)); }},
    {"readFieldNumber", [](const Args& a) { return std::to_string(readFieldNumber(a[0])); }},
    {"wholeShares", [](const Args& a) { return std::to_string(wholeShares(a.n(0))); }},
    {"leadingInteger", [](const Args& a) { return std::to_string(leadingInteger(a[0])); }},
    {"skipCountFromText", [](const Args& a) { return std::to_string(skipCountFromText(a[0])); }},
    {"valueTextForQuantity",
     [](const Args& a) { return valueTextForQuantity(a.n(0), a[1]).value_or("none"); }},
    {"textsForValue",
     [](const Args& a) {
         return dividing([&] {
             const auto texts =
                 textsForValue(a.n(0), a[1], a[2] == "buy" ? EntryRounding::Buy : EntryRounding::Sell);
             return texts ? texts->quantity + "\t" + texts->value : "none";
         });
     }},
    // A quote on the order value given with the flat fee and the rate given.
    {"brokerChargeMessage",
     [](const Args& a) {
         GameModel model;
         model.commissionFlatFee = a.n(1), model.commissionRate = a.n(2);
         return brokerChargeMessage(model, a.n(0));
     }},
    {"buyDialogTitle", [](const Args& a) { return buyDialogTitle(priced(0, a[0], 0.0, 0.0)); }},
    {"buyPriceText", [](const Args& a) { return buyPriceText(priced(0, "", 0.0, 100.0 * a.n(0))); }},
    {"shareIndexLine", [](const Args& a) { return shareIndexLine(priced(0, a[0], a.n(1), a.n(2))); }},
    {"statementRow",
     [](const Args& a) {
         const StatementRow row = statementRow(deal(a));
         return row[1].empty() ? row[0] : joined(row);
     }},
    // The program's path and whether a help file is beside it: the path chosen, then every path looked at.
    {"helpFilePathFor",
     [](const Args& a) {
         std::vector<std::string> looked;
         const std::string chosen = helpFilePathFor(a[0], [&](const std::string& path) {
             looked.push_back(path);
             return a[1] == "found";
         });
         looked.insert(looked.begin(), chosen);
         return joined(looked);
     }},
    {"helpPageAddress", [](const Args& a) { return helpPageAddress(a[0], a.i(1)); }},
    {"isThreeDButtonCaption", [](const Args& a) { return yesNo(isThreeDButtonCaption(a.text(0))); }},
    {"raisedFaceRedrawsFor", [](const Args& a) { return yesNo(raisedFaceRedrawsFor(std::stoul(a[0]))); }},
    {"greySchemeBitFor", [](const Args& a) { return std::to_string(greySchemeBitFor(a.text(0))); }},
    // Options as a number, or "game" for the game's own.
    {"greySchemeApplies",
     [](const Args& a) {
         return yesNo(greySchemeApplies(a[0] == "game" ? kRuntimeOptions : a.i(0), a[1].c_str()));
     }},
    {"isTwoColourDevice", [](const Args& a) { return yesNo(isTwoColourDevice(a.i(0), a.i(1))); }},
    {"paletteColourCount",
     [](const Args& a) { return std::to_string(paletteColourCount(a.i(0), std::stoul(a[1]))); }},
    // Both ways round, against a 640 x 480 client area.
    {"rectanglesMeet",
     [](const Args& a) {
         const Rect client{0, 0, 640, 480}, other{a.i(0), a.i(1), a.i(2), a.i(3)};
         return yesNo(rectanglesMeet(client, other)) + "\t" + yesNo(rectanglesMeet(other, client));
     }},
    {"centredOrigin", [](const Args& a) { return xy(centredOrigin(a.i(0), a.i(1), rectAt(a, 2))); }},
    {"keptOnScreen",
     [](const Args& a) { return xy(keptOnScreen(a.i(0), a.i(1), a.i(2), a.i(3), a.i(4), a.i(5))); }},
    {"fitPage",
     [](const Args& a) {
         const PageFit fit = fitPage(rectAt(a, 0), {a.i(4), a.i(5)}, {a.i(6), a.i(7)});
         return corners(fit.window) + "\t" + fields({fit.scale.numerator, fit.scale.denominator});
     }},
    {"scaleOf",
     [](const Args& a) {
         return std::to_string(Scale{a.i(0), a.i(1)}.of(a.i(2)));
     }},
    // In a 500 x 300 frame with bars of 30, 20, 40 and 10 and a 50 x 25 child.
    {"layoutRectFor",
     [](const Args& a) {
         return corners(layoutRectFor(a.i(0), 500, 300, {30, 20, 40, 10}, {50, 25}, a[1] == "full"));
     }},
    {"mainWindowPlacement",
     [](const Args& a) {
         const WindowPlacement p = mainWindowPlacement(a.i(0), a.i(1));
         return fields({p.maximised, p.x, p.y, p.width, p.height});
     }},
    // A bitmap of the size given, asked for at 10, 20, 110, 70.
    {"placeBitmap",
     [](const Args& a) {
         const BitmapPlacement placed = placeBitmap(a.i(0), {10, 20, 110, 70}, a.i(1), a.i(2));
         return corners(placed.target) + "\t" + yesNo(placed.fillAround);
     }},
    // A DIB (a 40-byte header, the colour table and the pixels) of the width, height, bits a pixel, colours
    // used and colour-table entries given, as written or with its header's size that of an old core header,
    // its last byte cut, only 39 bytes or none at all: whether it is drawn as the game's pictures are, its
    // width, height, palette colours and pixel offset.
    {"readDibLayout",
     [](const Args& a) {
         const uint32_t width = a.i(0), height = a.i(1), bits = a.i(2), used = a.i(3);
         const uint32_t header[][2] = {{0, 40}, {4, width}, {8, height}, {32, used}};
         std::vector<uint8_t> bytes(40 + 4 * a.i(4) + (width * bits + 31) / 32 * 4 * std::abs(a.i(1)));
         for (const auto& [at, value] : header) std::memcpy(&bytes[at], &value, 4);
         bytes[12] = 1;
         bytes[14] = static_cast<uint8_t>(bits);
         if (a[5] == "core") bytes[0] = 12;
         if (a[5] == "cut") bytes.pop_back();
         if (a[5] == "39 bytes") bytes.resize(39);
         const DibLayout dib =
             a[5] == "none" ? readDibLayout(nullptr, 0) : readDibLayout(bytes.data(), bytes.size());
         return yesNo(dib.valid) + "\t" +
                fields({dib.width, dib.height, dib.paletteColours, static_cast<int>(dib.pixelOffset)});
     }},
    // Share 5 at 1.50 held in the first slot for 1000 pounds: the figures, then whether each is red.
    {"accountFigures",
     [](const Args& a) {
         GameModel model = fiftyShares([](int share) { return share == 5 ? 1.5 : 1.0; });
         if (a.i(0) > 0) model.holdings[0] = heldShares(5, a.i(0), 1000.0);
         model.cashBalance = a.n(1), model.pendingBalance = a.n(2);
         const AccountFigures f = rebuildPortfolio(model).account;
         return joined({f.portfolioValue, f.cashBalance, f.total, f.profit, f.pendingBalance}) + "\t" +
                joined({yesNo(f.cashNegative), yesNo(f.pendingNegative), yesNo(f.totalNegative),
                        yesNo(f.profitNegative)});
     }},
    // Company 4 at 2.50 and Company 7 at the price given, the quantity given of each, on the last day.
    {"endOfDataNotice",
     [](const Args& a) {
         GameModel model = fiftyShares([&](int s) { return s == 4 ? 2.50 : s == 7 ? a.n(2) : 1.0; });
         model.dayIndex = 0;
         model.cashBalance = model.pendingBalance = a.n(0);
         for (int slot = 0; slot < 2 && a.i(1) > 0; ++slot)
             model.holdings[slot] = heldShares(slot == 0 ? 4 : 7, a.i(1), 1.0);
         const std::string notice = endOfDataNotice(model), opening = noLaterPricesNotice(model) + "\n\n";
         return notice.rfind(opening, 0) == 0 ? notice.substr(opening.size()) : notice;
     }},
    // A purchase or a sale of the value given on the pending balance given: the spendable amount, whether
    // the purchase is affordable and whether the sale's commission is funded.
    {"moneyTests",
     [](const Args& a) {
         GameModel model = fiftyShares([](int) { return 1.0; });
         model.pendingBalance = a.n(0);
         return joined({formatFixed(spendableAmount(model), 11), yesNo(canAffordPurchase(model, a.n(1))),
                        yesNo(canFundSale(model, a.n(1)))});
     }},
    // A purchase in the buying market on the balance given: the share, the Quantity and Value fields.
    {"decideBuy",
     [](const Args& a) {
         GameModel model = buyingMarket();
         model.cashBalance = model.pendingBalance = a.n(0);
         const BuyStep step = decideBuy(model, a.i(1), a[2], a[3]);
         return std::to_string(step.quantity) + "\t" + booked(model, a.i(1), step);
     }},
    // Buy Max of Company 7 at the price given on the pending balance given: the quantity, the texts put in
    // the two fields, then the step as booked.
    {"decideBuyMax",
     [](const Args& a) {
         GameModel model = buyingMarket();
         model.cashBalance = model.pendingBalance = a.n(0), model.shareTable[7].currentPrice = a.n(1);
         return dividing([&] {
             const BuyMaxStep max = decideBuyMax(model, 7);
             return joined({std::to_string(max.step.quantity), max.quantityText.value_or("left alone"),
                            max.valueText.value_or("left alone"), booked(model, 7, max.step)});
         });
     }},
    // Selling from 100 shares of Pellinor at the price given on the balance given: the Value and Quantity
    // fields; nothing may divide by a price of 0.
    {"planSale",
     [](const Args& a) {
         GameModel model = saleHolding(100, a.n(0), a.n(1));
         return dividing([&] { return placed(model, planSale(model, kSoldShare, a[2], a[3])); },
                         FE_DIVBYZERO | FE_INVALID);
     }},
    // The Sell dialog's title, quantity held, price and holding's value for the holding and price given.
    {"saleFigures",
     [](const Args& a) {
         const SaleFigures f = saleFigures(saleHolding(a.i(0), a.n(1)), kSoldShare);
         return joined({f.title, f.available, f.price, f.totalValue});
     }},
    // Sell All from the holding given at the price given on the balance given: the two fields' texts, then
    // the sale.
    {"planSellAll",
     [](const Args& a) {
         GameModel model = saleHolding(a.i(0), a.n(1), a.n(2));
         const EntryTexts texts = sellAllTexts(model, kSoldShare);
         return dividing(
             [&] {
                 return joined({texts.quantity, texts.value, placed(model, planSellAll(model, kSoldShare))});
             },
             FE_DIVBYZERO | FE_INVALID);
     }},
    // A day's settlement of one purchase over the count given, share 0's file holding the records given,
    // priced from the earliest day given (days count back from the end) but not on the days listed: the
    // day, the previous day, whether the data ran out, share 0's price and the opening of each notice.
    {"settleDay",
     [](const Args& a) {
         Game game;
         GameModel& model = game.model;
         std::vector<double> share0 = rampPrices(0, a.i(0));
         for (int day = a.i(1) + 1; day <= a.i(0) - 3; ++day) share0[a.i(0) - 3 - day] = 0.0;
         for (int day : numbers(a[2])) share0[recordOfDay(day)] = 0.0;
         game.folder.writeHistory(0, share0);
         order(model, 9, 20, OrderKind::Purchase);
         const Settlement result = settleDay(model, std::stoll(a[3]));
         expectSettled(model, model.dayIndex, model.previousDayIndex);
         EXPECT_EQ(std::make_tuple(model.orderDayIndex, result.ordersSettled, model.holdings[0].heldQuantity),
                   std::make_tuple(260, 1, 20));
         std::vector<std::string> shown{std::to_string(model.dayIndex),
                                        std::to_string(model.previousDayIndex), yesNo(result.noLaterPrices),
                                        money(model.shareTable[0].currentPrice)};
         for (const Notice& notice : settlementNotices(model, result))
             shown.push_back(notice.text.substr(0, notice.text.find("\n\n")));
         return joined(shown);
     }},
    // The statement of the records held (record i's quantity is i) for the count saved, newest page first:
    // each page's quantities and its number, stepping back to the oldest page and forward again. A page
    // without rows has no number.
    {"statementPages",
     [](const Args& a) {
         MemorySource source(a.i(0));
         StatementPaging paging = openStatement(a.i(1), source);
         EXPECT_FALSE(nextPage(paging));
         std::vector<std::string> pages;
         for (int p = paging.pageCount; p >= 1; --p) {
             const StatementPage page = buildStatementPage(paging, source);
             const std::string rows = joined(quantities(page), " ");
             pages.push_back(rows.empty() ? "none\tno number" : rows + "\t" + page.statementNumber);
             EXPECT_FALSE(page.historyUnavailable);
             EXPECT_EQ(hasNextPage(paging), p < paging.pageCount);
             EXPECT_EQ(previousPage(paging), p > 1);
         }
         for (int p = 2; p <= paging.pageCount; ++p) EXPECT_TRUE(nextPage(paging));
         EXPECT_EQ(paging.pageNumber, paging.pageCount);
         return joined(pages);
     }},
    // The ticker of the moved market, share 1's name filling its field, in the rows and width given, each
    // item its name at 6 pixels a character, 2 pixels, an 8-pixel mark and a 10-pixel gap: name,
    // movement, row, name's and mark's x.
    {"layTicker",
     [](const Args& a) {
         GameModel model = movedMarket();
         std::memcpy(model.shareTable[1].name, "Twenty Characters Ok", kShareNameSize);  // no ending zero
         std::vector<std::string> shown;
         const auto sixEach = [](const std::string& text) { return 6 * static_cast<int>(text.size()); };
         for (const TickerItem& item : layTicker(model, {a.i(0), a.i(1), 8, 2, 10}, sixEach)) {
             const char* movement[] = {"fell", "unchanged", "rose"};
             shown.push_back(joined({item.name, movement[static_cast<int>(item.movement)],
                                     fields({item.row, item.nameX, item.markX})}));
         }
         return shown.empty() ? "none" : joined(shown);
     }},
    // Browsing the graphs through the whole table from the share given ("all") or through the list given,
    // at the position given: whether Previous and Next work, the share shown after each and the position
    // after Next.
    {"graphStepping",
     [](const Args& a) {
         const GraphBrowse browse =
             a[0] == "all" ? browseAllShares(a.i(1)) : GraphBrowse{numbers(a[0]), a.i(1)};
         GraphBrowse previous = browse, next = browse;
         const GraphStepping stepping = graphSteppingFor(browse);
         EXPECT_EQ(std::make_pair(stepGraphPrevious(previous), stepGraphNext(next)),
                   std::make_pair(stepping.previous, stepping.next));
         return joined({yesNo(stepping.previous), yesNo(stepping.next)}) + "\t" +
                fields({previous.shownShare(), next.shownShare(), next.position});
     }},
    {"plotColumnOf", [](const Args& a) { return std::to_string(plotColumnOf(rangeNamed(a[0]), a.i(1))); }},
    {"graphPriceLabels",
     [](const Args& a) {
         return joined(graphPriceLabels({true, a.n(0), a.n(1)}));
     }},
};
}  // namespace

TEST(CaseTable, EveryRowGivesItsExpectedFields) {
    std::ifstream file(TICKERDELL_CORE_CASES);
    ASSERT_TRUE(file.is_open()) << TICKERDELL_CORE_CASES;
    int rows = 0, lineNumber = 0;
    for (std::string line; std::getline(file, line);) {
        ++lineNumber;
        if (line.empty() || line[0] == '#') continue;
        Args fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, '\t');) fields.push_back(unescaped(field));
        const auto equals = std::find(fields.begin(), fields.end(), "=");
        const auto function = kFunctions.find(fields[0]);
        ASSERT_TRUE(function != kFunctions.end() && equals != fields.end()) << "line " << lineNumber;
        SCOPED_TRACE("cases.tsv line " + std::to_string(lineNumber));
        EXPECT_EQ(function->second(Args(fields.begin() + 1, equals)), joined(Args(equals + 1, fields.end())))
            << "cases.tsv line " << lineNumber << ": " << line;
        ++rows;
    }
    EXPECT_GT(rows, 100);
}
