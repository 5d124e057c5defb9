#include "sandbox/host_message_loop.h"

namespace {

int QuitCode = 0;

// Non-mouse messages, removed with filters that leave the mouse range alone,
// so that a mouse message arriving meanwhile still gets its peek first.
bool RemoveOtherMessage(MSG& message)
{
    return PeekMessageA(&message, nullptr, 0, WM_MOUSEFIRST - 1, PM_REMOVE) ||
           PeekMessageA(&message, nullptr, WM_MOUSELAST + 1, 0xFFFFFFFF, PM_REMOVE);
}

}  // namespace

bool PumpOneMessage(bool wait)
{
    for (;;) {
        MSG message;
        if (PeekMessageA(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE)) {
            GetMessageA(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST);
        } else if (!RemoveOtherMessage(message)) {
            if (!wait)
                return false;
            WaitMessage();
            continue;
        }
        if (message.message == WM_QUIT) {
            QuitCode = static_cast<int>(message.wParam);
            return false;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
        return true;
    }
}

void PumpPendingMessages()
{
    while (PumpOneMessage(false)) {
    }
}

int RunHostMessageLoop()
{
    while (PumpOneMessage(true)) {
    }
    return QuitCode;
}
