#include "tests/win32/support/TestTable.h"

#include "cardlib/core/CardText.h"

namespace {

COLORREF hostColour = 0;

LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND)
        return 1;
    if (message != WM_PAINT)
        return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT paint = {};
    HDC dc = BeginPaint(window, &paint);
    HBRUSH brush = CreateSolidBrush(hostColour);
    FillRect(dc, &paint.rcPaint, brush);
    DeleteObject(brush);
    EndPaint(window, &paint);
    return 0;
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
    windowClass.lpszClassName = "WexaTestHost";
    RegisterClassExA(&windowClass);
    host = CreateWindowExA(WS_EX_TOPMOST, "WexaTestHost", "host", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
    return host;
}

BOOL CALLBACK DestroyChild(HWND child, LPARAM)
{
    DestroyWindow(child);
    return TRUE;
}

} // namespace

TestHost::TestHost(int width, int height, COLORREF background) : hwnd(SharedHost())
{
    hostColour = background;
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

TestTable::TestTable(int width, int height) : host(width, height)
{
    table->Create(host.Handle(), 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    SetWindowPos(table->Handle(), nullptr, 0, 0, width, height, SWP_NOZORDER);
    UpdateWindow(host.Handle());
    PumpMessages();
}

CardRegion* TestTable::Region(int id, int x, int y, int xOffset, int yOffset, const char* cards, bool visible)
{
    CardRegion* region = table->CreateRegion(id, visible, x, y, xOffset, yOffset);
    if (region)
        region->SetCards(ParseStack(cards));
    return region;
}

void TestTable::Send(UINT message, WPARAM buttons, int x, int y)
{
    SendMessageA(table->Handle(), message, buttons,
                 MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y))));
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
