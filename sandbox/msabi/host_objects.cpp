// The sandbox host's objects, compiled in Microsoft's C++ ABI. Each kind of
// object exists once and keeps one reference of the host's own; every getter
// hands out a further reference, counted in the shared state, so that a test can
// see each reference released exactly once.

#include "sandbox/host_bridge.h"
#include "sandbox/msabi/host_api.h"

extern "C" void* malloc(size_t size);
extern "C" void free(void* block);

void* operator new(size_t size) { return malloc(size); }
void operator delete(void* block) noexcept { free(block); }
void operator delete(void* block, size_t) noexcept { free(block); }

// What a host operation throws when the state asks it to.
struct HostFault {
    int operation;
};

namespace {

SandboxHostState State;

constexpr long NoInterface = static_cast<long>(0x80004002L);

void Log(int operation, int argument, SandboxPoint point)
{
    if (State.callCount < SandboxMaxCalls)
        State.calls[State.callCount] = SandboxCall{operation, argument, point};
    ++State.callCount;
    if (State.throwFrom == operation)
        throw HostFault{operation};
}

void Log(int operation, int argument = 0)
{
    Log(operation, argument, SandboxPoint{0, 0, 0});
}

SandboxPoint ToPoint(const Vec3& v) { return SandboxPoint{v.x, v.y, v.z}; }

// A point taken by value is the callee's own copy, which the host may use as
// scratch space: it is checked for the alignment Microsoft's compiler gives it
// and then overwritten, so that a caller who lent its own data would see it
// changed.
SandboxPoint TakePoint(Vec3& point)
{
    const SandboxPoint taken = ToPoint(point);
    if (reinterpret_cast<unsigned long long>(&point) % 16 != 0)
        ++State.misalignedArguments;
    volatile float* scratch = &point.x;
    scratch[0] = -7777.0f;
    scratch[1] = -7777.0f;
    scratch[2] = -7777.0f;
    return taken;
}
Vec3 ToVec3(const SandboxPoint& p) { return Vec3{p.x, p.y, p.z}; }

Mat4 ToMat4(const float* elements)
{
    Mat4 m;
    for (int i = 0; i < 16; ++i)
        m.m[i / 4][i % 4] = elements[i];
    return m;
}

void SceneChanged()
{
    if (State.onSceneChanged != nullptr)
        State.onSceneChanged(State.onSceneChangedContext);
}

void CameraChanged()
{
    if (State.views != nullptr && State.views->cameraChanged != nullptr)
        State.views->cameraChanged(State.views->context);
    SceneChanged();
}

// The views' answer to a query, or the state's field when there are no views.
SandboxPoint Ask(void (*query)(void*, SandboxPoint*), SandboxPoint field)
{
    if (State.views != nullptr && query != nullptr)
        query(State.views->context, &field);
    return field;
}

unsigned long Obtain(int& references)
{
    ++references;
    ++State.referencesObtained;
    return static_cast<unsigned long>(references + 1);
}

unsigned long Drop(int& references, int releaseOperation)
{
    Log(releaseOperation);
    if (references == 0) {
        ++State.overReleases;
        return 1;
    }
    --references;
    return static_cast<unsigned long>(references + 1);
}

class Camera final : public HostCamera {
public:
    long QueryInterface(const Guid&, void**) override { return NoInterface; }
    unsigned long AddRef() override { return Obtain(State.cameraReferences); }
    unsigned long Release() override { return Drop(State.cameraReferences, SandboxReleaseCamera); }
    Vec3 get_eye(int, int) override
    {
        Log(SandboxGetEye, 0, State.eye);
        return ToVec3(State.eye);
    }
    Vec3 get_target(int, int) override
    {
        Log(SandboxGetTarget, 0, State.target);
        return ToVec3(State.target);
    }
    void set_eye(int, Vec3 eye, int) override
    {
        const SandboxPoint point = TakePoint(eye);
        Log(SandboxSetEye, 0, point);
        State.eye = point;
        CameraChanged();
    }
    void set_target(int, Vec3 target, int) override
    {
        const SandboxPoint point = TakePoint(target);
        Log(SandboxSetTarget, 0, point);
        State.target = point;
        CameraChanged();
    }
    float get_zoom(int, int) override
    {
        Log(SandboxGetZoom, 0, SandboxPoint{State.zoom, 0, 0});
        return State.zoom;
    }
    float get_bank(int, int) override
    {
        Log(SandboxGetBank, 0, SandboxPoint{State.bank, 0, 0});
        return State.bank;
    }
    void set_zoom(int, float zoom, int) override
    {
        Log(SandboxSetZoom, 0, SandboxPoint{zoom, 0, 0});
        State.zoom = zoom;
        CameraChanged();
    }
    void set_bank(int, float bank, int) override
    {
        Log(SandboxSetBank, 0, SandboxPoint{bank, 0, 0});
        State.bank = bank;
        CameraChanged();
    }
    Mat4 get_view_matrix(int, int) override
    {
        Log(SandboxGetViewMatrix);
        return ToMat4(State.viewMatrix);
    }
};

class FigureWindow final : public HostFigureWindow {
public:
    long QueryInterface(const Guid&, void**) override { return NoInterface; }
    unsigned long AddRef() override { return Obtain(State.figureWindowReferences); }
    unsigned long Release() override { return Drop(State.figureWindowReferences, SandboxReleaseFigureWindow); }
    int get_pane_type(int pane, int) override
    {
        Log(SandboxGetPaneType, pane);
        return pane >= 0 && pane < 4 ? State.paneTypes[pane] : 0;
    }
};

// Shapes are borrowed: their reference counting does nothing.
class Shape : public shape_class {
public:
    constexpr Shape() = default;
    long QueryInterface(const Guid&, void**) override { return NoInterface; }
    unsigned long AddRef() override { return 1; }
    unsigned long Release() override { return 1; }
    Vec3 get_centre(int) override
    {
        Log(SandboxGetCentre, index);
        return ToVec3(State.shapes[index].centre);
    }
    Mat4 get_transformation(int) override
    {
        Log(SandboxGetTransformation, index);
        return ToMat4(State.shapes[index].transformation);
    }
    int index = 0;
};

class Part final : public part_class {
public:
    constexpr Part() = default;
    long QueryInterface(const Guid&, void**) override { return NoInterface; }
    unsigned long AddRef() override { return 1; }
    unsigned long Release() override { return 1; }
    Vec3 get_centre(int) override
    {
        Log(SandboxGetCentre, index);
        return ToVec3(State.shapes[index].centre);
    }
    Mat4 get_transformation(int) override
    {
        Log(SandboxGetTransformation, index);
        return ToMat4(State.shapes[index].transformation);
    }
    int index = 0;
};

Camera TheCamera;
FigureWindow TheFigureWindow;
Shape Shapes[SandboxMaxShapes];
Part Parts[SandboxMaxShapes];

shape_class* ShapeObject(int index)
{
    if (State.shapes[index].isPart)
        return &Parts[index];
    return &Shapes[index];
}

class Scene final : public HostScene {
public:
    long QueryInterface(const Guid&, void**) override { return NoInterface; }
    unsigned long AddRef() override { return Obtain(State.sceneReferences); }
    unsigned long Release() override { return Drop(State.sceneReferences, SandboxReleaseScene); }
    HostCamera* get_camera(int) override
    {
        Log(SandboxGetCamera);
        if (State.nullFrom == SandboxGetCamera)
            return nullptr;
        TheCamera.AddRef();
        return &TheCamera;
    }
    HostFigureWindow* get_figure_window(int) override
    {
        Log(SandboxGetFigureWindow);
        if (State.nullFrom == SandboxGetFigureWindow)
            return nullptr;
        TheFigureWindow.AddRef();
        return &TheFigureWindow;
    }
    HostRect get_pane_rect(int pane, int) override
    {
        Log(SandboxGetPaneRect, pane);
        if (pane < 0 || pane >= 4)
            return HostRect{0, 0, 0, 0};
        const SandboxRect& r = State.paneRects[pane];
        return HostRect{r.left, r.top, r.right, r.bottom};
    }
    int get_active_shapes(HostShape** shapes, int) override
    {
        Log(SandboxGetActiveShapes, shapes != nullptr ? 1 : 0);
        int count = 0;
        for (int i = 0; i < State.shapeCount && i < SandboxMaxShapes; ++i)
            count += State.shapes[i].active ? 1 : 0;
        if (shapes == nullptr)
            return count;
        const int fill = State.nullFrom == SandboxGetActiveShapes ? count - 1 : count;
        int filled = 0;
        for (int i = 0; i < State.shapeCount && i < SandboxMaxShapes && filled < fill; ++i) {
            if (State.shapes[i].active)
                shapes[filled++] = ShapeObject(i);
        }
        return count;
    }
    Vec3 get_drawing_centre(int) override
    {
        const SandboxPoint centre =
            Ask(State.views != nullptr ? State.views->drawingCentre : nullptr, State.drawingCentre);
        Log(SandboxGetDrawingCentre, 0, centre);
        return ToVec3(centre);
    }
    Vec3 get_cursor_position(int) override
    {
        const SandboxPoint position =
            Ask(State.views != nullptr ? State.views->cursorPosition : nullptr, State.cursorPosition);
        Log(SandboxGetCursorPosition, 0, position);
        return ToVec3(position);
    }
    void zoom_in_at(Vec3 centre, int) override { ZoomAt(TakePoint(centre), 1, SandboxZoomInAt); }
    void zoom_out_at(Vec3 centre, int) override { ZoomAt(TakePoint(centre), 0, SandboxZoomOutAt); }
    void scroll_to(Vec3 point, int) override
    {
        const SandboxPoint target = TakePoint(point);
        Log(SandboxScrollTo, 0, target);
        if (State.views != nullptr && State.views->scrollTo != nullptr)
            State.views->scrollTo(State.views->context, &target);
        SceneChanged();
    }
    void fit_drawing(int, int) override
    {
        Log(SandboxFitDrawing);
        if (State.views != nullptr && State.views->fitDrawing != nullptr)
            State.views->fitDrawing(State.views->context);
        SceneChanged();
    }

private:
    static void ZoomAt(const SandboxPoint& point, int zoomIn, int operation)
    {
        Log(operation, 0, point);
        if (State.views != nullptr && State.views->zoomAt != nullptr)
            State.views->zoomAt(State.views->context, &point, zoomIn);
        SceneChanged();
    }
};

Scene TheScene;

class AttachContext final : public HostAttachContext {
public:
    long QueryInterface(const Guid&, void**) override { return NoInterface; }
    unsigned long AddRef() override { return 1; }
    unsigned long Release() override { return 1; }
    void* get_main_window(int) override
    {
        Log(SandboxGetMainWindow);
        return State.mainWindow;
    }
};

AttachContext TheAttachContext;

class App final : public HostApp {
public:
    long QueryInterface(const Guid&, void**) override { return NoInterface; }
    unsigned long AddRef() override { return 1; }
    unsigned long Release() override { return 1; }
    bool is_japanese(int) override
    {
        Log(SandboxIsJapanese);
        return State.japanese != 0;
    }
    HostScene* get_scene(int) override
    {
        Log(SandboxGetScene);
        if (State.nullFrom == SandboxGetScene)
            return nullptr;
        TheScene.AddRef();
        return &TheScene;
    }
    void attach_call(int) override
    {
        Log(SandboxAttachCall);
        if (State.attachAgainDuringAttachCall == nullptr)
            return;
        auto* component = static_cast<plugin_interface*>(State.attachAgainDuringAttachCall);
        State.attachAgainDuringAttachCall = nullptr;
        bool flag = true;
        component->attach(flag, &TheAttachContext);
    }
};

App TheApp;

}  // namespace

extern "C" {

SandboxHostState* sandbox_host_state(void)
{
    return &State;
}

void sandbox_host_reset(void)
{
    State = SandboxHostState{};
    State.japanese = 1;
    State.eye = SandboxPoint{0, 0, 10};
    State.zoom = 35.0f;
    for (int i = 0; i < 4; ++i)
        State.viewMatrix[i * 5] = 1.0f;
    State.throwFrom = SandboxNoOperation;
    State.nullFrom = SandboxNoOperation;
    for (int i = 0; i < SandboxMaxShapes; ++i) {
        Shapes[i].index = i;
        Parts[i].index = i;
    }
}

void* sandbox_host_app(void)
{
    return static_cast<HostApp*>(&TheApp);
}

void* sandbox_host_attach_context(void)
{
    return static_cast<HostAttachContext*>(&TheAttachContext);
}

void* sandbox_host_scene(void)
{
    return static_cast<HostScene*>(&TheScene);
}

int sandbox_host_count_calls(int operation)
{
    int count = 0;
    const int logged = State.callCount < SandboxMaxCalls ? State.callCount : SandboxMaxCalls;
    for (int i = 0; i < logged; ++i)
        count += State.calls[i].operation == operation;
    return count;
}

}  // extern "C"
