#include "cardlib/core/PlatformServices.h"

#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>

namespace {

class Win32Platform final : public PlatformServices {
public:
    std::uint32_t TickCount() override { return GetTickCount(); }
    void Sleep(std::uint32_t milliseconds) override { ::Sleep(milliseconds); }

    bool PlaySoundFromMemory(const void* wave, unsigned flags) override
    {
        return sndPlaySoundA(static_cast<LPCSTR>(wave), flags) != FALSE;
    }

    bool PlaySoundFromResource(int resourceId) override
    {
        return PlaySoundA(MAKEINTRESOURCEA(resourceId), GetModuleHandleA(nullptr),
                          SND_RESOURCE | SND_ASYNC | SND_NODEFAULT) != FALSE;
    }

    int ShowMessageBox(void* owner, const char* text, const char* caption, unsigned flags) override
    {
        return MessageBoxA(static_cast<HWND>(owner), text, caption, flags);
    }

    bool OpenWithShell(const char* address) override
    {
        HINSTANCE result = ShellExecuteA(nullptr, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
        // ShellExecute reports success as a value above 32.
        return reinterpret_cast<INT_PTR>(result) > 32;
    }
};

} // namespace

PlatformServices& SystemPlatform()
{
    static Win32Platform services;
    return services;
}
