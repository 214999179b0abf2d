#include "tests/support/FakePlatform.h"
#include "tests/win32/ui/HostWindow.h"
#include "ui/CountdownClock.h"
#include "ui/core/CountdownMath.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF dark = 0x00644000;
constexpr COLORREF outerFrame = 0x00DECEA5;
constexpr COLORREF innerFrame = 0x007B5A21;
constexpr int barWidth = 14;
constexpr int barHeight = 428;

// What the time-up callback saw; plain function callbacks reach the test here.
struct TimeUpRecord {
    int calls = 0;
    std::uint32_t duration = 0;
    bool runningDuringCallback = true;
    COLORREF insideDuringCallback = 0;
    CountdownClock* clock = nullptr;
};
TimeUpRecord record;

void RecordTimeUp(std::uint32_t duration)
{
    ++record.calls;
    record.duration = duration;
    record.runningDuringCallback = record.clock->IsRunning();
    record.insideDuringCallback = WindowPixels(record.clock->Window()).At(7, 300);
}

COLORREF GradientAt(int y)
{
    for (const countdown::GradientRow& row : countdown::GradientRows(barHeight))
        if (row.y == y)
            return row.colour;
    return CLR_INVALID;
}

class CountdownClockTest : public testing::Test {
protected:
    void SetUp() override
    {
        record = TimeUpRecord{};
        record.clock = &clock;
        ASSERT_TRUE(clock.Create(host.Handle(), 10, 10, barWidth, barHeight, &RecordTimeUp));
        host.Refresh();
    }

    void TickAt(std::uint32_t now)
    {
        platform.now = now;
        SendMessageA(clock.Window(), WM_TIMER, countdown::timerId, 0);
    }

    FakePlatform platform;
    ScopedPlatform installed{platform};
    HostWindow host{100, 500, RGB(128, 128, 128)};
    CountdownClock clock;
};

