// Price and money texts: the dealing-room price signs, padding, brackets and half-away rounding.
#include "tests/core/TestKit.h"
#include "runtime/Formats.h"

#include <random>

TEST(FormatPrice, SignsFollowTheFirstDecimalRoundedToTwo) {
    const std::pair<double, const char*> cases[] = {
        {123.25, "123\xBC"}, {123.5, "123\xBD"}, {123.75, "123\xBE"}, {0.0, "     "},  {-0.0, "     "},
        {-0.75, "-0\xBE"},   {45.1, "45"},       {12.2, "12\xBC"},    {99.996, "100"}, {12.249, "12\xBC"},
        {12.795, "12\xBE"},  {12.7951, "12"},    {-0.001, "-0"},      {kInf, "inf"}};
    for (const auto& [pence, text] : cases) EXPECT_EQ(formatPrice(pence), text) << pence;
}

TEST(MoneyFormats, PaddingBracketsAndThePoundSign) {
    using Format = std::function<std::string(double)>;
    const auto padded = [](int width) { return [width](double v) { return formatPaddedDecimal(width, v); }; };
    const auto signedAmount = [](int width) {
        return [width](double v) { return formatSignedAmount(width, v); };
    };
    const auto bracketed = [](int width) {
        return [width](double v) { return formatBracketedAmount(width, v); };
    };
    const Format pounds = formatPounds, list = formatListPrice, total = formatTotalPounds;
    // clang-format off
    const struct { Format format; double value; std::string text; } cases[] = {
        {padded(8), -3.3333, "   -3.33"}, {padded(4), 12345.678, "12345.68"}, {signedAmount(11), 1234.5, "    1234.50"},
        {signedAmount(11), -1234.5, "  (1234.50)"}, {signedAmount(0), -0.001, "(0.00)"}, {signedAmount(0), -0.0, "0.00"},
        {signedAmount(0), 9999999.996, "10000000.00"}, {bracketed(10), 12.345, "   (12.35)"},
        {pounds, -0.5, "(\2430.50)"}, {pounds, -0.0, "\2430.00"}, {pounds, 100000.0, "\243100000.00"},
        {pounds, -0.001, "(\2430.00)"}, {list, 123.5, " 123\xBD"}, {list, 0.0, "     "}, {list, 12345.75, "12345\xBE"},
        {formatPriceWithUnit, 7.0, "    7p"}, {formatGraphPriceLabel, 8.25, "8\xBCp"}, {total, -12.0, "\xA3-12.00"}};
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(c.format(c.value), c.text) << c.value;
}

TEST(FormatFixed, ExactHalvesRoundAwayFromZeroAndEverythingElseToTheNearest) {
    // clang-format off
    const struct { double value; int decimals; const char* text; } cases[] = {
        {-0.125, 2, "-0.13"}, {2.5, 0, "3"}, {0.0625, 3, "0.063"}, {1180591620717411.25, 1, "1180591620717411.3"},
        {1.005, 2, "1.00"}, {99.9999996, 6, "100.000000"}, {1e20, 2, "100000000000000000000.00"},
        {-0.0, 2, "-0.00"}, {0.5, 25, "0.50000000000000000000"}, {-kInf, 6, "-inf"}, {std::nan(""), 2, "nan"},
        {12.25, -2, "12"}};  // fewer than no decimals are none
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(formatFixed(c.value, c.decimals), c.text) << c.value << " " << c.decimals;
    const std::string huge = formatFixed(std::numeric_limits<double>::max(), 2);
    EXPECT_EQ(huge.size(), 312u);
    EXPECT_EQ(huge.substr(0, 17) + huge.substr(huge.size() - 3), "17976931348623157.00");
}

// Away from exact ties the digits are printf's, which glibc computes exactly. Built with glibc only:
// elsewhere printf is the thing these formatters stand in for.
#ifdef __GLIBC__
TEST(FormatFixed, AgreesWithExactPrintfAwayFromTies) {
    std::mt19937_64 random(20240611);
    int compared = 0;
    for (int i = 0; i < 20000; ++i) {
        const uint64_t bits = random();
        const int decimals = static_cast<int>(random() % 8);
        double value = 0.0;
        std::memcpy(&value, &bits, sizeof value);
        // Every third value is any double, the others look like money or like quarter pence.
        const double whole = static_cast<double>(static_cast<int64_t>(bits % 2000000001) - 1000000000);
        if (i % 3 == 1 || !std::isfinite(value) || std::fabs(value) > 1e30) value = whole / 1000.0;
        if (i % 3 == 2) value = whole / 4096.0;
        // An exact tie shows as "...5" followed by nothing but zeros.
        const std::string wide = formatFixed(value, 20);
        const std::size_t digit = wide.find('.') + 1 + static_cast<std::size_t>(decimals);
        if (wide[digit] == '5' && wide.find_first_not_of('0', digit + 1) == std::string::npos) continue;
        char expected[400];
        std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
        ASSERT_EQ(formatFixed(value, decimals), expected) << bits << " " << decimals;
        ++compared;
    }
    EXPECT_GT(compared, 19000);
}
#endif
