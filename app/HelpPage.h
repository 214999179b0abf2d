#pragma once

#include <windows.h>

#include <string>

// Shows the help page, an HTML resource of the program, in the platform's
// modal HTML dialog. The renderer is loaded for each showing and unloaded
// after it. False, with nothing shown, when the renderer, its entry point,
// the page's address or the dialog fails.
bool ShowHelpPage(HWND owner, int resourceId);
// The same with the renderer library and its entry point named by the
// caller, so that each failure can be brought about.
bool ShowHelpPage(HWND owner, int resourceId, const char* libraryName, const char* entryName);

// The resource address "res://<module path>/<id>" of a page in the module
// at that path, the path read in the system's ANSI code page; empty when the
// address does not fit or cannot be converted.
std::wstring HelpPageAddress(const char* modulePath, int resourceId);
