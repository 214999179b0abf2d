// Minimises or restores a window of another program with the system's own
// call, as a player's desktop would: under Xvfb no window manager answers a
// request to minimise. The window is named by its X window id, which Wine
// keeps in a property of the top-level window.
//   showwindow XID minimize|restore
#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

LONG_PTR wanted = 0;
HWND found = nullptr;

BOOL CALLBACK Match(HWND window, LPARAM)
{
    if (reinterpret_cast<LONG_PTR>(GetPropA(window, "__wine_x11_whole_window")) != wanted)
        return TRUE;
    found = window;
    return FALSE;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    wanted = static_cast<LONG_PTR>(std::strtoll(argv[1], nullptr, 0));
    EnumWindows(&Match, 0);
    const bool minimise = std::strcmp(argv[2], "minimize") == 0;
    if (found)
        ShowWindow(found, minimise ? SW_MINIMIZE : SW_RESTORE);
    // Done when the window is in the state asked for.
    return found && (IsIconic(found) != FALSE) == minimise ? 0 : 1;
}
