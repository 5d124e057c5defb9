#include "input/hook_installation.h"

#include "input/message_hook.h"
#include "state/session_state.h"

void InstallMessageHook(HWND window)
{
    if (window == nullptr)
        return;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (thread == 0)
        return;
    SessionState.HookHandle = SetWindowsHookExA(WH_GETMESSAGE, MessageHook, SessionState.ModuleInstance, thread);
}

void RemoveMessageHook()
{
    if (SessionState.HookHandle != nullptr)
        UnhookWindowsHookEx(SessionState.HookHandle);
}
