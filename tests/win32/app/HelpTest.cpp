#include "app/HelpPage.h"
#include "app/HelpViewer.h"
#include "res/ResourceIds.h"
#include "tests/win32/app/WhileModal.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The page is an HTML resource with every section; its address reads the
// program's path in the ANSI code page (1252 here: 0x80 is the euro sign).
TEST(HelpPage, IsAnHtmlResourceWhoseAddressReadsTheProgramPathInTheAnsiCodePage)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(IDH_HELP_PAGE), MAKEINTRESOURCEA(23));
    ASSERT_NE(nullptr, found);
    std::string page(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                     SizeofResource(nullptr, found));
    for (const char* part : {"<title>Morvane Solitaire</title>", "\"object\"", "\"how-to-play\"",
                             "\"difficulty-modes\"", "\"change-background-color\"", "\"contact\"", "</html>"})
        EXPECT_NE(std::string::npos, page.find(part)) << part;
    ASSERT_EQ(1252u, GetACP());
    EXPECT_EQ(L"res://Z:\\\u00C6r\u00F8 \u20AC\\Wexa.exe/7", HelpPageAddress("Z:\\\xC6r\xF8 \x80\\Wexa.exe", 7));
    // 6 + 250 + 4 characters do not fit the 260 an address may have.
    EXPECT_EQ(L"", HelpPageAddress(std::string(250, 'a').c_str(), 133));
}

TEST(HelpPage, FailsWithoutTheRendererOrItsEntryAndUnloadsIt)
{
    ASSERT_EQ(nullptr, GetModuleHandleA("msftedit.dll")) << "needs a library this program has not loaded";
    EXPECT_FALSE(ShowHelpPage(nullptr, IDH_HELP_PAGE, "wexa-no-such-renderer.dll", "ShowHTMLDialog"));
    EXPECT_FALSE(ShowHelpPage(nullptr, IDH_HELP_PAGE, "msftedit.dll", "ShowHTMLDialog"));
    EXPECT_EQ(nullptr, GetModuleHandleA("msftedit.dll"));
}

// The fallback viewer is modal over its owner, and Esc closes it.
TEST(HelpViewer, ShowsThePageOverItsOwnerUntilEsc)
{
    TestHost owner(200, 100);
    HelpViewer viewer;
    int shown = WhileModal("Morvane Solitaire", [&](HWND window) {
        EXPECT_EQ(owner.Handle(), GetWindow(window, GW_OWNER));
        EXPECT_FALSE(IsWindowEnabled(owner.Handle()));
        HWND focus = GetFocus(); // on "Close" once the viewer is up
        return IsChild(window, focus) && PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 0);
    }, [&] { return viewer.Run(owner.Handle()) ? 1 : 0; });
    EXPECT_EQ(1, shown);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

} // namespace
