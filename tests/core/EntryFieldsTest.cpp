// The Quantity and Value fields: character filters, reading their texts, and keeping the pair in step.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "trading/EntryFields.h"

namespace {
bool isDigitCode(unsigned int code) {
    return code >= '0' && code <= '9';
}

void expectTexts(const std::optional<EntryTexts>& texts, const char* quantity, const char* value) {
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->quantity, quantity);
    EXPECT_EQ(texts->value, value);
}
}  // namespace

TEST(EntryFilters, EveryByteOfTheQuantityField) {
    for (unsigned int code = 0; code < 256; ++code)
        EXPECT_EQ(isQuantityCharAllowed(code), code <= 32 || isDigitCode(code)) << code;
    // A code beyond one byte is not mistaken for the byte it ends in ('0' is 0x30).
    EXPECT_FALSE(isQuantityCharAllowed(0x130));
    EXPECT_FALSE(isQuantityCharAllowed(static_cast<unsigned char>('\xA3')));
}

TEST(EntryFilters, EveryByteOfTheValueFieldWithAndWithoutAFullStop) {
    for (unsigned int code = 0; code < 256; ++code) {
        const bool plain = code <= 32 || isDigitCode(code);
        EXPECT_EQ(isValueCharAllowed(code, "12"), plain || code == '.') << code;
        EXPECT_EQ(isValueCharAllowed(code, ""), plain || code == '.') << code;
        EXPECT_EQ(isValueCharAllowed(code, "1.5"), plain) << code;
        EXPECT_EQ(isValueCharAllowed(code, "."), plain) << code;
    }
    // Only the first 19 characters are read, so a full stop behind them does not count.
    EXPECT_TRUE(isValueCharAllowed('.', std::string(19, '1') + "."));
    EXPECT_FALSE(isValueCharAllowed('.', std::string(18, '1') + "."));
    EXPECT_FALSE(isValueCharAllowed(0x12E, "12"));
}

TEST(ReadFieldNumber, LongestNumericPrefixAfterBlanks) {
    EXPECT_EQ(readFieldNumber(""), 0.0);
    EXPECT_EQ(readFieldNumber("abc"), 0.0);
    EXPECT_EQ(readFieldNumber("."), 0.0);
    EXPECT_EQ(readFieldNumber("-"), 0.0);
    EXPECT_EQ(readFieldNumber("  12.5xyz"), 12.5);
    EXPECT_EQ(readFieldNumber("\t 7"), 7.0);
    EXPECT_EQ(readFieldNumber("12.5.3"), 12.5);
    EXPECT_EQ(readFieldNumber(".5"), 0.5);
    EXPECT_EQ(readFieldNumber("7."), 7.0);
    EXPECT_EQ(readFieldNumber("0.1"), 0.1);
    EXPECT_EQ(readFieldNumber("-3.25"), -3.25);
    EXPECT_EQ(readFieldNumber("+4"), 4.0);
    EXPECT_EQ(readFieldNumber("1e5"), 1.0);  // a decimal number, no exponent
    EXPECT_EQ(readFieldNumber("12 34"), 12.0);
    EXPECT_EQ(readFieldNumber(std::string("12\0"
                                          "34",
                                          5)),
              12.0);
}

TEST(ReadFieldNumber, OnlyTheFirst19CharactersCount) {
    EXPECT_EQ(readFieldNumber("12345678901234567899"), 1234567890123456789.0);
    EXPECT_EQ(readFieldNumber(std::string(18, ' ') + "57"), 5.0);
    EXPECT_EQ(readFieldNumber(std::string(19, ' ') + "7"), 0.0);
    EXPECT_EQ(readFieldNumber("0.30000000000000004"), 0.30000000000000004);
    EXPECT_EQ(readFieldNumber(std::string(28, ' ') + "3", 29), 3.0);
}

TEST(WholeShares, DropsTheFractionAndNeverWraps) {
    EXPECT_EQ(wholeShares(12.9), 12);
    EXPECT_EQ(wholeShares(-12.9), -12);
    EXPECT_EQ(wholeShares(2147483647.0), INT32_MAX);
    EXPECT_EQ(wholeShares(2147483648.0), INT32_MAX);
    EXPECT_EQ(wholeShares(4294967306.0), INT32_MAX);  // 2^32 + 10 is not 10
    EXPECT_EQ(wholeShares(1e30), INT32_MAX);
    EXPECT_EQ(wholeShares(-5e12), INT32_MIN);
    EXPECT_EQ(wholeShares(std::numeric_limits<double>::infinity()), INT32_MAX);
    EXPECT_EQ(wholeShares(std::nan("")), 0);
    EXPECT_EQ(wholeShares(readFieldNumber("4294967306")), INT32_MAX);
}

