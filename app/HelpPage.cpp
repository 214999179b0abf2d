#include "app/HelpPage.h"

#include <oleauto.h>
#include <urlmon.h>

#include <cstdio>

namespace {

// The HTML dialog's entry point, as the renderer exports it.
using ShowHtmlDialogFunction = HRESULT(WINAPI*)(HWND owner, IMoniker* page, VARIANT* arguments, WCHAR* options,
                                                VARIANT* result);

// Holds a loaded library and unloads it on every way out.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const char* name) : module(LoadLibraryA(name)) {}
    ~LoadedLibrary()
    {
        if (module != nullptr) {
            FreeLibrary(module);
        }
    }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    HMODULE Module() const { return module; }

private:
    HMODULE module = nullptr;
};

HRESULT ShowPage(HWND owner, ShowHtmlDialogFunction show, const std::wstring& address)
{
    BSTR text = SysAllocString(address.c_str());
    if (text == nullptr) {
        return E_OUTOFMEMORY;
    }
    IMoniker* page = nullptr;
    HRESULT result = CreateURLMoniker(nullptr, text, &page);
    SysFreeString(text);
    if (FAILED(result) || page == nullptr) {
        return FAILED(result) ? result : E_FAIL;
    }
    result = show(owner, page, nullptr, nullptr, nullptr);
    page->Release();
    return result;
}

} // namespace

std::wstring HelpPageAddress(const char* modulePath, int resourceId)
{
    char address[MAX_PATH];
    int length = std::snprintf(address, sizeof address, "res://%s/%d", modulePath, resourceId);
    if (length < 0 || length >= static_cast<int>(sizeof address)) {
        return {};
    }
    wchar_t wide[MAX_PATH];
    int converted = MultiByteToWideChar(CP_ACP, 0, address, -1, wide, MAX_PATH);
    return converted > 0 ? std::wstring(wide) : std::wstring();
}

bool ShowHelpPage(HWND owner, int resourceId)
{
    return ShowHelpPage(owner, resourceId, "MSHTML.DLL", "ShowHTMLDialog");
}

bool ShowHelpPage(HWND owner, int resourceId, const char* libraryName, const char* entryName)
{
    LoadedLibrary renderer(libraryName);
    if (renderer.Module() == nullptr) {
        return false;
    }
    char path[MAX_PATH];
    DWORD pathLength = GetModuleFileNameA(nullptr, path, MAX_PATH);
    // A path cut short at MAX_PATH would name another file.
    if (pathLength == 0 || pathLength >= MAX_PATH) {
        return false;
    }
    // Through the generic function type: the export's real type is known only to us.
    auto show = reinterpret_cast<ShowHtmlDialogFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(renderer.Module(), entryName)));
    std::wstring address = HelpPageAddress(path, resourceId);
    if (show == nullptr || address.empty()) {
        return false;
    }
    return SUCCEEDED(ShowPage(owner, show, address));
}
