#include "tests/win32/ui/HostWindow.h"

namespace {
const char* const hostClass = "WexaUiTestHost";

void RegisterHostClass(WNDPROC procedure)
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.lpszClassName = hostClass;
    registered = RegisterClassExA(&windowClass) != 0;
}
} // namespace

namespace {
COLORREF hostColour = 0;

BOOL CALLBACK DestroyChild(HWND child, LPARAM)
{
    DestroyWindow(child);
    return TRUE;
}
} // namespace

HostWindow::HostWindow(int clientWidth, int clientHeight, COLORREF background)
{
    static HWND shared = nullptr;
    RegisterHostClass(&HostWindow::WindowProcedure);
    if (!shared)
        shared = CreateWindowExA(WS_EX_TOPMOST, hostClass, "host", WS_POPUP | WS_VISIBLE, 0, 0, clientWidth,
                                 clientHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    hwnd = shared;
    hostColour = background;
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, clientWidth, clientHeight, SWP_SHOWWINDOW);
    Refresh();
}

HostWindow::~HostWindow()
{
    // Children first go away with the windows they hold; whatever is left goes here.
    EnumChildWindows(hwnd, &DestroyChild, 0);
}

void HostWindow::Refresh() const
{
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

LRESULT CALLBACK HostWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND)
        return 1;
    if (message == WM_PAINT) {
        PAINTSTRUCT paint = {};
        HDC dc = BeginPaint(window, &paint);
        HBRUSH brush = CreateSolidBrush(hostColour);
        FillRect(dc, &paint.rcPaint, brush);
        DeleteObject(brush);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void PumpMessages(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(1);
    } while (GetTickCount() - start < milliseconds);
}

WindowPixels::WindowPixels(HWND window) : surface(ClientSize(window).cx, ClientSize(window).cy)
{
    surface.CopyFromWindow(window);
}

int WindowPixels::CountOf(COLORREF wanted, int left, int top, int right, int bottom) const
{
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            count += surface.Pixel(x, y) == wanted ? 1 : 0;
    return count;
}

SIZE ClientSize(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}
