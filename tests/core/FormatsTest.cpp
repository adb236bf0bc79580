// Price and money texts: the dealing-room price signs, padding, brackets and half-away rounding.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "views/Formats.h"

namespace {
struct Case {
    double input;
    const char* expected;
};

struct WidthCase {
    int width;
    double input;
    const char* expected;
};

// FNV-1a over texts, to compare many texts between two runtimes with one number.
uint64_t digestOf(uint64_t digest, const std::string& text) {
    for (unsigned char byte : text) digest = (digest ^ byte) * 1099511628211ULL;
    return (digest ^ 0xFF) * 1099511628211ULL;  // marks the end of each text
}

#ifdef __GLIBC__
// An exact tie at `decimals` decimals shows as "...5" followed by nothing but zeros.
bool looksLikeTie(double value, int decimals) {
    const std::string wide = formatFixed(value, 20);
    const std::size_t digit = wide.find('.') + 1 + static_cast<std::size_t>(decimals);
    return wide[digit] == '5' && wide.find_first_not_of('0', digit + 1) == std::string::npos;
}
#endif
}  // namespace

TEST(FormatPrice, EdgeCaseTable) {
    const Case cases[] = {
        {123.25, "123\xBC"}, {123.5, "123\xBD"}, {123.75, "123\xBE"}, {123.0, "123"},   {0.25, "0\xBC"},
        {0.5, "0\xBD"},      {0.0, "     "},     {-0.0, "     "},     {0.001, "0"},     {-1.25, "-1\xBC"},
        {-0.75, "-0\xBE"},   {45.1, "45"},       {45.99, "45"},       {12.2, "12\xBC"}, {99.996, "100"},
    };
    for (const Case& c : cases) EXPECT_EQ(formatPrice(c.input), c.expected) << c.input;
}

TEST(FormatPrice, GlyphFollowsTheRoundedFirstDecimalOnly) {
    EXPECT_EQ(formatPrice(12.249), "12\xBC");  // 12.25 after rounding
    EXPECT_EQ(formatPrice(12.795), "12\xBE");  // 12.80 would be the bare 12; 12.795 sits below the half
    EXPECT_EQ(formatPrice(12.7951), "12");     // rounds to 12.80
    EXPECT_EQ(formatPrice(0.995), "0");        // held as 0.99499..., so 0.99: no sign
    EXPECT_EQ(formatPrice(0.996), "1");        // rounds up into the whole penny
    EXPECT_EQ(formatPrice(-0.001), "-0");      // not zero, so printed as printf would
    EXPECT_EQ(formatPrice(1234567.5), "1234567\xBD");
}

TEST(FormatPaddedDecimal, RightAlignsTwoDecimals) {
    const WidthCase cases[] = {
        {8, 2.5, "    2.50"},     {8, -3.3333, "   -3.33"}, {8, 0.0, "    0.00"},
        {8, 9999.99, " 9999.99"}, {8, -100.0, " -100.00"},  {8, 0.125, "    0.13"},
    };
    for (const WidthCase& c : cases) EXPECT_EQ(formatPaddedDecimal(c.width, c.input), c.expected) << c.input;
    // A text as long as the width or longer is kept whole.
    EXPECT_EQ(formatPaddedDecimal(4, 12345.678), "12345.68");
}

TEST(FormatSignedAmount, BracketsNegativesAndPads) {
    const WidthCase cases[] = {
        {11, 1234.5, "    1234.50"}, {11, -1234.5, "  (1234.50)"},    {0, -2.0, "(2.00)"},
        {11, 0.0, "       0.00"},    {0, -0.001, "(0.00)"},           {0, -0.0, "0.00"},
        {11, -0.0, "       0.00"},   {0, 9999999.996, "10000000.00"}, {0, -0.125, "(0.13)"},
    };
    for (const WidthCase& c : cases)
        EXPECT_EQ(formatSignedAmount(c.width, c.input), c.expected) << c.width << " " << c.input;
}

TEST(FormatBracketedAmount, AlwaysBrackets) {
    EXPECT_EQ(formatBracketedAmount(0, 250.0), "(250.00)");
    EXPECT_EQ(formatBracketedAmount(0, 0.0), "(0.00)");
    EXPECT_EQ(formatBracketedAmount(10, 12.345), "   (12.35)");
}

TEST(FormatPounds, PoundSignIsOneByteAndNegativesAreBracketed) {
    EXPECT_EQ(formatPounds(0.0),
              "\xA3"
              "0.00");
    EXPECT_EQ(formatPounds(-0.5),
              "(\xA3"
              "0.50)");
    EXPECT_EQ(formatPounds(-12.5),
              "(\xA3"
              "12.50)");
    EXPECT_EQ(formatPounds(-0.0),
              "\xA3"
              "0.00");
    EXPECT_EQ(formatPounds(100000.0),
              "\xA3"
              "100000.00");
    EXPECT_EQ(formatPounds(0.125),
              "\xA3"
              "0.13");
    EXPECT_EQ(formatPounds(-0.001),
              "(\xA3"
              "0.00)");
    const std::string zero = formatPounds(0.0);
    ASSERT_EQ(zero.size(), 5u);
    EXPECT_EQ(static_cast<unsigned char>(zero[0]), 0xA3);
}

