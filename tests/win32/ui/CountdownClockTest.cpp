#include "tests/win32/ui/TableFixture.h"
#include "ui/CountdownClock.h"
#include "ui/core/CountdownMath.h"

#include <vector>

namespace {

constexpr COLORREF dark = 0x00644000;
constexpr COLORREF outer = 0x00DECEA5;
constexpr COLORREF inner = 0x007B5A21;

// What the time-up callback saw; plain function callbacks reach the test here.
struct TimeUpRecord {
    int calls = 0;
    bool running = true;
    COLORREF inside = 0;
    CountdownClock* clock = nullptr;
} record;

void RecordTimeUp(std::uint32_t)
{
    record = {record.calls + 1, record.clock->IsRunning(), MemorySurface(record.clock->Window()).Pixel(7, 300),
              record.clock};
}

class CountdownClockTest : public testing::Test {
protected:
    void SetUp() override
    {
        record = TimeUpRecord{};
        record.clock = &clock;
        ASSERT_TRUE(clock.Create(host.Handle(), 10, 10, 14, 428, &RecordTimeUp));
        host.Refresh();
    }
    void StartAt(std::uint32_t now, std::uint32_t duration)
    {
        clock.SetDuration(duration);
        platform.now = now;
        clock.Start();
    }
    void TickAt(std::uint32_t now)
    {
        platform.now = now;
        SendMessageA(clock.Window(), WM_TIMER, countdown::timerId, 0);
    }

    FakePlatform platform;
    ScopedPlatform installed{platform};
    TestHost host{100, 500};
    CountdownClock clock;
};

// Two frames with a tick dot every 10 rows on the inner one (none on a bar
// under 40 pixels), dark inside while stopped. A tick covers only the
// used-up strip in dark (a red mark lower down stays).
TEST_F(CountdownClockTest, FramesDotsAndTheUsedUpStrip)
{
    const MemorySurface stopped(clock.Window());
    EXPECT_EQ(Mismatches(stopped, {{0, 0, outer}, {13, 427, outer}, {1, 1, inner}, {12, 426, inner},
                                   {1, 11, outer}, {12, 421, outer}, {1, 12, inner}}),
              "");
    EXPECT_EQ(stopped.CountOf(dark, 2, 2, 12, 426), 10 * 424);
    CountdownClock small;
    ASSERT_TRUE(small.Create(host.Handle(), 50, 10, 14, 39, nullptr));
    host.Refresh();
    EXPECT_EQ(MemorySurface(small.Window()).CountOf(inner, 1, 1, 2, 38), 37) << "no dots";

    StartAt(5000, 90);
    HDC dc = GetDC(clock.Window());
    SetPixel(dc, 7, 300, RGB(255, 0, 0));
    ReleaseDC(clock.Window(), dc);
    TickAt(5000 + 1000);  // the first tick only notes where the bar is
    TickAt(5000 + 20000); // 20000 * 424 / 90000 = 94 rows used up
    MemorySurface bar(clock.Window());
    EXPECT_EQ(bar.CountOf(dark, 2, 2, 12, 94), 10 * 92);
    EXPECT_EQ(std::pair(bar.CountOf(dark, 2, 94, 12, 426), bar.Pixel(7, 300)), std::pair(0, RGB(255, 0, 0)));
    // A table laid out while minimised leaves the bar no room for a while: back, it shows where the time got to.
    MoveWindow(clock.Window(), 10, 10, 14, 0, TRUE);
    TickAt(5000 + 21000); // 98 rows
    MoveWindow(clock.Window(), 10, 10, 14, 428, TRUE);
    UpdateWindow(clock.Window());
    EXPECT_EQ(MemorySurface(clock.Window()).CountOf(dark, 2, 2, 12, 426), 10 * 96) << "rows 2 to 97";
}

// The clock stops itself (and shows dark) before the callback, which comes
// once: neither the killed timer nor a stray tick reports it again.
TEST_F(CountdownClockTest, TimeUpStopsTheClockBeforeTheCallbackAndCallsItOnce)
{
    StartAt(7000, 2);
    TickAt(7000 + 2005); // 425 rows: still inside
    EXPECT_EQ(record.calls, 0);
    TickAt(7000 + 2010); // 426 rows: past the bottom
    EXPECT_EQ(std::tuple(record.calls, record.running, record.inside), std::tuple(1, false, dark));
    PumpMessagesFor(150);
    TickAt(7000 + 5000);
    EXPECT_EQ(record.calls, 1);
}

// WAVE 130 at 20 seconds left and at 10 or fewer, in the first 50 ms of a second.
TEST_F(CountdownClockTest, WarningAtTwentySecondsAndInTheLastTen)
{
    StartAt(1000, 30);
    const struct {
        std::uint32_t elapsed;
        bool sound;
    } cases[] = {{9000, false}, {10000, true}, {10050, false}, {11000, false}, {25020, true}, {29500, false}};
    for (const auto& c : cases) {
        platform.resourceSounds.clear();
        TickAt(1000 + c.elapsed);
        EXPECT_EQ(platform.resourceSounds, c.sound ? std::vector<int>{130} : std::vector<int>{}) << c.elapsed;
    }
}

} // namespace
