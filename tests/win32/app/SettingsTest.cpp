#include "app/MainWindow.h"
#include "app/Settings.h"
#include "game/AppHolder.h"
#include "game/GameBase.h"
#include "res/ResourceIds.h"
#include "tests/support/FakePlatform.h"
#include "tests/win32/support/TestTable.h"
#include "ui/GameTableWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A stored number (DWORD or binary) is taken when it has 4 bytes, the colour
// without its top byte (GDI would read it as a palette flag), the zoom only
// when it is one of the zoom steps; any other size or zoom keeps the
// default. All are written as 4-byte DWORDs. At the next start the table
// takes the colour, and a difficulty of neither mode checks neither menu entry.
TEST(Settings, ReadWhenFourBytesWrittenAsDwordsAndShownInTheMenu)
{
    const char key[] = "Software\\Halverin\\Wexa";
    const struct { const char* name; DWORD type; std::vector<BYTE> data; std::uint32_t expected; } cases[] = {
        {"bgcolor", REG_DWORD, {0x32, 0x80, 0x32, 0}, 0x328032},    {"zoom", REG_DWORD, {0x2C, 1, 0, 0}, 300},
        {"bgcolor", REG_DWORD, {0x56, 0x34, 0x12, 0xFF}, 0x123456}, {"zoom", REG_BINARY, {175, 0, 0, 0}, 175},
        {"bgcolor", REG_BINARY, {0x56, 0x34, 0x12, 1}, 0x123456},   {"zoom", REG_DWORD, {130, 0, 0, 0}, 100},
        {"bgcolor", REG_DWORD, {0x56, 0x34}, 0xE9B185},             {"zoom", REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}, 100},
        {"bgcolor", REG_SZ, {'r', 'e', 'd', 0}, 0xE9B185},          {"zoom", REG_SZ, {'1', '5', '0', 0}, 100}};
    for (const auto& c : cases) {
        RegSetKeyValueA(HKEY_CURRENT_USER, key, c.name, c.type, c.data.data(), static_cast<DWORD>(c.data.size()));
        const Settings read = LoadSettings();
        EXPECT_EQ(c.name[0] == 'z' ? static_cast<std::uint32_t>(read.zoom) : read.colour, c.expected)
            << c.name << " type " << c.type << ", " << c.data.size() << " bytes";
    }
    SaveSettings(Settings{0x123456, 1, 175});
    for (auto [name, value] : {std::pair{"bgcolor", 0x123456ul}, {"difficulty", 1ul}, {"zoom", 175ul}}) {
        DWORD type = 0, size = 8, stored[2] = {};
        RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_ANY, &type, stored, &size);
        EXPECT_EQ(std::tuple(type, size, stored[0]), std::tuple(REG_DWORD, 4ul, value)) << name;
    }
    AppHolder holder;
    MainWindow window(holder);
    ASSERT_TRUE(MainWindow::Register(GetModuleHandleA(nullptr)) && window.Create(GetModuleHandleA(nullptr)));
    EXPECT_EQ(holder.Game()->Table()->BackgroundColour(), 0x123456u);
    HMENU game = GetSubMenu(GetMenu(window.Handle()), 0);
    SendMessageA(window.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(game), 0);
    EXPECT_EQ(GetMenuState(game, IDC_EASY, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(GetMenuState(game, IDC_NORMAL, MF_BYCOMMAND) & MF_CHECKED, 0u);
    RegDeleteKeyA(HKEY_CURRENT_USER, key);
}

// Each zoom step makes the table that many percent of its unscaled size; a
// step that changes nothing, or whose window (the frames do not grow) the
// work area cannot hold, is refused with the refused move's sound. Another
// DPI takes the place the system suggests. The zoom is saved on close and
// taken at the next start.
TEST(Zoom, StepsGrowTheTableWhileTheScreenHoldsItAndAreKept)
{
    FakePlatform platform;
    ScopedPlatform installed{platform};
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Halverin\\Wexa");
    ASSERT_TRUE(MainWindow::Register(GetModuleHandleA(nullptr)) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS);
    const auto tableClient = [](const AppHolder& holder) {
        RECT client = {};
        GetClientRect(holder.Game()->Table()->Handle(), &client);
        return std::pair(client.right, client.bottom);
    };
    std::pair<long, long> unscaled;
    {
        AppHolder holder;
        MainWindow window(holder);
        ASSERT_TRUE(window.Create(GetModuleHandleA(nullptr)));
        unscaled = tableClient(holder);
        RECT outer = {}, work = {};
        GetWindowRect(window.Handle(), &outer);
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        const auto zoomed = [&](int zoom) {
            return std::pair((unscaled.first * zoom + 50) / 100, (unscaled.second * zoom + 50) / 100);
        };
        const auto fits = [&](int zoom) {
            return outer.right - outer.left - unscaled.first + zoomed(zoom).first <= work.right - work.left &&
                   outer.bottom - outer.top - unscaled.second + zoomed(zoom).second <= work.bottom - work.top;
        };
        const auto press = [&](int command, int zoom, bool refused) {
            platform.memorySounds.clear();
            SendMessageA(window.Handle(), WM_COMMAND, static_cast<WPARAM>(command), 0);
            EXPECT_EQ(tableClient(holder), zoomed(zoom)) << zoom;
            EXPECT_EQ(platform.memorySounds.size() == 1 &&
                          platform.memorySounds[0].wave == GameBase::LoadWave(IDW_REFUSED),
                      refused)
                << zoom;
        };
        press(IDC_ZOOM_OUT, 100, true);
        const int steps[] = {100, 125, 150, 175, 200, 250, 300};
        int at = 0;
        for (; at + 1 < 7 && fits(steps[at + 1]); ++at)
            press(IDC_ZOOM_IN, steps[at + 1], false);
        ASSERT_GE(steps[at], 150) << "the test's screen holds the table at 150 %";
        press(IDC_ZOOM_IN, steps[at], true);
        press(IDC_ZOOM_RESET, 100, false);
        press(IDC_ZOOM_IN, 125, false);
        // Moved onto a monitor of 144 DPI: the place the system suggests, the table at 150 % x 125 %.
        RECT suggested = {10, 20, 1310, 1000}, now = {};
        SendMessageA(window.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
        GetWindowRect(window.Handle(), &now);
        EXPECT_TRUE(EqualRect(&now, &suggested));
        EXPECT_EQ(holder.Game()->Table()->Scale().ToDevice(96), 180);
        SendMessageA(window.Handle(), WM_CLOSE, 0, 0);
    }
    TakeQuitMessage();
    AppHolder holder;
    MainWindow window(holder);
    ASSERT_TRUE(window.Create(GetModuleHandleA(nullptr)));
    EXPECT_EQ(tableClient(holder), std::pair((unscaled.first * 125 + 50) / 100, (unscaled.second * 125 + 50) / 100));
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Halverin\\Wexa");
}

} // namespace