TEST(RoleFormats, EachScreenFigure) {
    EXPECT_EQ(formatListPrice(123.5), " 123\xBD");
    EXPECT_EQ(formatListPrice(0.0), "     ");
    EXPECT_EQ(formatListPrice(12345.75), "12345\xBE");
    EXPECT_EQ(formatPriceWithUnit(123.5), " 123\xBDp");
    EXPECT_EQ(formatPriceWithUnit(0.0), "     p");
    EXPECT_EQ(formatPriceWithUnit(7.0), "    7p");
    EXPECT_EQ(formatGraphPriceLabel(123.5), "123\xBDp");
    EXPECT_EQ(formatGraphPriceLabel(8.25), "8\xBCp");
    EXPECT_EQ(formatTotalPounds(1234.5),
              "\xA3"
              "1234.50");
    EXPECT_EQ(formatTotalPounds(-12.0), "\xA3-12.00");
    EXPECT_EQ(formatAmountColumn(1234.5), "    1234.50");
    EXPECT_EQ(formatAmountColumn(-1234.5), "  (1234.50)");
    EXPECT_EQ(formatPercentageColumn(-2.5), "   -2.50");
}

TEST(FormatFixed, ExactHalvesRoundAwayFromZero) {
    EXPECT_EQ(formatFixed(0.125, 2), "0.13");
    EXPECT_EQ(formatFixed(0.375, 2), "0.38");
    EXPECT_EQ(formatFixed(-0.125, 2), "-0.13");
    EXPECT_EQ(formatFixed(10.125, 2), "10.13");
    EXPECT_EQ(formatFixed(0.5, 0), "1");
    EXPECT_EQ(formatFixed(2.5, 0), "3");
    EXPECT_EQ(formatFixed(-2.5, 0), "-3");
    EXPECT_EQ(formatFixed(0.0625, 3), "0.063");
    EXPECT_EQ(formatFixed(1180591620717411.25, 1), "1180591620717411.3");
}

TEST(FormatFixed, ValuesHeldJustBelowAHalfRoundDown) {
    EXPECT_EQ(formatFixed(1.005, 2), "1.00");  // 1.00499999999999989...
    EXPECT_EQ(formatFixed(2.675, 2), "2.67");  // 2.67499999999999982...
    EXPECT_EQ(formatFixed(0.015, 2), "0.01");  // 0.01499999999999999944...
    EXPECT_EQ(formatFixed(123.455, 2), "123.45");
    EXPECT_EQ(formatFixed(5e-7, 6), "0.000000");  // 4.99999999999999977...e-7
    // ...and values held just above a half round up.
    EXPECT_EQ(formatFixed(13.525, 2), "13.53");
    EXPECT_EQ(formatFixed(1.0000005, 6), "1.000001");
    EXPECT_EQ(formatFixed(0.005, 2), "0.01");
}

TEST(FormatFixed, SixDecimalsAndLargeOrTinyValues) {
    EXPECT_EQ(formatFixed(99.999, 6), "99.999000");
    EXPECT_EQ(formatFixed(99.9999996, 6), "100.000000");
    EXPECT_EQ(formatFixed(1.0 / 3.0, 6), "0.333333");
    EXPECT_EQ(formatFixed(1e20, 2), "100000000000000000000.00");
    EXPECT_EQ(formatFixed(9007199254740993.0, 0), "9007199254740992");
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::denorm_min(), 6), "0.000000");
    EXPECT_EQ(formatFixed(-0.0, 2), "-0.00");
    EXPECT_EQ(formatFixed(-0.004, 2), "-0.00");
    EXPECT_EQ(formatFixed(7.0, 0), "7");
    const std::string huge = formatFixed(std::numeric_limits<double>::max(), 2);
    EXPECT_EQ(huge.size(), 312u);
    EXPECT_EQ(huge.substr(0, 17), "17976931348623157");
    EXPECT_EQ(huge.substr(huge.size() - 3), ".00");
}

TEST(FormatFixed, InfinityAndNotANumberAreNamed) {
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::infinity(), 2), "inf");
    EXPECT_EQ(formatFixed(-std::numeric_limits<double>::infinity(), 6), "-inf");
    EXPECT_EQ(formatFixed(std::nan(""), 2), "nan");
    EXPECT_EQ(formatPrice(std::numeric_limits<double>::infinity()), "inf");
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
        const double whole = static_cast<double>(static_cast<int64_t>(bits % 2000000001) - 1000000000);
        double value = 0.0;
        std::memcpy(&value, &bits, sizeof value);
        // Every third value is any double, the others look like money or like quarter pence.
        if (i % 3 == 1 || !std::isfinite(value) || std::fabs(value) > 1e30) value = whole / 1000.0;
        if (i % 3 == 2) value = whole / 4096.0;
        if (looksLikeTie(value, decimals)) continue;
        char expected[400];
        std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
        ASSERT_EQ(formatFixed(value, decimals), expected) << bits << " " << decimals;
        ++compared;
    }
    EXPECT_GT(compared, 19000);
}
#endif

// The same seeded values, ties and all, must give the same bytes here and under the Windows runtime;
// the digest was taken from a glibc build that also passed the printf comparison above.
TEST(FormatFixed, SameBytesOnEveryRuntime) {
    std::mt19937_64 random(7);
    uint64_t digest = 14695981039346656037ULL;
    for (int i = 0; i < 20000; ++i) {
        const uint64_t bits = random();
        const double money = static_cast<double>(static_cast<int64_t>(bits % 20000001) - 10000000) / 8000.0;
        double any = 0.0;
        std::memcpy(&any, &bits, sizeof any);
        const int decimals = static_cast<int>(bits >> 61);
        digest = digestOf(digest, formatFixed(money, decimals));
        digest = digestOf(digest, formatFixed(any, 6));
        digest = digestOf(digest, formatPrice(money * 100.0));
    }
    EXPECT_EQ(digest, 7954333227017958384ULL);
}
