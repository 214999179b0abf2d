#include "res/ResourceIds.h"
#include "tests/support/FakePlatform.h"
#include "tests/win32/ui/HostWindow.h"
#include "ui/LinkBanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr COLORREF hostGrey = RGB(128, 128, 128);
constexpr COLORREF scribble = RGB(255, 0, 0);

// Platform services that look at the banner when the shell is asked to open.
class WatchingShell final : public PlatformServices {
public:
    HWND watched = nullptr;
    POINT probe = {0, 0};
    std::vector<std::string> opened;
    COLORREF bannerAtOpen = CLR_INVALID;

    std::uint32_t TickCount() override { return 1000; }
    void Sleep(std::uint32_t) override {}
    bool PlaySoundFromMemory(const void*) override { return true; }
    bool PlaySoundFromResource(int) override { return true; }
    int ShowMessageBox(const char*, const char*, unsigned) override { return 1; }
    bool OpenWithShell(const char* address) override
    {
        opened.emplace_back(address);
        bannerAtOpen = WindowPixels(watched).At(probe.x, probe.y);
        return true;
    }
};

void Scribble(HWND window)
{
    HDC dc = GetDC(window);
    RECT all = {0, 0, 400, 100};
    HBRUSH brush = CreateSolidBrush(scribble);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    ReleaseDC(window, dc);
}

// Handles whatever is queued, so that only what comes next is looked at.
void DrainMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

// A pixel of the banner's lettering: one the banner paints itself.
POINT LetteringPixel(HWND window, COLORREF ground)
{
    WindowPixels pixels(window);
    SIZE size = ClientSize(window);
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x)
            if (pixels.At(x, y) != ground)
                return POINT{x, y};
    return POINT{-1, -1};
}

class LinkBannerTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(banner.Create(host.Handle(), WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, makerAddress));
        shell.watched = banner.Window();
    }

    void ShowFor(std::uint32_t colour)
    {
        banner.SetColour(colour);
        SIZE size = banner.ImageSize();
        MoveWindow(banner.Window(), 10, 20, size.cx, size.cy, TRUE);
        host.Refresh();
    }

    HostWindow host{400, 500, hostGrey};
    WatchingShell shell;
    ScopedPlatform installed{shell};
    LinkBanner banner;
};

TEST(LinkBannerAddress, OurHomePageNamingThisGame)
{
    EXPECT_STREQ(makerAddress, "https://halverin.example/wexa/?src=morvane");
}

TEST_F(LinkBannerTest, PictureWithoutItsKeyColourOverTheTable)
{
    struct Case {
        std::uint32_t colour;
        int image;
        int width;
        int height;
        COLORREF key;
    };
    const Case cases[] = {{0x00644000, IDB_BANNER_LOGO, 220, 25, 0x0024BFF8},
                          {0x00E9B185, IDB_BANNER_ADDRESS, 266, 30, 0x00E7D6C6}};
    for (const Case& c : cases) {
        ShowFor(c.colour);
        EXPECT_EQ(banner.ImageId(), c.image);
        SIZE size = banner.ImageSize();
        ASSERT_EQ(size.cx, c.width);
        ASSERT_EQ(size.cy, c.height);

        HBITMAP image = static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.image), IMAGE_BITMAP, 0, 0, 0));
        HDC source = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(source, image);
        WindowPixels pixels(banner.Window());
        int keyPixels = 0;
        int wrong = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                COLORREF original = GetPixel(source, x, y);
                keyPixels += original == c.key ? 1 : 0;
                wrong += pixels.At(x, y) == (original == c.key ? hostGrey : original) ? 0 : 1;
            }
        SelectObject(source, previous);
        DeleteDC(source);
        DeleteObject(image);
        EXPECT_EQ(wrong, 0) << c.image;
        EXPECT_GT(keyPixels, c.width * c.height / 2) << c.image; // mostly ground
    }
}

TEST_F(LinkBannerTest, ColourZeroHasNoPictureAndDrawsNothing)
{
    EXPECT_EQ(banner.ImageId(), 0);
    EXPECT_EQ(banner.ImageSize().cx, 0);
    EXPECT_EQ(banner.ImageSize().cy, 0);
    MoveWindow(banner.Window(), 10, 20, 50, 20, TRUE);
    host.Refresh();
    WindowPixels pixels(banner.Window());
    EXPECT_EQ(pixels.CountOf(hostGrey, 0, 0, 50, 20), 50 * 20);
}

