#include "host/status_bar_library.h"

#include <string>


const char StatusBarLibraryName[] = "Z_Brannoc10.dll";

namespace {

// The folder of a module's file, with its final separator; empty when unknown.
std::wstring FolderOf(HMODULE module)
{
    constexpr size_t LongestPath = 32768;
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= LongestPath)
            return std::wstring();
        path.resize(path.size() * 2);
    }
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

std::wstring SystemFolder()
{
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::wstring();
    return std::wstring(folder, length) + L"\\";
}

// By full path, and the libraries it imports from its own folder and the
// system folder only: Windows never looks in the current folder or PATH for
// either. A system without these search flags (Windows 7 without the update
// that added them) rejects them as an invalid parameter; there the library's
// own folder at least comes first for its imports.
HMODULE LoadFrom(const std::wstring& folder)
{
    if (folder.empty())
        return nullptr;
    std::wstring path = folder;
    for (const char* c = StatusBarLibraryName; *c != '\0'; ++c)
        path += static_cast<wchar_t>(*c);
    const HMODULE library =
        LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (library == nullptr && GetLastError() == ERROR_INVALID_PARAMETER)
        return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    return library;
}

using AddPaneFunction = int(__cdecl*)(int32_t paneId, WNDPROC paneProc);
using SetTextFunction = int(__cdecl*)(int32_t paneId, const char* text);
using SetIconFunction = int(__cdecl*)(int32_t paneId, HICON icon);

template <class Function>
Function Export(HMODULE library, const char* name)
{
    if (library == nullptr)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

HMODULE LoadStatusBarLibrary(HINSTANCE plugin) noexcept
{
    try {
        HMODULE library = nullptr;
        if (GetModuleHandleExA(0, StatusBarLibraryName, &library))
            return library;
        for (const std::wstring& folder : {FolderOf(plugin), FolderOf(nullptr), SystemFolder()}) {
            library = LoadFrom(folder);
            if (library != nullptr)
                return library;
        }
    } catch (...) {
        // Without memory for a path there is no library, as when it is missing.
    }
    return nullptr;
}

void StatusBarAddPane(HMODULE library, WNDPROC paneProc)
{
    if (auto add = Export<AddPaneFunction>(library, "ZBR_AddPain"))
        add(StatusPaneId, paneProc);
}

void StatusBarSetText(HMODULE library, const char* text)
{
    if (auto setText = Export<SetTextFunction>(library, "ZBR_SetText"))
        setText(StatusPaneId, text);
}

bool StatusBarSetIcon(HMODULE library, HICON icon)
{
    auto setIcon = Export<SetIconFunction>(library, "ZBR_SetIcon");
    if (setIcon == nullptr)
        return false;
    setIcon(StatusPaneId, icon);
    return true;
}
