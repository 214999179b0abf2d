#include "cardlib/DisplayDpi.h"

#include "cardlib/GdiHolders.h"
#include "cardlib/SystemLibraries.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
// The context is a handle-sized value; the headers declare it only for newer systems.
using SetProcessDpiAwarenessContextFunction = BOOL(WINAPI*)(HANDLE);
using SetProcessDpiAwareFunction = BOOL(WINAPI*)();
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
const HANDLE perMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4));

} // namespace

int WindowDpi(HWND window)
{
    static SystemFunction<GetDpiForWindowFunction> getDpiForWindow(L"user32.dll", "GetDpiForWindow");
    if (auto dpiForWindow = getDpiForWindow.Get())
        if (const UINT dpi = dpiForWindow(window))
            return static_cast<int>(dpi);
    WindowContext context(window);
    const int dpi = context.Get() ? GetDeviceCaps(context.Get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : 96;
}

int SystemMetricAt(int index, int dpi)
{
    static SystemFunction<GetSystemMetricsForDpiFunction> metricsForDpi(L"user32.dll", "GetSystemMetricsForDpi");
    if (auto forDpi = metricsForDpi.Get())
        return forDpi(index, static_cast<UINT>(dpi));
    return GetSystemMetrics(index);
}

int AtWindowDpi(HWND window, int length)
{
    return MulDiv(length, WindowDpi(window), 96);
}

void DeclareDpiAwareness()
{
    static SystemFunction<SetProcessDpiAwarenessContextFunction> setContext(L"user32.dll",
                                                                            "SetProcessDpiAwarenessContext");
    static SystemFunction<SetProcessDpiAwareFunction> setAware(L"user32.dll", "SetProcessDPIAware");
    if (auto setAwarenessContext = setContext.Get()) {
        setAwarenessContext(perMonitorAwareV2);
        return;
    }
    if (auto setProcessAware = setAware.Get())
        setProcessAware();
}
