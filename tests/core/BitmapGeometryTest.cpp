#include "tests/core/TestKit.h"
#include "runtime/BitmapGeometry.h"

// The headers readDibLayout takes and refuses are rows of cases.tsv.
TEST(FocusDrawCounter, TheFirstFocusDrawAfterAResetShowsNothing) {
    FocusDrawCounter counter;
    std::string turns;
    for (int i = 0; i < 5; ++i) {
        if (i == 3) counter.reset();
        turns += counter.takeTurn() ? 'y' : 'n';
    }
    EXPECT_EQ(turns, "nyyny");
}
