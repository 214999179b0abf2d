#pragma once

#include <windows.h>

// The DPI a window is shown at, and the process's promise to draw at it.

// GetDpiForWindow where the system has it (Windows 10 1607 and later, and
// Wine), else the logical pixels per inch of the window's drawing context:
// the system's DPI on older systems. 96 when neither answers.
int WindowDpi(HWND window);

// A system metric (SM_...) as the system draws it at a DPI, where the system
// can say (Windows 10 1607 and later, and Wine); else at the system's own DPI.
int SystemMetricAt(int index, int dpi);

// A length of a 96-DPI design at the window's DPI, for windows that follow
// the display's scale but not the table's zoom (the dialogs).
int AtWindowDpi(HWND window, int length);

// Makes the process per-monitor DPI aware where its manifest did not:
// per-monitor (v2) where the system offers it (Windows 10 1703 and later),
// else aware of the system's DPI (Vista and later), so that the system never
// stretches the table into a blur. Refused harmlessly by a system that took
// the manifest's word already. Called before the first window is made.
void DeclareDpiAwareness();
