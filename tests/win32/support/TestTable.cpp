#include "tests/win32/support/TestTable.h"

namespace {

const char* const parentClassName = "WexaTestParent";

// Commands of the parent windows; tests run one table at a time.
std::vector<WPARAM> receivedCommands;
std::vector<LPARAM> receivedSources;

LRESULT CALLBACK ParentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND) {
        receivedCommands.push_back(wParam);
        receivedSources.push_back(lParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterParentClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = ParentProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.lpszClassName = parentClassName;
    registered = RegisterClassExA(&windowClass) != 0;
}

LPARAM PointParam(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

} // namespace

TestTable::TestTable(int tableWidth, int tableHeight) : TestTable(tableWidth, tableHeight, std::make_unique<CardWindow>())
{
}

namespace {

// One parent for the whole test run: under Wine without a window manager,
// destroying a visible top-level window waits about two seconds, while
// child windows come and go at once.
HWND SharedParent()
{
    static HWND parent = nullptr;
    if (parent && IsWindow(parent))
        return parent;
    RegisterParentClass();
    parent = CreateWindowExA(WS_EX_TOPMOST, parentClassName, "table", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    return parent;
}

} // namespace

TestTable::TestTable(int tableWidth, int tableHeight, std::unique_ptr<CardWindow> window)
    : width(tableWidth), height(tableHeight), parent(SharedParent()), table(std::move(window))
{
    receivedCommands.clear();
    receivedSources.clear();
    SetWindowPos(parent, HWND_TOPMOST, 0, 0, width, height, SWP_SHOWWINDOW);
    table->Create(parent, 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    SetWindowPos(table->Handle(), nullptr, 0, 0, width, height, SWP_NOZORDER);
    UpdateWindow(parent);
    PumpMessages();
}

TestTable::~TestTable()
{
    table.reset();
    PumpMessages();
}

const std::vector<WPARAM>& TestTable::Commands() const
{
    return receivedCommands;
}

const std::vector<LPARAM>& TestTable::CommandSources() const
{
    return receivedSources;
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

bool TakeQuitMessage()
{
    MSG message;
    bool found = false;
    while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        found = true;
    return found;
}
