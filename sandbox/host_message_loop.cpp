#include "sandbox/host_message_loop.h"

namespace {

int QuitCode = 0;

// The pending mouse message that has been peeked at and not yet retrieved.
// The hook may blank the message number of either copy, so the copies are
// matched by everything else.
bool MousePeeked = false;
MSG Peeked = {};

bool SameMessage(const MSG& a, const MSG& b)
{
    return a.hwnd == b.hwnd && a.wParam == b.wParam && a.lParam == b.lParam && a.time == b.time &&
           a.pt.x == b.pt.x && a.pt.y == b.pt.y;
}

bool IsMouseMessage(UINT message)
{
    return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
}

}  // namespace

bool PumpOneMessage(bool wait, UINT* dispatched)
{
    for (;;) {
        // One peek per mouse message, then retrieval in queue order, so that
        // input keeps its order (the space key before the left button of a pan).
        if (!MousePeeked && PeekMessageA(&Peeked, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE))
            MousePeeked = true;
        MSG message;
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!wait)
                return false;
            WaitMessage();
            continue;
        }
        if (MousePeeked && (IsMouseMessage(message.message) || SameMessage(message, Peeked)))
            MousePeeked = false;
        if (message.message == WM_QUIT) {
            QuitCode = static_cast<int>(message.wParam);
            return false;
        }
        if (dispatched != nullptr)
            *dispatched = message.message;
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

bool PumpUntil(const std::function<bool()>& done, DWORD limitMilliseconds)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > limitMilliseconds)
            return false;
        if (!PumpOneMessage(false))
            Sleep(5);
    }
    return true;
}