TEST(LeadingInteger, WholeNumberAtTheStartOfAText) {
    EXPECT_EQ(leadingInteger("100.00"), 100);
    EXPECT_EQ(leadingInteger("99.999000"), 99);
    EXPECT_EQ(leadingInteger("  42abc"), 42);
    EXPECT_EQ(leadingInteger("-7.5"), -7);
    EXPECT_EQ(leadingInteger("abc"), 0);
    EXPECT_EQ(leadingInteger("inf"), 0);
    EXPECT_EQ(leadingInteger(""), 0);
    EXPECT_EQ(leadingInteger("4294967306"), 4294967306LL);
    EXPECT_GE(leadingInteger("99999999999999999999999999"), 1000000000000000000LL);
    EXPECT_LE(leadingInteger("-99999999999999999999999999"), -1000000000000000000LL);
}

TEST(QuantityToValue, PriceTimesQuantityWithinTheCeiling) {
    EXPECT_EQ(valueTextForQuantity(2.5, "10"), "25.00");
    EXPECT_EQ(valueTextForQuantity(1.2345, "10"), "12.34");  // 12.344999... as a double
    EXPECT_EQ(valueTextForQuantity(0.0625, "2"), "0.13");    // exactly half a penny: up
    EXPECT_EQ(valueTextForQuantity(1.0, " 99999999"), "99999999.00");
    EXPECT_EQ(valueTextForQuantity(0.5, "2.5"), "1.25");
    EXPECT_EQ(valueTextForQuantity(0.0, "10"), "0.00");
    for (const char* unchanged : {"0", "", "abc", "100000000", "-5", "4294967306", "4294967296"})
        EXPECT_FALSE(valueTextForQuantity(2.5, unchanged).has_value()) << unchanged;
}

TEST(ValueToQuantity, BuyRoundsToTwoDecimalsSellToSix) {
    expectTexts(textsForValue(1.0, "99.999", EntryRounding::Buy), "100", "100.00");
    expectTexts(textsForValue(1.0, "99.999", EntryRounding::Sell), "99", "99.00");
    expectTexts(textsForValue(1.0, "99.9999996", EntryRounding::Sell), "100", "100.00");
    expectTexts(textsForValue(1.0, "99.9999994", EntryRounding::Sell), "99", "99.00");
    expectTexts(textsForValue(1.0, "0.999", EntryRounding::Buy), "1", "1.00");
    EXPECT_FALSE(textsForValue(1.0, "0.999", EntryRounding::Sell).has_value());
    // The value field is rewritten from the whole number of shares.
    expectTexts(textsForValue(2.35, "1000", EntryRounding::Buy), "425", "998.75");
    expectTexts(textsForValue(2.35, "1000", EntryRounding::Sell), "425", "998.75");
}

TEST(ValueToQuantity, LeavesBothFieldsWhenNoQuantityFits) {
    for (EntryRounding rounding : {EntryRounding::Buy, EntryRounding::Sell}) {
        for (const char* value : {"0", "", "abc", "0.004", "-50", "100000000", "1000000000000000000"})
            EXPECT_FALSE(textsForValue(1.0, value, rounding).has_value()) << value;
        // A share without a price, or a price that is not a number, divides nothing: the processor's
        // sticky division-by-zero flag stays clear.
        std::feclearexcept(FE_DIVBYZERO);
        EXPECT_FALSE(textsForValue(0.0, "50", rounding).has_value());
        EXPECT_FALSE(textsForValue(-0.0, "50", rounding).has_value());
        EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO));
        EXPECT_FALSE(textsForValue(std::nan(""), "50", rounding).has_value());
        EXPECT_FALSE(textsForValue(std::numeric_limits<double>::infinity(), "50", rounding).has_value());
        EXPECT_FALSE(textsForValue(-2.0, "50", rounding).has_value());
        EXPECT_FALSE(textsForValue(1e-300, "50", rounding).has_value());  // far beyond the ceiling
        expectTexts(textsForValue(1.0, "99999999.4", rounding), "99999999", "99999999.00");
    }
}

// Seeded value texts through both roundings must give the same texts here and under the Windows
// runtime: the parse, the division and the two formats are all exercised. The digest comes from a glibc
// build.
TEST(ValueToQuantity, SameTextsOnEveryRuntime) {
    std::mt19937_64 random(11);
    uint64_t digest = 14695981039346656037ULL;
    auto add = [&digest](const std::string& text) {
        for (unsigned char byte : text) digest = (digest ^ byte) * 1099511628211ULL;
        digest = (digest ^ 0xFF) * 1099511628211ULL;
    };
    for (int i = 0; i < 20000; ++i) {
        const uint64_t bits = random();
        const double price = static_cast<double>(1 + bits % 400000) / 400.0;
        const std::string value =
            std::to_string(bits % 100000000) + "." + std::to_string((bits >> 40) % 100000);
        for (EntryRounding rounding : {EntryRounding::Buy, EntryRounding::Sell}) {
            const auto texts = textsForValue(price, value, rounding);
            add(texts ? texts->quantity + "/" + texts->value : "unchanged");
        }
    }
    EXPECT_EQ(digest, 17472587591264964242ULL);
}
