#include "tests/core/TestKit.h"
#include "runtime/BevelGeometry.h"

namespace {
// One letter a pixel: K black, W white, S shadow, L light, F face, '.' untouched, '!' painted twice in
// different colours or a line over the face (the sunk ring's black lines meet twice in the same pen,
// which a player cannot see).
using Grid = std::vector<std::string>;

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
            put(p.x, p.y, "KWSL"[static_cast<int>(line.pen)]);
    }
    return grid;
}

// What a player sees, ring by ring from the outside; the outer ring's corners stay untouched. Pressed,
// the face moves a pixel down and right inside two black rings, under a shadow and a light line.
char expectedPixel(int x, int y, int w, int h, bool pressed) {
    const int ring = std::min(std::min(x, y), std::min(w - 1 - x, h - 1 - y));
    const bool corner = (x == 0 || x == w - 1) && (y == 0 || y == h - 1);
    if (ring == 0) return corner ? '.' : 'K';
    if (pressed) return ring == 1 ? 'K' : x == 2 || y == 2 ? 'S' : x == 3 || y == 3 ? 'L' : 'F';
    const bool topOrLeft = (x == ring || y == ring) && x != w - 1 - ring && y != h - 1 - ring;
    return ring > 2 ? 'F' : topOrLeft ? 'W' : 'S';
}
}  // namespace

TEST(BevelGeometry, EveryPixelContentsFocusFrameAndDitherOfEachState) {
    const std::pair<Rect, bool> items[] = {{{0, 0, 6, 6}, false},   {{0, 0, 7, 9}, false},
                                           {{0, 0, 10, 10}, false}, {{0, 0, 40, 24}, true},
                                           {{0, 0, 121, 30}, true}, {{5, 8, 45, 30}, true}};
    for (const auto& [item, holdsFocusFrame] : items)
        for (int bits = 0; bits < 8; ++bits) {
            const ButtonState state{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0};
            const int w = item.width(), h = item.height();
            SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h) + " state " + std::to_string(bits));
            const ButtonGeometry geometry = buttonGeometry(item, state);
            const Grid grid = paint(item, geometry);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    ASSERT_EQ(grid[y][x], expectedPixel(x, y, w, h, state.pressed))
                        << "pixel " << x << "," << y;
            const Rect& face = geometry.face;
            const Rect& frame = geometry.focusFrame;
            const bool framed = state.focused && holdsFocusFrame;
            EXPECT_EQ(std::make_tuple(geometry.contentOrigin.x, geometry.contentOrigin.y, geometry.dithered),
                      std::make_tuple(face.left, face.top, state.greyed));
            EXPECT_EQ(std::make_tuple(frame.left, frame.top, frame.right, frame.bottom),
                      framed ? std::make_tuple(face.left + 2, face.top + 2, face.right - 2, face.bottom - 2)
                             : std::make_tuple(0, 0, 0, 0));
        }
}

TEST(BevelGeometry, RectanglesAtTheEndsOfTheIntRangeKeepTheirFaceAndLinesInsideThem) {
    const auto inside = [](const Rect& item, Point p) {
        return p.x >= item.left && p.x <= item.right && p.y >= item.top && p.y <= item.bottom;
    };
    const auto tuple = [](const Rect& r) { return std::make_tuple(r.left, r.top, r.right, r.bottom); };
    constexpr int top = INT_MAX;
    // The item, then the face, raised and pressed; one too small for its bevel is held at the range's end.
    const std::tuple<Rect, Rect, Rect> cases[] = {
        {{top, top, top, top}, {top, top, top, top}, {top, top, top, top}},
        {{top - 2, top - 5, top, top}, {top, top - 2, top, top - 2}, {top, top - 1, top, top - 1}},
        {{top - 40, top - 30, top, top},
         {top - 37, top - 27, top - 3, top - 3},
         {top - 36, top - 26, top - 2, top - 2}},
        {{INT_MIN, INT_MIN, top, top},
         {INT_MIN + 3, INT_MIN + 3, top - 3, top - 3},
         {INT_MIN + 4, INT_MIN + 4, top - 2, top - 2}},
    };
    for (const auto& [item, raised, pressed] : cases)
        for (const bool down : {false, true}) {
            SCOPED_TRACE(std::to_string(item.left) + "," + std::to_string(item.top) +
                         (down ? " pressed" : ""));
            const ButtonGeometry geometry = buttonGeometry(item, {down, true, false});
            EXPECT_EQ(tuple(geometry.face), tuple(down ? pressed : raised));
            for (const BevelLine& line : geometry.lines)
                EXPECT_TRUE(inside(item, line.from) && inside(item, line.to))
                    << line.from.x << "," << line.to.x;
            if (geometry.focusFrame.right > geometry.focusFrame.left) {
                EXPECT_TRUE(inside(geometry.face, {geometry.focusFrame.left, geometry.focusFrame.top}) &&
                            inside(geometry.face, {geometry.focusFrame.right, geometry.focusFrame.bottom}));
            }
        }
    // Far from the origin a button is the one at the origin moved there.
    const ButtonGeometry near = buttonGeometry({0, 0, 40, 30}, {}),
                         far = buttonGeometry({top - 40, top - 30, top, top}, {});
    for (std::size_t i = 0; i < near.lines.size(); ++i)
        EXPECT_EQ(std::make_tuple(far.lines[i].from.x - near.lines[i].from.x,
                                  far.lines[i].to.y - near.lines[i].to.y),
                  std::make_tuple(top - 40, top - 30));
}

TEST(BevelGeometry, CheckerboardToTheFacesLastPixelAndTheGreysOfATwoColourDevice) {
    const Rect face{3, 4, 9, 8};  // a row's first pixel is set on odd rows
    std::string pattern;
    for (int y = face.top; y < face.bottom; ++y, pattern += '/')
        for (int x = face.left; x < face.right; ++x) pattern += ditherSetsPixel(face, x, y) ? '#' : '.';
    EXPECT_EQ(pattern, ".#.#.#/#.#.#./.#.#.#/#.#.#./");

    // On two colours the greys turn white and the dither black, so a greyed face still shows its pattern.
    const BevelColours colour = bevelColoursFor(false), mono = bevelColoursFor(true);
    EXPECT_EQ(
        std::make_tuple(colour.of(BevelPen::kShadow), colour.of(BevelPen::kLight),
                        colour.of(BevelPen::kWhite)),
        std::make_tuple(packColour(127, 127, 127), packColour(192, 192, 192), packColour(255, 255, 255)));
    EXPECT_EQ(
        std::make_tuple(mono.of(BevelPen::kShadow), mono.of(BevelPen::kLight), mono.of(BevelPen::kBlack)),
        std::make_tuple(mono.white, mono.white, packColour(0, 0, 0)));
    EXPECT_TRUE(colour.dither != colour.light && mono.dither != mono.light);
}
