#include "input/drag_capture.h"

#include <commctrl.h>

#include "input/hook_system_calls.h"
#include "state/session_state.h"

namespace {

constexpr UINT_PTR CaptureWatchId = 0x5A57;

LRESULT CALLBACK FigureCaptureWatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR)
{
    switch (message) {
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
        FigureCaptureLost();
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, FigureCaptureWatch, id);
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void HoldMouseForFigure(int32_t& held)
{
    if (HookSystem.getCapture() != nullptr)
        return;
    HookSystem.setCapture(SessionState.FigureWindow);
    held = 1;
}

void LetGoOfFigureMouse(int32_t& held)
{
    if (held == 0)
        return;
    // Cleared first: releasing sends WM_CAPTURECHANGED, which is then no loss.
    held = 0;
    // Another window may have taken the mouse meanwhile: that hold is not ours.
    if (HookSystem.getCapture() == SessionState.FigureWindow)
        HookSystem.releaseCapture();
}

void BeginCameraDrag(uint32_t button, uint16_t keys)
{
    // A button the message does not hold was let go where the hook did not see it.
    SessionState.CameraDragButtons = (SessionState.CameraDragButtons & keys) | button;
    SessionState.CameraDragEnded = 0;
    if (SessionState.DragCaptured == 0)
        HoldMouseForFigure(SessionState.DragCaptured);
}

void CameraDragButtonPressed(uint32_t button)
{
    SessionState.CameraDragButtons &= ~button;
    if (SessionState.CameraDragButtons == 0)
        SessionState.CameraDragEnded = 0;
}

bool EndCameraDragButton(uint32_t button, uint16_t keys, bool removed)
{
    if ((SessionState.CameraDragButtons & button) == 0)
        return false;
    if (!removed)
        return true;
    SessionState.CameraDragButtons &= keys & ~button;
    if (SessionState.CameraDragButtons == 0) {
        SessionState.CameraDragEnded = 0;
        LetGoOfFigureMouse(SessionState.DragCaptured);
    }
    return true;
}

void CancelCameraDrag()
{
    LetGoOfFigureMouse(SessionState.DragCaptured);
    SessionState.CameraDragEnded = SessionState.CameraDragButtons != 0;
}

bool MoveOfCancelledDrag(uint16_t keys)
{
    if (SessionState.CameraDragEnded == 0)
        return false;
    // A button the move does not hold was let go where the hook did not see it.
    SessionState.CameraDragButtons &= keys;
    if (SessionState.CameraDragButtons != 0)
        return true;
    SessionState.CameraDragEnded = 0;
    return false;
}

void WatchFigureCapture(HWND figure)
{
    SetWindowSubclass(figure, FigureCaptureWatch, CaptureWatchId, 0);
}

void FigureCaptureLost()
{
    if (SessionState.DragCaptured != 0)
        CancelCameraDrag();
}
