#include "tests/win32/ui/HostWindow.h"

#include <vector>

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

void PumpMessagesFor(DWORD milliseconds)
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

void SaveShot(HWND window, const char* name)
{
    char folder[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("WEXA_UI_SHOTS", folder, sizeof(folder)))
        return;
    const SIZE size = ClientSize(window);
    MemorySurface surface(size.cx, size.cy);
    surface.CopyFromWindow(window);
    GdiFlush();
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = size.cx;
    header.biHeight = -size.cy;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    const DWORD pixelBytes = static_cast<DWORD>(size.cx * size.cy * 4);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + pixelBytes;
    char path[MAX_PATH * 2] = {};
    wsprintfA(path, "%s\\%s.bmp", folder, name);
    HANDLE out = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(out, &file, sizeof(file), &written, nullptr);
    WriteFile(out, &header, sizeof(header), &written, nullptr);
    std::vector<unsigned char> bgra;
    bgra.reserve(pixelBytes);
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x) {
            COLORREF c = surface.Pixel(x, y);
            bgra.insert(bgra.end(), {GetBValue(c), GetGValue(c), GetRValue(c), 0});
        }
    WriteFile(out, bgra.data(), pixelBytes, &written, nullptr);
    CloseHandle(out);
}
