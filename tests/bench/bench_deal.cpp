// How long the player waits for cards: the time from the process's start to
// the first dealt table (the game made, its table in a 712 x 553 window
// like the program's, the deal's slides run with the real 10 ms pauses),
// and the deal's own duration, over several deals. The introduction screen
// is left out: it waits for the player's click. Run by tools/bench.sh.
#include "game/AppHolder.h"
#include "game/GameBase.h"
#include "ui/GameTableWindow.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int deals = 5;
using Clock = std::chrono::steady_clock;

// A plain popup of the program's window size to hold the game's table.
HWND MakeHost()
{
    return CreateWindowExA(0, "STATIC", "bench", WS_POPUP | WS_VISIBLE | WS_BORDER, 0, 0, 712, 553, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
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

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main()
{
    AppHolder holder;
    HWND host = MakeHost();
    GameBase* game = holder.Game();
    if (!host || !game || !game->Create(host) || !game->Table()) {
        std::fprintf(stderr, "bench_deal: the game could not make its table\n");
        return 1;
    }
    RECT client;
    GetClientRect(host, &client);
    MoveWindow(game->Table()->Handle(), 0, 0, client.right, client.bottom, TRUE);
    PumpMessages();
    std::vector<double> durations;
    for (int deal = 0; deal < deals; ++deal) {
        game->Table()->EmptyAllRegions();
        PumpMessages();
        const Clock::time_point start = Clock::now();
        game->Deal();
        durations.push_back(MillisecondsSince(start));
        if (deal == 0)
            std::printf("start to first dealt table: %.0f ms (process start to the deal's end)\n",
                        MillisecondsSinceProcessStart());
        PumpMessages();
    }
    std::sort(durations.begin(), durations.end());
    std::printf("deal duration over %d deals: median %.0f ms, min %.0f ms, max %.0f ms\n", deals,
                durations[durations.size() / 2], durations.front(), durations.back());
    DestroyWindow(host);
    return 0;
}
