#include "tests/win32/ui/TableFixture.h"

#include "cardlib/GdiHolders.h"

#include <sstream>
#include <utility>

namespace {

std::function<void()> pendingScript;
constexpr UINT runScript = WM_APP + 1;

LRESULT CALLBACK ScriptProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == runScript && pendingScript) {
        std::function<void()> script = std::move(pendingScript);
        pendingScript = nullptr;
        script();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A message-only window that runs the pending script when its message comes.
HWND ScriptWindow()
{
    static HWND window = nullptr;
    if (!window) {
        window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ScriptProcedure));
    }
    return window;
}

} // namespace

void TableFixture::SetUp()
{
    ASSERT_TRUE(table.CreateTable(host.Handle(), 0, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, [](std::uint32_t) {}));
    table.SetBackgroundColour(tableColour);
    MoveWindow(table.Handle(), 0, 0, width, height, TRUE);
    host.Refresh();
}

void RunInsideNextLoop(std::function<void()> script)
{
    pendingScript = std::move(script);
    PostMessageA(ScriptWindow(), runScript, 0, 0);
}

void Tick(HWND window, int times)
{
    for (int i = 0; i < times; ++i)
        SendMessageA(window, WM_TIMER, 0, 0);
}

bool EndIsPosted(HWND table)
{
    MSG message = {};
    return PeekMessageA(&message, table, WM_USER, WM_USER, PM_NOREMOVE) != FALSE;
}

int TicksUntilPhase(const GameWindow& table, int phase)
{
    int ticks = 0;
    while (table.Transition().Phase() != phase && !EndIsPosted(table.Handle()) && ticks < 100000) {
        Tick(table.Handle());
        ++ticks;
    }
    return ticks;
}

std::string Mismatches(const MemorySurface& surface, std::initializer_list<Probe> probes)
{
    std::ostringstream text;
    for (const Probe& p : probes)
        if (surface.Pixel(p.x, p.y) != p.colour)
            text << " (" << p.x << ", " << p.y << ")=" << std::hex << surface.Pixel(p.x, p.y) << std::dec;
    return text.str();
}

std::unique_ptr<MemorySurface> ResourceBitmap(int id, int factor)
{
    // The 2x set's picture is a whole file: the system reads it from one.
    char path[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, path);
    lstrcatA(path, "wexa-picture-2x.bmp");
    if (factor == 2) {
        HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), "BITMAP2X");
        HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, LockResource(LoadResource(nullptr, found)), SizeofResource(nullptr, found), &written, nullptr);
        CloseHandle(file);
    }
    GdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(
        factor == 2 ? LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)
                    : LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0)));
    DeleteFileA(path);
    BITMAP info = {};
    GetObjectA(bitmap.Get(), sizeof(info), &info);
    auto surface = std::make_unique<MemorySurface>(info.bmWidth, info.bmHeight);
    MemoryContext source(surface->Context());
    ScopedSelect selected(source.Get(), bitmap.Get());
    BitBlt(surface->Context(), 0, 0, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
    return surface;
}
