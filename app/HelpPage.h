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
// The library is one of the system's, loaded from the system folder.
bool ShowHelpPage(HWND owner, int resourceId, const wchar_t* libraryName, const char* entryName);

// The resource address "res://<module path>/<id>" of a page in the module
// at that path, whatever its script, with '%' and '#' in the path escaped;
// empty when the address passes the 259 characters an address may have.
std::wstring HelpPageAddress(const std::wstring& modulePath, int resourceId);
