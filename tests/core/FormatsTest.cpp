#include "tests/core/TestKit.h"
#include "runtime/Formats.h"

#include <random>

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
