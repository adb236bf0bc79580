// Times a paint of the four-year price graph (background picture, price line, axes, all through the
// off-screen bitmap) against a plain block copy of the plot's background bitmap, in the same run and
// onto the same window, and prints the ratio. Run it in the game folder: GraphPaintBench [paints].
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <functional>
#include <memory>

#include "model/MarketFiles.h"
#include "resources/resource.h"
#include "runtime/win32/BitmapDisplay.h"
#include "runtime/win32/GdiHandles.h"
#include "views/Graph.h"
#include "views/win32/GraphPainting.h"

namespace {
constexpr int kBackgroundWidth = kPlotRight - kPlotLeft;
constexpr int kBackgroundHeight = kPlotBottom - kPlotTop;

// Microseconds per call of `work`, over `count` calls, each flushed to the window.
double microsecondsEach(int count, const std::function<void()>& work) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < count; ++i) {
        work();
        GdiFlush();
    }
    QueryPerformanceCounter(&end);
    return 1e6 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart / count;
}
}  // namespace

int main(int argc, char** argv) {
    const int paints = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    auto model = std::make_unique<GameModel>();
    if (!loadMarketData(*model)) {
        std::fprintf(stderr, "The market files are not in the working directory\n");
        return 1;
    }
    setBitmapResourceModule(GetModuleHandleA(nullptr));
    HWND window = CreateWindowExA(0, "STATIC", "graph bench", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window) return 1;
    WindowDc dc(window);

    const GraphHistory history = loadGraphHistory(*model, 0);
    const GraphPicture picture = computeGraph(*model, history, GraphRange::FourYears);

    // The background decoded once into a bitmap of the screen's format: the cheapest picture there is.
    MemoryDc background(CreateCompatibleDC(dc.get()));
    OwnedBitmap backgroundBitmap(CreateCompatibleBitmap(dc.get(), kBackgroundWidth, kBackgroundHeight));
    Selected onBackground(background.get(), backgroundBitmap.get());
    drawBitmapResource(background.get(), RES_BMP_GRAPH_BACKGROUND, 0, 0, kBackgroundWidth, kBackgroundHeight,
                       SRCCOPY, 0);

    const double copy = microsecondsEach(paints, [&] {
        BitBlt(dc.get(), kPlotLeft, kPlotTop, kBackgroundWidth, kBackgroundHeight, background.get(), 0, 0,
               SRCCOPY);
    });
    const double paint = microsecondsEach(paints, [&] { paintGraphPicture(dc.get(), picture); });
    const double computeAndPaint = microsecondsEach(
        paints, [&] { paintGraphPicture(dc.get(), computeGraph(*model, history, GraphRange::FourYears)); });
    GraphPicture plain = picture;
    plain.pictureBackground = false;
    const double plainPaint = microsecondsEach(paints, [&] { paintGraphPicture(dc.get(), plain); });
    std::printf("paints: %d\n", paints);
    std::printf("background BitBlt copy:        %9.1f us each\n", copy);
    std::printf("four-year graph paint:         %9.1f us each (ratio %.1f)\n", paint, paint / copy);
    std::printf("same graph on the navy fill:   %9.1f us each (ratio %.1f)\n", plainPaint, plainPaint / copy);
    std::printf("compute + paint, four years:   %9.1f us each (ratio %.1f)\n", computeAndPaint,
                computeAndPaint / copy);
    DestroyWindow(window);
    return 0;
}
