#include "input/message_hook.h"

#include "input/session_state.h"

LRESULT CALLBACK MessageHook(int code, WPARAM wParam, LPARAM lParam)
{
    return CallNextHookEx(SessionState.HookHandle, code, wParam, lParam);
}
