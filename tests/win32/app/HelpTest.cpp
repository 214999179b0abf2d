#include "app/HelpPage.h"
#include "app/HelpViewer.h"
#include "res/ResourceIds.h"
#include "tests/win32/app/WhileModal.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

BOOL CALLBACK CountWindow(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int ThreadWindowCount()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST(HelpPage, IsAnHtmlResourceOfTheProgramTitledWithTheGame)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(IDH_HELP_PAGE), MAKEINTRESOURCEA(23));
    ASSERT_NE(nullptr, found);
    std::string page(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                     SizeofResource(nullptr, found));
    EXPECT_NE(std::string::npos, page.find("<title>Morvane Solitaire</title>"));
}

TEST(HelpPage, AddressReadsTheProgramPathInTheAnsiCodePage)
{
    ASSERT_EQ(1252u, GetACP()) << "the cases below are written in the Western European code page";
    EXPECT_EQ(L"res://C:\\Wexa Spiel \u00FC\\Wexa.exe/133", HelpPageAddress("C:\\Wexa Spiel \xFC\\Wexa.exe", 133));
    EXPECT_EQ(L"res://Z:\\tmp\\\u00C6r\u00F8 \u20AC\\Wexa.exe/7", HelpPageAddress("Z:\\tmp\\\xC6r\xF8 \x80\\Wexa.exe", 7));
    // 6 + 250 + 4 characters do not fit the 260 an address may have.
    EXPECT_EQ(L"", HelpPageAddress(std::string(250, 'a').c_str(), 133));
}

TEST(HelpPage, FailsSilentlyWithoutTheRendererOrItsEntryAndUnloadsIt)
{
    TestHost owner(200, 100);
    ASSERT_EQ(nullptr, GetModuleHandleA("msftedit.dll")) << "needs a library this program has not loaded";
    int windows = ThreadWindowCount();
    EXPECT_FALSE(ShowHelpPage(owner.Handle(), IDH_HELP_PAGE, "wexa-no-such-renderer.dll", "ShowHTMLDialog"));
    EXPECT_FALSE(ShowHelpPage(owner.Handle(), IDH_HELP_PAGE, "msftedit.dll", "ShowHTMLDialog"));
    EXPECT_EQ(nullptr, GetModuleHandleA("msftedit.dll"));
    EXPECT_EQ(windows, ThreadWindowCount());
}

int ticks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++ticks; }

std::wstring Text(HWND control)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

LONG Find(HWND control, const wchar_t* what, LONG from)
{
    FINDTEXTEXW find{CHARRANGE{from, -1}, what, CHARRANGE{}};
    return static_cast<LONG>(SendMessageW(control, EM_FINDTEXTEXW, FR_DOWN | FR_MATCHCASE, reinterpret_cast<LPARAM>(&find)));
}

TEST(HelpViewer, ShowsThePageOverItsOwnerWhoseTimersRunOnAndClosesWithEsc)
{
    TestHost owner(200, 100);
    ticks = 0;
    SetTimer(owner.Handle(), 10, 20, CountTick);
    int ticksAtOpen = -1;
    HelpViewer viewer;
    int shown = WhileModal("Morvane Solitaire", [&](HWND window) {
        if (ticksAtOpen < 0) {
            ticksAtOpen = ticks;
            EXPECT_EQ(owner.Handle(), GetWindow(window, GW_OWNER));
            EXPECT_FALSE(IsWindowEnabled(owner.Handle()));
            HWND text = GetDlgItem(window, IDC_HELP_TEXT);
            std::wstring page = Text(text);
            page.erase(std::remove(page.begin(), page.end(), L'\n'), page.end());
            EXPECT_EQ(0u, page.find(L"Morvane Solitaire\r"));
            for (const wchar_t* title : {L"Contents", L"\rObject\r", L"\rHow to play\r", L"\rDifficulty modes\r",
                                         L"\rChange background color\r", L"\rContact\r"}) {
                EXPECT_NE(std::wstring::npos, page.find(title)) << title;
            }
            // The contents entry, then the section's title below the contents.
            LONG entry = Find(text, L"How to play", 0);
            LONG heading = Find(text, L"How to play", entry + 1);
            auto at = static_cast<LPARAM>(SendMessageW(text, EM_POSFROMCHAR, static_cast<WPARAM>(entry), 0));
            LPARAM inside = MAKELPARAM(LOWORD(at) + 3, HIWORD(at) + 4);
            SendMessageW(text, WM_LBUTTONDOWN, MK_LBUTTON, inside);
            SendMessageW(text, WM_LBUTTONUP, 0, inside);
            EXPECT_EQ(SendMessageW(text, EM_EXLINEFROMCHAR, 0, heading), SendMessageW(text, EM_GETFIRSTVISIBLELINE, 0, 0));
            return false;
        }
        if (ticks < ticksAtOpen + 3) {
            return false;
        }
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
        return true;
    }, [&] { return viewer.Run(owner.Handle()) ? 1 : 0; });
    KillTimer(owner.Handle(), 10);
    EXPECT_EQ(1, shown);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

} // namespace
