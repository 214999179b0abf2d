#include "tests/win32/support/TestTable.h"

namespace {

const char* const hostClassName = "WexaTestHost";
COLORREF hostColour = 0;
std::vector<WPARAM> receivedCommands;
std::vector<LPARAM> receivedSources;

LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND) {
        receivedCommands.push_back(wParam);
        receivedSources.push_back(lParam);
        return 0;
    }
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

HWND SharedHost()
{
    static HWND host = nullptr;
    if (host && IsWindow(host))
        return host;
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = HostProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.lpszClassName = hostClassName;
    RegisterClassExA(&windowClass);
    host = CreateWindowExA(WS_EX_TOPMOST, hostClassName, "host", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
    return host;
}

BOOL CALLBACK DestroyChild(HWND child, LPARAM)
{
    DestroyWindow(child);
    return TRUE;
}

LPARAM PointParam(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

} // namespace

TestHost::TestHost(int width, int height, COLORREF background) : hwnd(SharedHost())
{
    hostColour = background;
    receivedCommands.clear();
    receivedSources.clear();
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, width, height, SWP_SHOWWINDOW);
    Refresh();
}

TestHost::~TestHost()
{
    EnumChildWindows(hwnd, &DestroyChild, 0);
    PumpMessages();
}

void TestHost::Refresh() const
{
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

const std::vector<WPARAM>& TestHost::Commands() const
{
    return receivedCommands;
}

const std::vector<LPARAM>& TestHost::CommandSources() const
{
    return receivedSources;
}

TestTable::TestTable(int tableWidth, int tableHeight) : TestTable(tableWidth, tableHeight, std::make_unique<CardWindow>())
{
}

TestTable::TestTable(int tableWidth, int tableHeight, std::unique_ptr<CardWindow> window)
    : width(tableWidth), height(tableHeight), host(tableWidth, tableHeight), table(std::move(window))
{
    table->Create(host.Handle(), 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    SetWindowPos(table->Handle(), nullptr, 0, 0, width, height, SWP_NOZORDER);
    UpdateWindow(host.Handle());
    PumpMessages();
}

TestTable::~TestTable()
{
    table.reset();
    PumpMessages();
}

void TestTable::PaintInto(MemorySurface& surface)
{
    table->Paint(surface.Context());
}

void TestTable::Capture(MemorySurface& surface)
{
    table->Redraw();
    GdiFlush();
    surface.CopyFromWindow(table->Handle());
}

void TestTable::Press(int x, int y)
{
    SendMessageA(table->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y));
}

void TestTable::MoveTo(int x, int y)
{
    SendMessageA(table->Handle(), WM_MOUSEMOVE, MK_LBUTTON, PointParam(x, y));
}

void TestTable::Release(int x, int y)
{
    SendMessageA(table->Handle(), WM_LBUTTONUP, 0, PointParam(x, y));
}

void TestTable::DoubleClick(int x, int y)
{
    SendMessageA(table->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(x, y));
}

void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void PumpMessagesFor(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    do {
        PumpMessages();
        Sleep(1);
    } while (GetTickCount() - start < milliseconds);
}

bool TakeQuitMessage(WPARAM* code)
{
    MSG message;
    bool found = false;
    while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        found = true;
        if (code)
            *code = message.wParam;
    }
    return found;
}
