#include "cardlib/SystemLibraries.h"

#include <vector>

namespace {

// Absent before Windows 8 (and Windows 7 without its update): then the
// LOAD_LIBRARY_SEARCH_* flags are unknown too.
using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
using SetDllDirectoryFunction = BOOL(WINAPI*)(LPCWSTR);

template <typename Function>
Function KernelFunction(const char* name)
{
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    return kernel ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(kernel, name)))
                  : nullptr;
}

bool HasSearchFlags()
{
    static const bool present = KernelFunction<SetDefaultDllDirectoriesFunction>("SetDefaultDllDirectories");
    return present;
}

} // namespace

void RestrictLibrarySearch()
{
    if (auto setDefault = KernelFunction<SetDefaultDllDirectoriesFunction>("SetDefaultDllDirectories"))
        setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // An empty string takes the current directory out of the older search order.
    if (auto setDirectory = KernelFunction<SetDllDirectoryFunction>("SetDllDirectoryW"))
        setDirectory(L"");
}

HMODULE LoadSystemLibrary(const wchar_t* name)
{
    if (HasSearchFlags())
        return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // By full path; the altered search order looks for its dependencies
    // beside it, in the system folder, before the program's folder.
    const std::wstring folder = SystemFolder();
    if (folder.empty())
        return nullptr;
    return LoadLibraryExW((folder + name).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

std::wstring ProgramPath()
{
    // Paths may be longer than MAX_PATH; a result that fills the buffer may be cut short.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (int tries = 0; tries < 6; ++tries) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size())
            return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 4);
    }
    return {};
}

std::wstring FolderOf(const std::wstring& path)
{
    const std::wstring::size_type slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring SystemFolder()
{
    wchar_t buffer[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    std::wstring folder(buffer, length);
    if (folder.back() != L'\\')
        folder += L'\\';
    return folder;
}
