#include "tests/win32/app/WhileModal.h"

#include <cstring>

namespace {

const char* wantedTitle = nullptr;
std::function<bool(HWND)> currentStep;
UINT_PTR timer = 0;

BOOL CALLBACK FindTitled(HWND window, LPARAM found)
{
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    if (IsWindowVisible(window) && std::strcmp(title, wantedTitle) == 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK Drive(HWND, UINT, UINT_PTR, DWORD)
{
    HWND window = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindTitled, reinterpret_cast<LPARAM>(&window));
    if (window != nullptr && currentStep && currentStep(window)) {
        currentStep = nullptr;
    }
}

} // namespace

int WhileModal(const char* title, std::function<bool(HWND)> step, std::function<int()> show)
{
    wantedTitle = title;
    currentStep = std::move(step);
    timer = SetTimer(nullptr, 0, 20, Drive);
    int result = show();
    KillTimer(nullptr, timer);
    currentStep = nullptr;
    return result;
}
