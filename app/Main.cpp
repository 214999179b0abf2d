#include "app/Showcase.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    Showcase showcase;
    if (!showcase.Create(instance, showCommand)) {
        MessageBoxA(nullptr, "Unable to initialize. Quitting...", "Wexa", MB_OK | MB_ICONERROR);
        return 1;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
