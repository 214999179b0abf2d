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
// step that changes nothing, or whose window the work area cannot hold
// (200 % on the 1280 x 1024 test display), is refused with the refused
// move's sound. Another DPI takes the place the system suggests. The zoom
// is saved on close and taken at the next start.
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
        const struct { int command, zoom; bool refused; } steps[] = {
            {IDC_ZOOM_OUT, 100, true}, {IDC_ZOOM_IN, 125, false}, {IDC_ZOOM_IN, 150, false},
            {IDC_ZOOM_IN, 175, false}, {IDC_ZOOM_IN, 175, true},  {IDC_ZOOM_RESET, 100, false},
            {IDC_ZOOM_IN, 125, false}};
        for (const auto& step : steps) {
            platform.memorySounds.clear();
            SendMessageA(window.Handle(), WM_COMMAND, static_cast<WPARAM>(step.command), 0);
            const auto zoomed = [&](long length) { return (length * step.zoom + 50) / 100; };
            EXPECT_EQ(tableClient(holder), std::pair(zoomed(unscaled.first), zoomed(unscaled.second))) << step.zoom;
            EXPECT_EQ(platform.memorySounds.size() == 1 &&
                          platform.memorySounds[0].wave == GameBase::LoadWave(IDW_REFUSED),
                      step.refused)
                << step.zoom;
        }
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
