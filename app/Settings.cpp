#include "app/Settings.h"

#include "cardlib/core/DisplayScale.h"

namespace {

const char settingsKey[] = "Software\\Halverin\\Wexa";
const char colourValue[] = "bgcolor";
const char difficultyValue[] = "difficulty";
const char zoomValue[] = "zoom";

HKEY OpenSettingsKey(REGSAM access)
{
    HKEY key = nullptr;
    char noClass[] = "";
    if (RegCreateKeyExA(HKEY_CURRENT_USER, settingsKey, 0, noClass, 0, access, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return nullptr;
    return key;
}

// Leaves `value` alone unless exactly four bytes of a number were read: a
// four-letter text such as "red" is no colour.
void ReadValue(HKEY key, const char* name, DWORD& value)
{
    DWORD read = 0;
    DWORD size = sizeof(read);
    DWORD type = REG_NONE;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&read), &size) == ERROR_SUCCESS &&
        size == sizeof(read) && (type == REG_DWORD || type == REG_BINARY))
        value = read;
}

void WriteValue(HKEY key, const char* name, DWORD value)
{
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

} // namespace

Settings LoadSettings()
{
    Settings settings;
    HKEY key = OpenSettingsKey(KEY_READ);
    if (!key)
        return settings;
    DWORD colour = settings.colour;
    DWORD difficulty = static_cast<DWORD>(settings.difficulty);
    DWORD zoom = static_cast<DWORD>(settings.zoom);
    ReadValue(key, colourValue, colour);
    ReadValue(key, difficultyValue, difficulty);
    ReadValue(key, zoomValue, zoom);
    RegCloseKey(key);
    // GDI would take a top byte for a palette flag.
    settings.colour = colour & 0x00FFFFFF;
    settings.difficulty = static_cast<int>(difficulty);
    // Any other size could be larger than every screen.
    if (IsZoomStep(static_cast<int>(zoom)))
        settings.zoom = static_cast<int>(zoom);
    return settings;
}

void SaveSettings(const Settings& settings)
{
    HKEY key = OpenSettingsKey(KEY_WRITE);
    if (!key)
        return;
    WriteValue(key, colourValue, settings.colour);
    WriteValue(key, difficultyValue, static_cast<DWORD>(settings.difficulty));
    WriteValue(key, zoomValue, static_cast<DWORD>(settings.zoom));
    RegCloseKey(key);
}
