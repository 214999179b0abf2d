#pragma once

#include <windows.h>

#include <functional>

namespace whileModal {
inline const char* wantedTitle = nullptr;
inline std::function<bool(HWND)> currentStep;

inline void CALLBACK Drive(HWND, UINT, UINT_PTR, DWORD)
{
    // Dialogs are of the system's dialog class.
    HWND window = FindWindowA("#32770", wantedTitle);
    if (window != nullptr && IsWindowVisible(window) && currentStep && currentStep(window))
        currentStep = nullptr;
}
} // namespace whileModal

// Runs show(), which opens a modal dialog on this thread and returns when it
// closes, and drives that dialog meanwhile: once it shows with the title,
// step(dialog) is called every 20 ms from the modal loop until it returns
// true. Returns what show() returned.
inline int WhileModal(const char* title, std::function<bool(HWND)> step, std::function<int()> show)
{
    whileModal::wantedTitle = title;
    whileModal::currentStep = std::move(step);
    UINT_PTR timer = SetTimer(nullptr, 0, 20, whileModal::Drive);
    int result = show();
    KillTimer(nullptr, timer);
    whileModal::currentStep = nullptr;
    return result;
}
