#include "ui/display_scale.h"

#include "state/session_state.h"

HICON LoadPluginIcon(int id, int size)
{
    return static_cast<HICON>(
        LoadImageA(SessionState.ModuleInstance, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
}
