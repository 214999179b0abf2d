#include "app/BackgroundColourDialog.h"
#include "res/ResourceIds.h"
#include "tests/win32/app/WhileModal.h"
#include "tests/win32/support/MemorySurface.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

#include <array>

namespace {

HWND List(HWND dialog) { return GetDlgItem(dialog, IDC_COLOUR_LIST); }

RECT ItemRect(HWND dialog, int item)
{
    RECT rect{};
    SendMessageA(List(dialog), LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

// Runs the dialog, preselected with a colour, and lets step drive it.
int RunDialog(BackgroundColourDialog& dialog, std::uint32_t colour, std::function<bool(HWND)> step)
{
    // One owner for all: a top-level window takes long to go under Wine.
    static TestHost owner(200, 100);
    dialog.SelectColour(colour);
    return WhileModal("Options", std::move(step), [&] { return dialog.Run(owner.Handle()); });
}

TEST(BackgroundColourDialog, OffersEightSwatchesInTwoRowsOfFourCentredWithTheCurrentOneSelected)
{
    struct Case {
        std::uint32_t current;
        int expectedSelection;
        std::uint32_t expectedColour;
    };
    // The last colour is none of the eight: the first swatch is chosen.
    for (Case c : {Case{0x00E9B185, 6, 0x00E9B185}, Case{0x009BBFFF, 0, 0x009BBFFF},
                   Case{0x00DF32FE, 7, 0x00DF32FE}, Case{0x00123456, 0, 0x009BBFFF}}) {
        BackgroundColourDialog dialog;
        int result = RunDialog(dialog, c.current, [&](HWND window) {
            EXPECT_EQ(8, SendMessageA(List(window), LB_GETCOUNT, 0, 0));
            for (int i = 0; i < 8; ++i) {
                EXPECT_EQ(i, SendMessageA(List(window), LB_GETITEMDATA, static_cast<WPARAM>(i), 0));
            }
            EXPECT_EQ(c.expectedSelection, SendMessageA(List(window), LB_GETCURSEL, 0, 0));
            RECT frame{};
            GetWindowRect(window, &frame);
            int width = frame.right - frame.left;
            int height = frame.bottom - frame.top;
            EXPECT_EQ(GetSystemMetrics(SM_CXFULLSCREEN) / 2 - width / 2, frame.left);
            EXPECT_EQ(GetSystemMetrics(SM_CYFULLSCREEN) / 2 - height / 2, frame.top);
            RECT list{};
            GetWindowRect(List(window), &list);
            LONG w = (list.right - list.left - 6) / 4;
            LONG h = (list.bottom - list.top - 8) / 2;
            // The list fills column by column: items 0 and 1 are the first column.
            for (auto [item, column, row] : {std::tuple{0, 0, 0}, {1, 0, 1}, {2, 1, 0}, {7, 3, 1}}) {
                RECT rect = ItemRect(window, item);
                EXPECT_EQ((std::array<LONG, 4>{column * w, row * h, (column + 1) * w, (row + 1) * h}),
                          (std::array<LONG, 4>{rect.left, rect.top, rect.right, rect.bottom})) << item;
            }
            PostMessageA(window, WM_COMMAND, IDOK, 0);
            return true;
        });
        EXPECT_EQ(1, result);
        EXPECT_EQ(c.expectedColour, dialog.SelectedColour()) << std::hex << c.current;
    }
}

TEST(BackgroundColourDialog, DrawsASwatchInAFrameThatShowsTheSelection)
{
    constexpr COLORREF ground = RGB(1, 2, 3);
    COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    COLORREF window = GetSysColor(COLOR_WINDOW);
    struct Case {
        UINT action, state;
        ULONG_PTR data;
        COLORREF frame, swatch; // ground: left as it was
    };
    // The item is (5, 5)-(55, 45): a frame of 4 columns left and right, 3 rows on top and 4 below.
    const Case cases[] = {
        {ODA_DRAWENTIRE, ODS_SELECTED, 3, highlight, 0x00FF8827},
        {ODA_SELECT, 0, 5, window, 0x00328032},
        {ODA_SELECT, ODS_SELECTED | ODS_FOCUS, 0, highlight, 0x009BBFFF},
        {0, ODS_SELECTED, 3, ground, ground},
        {ODA_FOCUS, ODS_FOCUS | ODS_NOFOCUSRECT, 3, ground, ground},
    };
    BackgroundColourDialog dialog;
    RunDialog(dialog, 0, [&](HWND shown) {
        for (const Case& c : cases) {
            MemorySurface surface(60, 50);
            surface.Fill(ground);
            DRAWITEMSTRUCT item{ODT_LISTBOX, IDC_COLOUR_LIST, 0, c.action, c.state, List(shown),
                                surface.Context(), RECT{5, 5, 55, 45}, c.data};
            SendMessageA(shown, WM_DRAWITEM, IDC_COLOUR_LIST, reinterpret_cast<LPARAM>(&item));
            SCOPED_TRACE(testing::Message() << "action " << c.action << " data " << c.data);
            for (auto [x, y] : {std::pair{5, 20}, {8, 20}, {30, 5}, {30, 7}, {30, 41}, {30, 44}, {51, 20}, {54, 20}}) {
                EXPECT_EQ(c.frame, surface.Pixel(x, y)) << x << "," << y;
            }
            for (auto [x, y] : {std::pair{9, 8}, {50, 8}, {9, 40}, {50, 40}}) {
                EXPECT_EQ(c.swatch, surface.Pixel(x, y)) << x << "," << y;
            }
            EXPECT_EQ(ground, surface.Pixel(4, 4));
            EXPECT_EQ(ground, surface.Pixel(55, 45));
        }
        PostMessageA(shown, WM_COMMAND, IDCANCEL, 0);
        return true;
    });
}

TEST(BackgroundColourDialog, EndsWithOkCancelDoubleClickOrCloseBox)
{
    enum Action { ok, cancel, doubleClickOnFive, closeBox, okWithoutSelection };
    struct Case {
        Action action;
        int result, selected;
    };
    // Opened on swatch 6 and moved to swatch 4 before each ending.
    for (Case c : {Case{ok, 1, 4}, Case{cancel, 2, 6}, Case{doubleClickOnFive, 1, 5}, Case{closeBox, 0, 6},
                   Case{okWithoutSelection, 1, 6}}) {
        BackgroundColourDialog dialog;
        int result = RunDialog(dialog, 0x00E9B185, [&](HWND window) {
            SendMessageA(List(window), LB_SETCURSEL, 4, 0);
            RECT five = ItemRect(window, 5);
            LPARAM at = MAKELPARAM((five.left + five.right) / 2, (five.top + five.bottom) / 2);
            switch (c.action) {
            case ok: PostMessageA(window, WM_COMMAND, IDOK, 0); break;
            case cancel: PostMessageA(window, WM_COMMAND, IDCANCEL, 0); break;
            case closeBox: PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); break;
            case okWithoutSelection:
                SendMessageA(List(window), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
                PostMessageA(window, WM_COMMAND, IDOK, 0);
                break;
            case doubleClickOnFive:
                for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
                    SendMessageA(List(window), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
                }
                break;
            }
            return true;
        });
        EXPECT_EQ(c.result, result) << c.action;
        EXPECT_EQ(c.selected, dialog.Selected()) << c.action;
    }
}

} // namespace
