// How long the player waits and how smoothly cards follow the pointer, on
// the real game in a 712 x 553 window like the program's:
// - the time from the process's start to the first dealt table, and the
//   deal's duration over several deals, with the real 10 ms pauses between
//   slide frames (the introduction, which waits for a click, is left out);
// - one drag frame, dragging one card and a fan of three in small steps
//   round the dealt table, and one full paint of its 48 cards.
// Prints the median, the 99th percentile and the range of each (targets: a
// drag frame under 1 ms, a full paint under 5 ms). Run by tools/bench.sh.
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/GdiHolders.h"
#include "game/AppHolder.h"
#include "game/GameBase.h"
#include "tests/support/FakePlatform.h"
#include "ui/GameTableWindow.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int deals = 5;
constexpr int stepPixels = 3;
constexpr int dragLoops = 3;
constexpr int paints = 400;

double Milliseconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds one call of `work` takes, drawing included.
template <typename Work>
double Time(Work work)
{
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    work();
    GdiFlush();
    QueryPerformanceCounter(&end);
    return Milliseconds(start, end);
}

// Milliseconds since the process was created, by the system's own record.
double MillisecondsSinceProcessStart()
{
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0; // 100 ns units
}

void PumpMessages()
{
    for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);)
        DispatchMessageA(&message);
}

void Send(HWND window, UINT message, WPARAM buttons, int x, int y)
{
    SendMessageA(window, message, buttons, MAKELPARAM(x, y));
}

// Presses at (x, y), then moves the pointer round a loop over the cards in
// steps of a few pixels, timing each move; releases where it started.
std::vector<double> TimeDrag(HWND window, int x, int y)
{
    const POINT corners[] = {{x, y}, {600, 420}, {600, 100}, {60, 100}, {60, 420}, {x, y}};
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

// Prints the median, the 99th percentile and the range of the times; false
// when there are none.
bool Report(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const std::size_t n = times.size(), rank = (n * 99 + 99) / 100; // ceil(0.99 n)
    if (n == 0)
        std::printf("%-26s no samples\n", what);
    else
        std::printf("%-26s %5zu samples  median %8.3f  99th percentile %8.3f  min %8.3f  max %8.3f ms\n", what, n,
                    times[n / 2], times[rank - 1], times.front(), times.back());
    return n > 0;
}

} // namespace

int main()
{
    AppHolder holder;
    HWND host = CreateWindowExA(0, "STATIC", "bench", WS_POPUP | WS_VISIBLE | WS_BORDER, 0, 0, 712, 553, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    GameBase* game = holder.Game();
    if (!host || !game || !game->Create(host) || !game->Table()) {
        std::fprintf(stderr, "bench_game: the game could not make its table\n");
        return 1;
    }
    CardWindow& table = *game->Table();
    RECT client;
    GetClientRect(host, &client);
    MoveWindow(table.Handle(), 0, 0, client.right, client.bottom, TRUE);
    PumpMessages();
    std::vector<double> durations;
    for (int deal = 0; deal < deals; ++deal) {
        table.EmptyAllRegions();
        PumpMessages();
        durations.push_back(Time([&] { game->Deal(); }));
        if (deal == 0)
            std::printf("start to first dealt table: %.0f ms (process start to the deal's end)\n",
                        MillisecondsSinceProcessStart());
        PumpMessages();
    }
    bool measured = Report("deal duration", durations);

    // The slides home after each drag are not what is measured: the fake
    // platform runs them without pauses.
    FakePlatform noPauses;
    ScopedPlatform platform(noPauses);
    // A card of the triangle's bottom row (id 25 at (360, 370)), then the top
    // three cards of side stack 29 (from the strip of its second card), which
    // the game itself lets go only one at a time.
    measured &= Report("drag frame, one card", TimeDrag(table.Handle(), 395, 420));
    table.FindRegion(29)->SetDragRule(DragAny, nullptr);
    measured &= Report("drag frame, fan of three", TimeDrag(table.Handle(), 20, 60));
    std::vector<double> paintTimes;
    WindowContext windowContext(table.Handle());
    for (int i = 0; i < paints; ++i)
        paintTimes.push_back(Time([&] { table.Paint(windowContext.Get()); }));
    measured &= Report("full paint, 48 cards", paintTimes);
    DestroyWindow(host);
    return measured ? 0 : 1;
}
