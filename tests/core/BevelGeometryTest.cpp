// The three-dimensional buttons painted onto a pixel grid: every pixel of the button gets exactly one
// colour, the bevel rings are where a player sees them, and the face is never drawn over.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "runtime/BevelGeometry.h"

namespace {
// One letter a pixel: K black, W white, S shadow, L light, F face, '.' untouched.
using Grid = std::vector<std::string>;

char letterOf(BevelPen pen) {
    static const std::map<BevelPen, char> letters = {
        {BevelPen::kBlack, 'K'}, {BevelPen::kWhite, 'W'}, {BevelPen::kShadow, 'S'}, {BevelPen::kLight, 'L'}};
    return letters.at(pen);
}

// Paints the geometry; a pixel painted twice in different colours, or a line over the face, is marked '!'
// (the sunk ring's black lines meet twice in the same pen, which a player cannot see).
Grid paint(const Rect& item, const ButtonGeometry& geometry) {
    Grid grid(item.height(), std::string(item.width(), '.'));
    auto put = [&](int x, int y, char letter) {
        ASSERT_TRUE(x >= item.left && x < item.right && y >= item.top && y < item.bottom) << x << "," << y;
        char& cell = grid[y - item.top][x - item.left];
        cell = cell == '.' || (cell == letter && letter != 'F') ? letter : '!';
    };
    for (int y = geometry.face.top; y < geometry.face.bottom; ++y)
        for (int x = geometry.face.left; x < geometry.face.right; ++x) put(x, y, 'F');
    for (const BevelLine& line : geometry.lines) {
        const int dx = (line.to.x > line.from.x) - (line.to.x < line.from.x);
        const int dy = (line.to.y > line.from.y) - (line.to.y < line.from.y);
        EXPECT_TRUE(dx == 0 || dy == 0) << "bevel lines are straight";
        for (Point p = line.from; p.x != line.to.x || p.y != line.to.y; p.x += dx, p.y += dy)
            put(p.x, p.y, letterOf(line.pen));
    }
    return grid;
}

// What a player should see, ring by ring from the outside; corners of the outer ring stay untouched.
char expectedRaised(int x, int y, int w, int h) {
    const int ring = std::min(std::min(x, y), std::min(w - 1 - x, h - 1 - y));
    const bool topOrLeft = x == ring || y == ring;
    const bool bottomOrRight = x == w - 1 - ring || y == h - 1 - ring;
    const bool corner = (x == 0 || x == w - 1) && (y == 0 || y == h - 1);
    if (ring == 0) return corner ? '.' : 'K';
    if (ring <= 2) return topOrLeft && !bottomOrRight ? 'W' : 'S';
    return 'F';
}

char expectedPressed(int x, int y, int w, int h) {
    const int ring = std::min(std::min(x, y), std::min(w - 1 - x, h - 1 - y));
    const bool corner = (x == 0 || x == w - 1) && (y == 0 || y == h - 1);
    if (ring == 0) return corner ? '.' : 'K';
    if (ring == 1) return 'K';
    // Inside the black rings the face has moved one pixel down and right, under a shadow and a light line.
    if (x == 2 || y == 2) return 'S';
    if (x == 3 || y == 3) return 'L';
    return 'F';
}

const std::vector<Rect> kItems = {
    {0, 0, 6, 6}, {0, 0, 7, 9}, {0, 0, 40, 24}, {0, 0, 121, 30}, {5, 8, 45, 30}};
}  // namespace

TEST(BevelGeometry, RaisedFocusedAndPressedButtonsPixelByPixel) {
    for (const Rect& item : kItems) {
        for (const ButtonState state : {ButtonState{}, ButtonState{false, true, false}, ButtonState{true}}) {
            SCOPED_TRACE(std::to_string(item.width()) + "x" + std::to_string(item.height()) +
                         (state.pressed   ? " pressed"
                          : state.focused ? " focused"
                                          : " raised"));
            const Grid grid = paint(item, buttonGeometry(item, state));
            for (int y = 0; y < item.height(); ++y)
                for (int x = 0; x < item.width(); ++x) {
                    const char want = state.pressed ? expectedPressed(x, y, item.width(), item.height())
                                                    : expectedRaised(x, y, item.width(), item.height());
                    ASSERT_EQ(grid[y][x], want) << "pixel " << x << "," << y;
                }
        }
    }
}

