// The Quantity and Value fields: character filters, reading their texts, and keeping the pair in step.
#include "tests/core/TestKit.h"
#include "trading/EntryFields.h"

TEST(EntryFilters, EveryByteOfBothFields) {
    for (unsigned int code = 0; code < 256; ++code) {
        const bool plain = code <= 32 || (code >= '0' && code <= '9');
        EXPECT_EQ(isQuantityCharAllowed(code), plain) << code;
        EXPECT_EQ(isValueCharAllowed(code, ""), plain || code == '.') << code;
        EXPECT_EQ(isValueCharAllowed(code, "1.5"), plain) << code;
    }
    // A code beyond one byte is not mistaken for the byte it ends in; a full stop beyond the 19
    // characters read does not count.
    EXPECT_FALSE(isQuantityCharAllowed(0x130));
    EXPECT_FALSE(isValueCharAllowed(0x12E, "12"));
    EXPECT_TRUE(isValueCharAllowed('.', std::string(19, '1') + "."));
    EXPECT_FALSE(isValueCharAllowed('.', std::string(18, '1') + "."));
}

TEST(ReadFieldNumber, LongestDecimalPrefixOfTheFirst19Characters) {
    const std::string nul("12\00034", 5), wide(18, ' '), wider(19, ' ');
    // clang-format off
    const std::pair<std::string, double> cases[] = {
        {"abc", 0.0}, {".", 0.0}, {"\t 12.5xyz", 12.5}, {"12.5.3", 12.5}, {".5", 0.5}, {"-3.25", -3.25},
        {"+4", 4.0}, {"1e5", 1.0}, {nul, 12.0}, {wide + "57", 5.0}, {wider + "7", 0.0}};
    // clang-format on
    for (const auto& [text, number] : cases) EXPECT_EQ(readFieldNumber(text), number) << text;
    EXPECT_EQ(readFieldNumber(std::string(28, ' ') + "3", 29), 3.0);
}

TEST(WholeNumbers, DropTheFractionAndAreHeldRatherThanWrapped) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    const std::pair<double, int32_t> shares[] = {
        {-12.9, -12}, {2147483646.9, 2147483646}, {2147483647.0, INT32_MAX}, {inf, INT32_MAX},
        {-2147483648.0, INT32_MIN}, {-5e12, INT32_MIN}, {std::nan(""), 0},
        {-2147483647.5, -2147483647}};
    // clang-format on
    for (const auto& [number, whole] : shares) EXPECT_EQ(wholeShares(number), whole) << number;

    // Nineteen digits or more are held at 10^18, checked before each multiplication so that nothing
    // overflows on the way.
    const long long most = 1000000000000000000LL;
    const std::string nineteen(19, '9'), twentySix(26, '9');
    // clang-format off
    const std::pair<std::string, long long> integers[] = {
        {"99.999000", 99}, {"-7.5", -7}, {"abc", 0}, {"4294967306", 4294967306LL},
        {"999999999999999999", most - 1}, {"1000000000000000000", most}, {twentySix, most}, {"-" + nineteen, -most}};
    // clang-format on
    for (const auto& [text, whole] : integers) EXPECT_EQ(leadingInteger(text), whole) << text;
}

TEST(QuantityToValue, PriceTimesQuantityWithinTheCeiling) {
    const std::tuple<double, const char*, const char*> values[] = {{1.2345, "10", "12.34"},
                                                                   {0.0625, "2", "0.13"},
                                                                   {1.0, " 99999999", "99999999.00"},
                                                                   {0.5, "2.5", "1.25"}};
    for (const auto& [price, quantity, value] : values)
        EXPECT_EQ(valueTextForQuantity(price, quantity), value);
    for (const char* unchanged : {"0", "100000000", "-5"})
        EXPECT_FALSE(valueTextForQuantity(2.5, unchanged).has_value()) << unchanged;
}

TEST(ValueToQuantity, BuyRoundsToTwoDecimalsSellToSixAndTheValueIsRewritten) {
    const auto buy = EntryRounding::Buy, sell = EntryRounding::Sell;
    // clang-format off
    const struct { double price; const char* value; EntryRounding rounding; const char *quantity, *rewritten; } cases[] = {
        {1.0, "99.999", buy, "100", "100.00"}, {1.0, "99.999", sell, "99", "99.00"},
        {1.0, "99.9999996", sell, "100", "100.00"}, {1.0, "0.999", sell, nullptr, nullptr},  // nullptr: both stay
        {2.35, "1000", buy, "425", "998.75"}, {1.0, "99999999.4", sell, "99999999", "99999999.00"},
        {1.0, "99999999.996", buy, nullptr, nullptr}, {1.0, "0.004", buy, nullptr, nullptr},
        {1e-300, "50", buy, nullptr, nullptr}, {std::nan(""), "50", sell, nullptr, nullptr}};
    // clang-format on
    for (const auto& c : cases) {
        const auto texts = textsForValue(c.price, c.value, c.rounding);
        ASSERT_EQ(texts.has_value(), c.quantity != nullptr) << c.price << " " << c.value;
        if (texts) {
            EXPECT_EQ(std::make_tuple(texts->quantity, texts->value),
                      std::make_tuple(c.quantity, c.rewritten));
        }
    }
    // A share without a price divides nothing: the processor's sticky division-by-zero flag stays clear.
    std::feclearexcept(FE_DIVBYZERO);
    EXPECT_FALSE(textsForValue(0.0, "50", EntryRounding::Buy).has_value());
    EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO));
}
