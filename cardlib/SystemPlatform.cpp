#include "cardlib/core/PlatformServices.h"

#include "cardlib/SystemLibraries.h"

#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>

namespace {

// The sound functions are taken from the system folder's winmm at first use
// rather than imported: an imported winmm is searched for beside the program first.
using SndPlaySoundFunction = BOOL(WINAPI*)(LPCSTR, UINT);
using PlaySoundFunction = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);
SystemFunction<SndPlaySoundFunction> sndPlaySoundFunction(L"winmm.dll", "sndPlaySoundA");
SystemFunction<PlaySoundFunction> playSoundFunction(L"winmm.dll", "PlaySoundA");
// From Windows 7 on; before it the tick count, which goes on while the system sleeps, has to do.
using QueryUnbiasedFunction = BOOL(WINAPI*)(PULONGLONG);
SystemFunction<QueryUnbiasedFunction> queryUnbiasedFunction(L"kernel32.dll", "QueryUnbiasedInterruptTime");

class Win32Platform final : public PlatformServices {
public:
    std::uint32_t TickCount() override { return GetTickCount(); }

    std::uint32_t AwakeTickCount() override
    {
        ULONGLONG interruptTime = 0;
        QueryUnbiasedFunction query = queryUnbiasedFunction.Get();
        if (query && query(&interruptTime))
            return AwakeMilliseconds(interruptTime);
        return GetTickCount();
    }
    void Sleep(std::uint32_t milliseconds) override { ::Sleep(milliseconds); }

    bool PlaySoundFromMemory(const void* wave, unsigned flags) override
    {
        SndPlaySoundFunction play = sndPlaySoundFunction.Get();
        return play && play(static_cast<LPCSTR>(wave), flags) != FALSE;
    }

    bool PlaySoundFromResource(int resourceId) override
    {
        PlaySoundFunction play = playSoundFunction.Get();
        return play &&
               play(MAKEINTRESOURCEA(resourceId), GetModuleHandleA(nullptr), SND_RESOURCE | SND_ASYNC | SND_NODEFAULT) !=
                   FALSE;
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
