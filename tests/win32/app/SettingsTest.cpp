#include "app/MainWindow.h"
#include "app/Settings.h"
#include "game/AppHolder.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const char settingsKey[] = "Software\\Halverin\\Wexa";

// The one value under a fresh key.
void Store(const char* name, DWORD type, const std::vector<BYTE>& data)
{
    RegDeleteKeyA(HKEY_CURRENT_USER, settingsKey);
    RegSetKeyValueA(HKEY_CURRENT_USER, settingsKey, name, type, data.data(), static_cast<DWORD>(data.size()));
}

// A stored value of any type is taken when it has 4 bytes, the colour
// without its top byte (GDI would read it as a palette flag); any other
// size keeps the default. Both are written as 4-byte DWORDs.
TEST(Settings, TakesFourBytesOfAnyTypeAndWritesDwords)
{
    const struct { DWORD type; std::vector<BYTE> data; std::uint32_t colour; } cases[] = {
        {REG_DWORD, {0x32, 0x80, 0x32, 0}, 0x328032}, {REG_DWORD, {0x56, 0x34, 0x12, 0xFF}, 0x123456},
        {REG_BINARY, {0x56, 0x34, 0x12, 1}, 0x123456}, {REG_DWORD, {0x56, 0x34}, 0xE9B185},
        {REG_BINARY, {1, 2, 3, 4, 5, 6, 7, 8}, 0xE9B185}};
    for (const auto& c : cases) {
        Store("bgcolor", c.type, c.data);
        EXPECT_EQ(LoadSettings().colour, c.colour) << "type " << c.type << ", " << c.data.size() << " bytes";
    }
    SaveSettings(Settings{0x123456, 1});
    for (auto [name, value] : {std::pair{"bgcolor", 0x123456ul}, {"difficulty", 1ul}}) {
        DWORD type = 0, size = 8, stored[2] = {};
        RegGetValueA(HKEY_CURRENT_USER, settingsKey, name, RRF_RT_ANY, &type, stored, &size);
        EXPECT_EQ(std::tuple(type, size, stored[0]), std::tuple(REG_DWORD, 4ul, value)) << name;
    }
}

// A stored difficulty of neither mode checks neither entry.
TEST(Settings, ADifficultyOfNeitherModeChecksNoEntry)
{
    Store("difficulty", REG_DWORD, {1, 0, 0, 0});
    AppHolder holder;
    MainWindow window(holder);
    ASSERT_TRUE(MainWindow::Register(GetModuleHandleA(nullptr)) && window.Create(GetModuleHandleA(nullptr)));
    HMENU game = GetSubMenu(GetMenu(window.Handle()), 0);
    SendMessageA(window.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(game), 0);
    EXPECT_EQ(GetMenuState(game, IDC_EASY, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(GetMenuState(game, IDC_NORMAL, MF_BYCOMMAND) & MF_CHECKED, 0u);
    RegDeleteKeyA(HKEY_CURRENT_USER, settingsKey);
}

} // namespace
