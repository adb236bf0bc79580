// The help's account of the game's refusals, held against the rules the game runs.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "trading/BuyRules.h"

#ifndef TICKERDELL_SOURCE_DIR
#error "TICKERDELL_SOURCE_DIR must name the source tree, where the help's text is"
#endif

namespace {
// The help's list item that explains a refusal: it opens with the refusal's text in quotes.
std::string helpItemFor(const std::string& refusal) {
    std::ifstream in(std::string(TICKERDELL_SOURCE_DIR) + "/resources/help/project.txt");
    for (std::string line; std::getline(in, line);)
        if (line.rfind("- \"" + refusal + "\"", 0) == 0) return line;
    return {};
}
}  // namespace

TEST(HelpText, EachBuyRefusalIsExplainedByTheCaseThatGivesIt) {
    GameModel model;
    model.shareTable[0].currentPrice = model.shareTable[0].previousPrice = 2.5;
    const struct {
        const char *quantity, *value, *helpWords;
    } cases[] = {{"", "", "both boxes empty"},
                 {"9", "22.50", "below ten"},
                 {"10", "", "ten or more but the Value box is empty"},
                 {"10", "2.49", "worth less than one share"}};
    for (const auto& c : cases) {
        const std::string refusal = decideBuy(model, 0, c.quantity, c.value).refusal;
        ASSERT_FALSE(refusal.empty()) << c.quantity << " / " << c.value;
        EXPECT_NE(helpItemFor(refusal).find(c.helpWords), std::string::npos)
            << refusal << ": " << c.helpWords;
    }
}
