#include "input/hook_installation.h"

#include "input/session_state.h"

void RemoveMessageHook()
{
    if (SessionState.HookHandle != nullptr)
        UnhookWindowsHookEx(SessionState.HookHandle);
}