TEST_F(LinkBannerTest, HandCursorWithItsHotSpotOverTheBanner)
{
    ShowFor(0x00644000);
    LRESULT handled = SendMessageA(banner.Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(banner.Window()),
                                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(handled, TRUE);
    HCURSOR cursor = GetCursor();
    ASSERT_NE(cursor, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 5u);
    EXPECT_EQ(info.yHotspot, 2u);
    // A monochrome cursor keeps AND over XOR in one 32 x 64 mask.
    BITMAP mask = {};
    GetObjectA(info.hbmMask, sizeof(mask), &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    EXPECT_EQ(mask.bmHeight, 64);
    unsigned char bits[32 * 64 / 8] = {};
    GetBitmapBits(info.hbmMask, sizeof(bits), bits);
    EXPECT_EQ(bits[7 * 4 + 0], 0xf0); // AND row 7
    EXPECT_EQ(bits[7 * 4 + 2], 0x7f);
    EXPECT_EQ(bits[(32 + 7) * 4 + 1], 0xdb); // XOR row 7
    EXPECT_EQ(bits[(32 + 11) * 4 + 1], 0xff);
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    // Made once and kept.
    SendMessageA(banner.Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(banner.Window()), HTCLIENT);
    EXPECT_EQ(GetCursor(), cursor);
}

TEST_F(LinkBannerTest, ClickRepaintsBeforeTheShellOpensTheAddress)
{
    ShowFor(0x00E9B185);
    shell.probe = LetteringPixel(banner.Window(), hostGrey);
    ASSERT_GE(shell.probe.x, 0);
    COLORREF painted = WindowPixels(banner.Window()).At(shell.probe.x, shell.probe.y);
    Scribble(banner.Window());
    SendMessageA(banner.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], makerAddress);
    EXPECT_EQ(shell.bannerAtOpen, painted);
}

TEST_F(LinkBannerTest, EmptyAddressOpensNothing)
{
    LinkBanner silent;
    ASSERT_TRUE(silent.Create(host.Handle(), WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, nullptr));
    SendMessageA(silent.Window(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(LinkBannerTest, OverlongAddressIsRefusedBeforeAnyWindow)
{
    LinkBanner refused;
    EXPECT_FALSE(refused.Create(host.Handle(), WS_CHILD, 0, 0, 10, 10, std::string(260, 'a').c_str()));
    EXPECT_EQ(refused.Window(), nullptr);
    LinkBanner longest;
    EXPECT_TRUE(longest.Create(host.Handle(), WS_CHILD, 0, 0, 10, 10, std::string(259, 'a').c_str()));
    EXPECT_EQ(std::string(longest.Address()), std::string(259, 'a'));
}

TEST_F(LinkBannerTest, LayoutRequestWhenThePictureFamilyChangesOnATallTable)
{
    struct Case {
        int hostHeight;
        std::uint32_t from;
        std::uint32_t to;
        bool request;
    };
    const Case cases[] = {
        {500, 0x00644000, 0x00E9B185, true}, {500, 0x00E9B185, 0x00005000, true},
        {500, 0x00644000, 0x00328032, false}, {200, 0x00644000, 0x00E9B185, false},
        {201, 0x00E9B185, 0x00FF8827, true},
    };
    for (const Case& c : cases) {
        SetWindowPos(host.Handle(), nullptr, 0, 0, 400, c.hostHeight, SWP_NOZORDER);
        banner.SetColour(c.from);
        DrainMessages();
        banner.SetColour(c.to);
        MSG message = {};
        bool posted = PeekMessageA(&message, host.Handle(), WM_SIZE, WM_SIZE, PM_REMOVE) != FALSE;
        EXPECT_EQ(posted, c.request) << std::hex << c.from << " -> " << c.to << " at " << std::dec << c.hostHeight;
        if (posted) {
            EXPECT_EQ(message.wParam, 0u);
            EXPECT_EQ(message.lParam, MAKELPARAM(400, c.hostHeight));
        }
    }
}

TEST_F(LinkBannerTest, FirstColourAsksForNoLayout)
{
    DrainMessages();
    banner.SetColour(0x00644000);
    MSG message = {};
    EXPECT_FALSE(PeekMessageA(&message, host.Handle(), WM_SIZE, WM_SIZE, PM_REMOVE));
}

TEST_F(LinkBannerTest, SameColourRepaintsAtOnce)
{
    ShowFor(0x00E9B185);
    POINT probe = LetteringPixel(banner.Window(), hostGrey);
    ASSERT_GE(probe.x, 0);
    COLORREF painted = WindowPixels(banner.Window()).At(probe.x, probe.y);
    Scribble(banner.Window());
    banner.SetColour(0x00E9B185);
    EXPECT_EQ(WindowPixels(banner.Window()).At(probe.x, probe.y), painted);
}

TEST_F(LinkBannerTest, OtherMessagesReachTheStaticControl)
{
    // The static control keeps its own text handling behind the banner's procedure.
    SetWindowTextA(banner.Window(), "kept");
    char text[16] = {};
    GetWindowTextA(banner.Window(), text, sizeof(text));
    EXPECT_STREQ(text, "kept");
    EXPECT_TRUE(GetWindowLongPtrA(banner.Window(), GWL_STYLE) & SS_NOTIFY);
}

} // namespace
