// The main window's size at the display's DPI and the player's zoom: the
// table keeps the logical area it has at 96 DPI and 100 %, the window is
// that area in device pixels with the frames the system draws round it.
#include "app/MainWindow.h"

#include "cardlib/DisplayDpi.h"
#include "cardlib/SystemLibraries.h"
#include "game/GameBase.h"
#include "res/ResourceIds.h"
#include "ui/GameTableWindow.h"

#include <algorithm>
#include <vector>

namespace {

using AdjustForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

// What the system draws round the table at a DPI: the main window's border
// and menu bar, and the table's own sunken edge. A system that cannot say
// for a DPI draws them at its own, whatever the DPI.
Size FramesAt(DWORD style, int dpi)
{
    static SystemFunction<AdjustForDpiFunction> adjustForDpi(L"user32.dll", "AdjustWindowRectExForDpi");
    RECT frame = {0, 0, 0, 0};
    if (auto adjust = adjustForDpi.Get())
        adjust(&frame, style, TRUE, 0, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&frame, style, TRUE, 0);
    return {frame.right - frame.left + 2 * SystemMetricAt(SM_CXEDGE, dpi),
            frame.bottom - frame.top + 2 * SystemMetricAt(SM_CYEDGE, dpi)};
}

Rect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

Rect WorkAreaOf(HWND window)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor))
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    return FromRect(monitor.rcWork);
}

} // namespace

HACCEL MainWindow::ZoomKeys(HINSTANCE instance)
{
    HACCEL all = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDA_MAIN));
    std::vector<ACCEL> keys(static_cast<std::size_t>(all ? CopyAcceleratorTableA(all, nullptr, 0) : 0));
    if (keys.empty())
        return nullptr;
    CopyAcceleratorTableA(all, keys.data(), static_cast<int>(keys.size()));
    keys.erase(std::remove_if(keys.begin(), keys.end(),
                              [](const ACCEL& key) { return key.cmd < IDC_ZOOM_IN || key.cmd > IDC_ZOOM_RESET; }),
               keys.end());
    return keys.empty() ? nullptr : CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size()));
}

Size MainWindow::SizeAt(int atDpi, int atZoom) const
{
    return WindowSize(tableClient, DisplayScale(atDpi, atZoom), FramesAt(windowStyle, atDpi));
}

Rect MainWindow::FirstPlace()
{
    // The system's DPI until the window, once made, tells its own.
    dpi = WindowDpi(nullptr);
    zoom = settings.zoom;
    tableClient = TableClientSize(FramesAt(windowStyle, DisplayScale::logicalDpi));
    const Rect work = WorkAreaOf(nullptr);
    Rect place;
    while (zoom > 100 && !PlaceInWorkArea(work, SizeAt(dpi, zoom), work, place))
        zoom = SteppedZoom(zoom, ZoomKey::Smaller);
    windowSize = SizeAt(dpi, zoom);
    const Point at = FirstPosition({GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN)},
                                   windowSize, Scale());
    place = RectAt(at.x, at.y, windowSize.width, windowSize.height);
    // Drawn larger, it is kept on the screen.
    Rect inside;
    if (!Scale().IsUnscaled() && PlaceInWorkArea(place, windowSize, work, inside))
        return inside;
    return place;
}

// A step that changes nothing, or whose window would not fit the monitor's
// work area, is refused; otherwise the window keeps its centre.
void MainWindow::OnZoom(ZoomKey key)
{
    GameBase* game = Game();
    const int next = SteppedZoom(zoom, key);
    RECT frame = {};
    GetWindowRect(hwnd, &frame);
    Rect place;
    if (next == zoom || !PlaceInWorkArea(FromRect(frame), SizeAt(dpi, next), WorkAreaOf(hwnd), place)) {
        game->PlayRefusedSound();
        return;
    }
    zoom = next;
    Rescale(place);
}

void MainWindow::OnDpiChanged(int newDpi, const Rect& suggested)
{
    dpi = newDpi;
    Rescale(suggested);
}

void MainWindow::Rescale(const Rect& place)
{
    GameTableWindow* table = Game() ? Game()->Table() : nullptr;
    // Cards in hand go home: their pictures and places were for the old size.
    if (table)
        table->CancelDrag();
    windowSize = {place.Width(), place.Height()};
    SetWindowPos(hwnd, nullptr, place.left, place.top, place.Width(), place.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (table)
        table->SetScale(Scale());
}