TEST_F(CountdownClockTest, FramesAndDotsOfAStoppedBarWithAllDarkInside)
{
    WindowPixels bar(clock.Window());
    struct Probe {
        int x;
        int y;
        COLORREF colour;
    };
    const Probe probes[] = {
        {0, 0, outerFrame},  {0, 427, outerFrame},  {13, 427, outerFrame}, {13, 0, outerFrame},
        {7, 0, outerFrame},  {1, 1, innerFrame},    {12, 426, innerFrame}, {7, 1, innerFrame},
        {1, 10, innerFrame}, {1, 11, outerFrame},  {12, 11, outerFrame},  {1, 12, innerFrame},
        {1, 21, outerFrame}, {12, 421, outerFrame}, {12, 419, innerFrame}, {1, 422, innerFrame},
        {2, 2, dark},        {11, 425, dark},       {7, 200, dark},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(bar.At(p.x, p.y), p.colour) << "(" << p.x << ", " << p.y << ")";
    EXPECT_EQ(bar.CountOf(dark, 2, 2, 12, 426), 10 * 424);
}

TEST_F(CountdownClockTest, StartShowsTheGradientFromRowThreeDown)
{
    clock.SetDuration(90);
    clock.Start();
    WindowPixels bar(clock.Window());
    for (int y : {3, 4, 100, 362, 402, 425})
        for (int x : {2, 7, 11})
            EXPECT_EQ(bar.At(x, y), GradientAt(y)) << "(" << x << ", " << y << ")";
    EXPECT_EQ(bar.At(7, 2), dark); // left from the stopped look
    EXPECT_EQ(bar.At(0, 200), outerFrame);
    EXPECT_EQ(bar.At(1, 200), innerFrame);
}

TEST_F(CountdownClockTest, TickFillsOnlyTheNewStrip)
{
    clock.SetDuration(90);
    platform.now = 5000;
    clock.Start();
    // A mark the tick must not touch: it paints the new strip and nothing else.
    {
        HDC dc = GetDC(clock.Window());
        SetPixel(dc, 7, 300, RGB(255, 0, 0));
        ReleaseDC(clock.Window(), dc);
    }
    TickAt(5000 + 1000);  // 4 rows; the first tick only notes where the bar is
    EXPECT_EQ(WindowPixels(clock.Window()).At(7, 3), GradientAt(3));
    TickAt(5000 + 20000); // 20000 * 424 / 90000 = 94 rows used up
    WindowPixels bar(clock.Window());
    EXPECT_EQ(bar.At(7, 2), dark);
    EXPECT_EQ(bar.At(7, 3), dark);
    EXPECT_EQ(bar.At(7, 93), dark);
    EXPECT_EQ(bar.At(2, 50), dark);
    EXPECT_EQ(bar.At(11, 50), dark);
    EXPECT_EQ(bar.At(7, 94), GradientAt(94));
    EXPECT_EQ(bar.At(12, 50), innerFrame);
    EXPECT_EQ(bar.At(7, 300), RGB(255, 0, 0));
}

TEST_F(CountdownClockTest, RepaintWhileRunningShowsUsedUpAndRemainingParts)
{
    clock.SetDuration(90);
    platform.now = 5000;
    clock.Start();
    TickAt(5000 + 45000); // 212 rows
    clock.Repaint();
    WindowPixels bar(clock.Window());
    EXPECT_EQ(bar.CountOf(dark, 2, 2, 12, 212), 10 * 210);
    EXPECT_EQ(bar.At(7, 214), GradientAt(214));
    EXPECT_EQ(bar.At(7, 425), GradientAt(425));
}

TEST_F(CountdownClockTest, TimeUpStopsTheClockBeforeTheCallbackAndCallsItOnce)
{
    clock.SetDuration(2);
    platform.now = 7000;
    clock.Start();
    TickAt(7000 + 2005); // 425 rows: still inside
    EXPECT_EQ(record.calls, 0);
    TickAt(7000 + 2010); // 426 rows: past the bottom
    EXPECT_EQ(record.calls, 1);
    EXPECT_EQ(record.duration, 2u);
    EXPECT_FALSE(record.runningDuringCallback);
    EXPECT_EQ(record.insideDuringCallback, dark);
    EXPECT_EQ(clock.SecondsLeft(), 0u);
    // Neither the killed timer nor a stray tick reports it again.
    PumpMessagesFor(200);
    TickAt(7000 + 5000);
    EXPECT_EQ(record.calls, 1);
}

TEST_F(CountdownClockTest, ZeroDurationIsUpAtTheFirstTick)
{
    clock.SetDuration(0);
    clock.Start();
    EXPECT_EQ(clock.SecondsLeft(), 0u);
    TickAt(platform.now + 50);
    EXPECT_EQ(record.calls, 1);
    EXPECT_EQ(record.duration, 0u);
    EXPECT_FALSE(clock.IsRunning());
}

TEST_F(CountdownClockTest, RealTimerDrivesTheBarToTheCallback)
{
    clock.SetDuration(1);
    platform.now = 100000;
    clock.Start();
    platform.now += 1100;
    PumpMessagesFor(300);
    EXPECT_EQ(record.calls, 1);
}

TEST_F(CountdownClockTest, WarningAtTwentySecondsAndInTheLastTen)
{
    clock.SetDuration(30);
    platform.now = 1000;
    clock.Start();
    struct Case {
        std::uint32_t elapsed;
        bool sound;
    };
    const Case cases[] = {
        {9000, false},  // 21 s left
        {10000, true},  // 20 s, on a second boundary
        {10049, true},
        {10050, false}, // 20 s, past the boundary's first 50 ms
        {11000, false}, // 19 s
        {19000, false}, // 11 s
        {20000, true},  // 10 s
        {25020, true},  // 5 s
        {29000, true},  // 1 s
        {29500, false},
    };
    for (const Case& c : cases) {
        platform.resourceSounds.clear();
        TickAt(1000 + c.elapsed);
        std::vector<int> expected;
        if (c.sound)
            expected.push_back(130);
        EXPECT_EQ(platform.resourceSounds, expected) << c.elapsed << " ms in";
    }
    EXPECT_EQ(record.calls, 0);
}

TEST_F(CountdownClockTest, PauseFreezesTheBarWhileSecondsCountOn)
{
    clock.SetDuration(90);
    platform.now = 1000;
    clock.Start();
    clock.Pause();
    platform.now = 1000 + 30000;
    EXPECT_EQ(clock.SecondsLeft(), 60u);
    PumpMessagesFor(120);
    WindowPixels bar(clock.Window());
    EXPECT_EQ(bar.At(7, 50), GradientAt(50)); // no tick moved it
    clock.Stop();
    EXPECT_EQ(clock.SecondsLeft(), 0u);
    EXPECT_EQ(WindowPixels(clock.Window()).At(7, 50), dark);
}

TEST_F(CountdownClockTest, SecondCreateIsRefused)
{
    HWND first = clock.Window();
    EXPECT_FALSE(clock.Create(host.Handle(), 0, 0, 5, 5, nullptr));
    EXPECT_EQ(clock.Window(), first);
}

TEST_F(CountdownClockTest, ResizedBarGetsAGradientOfItsNewHeight)
{
    MoveWindow(clock.Window(), 10, 10, barWidth, 200, TRUE);
    clock.SetDuration(90);
    clock.Start();
    std::vector<countdown::GradientRow> rows = countdown::GradientRows(200);
    WindowPixels bar(clock.Window());
    EXPECT_EQ(bar.At(7, 150), rows[148].colour);
    EXPECT_EQ(bar.At(0, 199), outerFrame);
}

} // namespace
