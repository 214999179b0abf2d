#include "cardlib/GdiHolders.h"
#include "res/ResourceIds.h"
#include "tests/win32/ui/TableFixture.h"
#include "ui/LinkBanner.h"

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
        MoveWindow(banner.Window(), 10, 20, banner.ImageSize().cx, banner.ImageSize().cy, TRUE);
        host.Refresh();
    }

    TestHost host{400, 500, hostGrey};
    FakePlatform platform;
    ScopedPlatform installed{platform};
    LinkBanner banner;
};

// Each picture is drawn without its key colour (the table shows there); its
// hand cursor, made once, has the hot spot on the fingertip.
TEST_F(LinkBannerTest, PictureWithoutItsKeyColourOverTheTableAndTheHandCursor)
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
        ASSERT_TRUE(banner.ImageSize().cx == c.width && banner.ImageSize().cy == c.height) << c.image;
        const auto picture = ResourceBitmap(c.image);
        const MemorySurface pixels(banner.Window());
        int keyPixels = 0, wrong = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                const COLORREF original = picture->Pixel(x, y);
                keyPixels += original == c.key;
                wrong += pixels.Pixel(x, y) != (original == c.key ? hostGrey : original);
            }
        EXPECT_EQ(wrong, 0) << c.image;
        EXPECT_GT(keyPixels, c.width * c.height / 2) << c.image;
    }
    SendMessageA(banner.Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(banner.Window()), HTCLIENT);
    const HCURSOR cursor = GetCursor();
    SendMessageA(banner.Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(banner.Window()), HTCLIENT);
    EXPECT_EQ(GetCursor(), cursor) << "made once";
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    GdiObject<HBITMAP> mask(info.hbmMask), colour(info.hbmColor);
    EXPECT_TRUE(!info.fIcon && info.xHotspot == 5u && info.yHotspot == 2u);
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

    LinkBanner refused, longest;
    EXPECT_FALSE(refused.Create(host.Handle(), WS_CHILD, 0, 0, 10, 10, std::string(260, 'a').c_str()));
    EXPECT_EQ(refused.Window(), nullptr);
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
        PumpMessages();
        banner.SetColour(c.to);
        MSG message = {};
        const bool posted = PeekMessageA(&message, host.Handle(), WM_SIZE, WM_SIZE, PM_REMOVE) != FALSE;
        EXPECT_EQ(posted, c.request) << std::hex << c.from << " -> " << c.to << " at " << std::dec << c.hostHeight;
        EXPECT_TRUE(!posted || message.lParam == MAKELPARAM(400, c.hostHeight));
    }
}

} // namespace
