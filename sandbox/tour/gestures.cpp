#include "sandbox/tour/gestures.h"

#include "sandbox/host_message_loop.h"
#include "sandbox/injected_input.h"
#include "sandbox/views/host_views.h"

namespace {

constexpr int DragMoves = 5;

FigurePane PaneOfType(const HostSession& session, int type)
{
    FigurePane panes[4];
    GetFigurePanes(session.windows.figure, panes);
    for (const FigurePane& pane : panes) {
        if (pane.type == type)
            return pane;
    }
    return panes[0];
}

POINT OnScreen(const HostSession& session, const PanePoint& client)
{
    POINT point = {static_cast<LONG>(client.x + 0.5), static_cast<LONG>(client.y + 0.5)};
    ClientToScreen(session.windows.figure, &point);
    return point;
}

POINT Offset(POINT point, int dx, int dy)
{
    return POINT{point.x + dx, point.y + dy};
}

void HoldKey(BYTE key, bool down)
{
    if (key != 0) {
        SendKey(key, !down);
        Settle();
    }
}

// Moves in a few steps, so that each move message carries part of the way.
void MoveBy(POINT from, int dx, int dy)
{
    for (int move = 1; move <= DragMoves; ++move) {
        MovePointerTo(Offset(from, dx * move / DragMoves, dy * move / DragMoves));
        Settle();
    }
}

bool SpaceOrLeftHeld()
{
    return GetKeyState(VK_SPACE) < 0 || GetKeyState(VK_LBUTTON) < 0;
}

}  // namespace

void Settle(DWORD quietMilliseconds, DWORD limitMilliseconds)
{
    const DWORD start = GetTickCount();
    DWORD quietSince = start;
    while (GetTickCount() - start < limitMilliseconds) {
        // A timer's tick alone is no activity: the pan's poll of the middle
        // button and the host's view ticks go on for as long as they run.
        // What a tick does, input or a repaint, counts at its own turn. A
        // tick comes only when nothing else is pending; the plug-in's hook
        // blanks its own.
        const bool onlyTimers = (HIWORD(GetQueueStatus(QS_ALLINPUT)) & ~QS_TIMER) == 0;
        UINT dispatched = WM_NULL;
        if (PumpOneMessage(false, &dispatched)) {
            if (dispatched != WM_TIMER && !(dispatched == WM_NULL && onlyTimers))
                quietSince = GetTickCount();
            continue;
        }
        if (GetTickCount() - quietSince >= quietMilliseconds)
            return;
        Sleep(5);
    }
}

POINT InPane(const HostSession& session, int paneType, double across, double down)
{
    const PaneArea area = DrawingArea(PaneOfType(session, paneType).rect);
    return OnScreen(session, PanePoint{area.left + area.Width() * across, area.top + area.Height() * down});
}

POINT WorldInPane(const HostSession& session, int paneType, const Point3& point)
{
    const PaneArea area = DrawingArea(PaneOfType(session, paneType).rect);
    return OnScreen(session, OrthoToPane(CurrentOrthoView(), paneType, area, point));
}

void ActivateHost(const HostSession& session)
{
    if (GetForegroundWindow() == session.windows.main)
        return;
    RECT frame;
    GetWindowRect(session.windows.main, &frame);
    ClickAt(POINT{frame.left + 120, frame.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2});
    Settle();
}

void PressKey(BYTE key)
{
    SendKey(key, false);
    Settle();
    SendKey(key, true);
    Settle();
}

void WheelAt(const HostSession& session, POINT at, int delta, int notches, BYTE modifier)
{
    ActivateHost(session);
    MovePointerTo(at);
    Settle();
    HoldKey(modifier, true);
    for (int notch = 0; notch < notches; ++notch) {
        TurnWheel(delta);
        Settle();
    }
    HoldKey(modifier, false);
}

void WheelPartsAt(const HostSession& session, POINT at, std::initializer_list<int> deltas)
{
    ActivateHost(session);
    MovePointerTo(at);
    Settle();
    // A short quiet between parts: they come far quicker than the double-click time.
    for (int delta : deltas) {
        TurnWheel(delta);
        Settle(20);
    }
    Settle();
}

void WheelWithButton(const HostSession& session, POINT at, DWORD down, DWORD up, int notches)
{
    ActivateHost(session);
    MovePointerTo(at);
    Settle();
    SendButton(down);
    Settle();
    for (int notch = 0; notch < notches; ++notch) {
        TurnWheel(-WheelNotch);
        Settle();
    }
    SendButton(up);
    Settle();
}

void Drag(POINT from, int dx, int dy, DWORD down, DWORD up)
{
    MovePointerTo(from);
    Settle();
    SendButton(down);
    Settle();
    MoveBy(from, dx, dy);
    SendButton(up);
    Settle();
}

void MiddleDoubleClick(const HostSession& session, POINT at, BYTE modifier)
{
    ActivateHost(session);
    MovePointerTo(at);
    Settle();
    HoldKey(modifier, true);
    for (int click = 0; click < 2; ++click) {
        SendButton(MOUSEEVENTF_MIDDLEDOWN);
        SendButton(MOUSEEVENTF_MIDDLEUP);
    }
    Settle();
    HoldKey(modifier, false);
}

void MiddleDragAtOnce(const HostSession& session, POINT from, int dx, int dy)
{
    ActivateHost(session);
    MovePointerTo(from);
    Settle();
    SendButton(MOUSEEVENTF_MIDDLEDOWN);
    MoveBy(from, dx, dy);
    SendButton(MOUSEEVENTF_MIDDLEUP);
    PumpUntil([] { return !SpaceOrLeftHeld(); });
    Settle();
}

void MiddleDragPressingKey(const HostSession& session, POINT from, int dx, int dy, BYTE key)
{
    ActivateHost(session);
    MovePointerTo(from);
    Settle();
    SendButton(MOUSEEVENTF_MIDDLEDOWN);
    MoveBy(from, dx, dy);
    PressKey(key);
    PumpUntil([] { return !SpaceOrLeftHeld(); });
    SendButton(MOUSEEVENTF_MIDDLEUP);
    Settle();
    PressKey(key);
}

void MiddleButtonPan(const HostSession& session, POINT from, int dx, int dy)
{
    ActivateHost(session);
    MovePointerTo(from);
    Settle();
    // Held past the double-click time, the press becomes the host's own
    // space-plus-left-button pan, which the figure window counts.
    const SpacePanCounters before = FigureWindowSpacePans();
    SendButton(MOUSEEVENTF_MIDDLEDOWN);
    PumpUntil([&] { return FigureWindowSpacePans().leftDownsWithSpace > before.leftDownsWithSpace; });
    Settle();
    MoveBy(from, dx, dy);
    SendButton(MOUSEEVENTF_MIDDLEUP);
    PumpUntil([] { return !SpaceOrLeftHeld(); });
    Settle();
}

void ClickDialogItem(HWND dialog, int id)
{
    RECT item{};
    GetWindowRect(GetDlgItem(dialog, id), &item);
    ClickAt(Centre(item));
    Settle();
}
