#include "input/middle_pan.h"

#include <windows.h>

#include "input/hook_system_calls.h"
#include "input/session_state.h"

namespace {

constexpr UINT PanEndedNotification = WM_APP + 1;
const char SiblingWindowCaption[] = "Z_Tarnhollow";

}  // namespace

void BeginMiddlePan(int x, int y)
{
    HookSystem.keybdEvent(VK_SPACE, 0, 0, 0);
    SessionState.SavedCursor = HookSystem.setCursor(SessionState.PanCursor);
    HookSystem.mouseEvent(MOUSEEVENTF_LEFTDOWN, static_cast<DWORD>(x), static_cast<DWORD>(y), 0, 0);
}

void EndMiddlePan(int x, int y)
{
    HookSystem.mouseEvent(MOUSEEVENTF_LEFTUP, static_cast<DWORD>(x), static_cast<DWORD>(y), 0, 0);
    HookSystem.keybdEvent(VK_SPACE, 0, KEYEVENTF_KEYUP, 0);
    HookSystem.setCursor(SessionState.SavedCursor);
    if (HWND sibling = HookSystem.findWindow(nullptr, SiblingWindowCaption))
        HookSystem.postMessage(sibling, PanEndedNotification, 0, 0);
}
