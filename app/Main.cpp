#include "app/MainWindow.h"
#include "app/core/CommandLine.h"
#include "cardlib/DisplayDpi.h"
#include "cardlib/SystemLibraries.h"
#include "cardlib/core/Random.h"
#include "game/AppHolder.h"
#include "res/ResourceIds.h"

#include <windows.h>
#include <commctrl.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand)
{
    // Before any library is loaded: none may come from the program's folder.
    RestrictLibrarySearch();
    // Where the manifest's DPI awareness was not taken, before any window is made.
    DeclareDpiAwareness();
    // The common controls come from the system too; the manifest picks their version.
    using InitCommonControlsFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    if (auto initialise = SystemFunction<InitCommonControlsFunction>(L"comctl32.dll", "InitCommonControlsEx").Get()) {
        INITCOMMONCONTROLSEX controls = {};
        controls.dwSize = sizeof(controls);
        controls.dwICC = ICC_BAR_CLASSES;
        initialise(&controls);
    }
    // "/seed N" holds the generator's sequence for the whole run, so every
    // deal repeats; otherwise the clock seeds it and every start differs.
    if (const std::optional<std::uint32_t> seed = SeedOption(commandLine))
        HoldSeed(*seed);
    else
        SeedRandom(GetTickCount());
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDA_MAIN));

    AppHolder holder;
    MainWindow mainWindow(holder);
    if (!MainWindow::Register(instance) || !mainWindow.Create(instance))
        return 1;
    ShowWindow(mainWindow.Handle(), showCommand);
    UpdateWindow(mainWindow.Handle());

    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(mainWindow.Handle(), accelerators, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
