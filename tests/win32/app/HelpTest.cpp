#include "app/HelpPage.h"
#include "app/HelpViewer.h"
#include "res/ResourceIds.h"
#include "tests/win32/app/WhileModal.h"
#include "tests/win32/support/MemorySurface.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

TEST(HelpPage, IsAnHtmlResourceWhoseAddressReadsTheProgramPathInTheAnsiCodePage)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(IDH_HELP_PAGE), MAKEINTRESOURCEA(23));
    ASSERT_NE(nullptr, found);
    std::string page(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                     SizeofResource(nullptr, found));
    EXPECT_NE(std::string::npos, page.find("<title>Morvane Solitaire</title>"));
    ASSERT_EQ(1252u, GetACP()) << "the paths below are written in the Western European code page";
    EXPECT_EQ(L"res://C:\\Wexa Spiel \u00FC\\Wexa.exe/133", HelpPageAddress("C:\\Wexa Spiel \xFC\\Wexa.exe", 133));
    EXPECT_EQ(L"res://Z:\\\u00C6r\u00F8 \u20AC\\Wexa.exe/7", HelpPageAddress("Z:\\\xC6r\xF8 \x80\\Wexa.exe", 7));
    // 6 + 250 + 4 characters do not fit the 260 an address may have.
    EXPECT_EQ(L"", HelpPageAddress(std::string(250, 'a').c_str(), 133));
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) { return ++*reinterpret_cast<int*>(count) > 0; }

TEST(HelpPage, FailsSilentlyWithoutTheRendererOrItsEntryAndUnloadsIt)
{
    ASSERT_EQ(nullptr, GetModuleHandleA("msftedit.dll")) << "needs a library this program has not loaded";
    int before = 0;
    int after = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&before));
    EXPECT_FALSE(ShowHelpPage(nullptr, IDH_HELP_PAGE, "wexa-no-such-renderer.dll", "ShowHTMLDialog"));
    EXPECT_FALSE(ShowHelpPage(nullptr, IDH_HELP_PAGE, "msftedit.dll", "ShowHTMLDialog"));
    EXPECT_EQ(nullptr, GetModuleHandleA("msftedit.dll"));
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&after));
    EXPECT_EQ(before, after);
}

int ticks = -1;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++ticks; }

// The viewer over its owner, whose timers run on: the band painted across
// the top in the title's blue with white writing, the page below it without
// the band's lines, a contents entry that brings its section to the top.
// The owner's timer starts once the viewer shows; Esc ends it 3 ticks on.
TEST(HelpViewer, ShowsTheBandAndThePageAndJumpsToASectionUntilEsc)
{
    TestHost owner(200, 100);
    HelpViewer viewer;
    int shown = WhileModal("Morvane Solitaire", [&](HWND window) {
        if (ticks >= 0) {
            return ticks >= 3 && PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
        }
        EXPECT_EQ(owner.Handle(), GetWindow(window, GW_OWNER));
        EXPECT_FALSE(IsWindowEnabled(owner.Handle()));
        HWND text = GetDlgItem(window, IDC_HELP_TEXT);
        POINT below{}; // the top left corner of the page
        MapWindowPoints(text, window, &below, 1);
        MemorySurface surface(window);
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.Context()), PRF_CLIENT);
        int width = surface.Width();
        EXPECT_EQ(width, surface.CountOf(RGB(0x27, 0x88, 0xFF), 0, 2, width, 3));
        EXPECT_EQ(0, surface.CountOf(RGB(0x27, 0x88, 0xFF), 0, below.y - 4, width, below.y - 3));
        EXPECT_LT(200, surface.CountOf(RGB(255, 255, 255), 0, 0, width, below.y));
        wchar_t page[64] = {};
        GetWindowTextW(text, page, 64);
        EXPECT_EQ(0, std::wcsncmp(page, L"Contents\r", 9)) << page;
        // The contents entry, then the section's title below the contents.
        FINDTEXTEXW entry{CHARRANGE{0, -1}, L"How to play", {}};
        SendMessageW(text, EM_FINDTEXTEXW, FR_DOWN | FR_MATCHCASE, reinterpret_cast<LPARAM>(&entry));
        FINDTEXTEXW heading{CHARRANGE{entry.chrgText.cpMax, -1}, L"How to play", {}};
        SendMessageW(text, EM_FINDTEXTEXW, FR_DOWN | FR_MATCHCASE, reinterpret_cast<LPARAM>(&heading));
        auto at = static_cast<LPARAM>(SendMessageW(text, EM_POSFROMCHAR, entry.chrgText.cpMin, 0));
        LPARAM inside = MAKELPARAM(LOWORD(at) + 3, HIWORD(at) + 4);
        SendMessageW(text, WM_LBUTTONDOWN, MK_LBUTTON, inside);
        SendMessageW(text, WM_LBUTTONUP, 0, inside);
        EXPECT_EQ(SendMessageW(text, EM_EXLINEFROMCHAR, 0, heading.chrgText.cpMin),
                  SendMessageW(text, EM_GETFIRSTVISIBLELINE, 0, 0));
        ticks = 0;
        SetTimer(owner.Handle(), 10, 20, CountTick);
        return false;
    }, [&] { return viewer.Run(owner.Handle()) ? 1 : 0; });
    KillTimer(owner.Handle(), 10);
    EXPECT_EQ(1, shown);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

} // namespace
