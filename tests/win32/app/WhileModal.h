#pragma once

#include <windows.h>

#include <functional>

// Runs show(), which opens a modal window on this thread and returns when it
// closes, and drives that window meanwhile: once a visible window of this
// thread with the title shows, step(window) is called every 20 ms from the
// modal loop until it returns true. Returns what show() returned.
int WhileModal(const char* title, std::function<bool(HWND)> step, std::function<int()> show);
