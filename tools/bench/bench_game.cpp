// How long the player waits, how smoothly cards follow the pointer and how
// much memory the game holds, on the real game at one zoom (the argument, in
// percent; 100 when none) of the window's DPI, in a window whose client area
// is the program's 712 x 553 at that scale:
// - the time from the process's start to the first dealt table, and the
//   deal's duration over several deals, with the real 10 ms pauses between
//   slide frames (the introduction, which waits for a click, is left out);
// - one drag frame, dragging one card and a fan of three in small steps
//   round the dealt table, and one full paint of its 48 cards;
// - the process's working set and its peak at the end.
// Prints the median, the 99th percentile and the range of each time, with
// the 99th percentile's target: at 1x a drag frame within 0.5 ms and a full
// paint within 5 ms, growing with the pixels drawn (s squared at scale s: 2
// and 20 ms at 2x). Run by tools/bench.sh once per scale, each in a process
// of its own so that one scale's memory holds nothing of another's.
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/DisplayDpi.h"
#include "cardlib/GdiHolders.h"
#include "game/AppHolder.h"
#include "game/GameBase.h"
#include "tests/support/FakePlatform.h"
#include "ui/GameTableWindow.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int deals = 5;
constexpr int stepPixels = 3;
constexpr int dragLoops = 3;
constexpr int paints = 400;
// The program's client area at 1x.
constexpr int logicalWidth = 712;
constexpr int logicalHeight = 553;
// The 99th percentiles' targets at 1x, in milliseconds.
constexpr double dragFrameTarget = 0.5;
constexpr double fullPaintTarget = 5.0;

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

// Sends a mouse message at a logical point, where the table's scale puts it
// on the screen.
void Send(const CardWindow& table, UINT message, WPARAM buttons, int x, int y)
{
    const Point device = table.Scale().ToDevice(Point{x, y});
    SendMessageA(table.Handle(), message, buttons, MAKELPARAM(device.x, device.y));
}

// Presses at the logical (x, y), then moves the pointer round a loop over the
// cards in steps of a few logical pixels, timing each move; releases where
// it started.
std::vector<double> TimeDrag(const CardWindow& table, int x, int y)
{
    const POINT corners[] = {{x, y}, {600, 420}, {600, 100}, {60, 100}, {60, 420}, {x, y}};
    std::vector<double> frames;
    Send(table, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    if (!dragRegion)
        return frames; // the press took nothing: no frames to time
    for (int loop = 0; loop < dragLoops; ++loop)
        for (std::size_t leg = 0; leg + 1 < std::size(corners); ++leg) {
            const POINT from = corners[leg], to = corners[leg + 1];
            const int length = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
            for (int done = stepPixels; done <= length; done += stepPixels)
                frames.push_back(Time([&] {
                    Send(table, WM_MOUSEMOVE, MK_LBUTTON, from.x + (to.x - from.x) * done / length,
                         from.y + (to.y - from.y) * done / length);
                }));
        }
    Send(table, WM_LBUTTONUP, 0, x, y);
    return frames;
}

// Prints the median, the 99th percentile (with its target, when it has one)
// and the range of the times; false when there are none.
bool Report(const char* what, std::vector<double> times, double target = 0)
{
    std::sort(times.begin(), times.end());
    const std::size_t n = times.size(), rank = (n * 99 + 99) / 100; // ceil(0.99 n)
    if (n == 0) {
        std::printf("%-26s no samples\n", what);
        return false;
    }
    std::printf("%-26s %5zu samples  median %8.3f  99th percentile %8.3f  min %8.3f  max %8.3f ms", what, n,
                times[n / 2], times[rank - 1], times.front(), times.back());
    if (target > 0)
        std::printf("  (target <= %g ms%s)", target, times[rank - 1] <= target ? "" : ", missed");
    std::printf("\n");
    return true;
}

// The process's resident memory: what the system holds in RAM for it now,
// and the most it held. tools/bench.sh compares the scales by these lines.
// Under Wine these are Linux's VmRSS and VmHWM, which count the window's
// image shared with the X server (4 bytes a device pixel, 4.5 MiB more at
// 2x than at 1x); Windows keeps that image in its compositor instead.
bool ReportMemory()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters))) {
        std::printf("resident memory: unknown\n");
        return false;
    }
    constexpr double mebibyte = 1024.0 * 1024.0;
    std::printf("resident memory: working set %.1f MiB, peak %.1f MiB\n",
                static_cast<double>(counters.WorkingSetSize) / mebibyte,
                static_cast<double>(counters.PeakWorkingSetSize) / mebibyte);
    return true;
}

} // namespace

int main(int argumentCount, char** arguments)
{
    const int zoom = argumentCount > 1 ? std::atoi(arguments[1]) : 100;
    if (!IsZoomStep(zoom)) {
        std::fprintf(stderr, "bench_game: the zoom must be one of the game's steps, in percent\n");
        return 1;
    }
    // As the program: drawn at the display's DPI by the table, never
    // stretched by the system.
    DeclareDpiAwareness();
    AppHolder holder;
    constexpr DWORD hostStyle = WS_POPUP | WS_VISIBLE | WS_BORDER;
    HWND host = CreateWindowExA(0, "STATIC", "bench", hostStyle, 0, 0, logicalWidth, logicalHeight,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    GameBase* game = holder.Game();
    if (!host || !game || !game->Create(host) || !game->Table()) {
        std::fprintf(stderr, "bench_game: the game could not make its table\n");
        return 1;
    }
    CardWindow& table = *game->Table();
    const DisplayScale scale(WindowDpi(host), zoom);
    table.SetScale(scale);
    RECT frame{0, 0, scale.ToDevice(logicalWidth), scale.ToDevice(logicalHeight)};
    AdjustWindowRectEx(&frame, hostStyle, FALSE, 0);
    MoveWindow(host, 0, 0, frame.right - frame.left, frame.bottom - frame.top, TRUE);
    RECT client;
    GetClientRect(host, &client);
    MoveWindow(table.Handle(), 0, 0, client.right, client.bottom, TRUE);
    // The targets grow with the device pixels each frame draws.
    const double area = static_cast<double>(scale.ToDevice(100)) * scale.ToDevice(100) / (100.0 * 100.0);
    std::printf("scale %.2fx: %d DPI, zoom %d %%, table %ld x %ld\n", scale.ToDevice(100) / 100.0, scale.Dpi(),
                scale.Zoom(), client.right, client.bottom);
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
    measured &= Report("drag frame, one card", TimeDrag(table, 395, 420), dragFrameTarget * area);
    table.FindRegion(29)->SetDragRule(DragAny, nullptr);
    measured &= Report("drag frame, fan of three", TimeDrag(table, 20, 60), dragFrameTarget * area);
    std::vector<double> paintTimes;
    WindowContext windowContext(table.Handle());
    for (int i = 0; i < paints; ++i)
        paintTimes.push_back(Time([&] { table.Paint(windowContext.Get()); }));
    measured &= Report("full paint, 48 cards", paintTimes, fullPaintTarget * area);
    measured &= ReportMemory();
    DestroyWindow(host);
    return measured ? 0 : 1;
}
