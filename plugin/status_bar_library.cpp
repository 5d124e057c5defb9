#include "plugin/status_bar_library.h"

#include "input/session_state.h"

const char StatusBarLibraryName[] = "Z_Brannoc10.dll";

namespace {

using AddPaneFunction = int(__cdecl*)(int32_t paneId, WNDPROC paneProc);
using SetTextFunction = int(__cdecl*)(int32_t paneId, const char* text);
using SetIconFunction = int(__cdecl*)(int32_t paneId, HICON icon);

template <class Function>
Function Export(const char* name)
{
    if (SessionState.StatusBarModule == nullptr)
        return nullptr;
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(SessionState.StatusBarModule, name)));
}

}  // namespace

void StatusBarAddPane(WNDPROC paneProc)
{
    if (auto add = Export<AddPaneFunction>("ZBR_AddPain"))
        add(StatusPaneId, paneProc);
}

void StatusBarSetText(const char* text)
{
    if (auto setText = Export<SetTextFunction>("ZBR_SetText"))
        setText(StatusPaneId, text);
}

void StatusBarSetIcon(int iconId)
{
    if (auto setIcon = Export<SetIconFunction>("ZBR_SetIcon")) {
        const HANDLE icon = LoadImageA(SessionState.ModuleInstance, MAKEINTRESOURCEA(iconId), IMAGE_ICON, 16, 16,
                                       LR_LOADMAP3DCOLORS);
        setIcon(StatusPaneId, static_cast<HICON>(icon));
    }
}
