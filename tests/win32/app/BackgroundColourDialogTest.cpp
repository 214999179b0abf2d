#include "app/BackgroundColourDialog.h"
#include "res/ResourceIds.h"
#include "tests/win32/app/WhileModal.h"
#include "tests/win32/support/MemorySurface.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// Runs the dialog, preselected with a colour, and lets step drive it.
int RunDialog(BackgroundColourDialog& dialog, std::uint32_t colour, std::function<bool(HWND)> step)
{
    // One owner for all: a top-level window takes long to go under Wine.
    static TestHost owner(200, 100);
    dialog.SelectColour(colour);
    return WhileModal("Options", std::move(step), [&] { return dialog.Run(owner.Handle()); });
}

// Each run also checks what every showing must have: the eight swatches in
// two rows of four and the dialog centred.
TEST(BackgroundColourDialog, OpensOnTheCurrentColourAndEndsAsAsked)
{
    struct Case {
        std::uint32_t current;
        int shown, moveTo;
        UINT message; // a double click goes to swatch 5, the others to the dialog
        WPARAM wParam;
        int result;
        std::uint32_t chosen;
    };
    // Swatch 4 is 0x000FFF0F, 5 is 0x00328032; the fourth colour is none of the eight.
    for (Case c : {Case{0x00E9B185, 6, 4, WM_COMMAND, IDOK, 1, 0x000FFF0F},
                   Case{0x00DF32FE, 7, 4, WM_COMMAND, IDCANCEL, 2, 0x00DF32FE},
                   Case{0x009BBFFF, 0, 4, WM_LBUTTONDBLCLK, 0, 1, 0x00328032},
                   Case{0x00123456, 0, 4, WM_SYSCOMMAND, SC_CLOSE, 0, 0x009BBFFF}}) {
        BackgroundColourDialog dialog;
        int result = RunDialog(dialog, c.current, [&](HWND window) {
            HWND list = GetDlgItem(window, IDC_COLOUR_LIST);
            EXPECT_EQ(c.shown, SendMessageA(list, LB_GETCURSEL, 0, 0));
            EXPECT_EQ(8, SendMessageA(list, LB_GETCOUNT, 0, 0));
            // The list is 306 x 144 pixels: swatches of (306 - 6) / 4 by (144 - 8) / 2, column by column.
            for (int i = 0; i < 8; ++i) {
                RECT r{};
                SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
                const LONG left = i / 2 * 75, top = i % 2 * 68;
                EXPECT_TRUE(r.left == left && r.top == top && r.right == left + 75 && r.bottom == top + 68) << i;
            }
            RECT frame{};
            GetWindowRect(window, &frame);
            EXPECT_EQ(GetSystemMetrics(SM_CXFULLSCREEN) / 2 - (frame.right - frame.left) / 2, frame.left);
            EXPECT_EQ(GetSystemMetrics(SM_CYFULLSCREEN) / 2 - (frame.bottom - frame.top) / 2, frame.top);
            SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(c.moveTo), 0);
            if (c.message != WM_LBUTTONDBLCLK)
                return PostMessageA(window, c.message, c.wParam, 0) != FALSE;
            // The middle of swatch 5, (150, 68)-(225, 136).
            for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
                SendMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(187, 102));
            return true;
        });
        EXPECT_EQ(c.result, result) << std::hex << c.current;
        EXPECT_EQ(c.chosen, dialog.SelectedColour()) << std::hex << c.current;
    }
}

// The item is (5, 5)-(55, 45): a frame of 4 columns left and right, 3 rows on
// top and 4 below, that shows the selection, around the swatch.
TEST(BackgroundColourDialog, DrawsASwatchInAFrameThatShowsTheSelection)
{
    constexpr COLORREF ground = RGB(1, 2, 3); // left as it was
    const struct {
        UINT action, state;
        ULONG_PTR data;
        COLORREF frame, swatch;
    } cases[] = {
        {ODA_DRAWENTIRE, ODS_SELECTED, 3, GetSysColor(COLOR_HIGHLIGHT), 0x00FF8827},
        {ODA_SELECT, 0, 5, GetSysColor(COLOR_WINDOW), 0x00328032},
        {ODA_FOCUS, ODS_FOCUS | ODS_NOFOCUSRECT, 3, ground, ground},
    };
    BackgroundColourDialog dialog;
    RunDialog(dialog, 0, [&](HWND shown) {
        for (const auto& c : cases) {
            MemorySurface surface(60, 50);
            surface.Fill(ground);
            DRAWITEMSTRUCT item{ODT_LISTBOX, IDC_COLOUR_LIST, 0, c.action, c.state, nullptr,
                                surface.Context(), RECT{5, 5, 55, 45}, c.data};
            SendMessageA(shown, WM_DRAWITEM, IDC_COLOUR_LIST, reinterpret_cast<LPARAM>(&item));
            for (auto [x, y, colour] : {std::tuple{5, 20, c.frame}, {8, 20, c.frame}, {30, 7, c.frame},
                                        {30, 41, c.frame}, {54, 20, c.frame}, {9, 8, c.swatch}, {50, 40, c.swatch},
                                        {4, 4, ground}, {55, 45, ground}})
                EXPECT_EQ(colour, surface.Pixel(x, y)) << c.action << ": " << x << "," << y;
        }
        return PostMessageA(shown, WM_COMMAND, IDCANCEL, 0) != FALSE;
    });
}

} // namespace
