#include "cardlib/CardButton.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/CardWindow.h"
#include "cardlib/core/CardText.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF tableGreen = 0x005000;

TEST(CardWindowClass, IsRegisteredOnceForAllWindows)
{
    {
        TestTable first(200, 150);
        TestTable second(200, 150);
        EXPECT_TRUE(classRegistered);
        EXPECT_EQ(classRegistrations, 1);
        char name[32] = {};
        GetClassNameA(first.Handle(), name, sizeof(name));
        EXPECT_STREQ(name, "CardWnd32");
        EXPECT_EQ(GetClassLongPtrA(first.Handle(), GCL_STYLE), CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS);
        EXPECT_EQ(GetClassLongPtrA(first.Handle(), GCLP_HBRBACKGROUND), 0);
        EXPECT_EQ(GetWindowLongPtrA(first.Handle(), 0), reinterpret_cast<LONG_PTR>(&first.Window()));
    }
    TestTable again(200, 150);
    EXPECT_EQ(classRegistrations, 1);
}

TEST(CardWindowPaint, EmptyTableIsAllBackground)
{
    TestTable table(120, 80);
    MemorySurface surface(120, 80);
    surface.Fill(RGB(255, 0, 255));
    table.PaintInto(surface);
    const int probes[][2] = {{0, 0}, {119, 0}, {0, 79}, {119, 79}, {60, 40}};
    for (const auto& p : probes)
        EXPECT_EQ(surface.Pixel(p[0], p[1]), tableGreen) << p[0] << "," << p[1];
}

} // namespace
