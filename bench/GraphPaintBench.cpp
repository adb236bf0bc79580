// Times a paint of the four-year price graph (background picture, price line, axes, all through the
// off-screen canvas) against a plain block copy of the plot's background bitmap, in the same run and
// onto the same window, and prints the ratio. A paint after the share, range or options changed draws
// the new picture on the canvas and copies it; a repaint of the same picture only copies; an opening
// makes the canvas and decodes the background picture. Run it in the game folder: GraphPaintBench
// [paints].
//
// The machine it runs on is often busy with other work, and a process that is switched out loses
// milliseconds, tens of paints: every call is timed on its own, the workloads take turns call by call,
// and each prints the median of its calls, which the few calls that were switched out do not move.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/MarketFiles.h"
#include "resources/resource.h"
#include "runtime/win32/BitmapDisplay.h"
#include "runtime/win32/GdiHandles.h"
#include "views/Graph.h"
#include "views/win32/GraphPainting.h"

namespace {
constexpr int kBackgroundWidth = kPlotRight - kPlotLeft;
constexpr int kBackgroundHeight = kPlotBottom - kPlotTop;
constexpr int kOpenings = 10;  // each makes and frees a megabyte or two: timed apart from the paints

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

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Workload {
    const char* label;
    std::function<void()> work;
    std::vector<double> times{};  // microseconds, one a call
};

// Runs every workload once to warm it, then `paints` times each, taking turns.
void timeInTurns(std::vector<Workload>& workloads, int paints) {
    for (Workload& w : workloads) w.work();
    for (int turn = 0; turn < paints; ++turn)
        for (Workload& w : workloads) w.times.push_back(microsecondsEach(1, w.work));
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
    GraphPicture plain = picture;
    plain.pictureBackground = false;

    // The background decoded once into a bitmap of the screen's format: the cheapest picture there is.
    MemoryDc background(CreateCompatibleDC(dc.get()));
    OwnedBitmap backgroundBitmap(CreateCompatibleBitmap(dc.get(), kBackgroundWidth, kBackgroundHeight));
    Selected onBackground(background.get(), backgroundBitmap.get());
    drawBitmapResource(background.get(), RES_BMP_GRAPH_BACKGROUND, 0, 0, kBackgroundWidth, kBackgroundHeight,
                       SRCCOPY, 0);

    GraphCanvas canvas(dc.get());
    // As the screen does: what the new picture changes is invalidated, then painted.
    const auto paintNew = [&](const GraphPicture& shown) {
        const RECT changed = canvas.partChangedBy(shown);
        canvas.draw(shown);
        canvas.copyTo(dc.get(), changed);
    };
    std::vector<Workload> workloads = {
        {"background BitBlt copy",
         [&] {
             BitBlt(dc.get(), kPlotLeft, kPlotTop, kBackgroundWidth, kBackgroundHeight, background.get(), 0,
                    0, SRCCOPY);
         }},
        {"four-year graph paint", [&] { paintNew(picture); }},
        {"same graph on the navy fill", [&] { paintNew(plain); }},
        {"compute + paint, four years",
         [&] { paintNew(computeGraph(*model, history, GraphRange::FourYears)); }},
        {"repaint of the same picture", [&] { canvas.copyTo(dc.get()); }},
    };
    timeInTurns(workloads, paints);
    const double copy = median(workloads.front().times);
    std::printf("paints: %d each, medians\n", paints);
    for (const Workload& w : workloads)
        std::printf("%-30s %9.1f us each (ratio %.1f)\n", (std::string(w.label) + ":").c_str(),
                    median(w.times), median(w.times) / copy);
    std::vector<double> openings;
    for (int i = 0; i < kOpenings; ++i)
        openings.push_back(microsecondsEach(1, [&] { GraphCanvas opened(dc.get()); }));
    const double opening = median(openings);
    std::printf("%-30s %9.1f us each (ratio %.1f)\n", "opening, canvas and decoding:", opening,
                opening / copy);
    DestroyWindow(window);
    return 0;
}
