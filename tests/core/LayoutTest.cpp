// The frame around a hosted dialog (placement, bar layout and the grey scheme are in cases.tsv).
#include "tests/core/TestKit.h"
#include "runtime/Layout.h"

TEST(FrameLayout, FitsTheFrameAroundDialogAndBars) {
    const Size fitted = frameSizeForClient({640, 480}, {632, 434}, {640, 480}, {10, 20, 5, 15});
    EXPECT_EQ(std::make_pair(fitted.width, fitted.height), std::make_pair(640 + 8 + 15, 480 + 46 + 35));
    // A hosted dialog loses its pop-up style and caption; a bar keeps its caption.
    EXPECT_EQ(hostedChildStyle(0x80C00000u, kClientDialog) & 0x80C00000u, 0u);
    EXPECT_EQ(hostedChildStyle(0x80C00000u, kTopBar) & 0x80C00000u, 0x00C00000u);
    EXPECT_EQ(Scale{}.of(7), 7);
}
