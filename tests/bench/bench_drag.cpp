// How long one drag frame and one full paint of the table take: drags one
// card and a fan of three across a 706 x 500 table holding 48 cards in the
// game's layout, in small steps, and paints that table over and over.
// Prints the median and the 99th percentile of each. Run by tools/bench.sh.
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/CardWindow.h"
#include "cardlib/GdiHolders.h"
#include "game/core/TriangleLayout.h"
#include "tests/support/FakePlatform.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int tableWidth = 706;
constexpr int tableHeight = 500;
constexpr int stepPixels = 3;
constexpr int dragLoops = 3;
constexpr int paints = 400;

LARGE_INTEGER frequency;

// Milliseconds one call of `work` takes, drawing included.
template <typename Work>
double Time(Work work)
{
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    work();
    GdiFlush();
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The game's table after a deal, in the game's own layout: six fanned side
// stacks (4, 4, 3, 3, 3, 3 cards), the 28 cards of the triangle, and the
// empty removed pile.
void LayOutGameTable(CardWindow& table)
{
    CardStack deck;
    deck.FillDeck();
    for (int king = 0; king < 4; ++king)
        deck.RemoveAt(0);
    const std::array<CardStack, 36> places = DealtLayout(deck);
    for (int id : sideStackCreationOrder) {
        const Point at = SideStackPosition(id, cardWidth, cardHeight);
        table.CreateRegion(id, true, at.x, at.y, 12, 0)->SetCards(places[id]);
    }
    for (int row = 0, id = 1; row < 7; ++row)
        for (int j = 0; j <= row; ++j, ++id) {
            const Point at = TrianglePosition(row, j, cardWidth, cardHeight);
            CardRegion* region = table.CreateRegion(id, true, at.x, at.y, 0, 15);
            region->SetCards(places[id]);
            region->SetEmptyStyle(EmptyNothing);
        }
    const Point pile = RemovedPilePosition(cardWidth, cardHeight);
    table.CreateRegion(35, true, pile.x, pile.y, 8, 0)->SetEmptyStyle(EmptyBackground);
}

void Send(HWND window, UINT message, WPARAM buttons, int x, int y)
{
    SendMessageA(window, message, buttons,
                 MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y))));
}

// Presses at (x, y), then moves the pointer round a loop over the whole
// table in steps of a few pixels, timing each move; releases where it started.
std::vector<double> TimeDrag(HWND window, int x, int y)
{
    const POINT corners[] = {{x, y}, {650, 420}, {650, 100}, {60, 100}, {60, 420}, {x, y}};
    std::vector<double> frames;
    Send(window, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    if (!dragRegion)
        return frames; // the press took nothing: no frames to time
    for (int loop = 0; loop < dragLoops; ++loop)
        for (std::size_t leg = 0; leg + 1 < std::size(corners); ++leg) {
            const POINT from = corners[leg], to = corners[leg + 1];
            const int length = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
            for (int done = stepPixels; done <= length; done += stepPixels)
                frames.push_back(Time([&] {
                    Send(window, WM_MOUSEMOVE, MK_LBUTTON, from.x + (to.x - from.x) * done / length,
                         from.y + (to.y - from.y) * done / length);
                }));
        }
    Send(window, WM_LBUTTONUP, 0, x, y);
    return frames;
}

std::vector<double> TimePaints(CardWindow& table)
{
    std::vector<double> times;
    WindowContext windowContext(table.Handle());
    for (int i = 0; i < paints; ++i)
        times.push_back(Time([&] { table.Paint(windowContext.Get()); }));
    return times;
}

bool Report(const char* what, std::vector<double> times, double target)
{
    if (times.empty()) {
        std::printf("%-32s no samples\n", what);
        return false;
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const std::size_t rank = (times.size() * 99 + 99) / 100; // ceil(0.99 n)
    std::printf("%-32s %5zu samples  median %7.3f ms  99th percentile %7.3f ms  (target under %.0f ms)\n", what,
                times.size(), median, times[rank - 1], target);
    return true;
}

} // namespace

int main()
{
    // Slides are not what is measured: the fake platform runs them without pauses.
    FakePlatform noPauses;
    ScopedPlatform platform(noPauses);
    // A plain top-level window to hold the table; the table covers all of it.
    HWND host = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "bench", WS_POPUP | WS_VISIBLE, 0, 0, tableWidth,
                                tableHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    auto table = std::make_unique<CardWindow>();
    if (host)
        table->Create(host, 0, WS_CHILD | WS_VISIBLE);
    if (!host || !table->Handle() || cardWidth != 71 || cardHeight != 96) {
        std::fprintf(stderr, "bench_drag: no card table (cards %d x %d)\n", cardWidth, cardHeight);
        return 1;
    }
    SetWindowPos(table->Handle(), nullptr, 0, 0, tableWidth, tableHeight, SWP_NOZORDER);
    LayOutGameTable(*table);
    table->Redraw();
    for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);)
        DispatchMessageA(&message);

    QueryPerformanceFrequency(&frequency);
    std::printf("table %d x %d, 48 cards in the game's layout, steps of %d pixels\n", tableWidth, tableHeight,
                stepPixels);
    // A card of the triangle's bottom row (id 25 at (360, 370)), then the top
    // three cards of side stack 29 (the strip of its second card).
    bool measured = Report("drag frame, one card", TimeDrag(table->Handle(), 395, 420), 1.0);
    measured &= Report("drag frame, fan of three", TimeDrag(table->Handle(), 20, 60), 1.0);
    measured &= Report("full paint, 48 cards", TimePaints(*table), 5.0);
    table.reset();
    DestroyWindow(host);
    return measured ? 0 : 1;
}
