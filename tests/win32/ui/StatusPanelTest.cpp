#include "cardlib/GdiHolders.h"
#include "res/ResourceIds.h"
#include "tests/win32/ui/TableFixture.h"
#include "ui/StatusPanel.h"

namespace {

constexpr COLORREF hostGrey = RGB(128, 128, 128);
constexpr COLORREF pictureBlue = 0x00644000;

class StatusPanelTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(panel.Create(host.Handle(), 20, 10, 54, 65));
        panel.SetLabel("level");
    }
    std::unique_ptr<MemorySurface> Show(COLORREF colour, int value)
    {
        panel.SetColour(colour);
        panel.SetValue(value);
        host.Refresh();
        return std::make_unique<MemorySurface>(panel.Window());
    }

    TestHost host{200, 100, hostGrey};
    StatusPanel panel;
};

// The label band is the table colour with white lettering; the picture
// below it is clipped to the oval on every colour but its own dark blue,
// where it shows whole.
TEST_F(StatusPanelTest, LabelBandAndOvalClipOfThePicture)
{
    const auto picture = ResourceBitmap(IDB_PANEL);
    GdiObject<HRGN> oval(CreateRoundRectRgn(6, 36, 49, 73, 54, 45));
    for (COLORREF colour : {COLORREF{0x00E9B185}, pictureBlue}) {
        const auto pixels = Show(colour, -1);
        EXPECT_GT(pixels->CountOf(RGB(255, 255, 255), 0, 0, 54, 30), 10);
        int wrong = 0;
        for (int y = 30; y < 65; ++y)
            for (int x = 0; x < 54; ++x) {
                const bool shown = colour == pictureBlue || PtInRegion(oval.Get(), x, y);
                wrong += pixels->Pixel(x, y) != (shown ? picture->Pixel(x, y - 30) : hostGrey);
            }
        EXPECT_EQ(wrong, 0) << std::hex << colour;
    }
}

// The number is written in blue on the picture, from row 43 down, across
// the middle; -1 writes none.
TEST_F(StatusPanelTest, NumberOnThePictureAndNoneForMinusOne)
{
    constexpr COLORREF numberBlue = 0x00FE1414;
    EXPECT_EQ(Show(pictureBlue, -1)->CountOf(numberBlue, 0, 0, 54, 65), 0);
    for (int value : {7, 42, 123}) {
        const auto pixels = Show(pictureBlue, value);
        EXPECT_EQ(pixels->CountOf(numberBlue, 0, 0, 54, 43), 0) << value;
        EXPECT_GT(pixels->CountOf(numberBlue, 0, 43, 27, 65), 10) << value;
        EXPECT_GT(pixels->CountOf(numberBlue, 27, 43, 54, 65), 10) << value;
    }
    panel.SetValue(7); // shows at once, without the host's repaint
    EXPECT_EQ(MemorySurface(panel.Window()).CountDifferences(*Show(pictureBlue, 7)), 0);
}

// The standard size's picture of the 2x set, read by the system's own file
// reader from the resource's bytes.
std::unique_ptr<MemorySurface> FinerPicture(int id)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), "BITMAP2X");
    char path[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, path);
    lstrcatA(path, "wexa-panel-2x.bmp");
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, LockResource(LoadResource(nullptr, found)), SizeofResource(nullptr, found), &written, nullptr);
    CloseHandle(file);
    GdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    DeleteFileA(path);
    auto surface = std::make_unique<MemorySurface>(108, 90);
    MemoryContext source(surface->Context());
    ScopedSelect selected(source.Get(), bitmap.Get());
    BitBlt(surface->Context(), 0, 0, 108, 90, source.Get(), 0, 0, SRCCOPY);
    return surface;
}

// At 200 % the panel is twice the size: the picture is the finer art's own
// (not the standard one enlarged), placed and clipped to the oval as the
// standard one doubled would be, the number on its lower part, the label
// above it.
TEST_F(StatusPanelTest, TwiceTheSizeFromTheFinerArtAt200Percent)
{
    MoveWindow(host.Handle(), 0, 0, 300, 200, TRUE);
    panel.SetScale(DisplayScale(192, 100));
    panel.Place(RectAt(10, 5, 54, 65));
    const auto finer = FinerPicture(IDB_PANEL);
    GdiObject<HRGN> oval(CreateRoundRectRgn(12, 72, 98, 146, 108, 90));
    for (COLORREF colour : {COLORREF{0x00E9B185}, pictureBlue}) {
        const auto pixels = Show(colour, -1);
        ASSERT_EQ(std::pair(pixels->Width(), pixels->Height()), std::pair(108, 130));
        int wrong = 0;
        for (int y = 60; y < 130; ++y)
            for (int x = 0; x < 108; ++x) {
                const bool shown = colour == pictureBlue || PtInRegion(oval.Get(), x, y);
                wrong += pixels->Pixel(x, y) != (shown ? finer->Pixel(x, y - 60) : hostGrey);
            }
        EXPECT_EQ(wrong, 0) << std::hex << colour;
    }
    const auto numbered = Show(pictureBlue, 42);
    EXPECT_EQ(numbered->CountOf(0x00FE1414, 0, 0, 108, 86), 0);
    EXPECT_GT(numbered->CountOf(RGB(255, 255, 255), 0, 30, 108, 60), 20) << "the label's lower half";
    EXPECT_GT(numbered->CountOf(0x00FE1414, 0, 86, 54, 130), 40);
    EXPECT_GT(numbered->CountOf(0x00FE1414, 0, 86, 108, 130), 400) << "in the doubled font";
}

} // namespace
