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
    EXPECT_EQ(readFieldNumber(std::string(28, ' ') + "3", 29), 3.0);
}