TEST(BevelGeometry, PressingMovesTheContentsOnePixel) {
    const Rect item{10, 20, 50, 44};
    const ButtonGeometry raised = buttonGeometry(item, {});
    const ButtonGeometry pressed = buttonGeometry(item, {true});
    EXPECT_EQ(raised.contentOrigin.x, 13);
    EXPECT_EQ(raised.contentOrigin.y, 23);
    EXPECT_EQ(pressed.contentOrigin.x, 14);
    EXPECT_EQ(pressed.contentOrigin.y, 24);
    EXPECT_EQ(pressed.face.width(), raised.face.width());
    EXPECT_EQ(raised.face.width(), 34);
    EXPECT_EQ(raised.face.height(), 18);
}

TEST(BevelGeometry, GreyedCheckerboardCoversTheWholeFace) {
    for (const bool pressed : {false, true}) {
        const Rect item{0, 0, 30, 20};
        const ButtonGeometry geometry = buttonGeometry(item, {pressed, false, true});
        ASSERT_TRUE(geometry.dithered);
        const Rect& face = geometry.face;
        // The last row and column of the face carry the pattern too, and neighbours alternate.
        const int lastX = face.right - 1, lastY = face.bottom - 1;
        EXPECT_NE(ditherSetsPixel(face, lastX, lastY), ditherSetsPixel(face, lastX - 1, lastY));
        EXPECT_NE(ditherSetsPixel(face, lastX, lastY), ditherSetsPixel(face, lastX, lastY - 1));
        // The first pixel of a row is set on odd rows.
        EXPECT_EQ(ditherSetsPixel(face, face.left, 5), true);
        EXPECT_EQ(ditherSetsPixel(face, face.left, 6), false);
    }
    EXPECT_NE(bevelColoursFor(false).dither, bevelColoursFor(false).light);
    EXPECT_NE(bevelColoursFor(true).dither, bevelColoursFor(true).light);
}

TEST(BevelGeometry, OnlyARealTwoColourDeviceLosesTheGreys) {
    struct Case {
        int numColours, bitsPerPixel;
        bool twoColour;
    };
    for (const Case& c : {Case{-1, 32, false}, Case{-1, 24, false}, Case{-1, 16, false}, Case{256, 8, false},
                          Case{16, 4, false}, Case{2, 1, true}, Case{0, 1, true}, Case{-1, 1, true}}) {
        EXPECT_EQ(isTwoColourDevice(c.numColours, c.bitsPerPixel), c.twoColour)
            << c.numColours << " colours, " << c.bitsPerPixel << " bits";
    }
    const BevelColours mono = bevelColoursFor(true);
    EXPECT_EQ(mono.of(BevelPen::kShadow), packColour(255, 255, 255));
    EXPECT_EQ(mono.of(BevelPen::kLight), packColour(255, 255, 255));
    EXPECT_EQ(bevelColoursFor(false).of(BevelPen::kShadow), packColour(127, 127, 127));
}

TEST(BevelGeometry, MarkerCaptionAndRedrawActions) {
    EXPECT_TRUE(isThreeDButtonCaption("WMP3DBUTTON"));
    EXPECT_TRUE(isThreeDButtonCaption("wmp3dbutton"));
    EXPECT_FALSE(isThreeDButtonCaption("WMP3DBUTTONS"));
    EXPECT_FALSE(isThreeDButtonCaption("WMPGRAPHIC"));
    EXPECT_FALSE(isThreeDButtonCaption(nullptr));
    EXPECT_TRUE(raisedFaceRedrawsFor(kDrawEntire));
    EXPECT_TRUE(raisedFaceRedrawsFor(kSelectionChanged | kFocusChanged));
    EXPECT_TRUE(raisedFaceRedrawsFor(kFocusChanged));
    EXPECT_FALSE(raisedFaceRedrawsFor(0));
}

TEST(BevelGeometry, OnlyAFocusedButtonHasAFocusFrameTwoPixelsInsideItsFace) {
    const Rect item{0, 0, 40, 24};
    for (const bool pressed : {false, true}) {
        const ButtonGeometry focused = buttonGeometry(item, {pressed, true, false});
        const int o = pressed ? 4 : 3;
        EXPECT_EQ((std::vector<int>{focused.focusFrame.left, focused.focusFrame.top, focused.focusFrame.right,
                                    focused.focusFrame.bottom}),
                  (std::vector<int>{o + 2, o + 2, o + 32, o + 16}));
        EXPECT_EQ(buttonGeometry(item, {pressed}).focusFrame.width(), 0);
    }
    // A face too small to hold a frame gets none.
    EXPECT_EQ(buttonGeometry({0, 0, 10, 10}, {false, true}).focusFrame.width(), 0);
}
