// Minimises or restores a window of another program with the system's own
// call, as a player's desktop would: under Xvfb no window manager answers a
// request to minimise. The window is named by its X window id, which Wine
// keeps in a property of the top-level window.
//   showwindow XID minimize|restore
#include <windows.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    const LONG_PTR wanted = argc == 3 ? static_cast<LONG_PTR>(std::strtoll(argv[1], nullptr, 0)) : 0;
    for (HWND window = GetTopWindow(nullptr); wanted && window; window = GetWindow(window, GW_HWNDNEXT))
        if (reinterpret_cast<LONG_PTR>(GetPropA(window, "__wine_x11_whole_window")) == wanted)
            return ShowWindow(window, std::strcmp(argv[2], "minimize") == 0 ? SW_MINIMIZE : SW_RESTORE), 0;
    return 1;
}
