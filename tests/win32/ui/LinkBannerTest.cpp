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
    void ShowFor(std::uint32_t colour, int factor = 1)
    {
        banner.SetColour(colour);
        banner.SetScale(DisplayScale(96 * factor, 100));
        MoveWindow(banner.Window(), 10, 20, 266 * factor, 30 * factor, TRUE);
        host.Refresh();
    }

    TestHost host{400, 500, hostGrey};
    FakePlatform platform;
    ScopedPlatform installed{platform};
    LinkBanner banner;
};

// Each picture is drawn without its key colour (the table shows there);
// colour 0 has no picture and leaves the table showing. At 200 % the
// picture is the finer art's own; its size for the layout stays the same.
TEST_F(LinkBannerTest, PictureWithoutItsKeyColourOverTheTable)
{
    const struct {
        std::uint32_t colour;
        int image, width, height;
        COLORREF key;
        int factor;
    } cases[] = {{0x00644000, IDB_BANNER_LOGO, 220, 25, 0x0024BFF8, 1},
                 {0x00E9B185, IDB_BANNER_ADDRESS, 266, 30, 0x00E7D6C6, 1},
                 {0x00E9B185, IDB_BANNER_ADDRESS, 266, 30, 0x00E7D6C6, 2}};
    MoveWindow(host.Handle(), 0, 0, 600, 200, TRUE);
    for (const auto& c : cases) {
        ShowFor(c.colour, c.factor);
        const SIZE size = banner.ImageSize();
        ASSERT_EQ(std::pair(size.cx, size.cy), (std::pair<LONG, LONG>(c.width, c.height))) << c.image;
        const auto picture = ResourceBitmap(c.image, c.factor);
        const MemorySurface pixels(banner.Window());
        int wrong = 0;
        for (int y = 0; y < c.height * c.factor; ++y)
            for (int x = 0; x < c.width * c.factor; ++x) {
                const COLORREF original = picture->Pixel(x, y);
                wrong += pixels.Pixel(x, y) != (original == c.key ? hostGrey : original);
            }
        EXPECT_EQ(wrong, 0) << c.image;
    }
    ShowFor(0);
    EXPECT_EQ(MemorySurface(banner.Window()).CountOf(hostGrey, 0, 0, 266, 30), 266 * 30);
}

// A click opens the address. An address too long for the banner and a second Create are refused; a
// window that outlives its banner is a plain static control again.
TEST_F(LinkBannerTest, ClickOpensTheAddressAndLongAddressesAreRefused)
{
    Click(banner.Window(), 5, 5);
    EXPECT_EQ(platform.opened, std::vector<std::string>{"https://halverin.example/wexa/?src=morvane"});
    LinkBanner refused;
    EXPECT_FALSE(refused.Create(host.Handle(), WS_CHILD, 0, 0, 10, 10, std::string(260, 'a').c_str()));
    HWND outlived = nullptr;
    {
        LinkBanner longest;
        EXPECT_TRUE(longest.Create(host.Handle(), WS_CHILD, 0, 0, 10, 10, std::string(259, 'a').c_str()));
        EXPECT_EQ(std::string(longest.Address()), std::string(259, 'a'));
        EXPECT_FALSE(longest.Create(host.Handle(), WS_CHILD, 0, 0, 10, 10, "b"));
        outlived = longest.Window();
    }
    Click(outlived, 5, 5);
    EXPECT_EQ(platform.opened.size(), 1u);
}

} // namespace
