#pragma once

#include <windows.h>

#include <string>

// Libraries of the system are loaded from the system folder only. A release
// is often unzipped into a folder that holds other downloads, and Windows
// looks in the program's own folder before the system folder for every
// library that is not one of its known DLLs: a file planted there under a
// system library's name would run as part of the program.

// Takes the program's folder and the current directory out of the library
// search, where the system allows it. Called first thing at start.
void RestrictLibrarySearch();

// Loads a library of the system (a bare file name such as L"winmm.dll") from
// the system folder, never from the program's folder or the current
// directory; its own dependencies are searched there too. Null on failure.
HMODULE LoadSystemLibrary(const wchar_t* name);

// The full path of the program's own file, in any script; empty on failure.
std::wstring ProgramPath();
// The folder of a path, with its trailing backslash: "C:\Games\Wexa.exe" gives "C:\Games\".
std::wstring FolderOf(const std::wstring& path);
// The system folder with a trailing backslash; empty on failure.
std::wstring SystemFolder();

// A function of a library of the system, looked up once on first use. The
// library stays loaded for the life of the process.
template <typename Function>
class SystemFunction {
public:
    SystemFunction(const wchar_t* libraryName, const char* functionName) : library(libraryName), name(functionName)
    {
    }

    // Null when the library or the function is missing.
    Function Get()
    {
        if (!looked) {
            looked = true;
            if (HMODULE module = LoadSystemLibrary(library))
                // Through void (*)() because GetProcAddress knows no signatures.
                found = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
        }
        return found;
    }

private:
    const wchar_t* library = nullptr;
    const char* name = nullptr;
    bool looked = false;
    Function found = nullptr;
};
