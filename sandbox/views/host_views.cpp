#include "sandbox/views/host_views.h"

#include "sandbox/host_windows.h"
#include "sandbox/views/shape_picking.h"

namespace {

struct SpacePan {
    bool active = false;
    int paneType = 0;
    POINT last = {};
};

struct Views {
    HWND figure = nullptr;
    OrthoView ortho;
    SpacePan pan;
};

Views TheViews;

// The pane whose drawing area holds a client point, or -1.
int PaneAt(const FigurePane panes[4], POINT client)
{
    for (int i = 0; i < 4; ++i) {
        const PaneArea area = DrawingArea(panes[i].rect);
        if (client.x >= area.left && client.x < area.right && client.y >= area.top && client.y < area.bottom)
            return i;
    }
    return -1;
}

PaneArea PerspectiveArea()
{
    FigurePane panes[4];
    GetFigurePanes(TheViews.figure, panes);
    for (const FigurePane& pane : panes) {
        if (pane.type == PanePerspective)
            return DrawingArea(pane.rect);
    }
    return DrawingArea(panes[3].rect);
}

// The view matrix follows the camera and the perspective pane's size.
void UpdateViewMatrix()
{
    SandboxHostState* state = sandbox_host_state();
    PerspectiveViewMatrix(CameraPoseOf(*state), PerspectiveArea(), state->viewMatrix);
}

void Redraw()
{
    InvalidateRect(TheViews.figure, nullptr, FALSE);
}

// The callbacks are called from the host's objects, compiled in another C++
// ABI, and the figure window's procedure from the system: nothing may
// unwind into either. A failure (no memory) leaves the views as they were.
template <class Action>
void Guarded(Action action) noexcept
{
    try {
        action();
    } catch (...) {
    }
}

void ZoomAt(void*, const SandboxPoint* centre, int zoomIn)
{
    TheViews.ortho = OrthoZoomedAbout(TheViews.ortho, ToPoint3(*centre), zoomIn != 0);
    Redraw();
}

void ScrollTo(void*, const SandboxPoint* point)
{
    TheViews.ortho = OrthoScrolledTo(TheViews.ortho, ToPoint3(*point));
    Redraw();
}

void Fit()
{
    FigurePane panes[4];
    GetFigurePanes(TheViews.figure, panes);
    PaneArea areas[3];
    for (const FigurePane& pane : panes) {
        if (IsOrthographicPane(pane.type))
            areas[pane.type] = DrawingArea(pane.rect);
    }
    TheViews.ortho = OrthoFitted(SceneBounds(*sandbox_host_state()), areas);
    Redraw();
}

void FitDrawing(void*)
{
    Guarded(Fit);
}

void DrawingCentre(void*, SandboxPoint* centre)
{
    *centre = ToSandboxPoint(TheViews.ortho.centre);
}

// The world point under the pointer in an orthographic pane; elsewhere the
// host has no point under the pointer and answers the views' centre.
void CursorPosition(void*, SandboxPoint* position)
{
    *position = ToSandboxPoint(TheViews.ortho.centre);
    POINT pointer;
    if (!GetCursorPos(&pointer) || !ScreenToClient(TheViews.figure, &pointer))
        return;
    FigurePane panes[4];
    GetFigurePanes(TheViews.figure, panes);
    const int pane = PaneAt(panes, pointer);
    if (pane < 0 || !IsOrthographicPane(panes[pane].type))
        return;
    *position = ToSandboxPoint(OrthoFromPane(TheViews.ortho, panes[pane].type, DrawingArea(panes[pane].rect),
                                             PanePoint{double(pointer.x), double(pointer.y)}));
}

void CameraChanged(void*)
{
    UpdateViewMatrix();
    Redraw();
    PostCameraChanged();
}

const SandboxViews Callbacks = {nullptr, ZoomAt, ScrollTo, FitDrawing, DrawingCentre, CursorPosition, CameraChanged};

// A click selects the shape under it alone; with Ctrl it adds or removes it.
void Select(const FigurePane panes[4], POINT client, WPARAM keys)
{
    SandboxHostState* state = sandbox_host_state();
    const int pane = PaneAt(panes, client);
    const int shape =
        pane < 0 ? -1 : ShapeAt(*state, TheViews.ortho, panes[pane], PanePoint{double(client.x), double(client.y)});
    if ((keys & MK_CONTROL) != 0) {
        if (shape >= 0)
            state->shapes[shape].active = !state->shapes[shape].active;
    } else {
        for (int i = 0; i < state->shapeCount; ++i)
            state->shapes[i].active = i == shape;
    }
    Redraw();
}

}  // namespace

CameraPose SceneStartCamera()
{
    return CameraPose{Point3{9, 7, 13}, Point3{0, 1, -1}, 35, 0};
}

void InstallHostViews(HWND figure)
{
    SandboxHostState* state = sandbox_host_state();
    InstallSceneShapes(state);
    const CameraPose camera = SceneStartCamera();
    state->eye = ToSandboxPoint(camera.eye);
    state->target = ToSandboxPoint(camera.target);
    state->zoom = static_cast<float>(camera.zoom);
    state->bank = static_cast<float>(camera.bank);
    TheViews = Views{};
    TheViews.figure = figure;
    state->views = &Callbacks;
    FitDrawing(nullptr);
    UpdateViewMatrix();
}

bool HostViewsInstalled(HWND figure)
{
    return figure != nullptr && TheViews.figure == figure && sandbox_host_state()->views == &Callbacks;
}

OrthoView CurrentOrthoView()
{
    return TheViews.ortho;
}

void PaintFigureWindow(HWND figure)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(figure, &paint);
    RECT client;
    GetClientRect(figure, &client);
    FigurePane panes[4];
    GetFigurePanes(figure, panes);
    // Drawn off screen first, so that a drag redraws without flicker.
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    Guarded([&] {
        DrawFigure(memory, client, panes, HostViewsInstalled(figure) ? sandbox_host_state() : nullptr,
                   TheViews.ortho);
    });
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(figure, &paint);
}

void FigureLeftButtonDown(HWND figure, POINT client, WPARAM keys)
{
    if (!HostViewsInstalled(figure))
        return;
    FigurePane panes[4];
    GetFigurePanes(figure, panes);
    if (GetKeyState(VK_SPACE) >= 0) {
        Guarded([&] { Select(panes, client, keys); });
        return;
    }
    // Space held: the host's own pan of the orthographic views begins.
    const int pane = PaneAt(panes, client);
    if (pane < 0 || !IsOrthographicPane(panes[pane].type))
        return;
    TheViews.pan = SpacePan{true, panes[pane].type, client};
    SetCapture(figure);
}

void FigureMouseMove(HWND figure, POINT client, WPARAM keys)
{
    SpacePan& pan = TheViews.pan;
    if (!HostViewsInstalled(figure) || !pan.active || (keys & MK_LBUTTON) == 0)
        return;
    TheViews.ortho = OrthoPannedBy(TheViews.ortho, pan.paneType, client.x - pan.last.x, client.y - pan.last.y);
    pan.last = client;
    Redraw();
    UpdateWindow(figure);
}

void FigureLeftButtonUp(HWND figure)
{
    if (!HostViewsInstalled(figure) || !TheViews.pan.active)
        return;
    TheViews.pan.active = false;
    ReleaseCapture();
}

void FigureLayoutChanged(HWND figure)
{
    if (HostViewsInstalled(figure))
        UpdateViewMatrix();
}

void FigureDestroyed(HWND figure)
{
    if (!HostViewsInstalled(figure))
        return;
    sandbox_host_state()->views = nullptr;
    TheViews = Views{};
}
