#include "cardlib/GdiHolders.h"
#include "res/ResourceIds.h"
#include "tests/win32/ui/TableFixture.h"
#include "ui/LinkBanner.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr COLORREF hostGrey = RGB(128, 128, 128);

class LinkBannerTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(banner.Create(host.Handle(), WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, makerAddress));
    }

    void ShowFor(std::uint32_t colour)
    {
        banner.SetColour(colour);
        SIZE size = banner.ImageSize();
        MoveWindow(banner.Window(), 10, 20, size.cx, size.cy, TRUE);
        host.Refresh();
    }

    TestHost host{400, 500, hostGrey};
    FakePlatform platform;
    ScopedPlatform installed{platform};
    LinkBanner banner;
};

// Each picture is drawn without its key colour (the table shows there);
// colour 0 has no picture, size 0 x 0, and draws nothing.
TEST_F(LinkBannerTest, PictureWithoutItsKeyColourOverTheTable)
{
    EXPECT_STREQ(makerAddress, "https://halverin.example/wexa/?src=morvane");
    const struct {
        std::uint32_t colour;
        int image, width, height;
        COLORREF key;
    } cases[] = {{0x00644000, IDB_BANNER_LOGO, 220, 25, 0x0024BFF8},
                 {0x00E9B185, IDB_BANNER_ADDRESS, 266, 30, 0x00E7D6C6}};
    for (const auto& c : cases) {
        ShowFor(c.colour);
        EXPECT_EQ(banner.ImageId(), c.image);
        ASSERT_EQ(banner.ImageSize().cx, c.width);
        ASSERT_EQ(banner.ImageSize().cy, c.height);
        GdiObject<HBITMAP> image(static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.image), IMAGE_BITMAP, 0, 0, 0)));
        MemoryContext source(nullptr);
        ScopedSelect selected(source.Get(), image.Get());
        MemorySurface pixels(banner.Window());
        int keyPixels = 0, wrong = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                COLORREF original = GetPixel(source.Get(), x, y);
                keyPixels += original == c.key ? 1 : 0;
                wrong += pixels.Pixel(x, y) == (original == c.key ? hostGrey : original) ? 0 : 1;
            }
        EXPECT_EQ(wrong, 0) << c.image;
        EXPECT_GT(keyPixels, c.width * c.height / 2) << c.image;
    }
    banner.SetColour(0);
    EXPECT_EQ(banner.ImageId(), 0);
    EXPECT_EQ(banner.ImageSize().cx, 0);
    EXPECT_EQ(banner.ImageSize().cy, 0);
    MoveWindow(banner.Window(), 10, 20, 50, 20, TRUE);
    host.Refresh();
    EXPECT_EQ(MemorySurface(banner.Window()).CountOf(hostGrey, 0, 0, 50, 20), 50 * 20);
}

// The hand cursor with its hot spot on the fingertip, made once; its masks'
// pixels are pinned down by the native tests.
TEST_F(LinkBannerTest, HandCursorWithItsHotSpotOverTheBanner)
{
    ShowFor(0x00644000);
    EXPECT_EQ(SendMessageA(banner.Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(banner.Window()),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              TRUE);
    HCURSOR cursor = GetCursor();
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    GdiObject<HBITMAP> mask(info.hbmMask);
    GdiObject<HBITMAP> colour(info.hbmColor);
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 5u);
    EXPECT_EQ(info.yHotspot, 2u);
    // A monochrome cursor keeps AND over XOR in one 32 x 64 mask.
    unsigned char bits[32 * 64 / 8] = {};
    EXPECT_EQ(GetBitmapBits(info.hbmMask, sizeof(bits), bits), static_cast<LONG>(sizeof(bits)));
    EXPECT_EQ(bits[7 * 4 + 0], 0xf0); // AND row 7
    EXPECT_EQ(bits[(32 + 7) * 4 + 1], 0xdb); // XOR row 7
    SendMessageA(banner.Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(banner.Window()), HTCLIENT);
    EXPECT_EQ(GetCursor(), cursor);
}

// A click repaints the banner's lettering (over a red scribble; the key
// colour's pixels belong to the table) before the shell opens the address;
// an address too long for the banner is refused up front.
TEST_F(LinkBannerTest, ClickRepaintsBeforeTheShellOpensTheAddress)
{
    ShowFor(0x00E9B185);
    MemorySurface painted(banner.Window());
    Scribble(banner.Window());
    int differences = -1;
    platform.onOpen = [&] {
        MemorySurface now(banner.Window());
        differences = 0;
        for (int y = 0; y < now.Height(); ++y)
            for (int x = 0; x < now.Width(); ++x)
                differences += painted.Pixel(x, y) != hostGrey && now.Pixel(x, y) != painted.Pixel(x, y);
    };
    SendMessageA(banner.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(platform.opened, std::vector<std::string>{makerAddress});
    EXPECT_EQ(differences, 0);
    EXPECT_LT(painted.CountOf(hostGrey, 0, 0, 266, 30), 266 * 30 - 100) << "lettering to look at";

    LinkBanner refused;
    EXPECT_FALSE(refused.Create(host.Handle(), WS_CHILD, 0, 0, 10, 10, std::string(260, 'a').c_str()));
    EXPECT_EQ(refused.Window(), nullptr);
    LinkBanner longest;
    EXPECT_TRUE(longest.Create(host.Handle(), WS_CHILD, 0, 0, 10, 10, std::string(259, 'a').c_str()));
    EXPECT_EQ(std::string(longest.Address()), std::string(259, 'a'));
}

// A WM_SIZE with the parent's client size is posted to the parent when the
// picture family changes on a table higher than 200 pixels.
TEST_F(LinkBannerTest, LayoutRequestWhenThePictureFamilyChangesOnATallTable)
{
    const struct {
        int hostHeight;
        std::uint32_t from, to;
        bool request;
    } cases[] = {{500, 0x00644000, 0x00E9B185, true}, {500, 0x00644000, 0x00328032, false},
                 {200, 0x00644000, 0x00E9B185, false}, {201, 0x00E9B185, 0x00FF8827, true}};
    for (const auto& c : cases) {
        SetWindowPos(host.Handle(), nullptr, 0, 0, 400, c.hostHeight, SWP_NOZORDER);
        banner.SetColour(c.from);
        MSG message = {};
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        banner.SetColour(c.to);
        bool posted = PeekMessageA(&message, host.Handle(), WM_SIZE, WM_SIZE, PM_REMOVE) != FALSE;
        EXPECT_EQ(posted, c.request) << std::hex << c.from << " -> " << c.to << " at " << std::dec << c.hostHeight;
        if (posted) {
            EXPECT_EQ(message.lParam, MAKELPARAM(400, c.hostHeight));
        }
    }
}

} // namespace
