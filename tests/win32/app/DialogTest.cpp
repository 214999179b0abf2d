#include "app/BackgroundColourDialog.h"
#include "app/HelpPage.h"
#include "app/HelpViewer.h"
#include "res/ResourceIds.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// One owner for all: a top-level window takes long to go under Wine.
HWND Owner()
{
    static TestHost owner(200, 100);
    return owner.Handle();
}

const char* modalTitle = nullptr;
std::function<bool(HWND)> modalStep;

void CALLBACK DriveModal(HWND, UINT, UINT_PTR, DWORD)
{
    // Dialogs are of the system's dialog class.
    HWND window = FindWindowA("#32770", modalTitle);
    if (window != nullptr && IsWindowVisible(window) && modalStep && modalStep(window))
        modalStep = nullptr;
}

// Runs show(), which opens a modal dialog on this thread and returns when it
// closes, and drives that dialog meanwhile: once it shows with the title,
// step(dialog) is called every 20 ms from the modal loop until it returns
// true. Returns what show() returned.
int WhileModal(const char* title, std::function<bool(HWND)> step, const std::function<int()>& show)
{
    modalTitle = title;
    modalStep = std::move(step);
    UINT_PTR timer = SetTimer(nullptr, 0, 20, DriveModal);
    const int result = show();
    KillTimer(nullptr, timer);
    return result;
}

// Runs the dialog, preselected with a colour, and lets step drive it.
int RunDialog(BackgroundColourDialog& dialog, std::uint32_t colour, std::function<bool(HWND)> step)
{
    dialog.SelectColour(colour);
    return WhileModal("Options", std::move(step), [&] { return dialog.Run(Owner()); });
}

// Each run also checks what every showing must have: the eight swatches in
// two rows of four, and the label whole on one line in the dialog's font.
TEST(BackgroundColourDialog, OpensOnTheCurrentColourAndEndsAsAsked)
{
    const std::uint32_t colours[] = {0x009BBFFF, 0x00644000, 0x00E6D4C6, 0x00FF8827,
                                     0x000FFF0F, 0x00328032, 0x00E9B185, 0x00DF32FE};
    BackgroundColourDialog order;
    for (int i = 7; i >= 0; --i) {
        order.SelectColour(colours[i]);
        EXPECT_EQ(order.Selected(), i) << "the colours in the list's order";
    }
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
            // Item i carries i. The list is 306 x 144 pixels: swatches of
            // (306 - 6) / 4 by (144 - 8) / 2, column by column.
            for (int i = 0; i < 8; ++i) {
                EXPECT_EQ(i, SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0));
                RECT r{};
                SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
                const LONG x = i / 2 * 75, y = i % 2 * 68;
                EXPECT_EQ(std::tuple(r.left, r.top, r.right, r.bottom), std::tuple(x, y, x + 75, y + 68)) << i;
            }
            HWND label = GetDlgItem(window, IDC_COLOUR_LABEL);
            HDC dc = GetDC(label);
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)));
            RECT box{}, text{};
            GetClientRect(label, &box);
            DrawTextA(dc, "Select background color:", -1, &text, DT_CALCRECT | DT_SINGLELINE);
            ReleaseDC(label, dc);
            EXPECT_LE(text.right, box.right);
            EXPECT_LE(text.bottom, box.bottom);
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

// The page is an HTML resource with every section; its address keeps the
// program's path in any script, letters outside the ANSI code page too,
// escaped where the protocol needs it.
TEST(HelpPage, IsAnHtmlResourceWhoseAddressKeepsThePathInAnyScript)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(IDH_HELP_PAGE), MAKEINTRESOURCEA(23));
    ASSERT_NE(nullptr, found);
    std::string page(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                     SizeofResource(nullptr, found));
    for (const char* part : {"<title>Morvane Solitaire</title>", "\"object\"", "\"how-to-play\"",
                             "\"difficulty-modes\"", "\"change-background-color\"", "\"contact\"", "</html>"})
        EXPECT_NE(std::string::npos, page.find(part)) << part;
    EXPECT_EQ(L"res://Z:\\Wexa \u6F22\u5B57 \u0416\u0443\u043A\\Wexa.exe/7",
              HelpPageAddress(L"Z:\\Wexa \u6F22\u5B57 \u0416\u0443\u043A\\Wexa.exe", 7));
    EXPECT_EQ(L"res://C:\\C%23 100%25\\%2523\\Wexa.exe/133", HelpPageAddress(L"C:\\C# 100%\\%23\\Wexa.exe", 133));
    // 6 + 250 + 4 characters do not fit the 260 an address may have.
    EXPECT_EQ(L"", HelpPageAddress(std::wstring(250, L'a'), 133));
}

TEST(HelpPage, FailsWithoutTheRendererOrItsEntryAndUnloadsIt)
{
    ASSERT_EQ(nullptr, GetModuleHandleA("msftedit.dll")) << "needs a library this program has not loaded";
    EXPECT_FALSE(ShowHelpPage(nullptr, IDH_HELP_PAGE, L"wexa-no-such-renderer.dll", "ShowHTMLDialog"));
    EXPECT_FALSE(ShowHelpPage(nullptr, IDH_HELP_PAGE, L"msftedit.dll", "ShowHTMLDialog"));
    EXPECT_EQ(nullptr, GetModuleHandleA("msftedit.dll"));
}

// The fallback viewer is modal over its owner, and Esc closes it.
TEST(HelpViewer, ShowsThePageOverItsOwnerUntilEsc)
{
    HelpViewer viewer;
    int shown = WhileModal("Morvane Solitaire", [&](HWND window) {
        EXPECT_EQ(Owner(), GetWindow(window, GW_OWNER));
        EXPECT_FALSE(IsWindowEnabled(Owner()));
        HWND focus = GetFocus(); // on "Close" once the viewer is up
        return IsChild(window, focus) && PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 0);
    }, [&] { return viewer.Run(Owner()) ? 1 : 0; });
    EXPECT_EQ(1, shown);
    EXPECT_TRUE(IsWindowEnabled(Owner()));
}

} // namespace
