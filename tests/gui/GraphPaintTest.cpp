// The graph's kept canvas, which keeps its decoded picture, pens and axes from one paint to the next and
// copies only what changed, against a new canvas for every picture: the same pixels must come out. The
// grid shows grey on the plain fill, and a thicker line takes more yellow.

#include <algorithm>

#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "views/win32/GraphPainting.h"

namespace {
using GraphScreen = GameWindowTest;
}  // namespace

TEST_F(GraphScreen, TheKeptCanvasShowsEveryRangeAndOptionAsANewCanvasWould) {
    WindowDc screen(window_);
    const auto surface = [&] {
        return OwnedBitmap(
            CreateCompatibleBitmap(screen.get(), kGraphPaintArea.right, kGraphPaintArea.bottom));
    };
    MemoryDc kept(CreateCompatibleDC(screen.get())), fresh(CreateCompatibleDC(screen.get()));
    OwnedBitmap keptSurface = surface(), freshSurface = surface();
    Selected onKept(kept.get(), keptSurface.get()), onFresh(fresh.get(), freshSurface.get());
    GraphCanvas canvas(screen.get());
    std::pair<int, std::ptrdiff_t> widthAndYellow[3][8];  // of each range and options
    for (const GraphHistory& history : {loadGraphHistory(gGame, 12), GraphHistory{}})
        for (int options = 0; options < 8; ++options)
            for (GraphRange range : {GraphRange::FourYears, GraphRange::OneYear, GraphRange::OneMonth}) {
                SCOPED_TRACE(testing::Message() << "options " << options << ", range " << int(range));
                gGame.graphBackground = options & 1;
                gGame.graphGridLines = (options >> 1) & 1;
                gGame.graphThickLines = options >> 2;
                const GraphPicture picture = computeGraph(gGame, history, range);
                const RECT changed = canvas.partChangedBy(picture);
                canvas.draw(picture);
                canvas.copyTo(kept.get(), changed);
                GraphCanvas once(screen.get());
                once.draw(picture);
                once.copyTo(fresh.get());
                const Picture shown = pictureOf(fresh.get(), kGraphPaintArea);
                EXPECT_EQ(pictureOf(kept.get(), kGraphPaintArea), shown);
                const auto count = [&](DWORD colour) { return std::ranges::count(shown.pixels, colour); };
                if (!picture.pictureBackground) EXPECT_EQ(count(0x808080) > 0, !picture.gridLines.empty());
                if (picture.priceLine.empty()) continue;
                auto& drawn = widthAndYellow[static_cast<int>(range)][options];
                drawn = {picture.lineWidth, count(0xFFFF00)};
                const auto& thin = widthAndYellow[static_cast<int>(range)][options & 3];
                EXPECT_EQ(drawn.second > thin.second, drawn.first > thin.first);
            }
}
