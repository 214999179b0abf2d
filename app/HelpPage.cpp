#include "app/HelpPage.h"

#include "cardlib/SystemLibraries.h"

#include <oleauto.h>
#include <urlmon.h>


namespace {

// The HTML dialog's entry point, as the renderer exports it.
using ShowHtmlDialogFunction = HRESULT(WINAPI*)(HWND owner, IMoniker* page, VARIANT* arguments, WCHAR* options,
                                                VARIANT* result);

// Made through urlmon, which is loaded from the system folder at first use.
using CreateUrlMonikerFunction = HRESULT(WINAPI*)(IMoniker* context, LPCWSTR address, IMoniker** made);
SystemFunction<CreateUrlMonikerFunction> createUrlMoniker(L"urlmon.dll", "CreateURLMoniker");

// Holds a library of the system and unloads it on every way out.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const wchar_t* name) : module(LoadSystemLibrary(name)) {}
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
    CreateUrlMonikerFunction createMoniker = createUrlMoniker.Get();
    if (createMoniker == nullptr) {
        SysFreeString(text);
        return E_NOTIMPL;
    }
    IMoniker* page = nullptr;
    HRESULT result = createMoniker(nullptr, text, &page);
    SysFreeString(text);
    if (FAILED(result) || page == nullptr) {
        return FAILED(result) ? result : E_FAIL;
    }
    result = show(owner, page, nullptr, nullptr, nullptr);
    page->Release();
    return result;
}

} // namespace

std::wstring HelpPageAddress(const std::wstring& modulePath, int resourceId)
{
    // The protocol reads the path percent-encoded: a '#' there would start
    // the address's fragment, and a '%' an escape.
    std::wstring address = L"res://";
    for (wchar_t c : modulePath)
        address += c == L'%' ? L"%25" : c == L'#' ? L"%23" : std::wstring(1, c);
    address += L"/" + std::to_wstring(resourceId);
    return address.size() < MAX_PATH ? address : std::wstring();
}

bool ShowHelpPage(HWND owner, int resourceId)
{
    return ShowHelpPage(owner, resourceId, L"mshtml.dll", "ShowHTMLDialog");
}

bool ShowHelpPage(HWND owner, int resourceId, const wchar_t* libraryName, const char* entryName)
{
    LoadedLibrary renderer(libraryName);
    if (renderer.Module() == nullptr) {
        return false;
    }
    // Through the generic function type: the export's real type is known only to us.
    auto show = reinterpret_cast<ShowHtmlDialogFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(renderer.Module(), entryName)));
    const std::wstring path = ProgramPath();
    std::wstring address = path.empty() ? std::wstring() : HelpPageAddress(path, resourceId);
    if (show == nullptr || address.empty()) {
        return false;
    }
    return SUCCEEDED(ShowPage(owner, show, address));
}
