#include "res/ResourceIds.h"
#include "tests/win32/ui/TableFixture.h"

namespace {

constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);

using PaintScreenTest = TableFixture;

// The introduction as painted when it waits: a white band of 83 rows with
// the title picture centred at (353, 41), black below.
TEST_F(PaintScreenTest, IntroBandAndTitle)
{
    MemorySurface screen(width, height);
    RunInsideNextLoop([&] {
        TicksUntilPhase(table, 1);
        table.PaintScreen(screen.Context());
        PostQuitMessage(0);
    });
    table.ShowScreen(IntroScreen);
    TakeQuitMessage();
    EXPECT_EQ(Mismatches(screen, {{5, 0, white}, {700, 82, white}, {5, 83, black}, {700, 499, black}}), "");
    const auto title = ResourceBitmap(IDB_TITLE);
    int wrong = 0;
    for (int y = 0; y < 69; ++y)
        for (int x = 0; x < title->Width(); ++x)
            wrong += screen.Pixel(95 + x, 7 + y) != title->Pixel(x, y);
    EXPECT_EQ(wrong, 0);
}

} // namespace
