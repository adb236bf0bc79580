// The core's pure functions from text to text, one row of cases.tsv a case: the function, its
// arguments, "=", and the fields it must give. A byte outside plain ASCII is written \xHH, a tab \t, a
// line feed \n and a NUL \0; a result that is not there is written "none".
#include "tests/core/TestKit.h"
#include "runtime/BevelGeometry.h"
#include "runtime/BitmapGeometry.h"
#include "runtime/Formats.h"
#include "runtime/HelpFilePath.h"
#include "runtime/Layout.h"
#include "shell/WindowPlacement.h"
#include "trading/BuyRules.h"
#include "trading/Portfolio.h"
#include "trading/EntryFields.h"
#include "views/Graph.h"
#include "views/ShareIndex.h"
#include "views/Statement.h"

#include <map>
#include <sstream>

namespace {
using Args = std::vector<std::string>;

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

double num(const std::string& text) {
    return std::stod(text);
}
int whole(const std::string& text) {
    return std::stoi(text);
}
std::string yesNo(bool answer) {
    return answer ? "yes" : "no";
}
std::string joined(const std::vector<std::string>& fields) {
    std::string text;
    for (const std::string& field : fields) text += (text.empty() ? "" : "\t") + field;
    return text;
}

ShareRecord priced(const std::string& name, double previousPence, double currentPence) {
    ShareRecord record;
    std::snprintf(record.name, kShareNameSize, "%s", name.c_str());
    record.previousPrice = previousPence / 100.0;
    record.currentPrice = currentPence / 100.0;
    return record;
}

// A deal of "Abbey Foods" on "21-May-97"; without an amount, a purchase's value is quantity times price.
TransactionRecord deal(const Args& a) {
    const int quantity = whole(a[1]);
    const double price = num(a[2]);
    return {"Abbey Foods", price,      a[0][0], quantity, a.size() > 4 ? num(a[4]) : quantity * price,
            num(a[3]),     "21-May-97"};
}

Rect rectAt(const Args& a, std::size_t at) {
    return {whole(a[at]), whole(a[at + 1]), whole(a[at + 2]), whole(a[at + 3])};
}
std::string fields(std::initializer_list<int> numbers) {
    std::vector<std::string> texts;
    for (int number : numbers) texts.push_back(std::to_string(number));
    return joined(texts);
}
std::string corners(const Rect& r) {
    return fields({r.left, r.top, r.right, r.bottom});
}

GraphRange rangeNamed(const std::string& name) {
    return name == "4y" ? GraphRange::FourYears : name == "1y" ? GraphRange::OneYear : GraphRange::OneMonth;
}

const std::map<std::string, std::function<std::string(const Args&)>> kFunctions = {
    {"formatPrice", [](const Args& a) { return formatPrice(num(a[0])); }},
    {"formatFixed", [](const Args& a) { return formatFixed(num(a[0]), whole(a[1])); }},
    {"formatPaddedDecimal", [](const Args& a) { return formatPaddedDecimal(whole(a[0]), num(a[1])); }},
    {"formatSignedAmount", [](const Args& a) { return formatSignedAmount(whole(a[0]), num(a[1])); }},
    {"formatBracketedAmount", [](const Args& a) { return formatBracketedAmount(whole(a[0]), num(a[1])); }},
    {"formatPounds", [](const Args& a) { return formatPounds(num(a[0])); }},
    {"formatListPrice", [](const Args& a) { return formatListPrice(num(a[0])); }},
    {"formatPriceWithUnit", [](const Args& a) { return formatPriceWithUnit(num(a[0])); }},
    {"formatGraphPriceLabel", [](const Args& a) { return formatGraphPriceLabel(num(a[0])); }},
    {"formatTotalPounds", [](const Args& a) { return formatTotalPounds(num(a[0])); }},
    {"readFieldNumber", [](const Args& a) { return std::to_string(readFieldNumber(a[0])); }},
    {"wholeShares", [](const Args& a) { return std::to_string(wholeShares(num(a[0]))); }},
    {"leadingInteger", [](const Args& a) { return std::to_string(leadingInteger(a[0])); }},
    {"skipCountFromText", [](const Args& a) { return std::to_string(skipCountFromText(a[0])); }},
    {"valueTextForQuantity",
     [](const Args& a) { return valueTextForQuantity(num(a[0]), a[1]).value_or("none"); }},
    {"textsForValue",
     [](const Args& a) {
         const auto texts =
             textsForValue(num(a[0]), a[1], a[2] == "buy" ? EntryRounding::Buy : EntryRounding::Sell);
         return texts ? texts->quantity + "\t" + texts->value : "none";
     }},
    {"buyPriceText", [](const Args& a) { return buyPriceText(priced("", 0.0, 100.0 * num(a[0]))); }},
    {"shareIndexLine", [](const Args& a) { return shareIndexLine(priced(a[0], num(a[1]), num(a[2]))); }},
    {"statementRow",
     [](const Args& a) {
         const StatementRow row = statementRow(deal(a));
         return joined(row[1].empty() ? std::vector<std::string>{row[0]}
                                      : std::vector(row.begin(), row.end()));
     }},
    {"helpPageAddress", [](const Args& a) { return helpPageAddress(a[0], whole(a[1])); }},
    {"isTwoColourDevice", [](const Args& a) { return yesNo(isTwoColourDevice(whole(a[0]), whole(a[1]))); }},
    {"paletteColourCount",
     [](const Args& a) { return std::to_string(paletteColourCount(whole(a[0]), std::stoul(a[1]))); }},
    // Both ways round, against a 640 x 480 client area.
    {"rectanglesMeet",
     [](const Args& a) {
         const Rect client{0, 0, 640, 480}, other{whole(a[0]), whole(a[1]), whole(a[2]), whole(a[3])};
         return yesNo(rectanglesMeet(client, other)) + "\t" + yesNo(rectanglesMeet(other, client));
     }},
    {"centredOrigin",
     [](const Args& a) {
         const Point p = centredOrigin(whole(a[0]), whole(a[1]), rectAt(a, 2));
         return fields({p.x, p.y});
     }},
    {"keptOnScreen",
     [](const Args& a) {
         const Point p =
             keptOnScreen(whole(a[0]), whole(a[1]), whole(a[2]), whole(a[3]), whole(a[4]), whole(a[5]));
         return fields({p.x, p.y});
     }},
    {"fitPage",
     [](const Args& a) {
         const PageFit fit = fitPage(rectAt(a, 0), {whole(a[4]), whole(a[5])}, {whole(a[6]), whole(a[7])});
         return corners(fit.window) + "\t" + fields({fit.scale.numerator, fit.scale.denominator});
     }},
    {"scaleOf",
     [](const Args& a) {
         return std::to_string(Scale{whole(a[0]), whole(a[1])}.of(whole(a[2])));
     }},
    // In a 500 x 300 frame with bars of 30, 20, 40 and 10 and a 50 x 25 child.
    {"layoutRectFor",
     [](const Args& a) {
         return corners(layoutRectFor(whole(a[0]), 500, 300, {30, 20, 40, 10}, {50, 25}, a[1] == "full"));
     }},
    {"mainWindowPlacement",
     [](const Args& a) {
         const WindowPlacement p = mainWindowPlacement(whole(a[0]), whole(a[1]));
         return fields({p.maximised, p.x, p.y, p.width, p.height});
     }},
    // A bitmap of the size given, asked for at 10, 20, 110, 70.
    {"placeBitmap",
     [](const Args& a) {
         const BitmapPlacement placed = placeBitmap(whole(a[0]), {10, 20, 110, 70}, whole(a[1]), whole(a[2]));
         return corners(placed.target) + "\t" + yesNo(placed.fillAround);
     }},
    // Share 5 at 1.50 held in the first slot for 1000 pounds: the figures, then whether each is red.
    {"accountFigures",
     [](const Args& a) {
         GameModel model = fiftyShares([](int share) { return share == 5 ? 1.5 : 1.0; });
         if (whole(a[0]) > 0) model.holdings[0] = heldShares(5, whole(a[0]), 1000.0);
         model.cashBalance = num(a[1]), model.pendingBalance = num(a[2]);
         const AccountFigures f = rebuildPortfolio(model).account;
         return joined({f.portfolioValue, f.cashBalance, f.total, f.profit, f.pendingBalance}) + "\t" +
                joined({yesNo(f.cashNegative), yesNo(f.pendingNegative), yesNo(f.totalNegative),
                        yesNo(f.profitNegative)});
     }},
    // Company 4 at 2.50 and Company 7 at the price given, the quantity given of each, on the last day.
    {"endOfDataNotice",
     [](const Args& a) {
         const double price7 = num(a[2]);
         GameModel model = fiftyShares([&](int share) {
             return share == 4 ? 2.50 : share == 7 ? price7 : 1.0;
         });
         model.dayIndex = 0;
         model.cashBalance = model.pendingBalance = num(a[0]);
         for (int slot = 0; slot < 2 && whole(a[1]) > 0; ++slot)
             model.holdings[slot] = heldShares(slot == 0 ? 4 : 7, whole(a[1]), 1.0);
         const std::string notice = endOfDataNotice(model), opening = noLaterPricesNotice(model) + "\n\n";
         return notice.rfind(opening, 0) == 0 ? notice.substr(opening.size()) : notice;
     }},
    {"plotColumnOf",
     [](const Args& a) { return std::to_string(plotColumnOf(rangeNamed(a[0]), whole(a[1]))); }},
    {"graphPriceLabels",
     [](const Args& a) {
         const auto labels = graphPriceLabels({true, num(a[0]), num(a[1])});
         return joined(std::vector<std::string>(labels.begin(), labels.end()));
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
        EXPECT_EQ(function->second(Args(fields.begin() + 1, equals)), joined(Args(equals + 1, fields.end())))
            << "cases.tsv line " << lineNumber << ": " << line;
        ++rows;
    }
    EXPECT_GT(rows, 100);
}
