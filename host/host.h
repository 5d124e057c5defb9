#pragma once

// Owning holders of the host's objects and the calls made on them. A holder
// releases its one reference when it ends, on every path; holders declared one
// after another release in reverse order. Every call runs through CallHost, so a
// host exception arrives here as HostCallFailed, as does a null object where
// the host should have handed one out. HostApp, the attach context and
// shapes are borrowed from the host and never released.

#include "host/host_call.h"
#include "host/host_sdk.h"

template <class Object>
class HostRef {
public:
    explicit HostRef(Object* owned = nullptr) noexcept : object_(owned) {}
    ~HostRef() { Reset(); }
    HostRef(HostRef&& other) noexcept : object_(other.object_) { other.object_ = nullptr; }
    HostRef& operator=(HostRef&& other) noexcept
    {
        if (this != &other) {
            Reset();
            object_ = other.object_;
            other.object_ = nullptr;
        }
        return *this;
    }
    HostRef(const HostRef&) = delete;
    HostRef& operator=(const HostRef&) = delete;

    Object* get() const noexcept { return object_; }
    explicit operator bool() const noexcept { return object_ != nullptr; }

private:
    // A release that throws inside the host has nothing left to undo here.
    void Reset() noexcept
    {
        Object* object = object_;
        object_ = nullptr;
        if (object == nullptr)
            return;
        try {
            CallHost([object] { object->Release(); });
        } catch (...) {
        }
    }

    Object* object_;
};

class Camera {
public:
    explicit Camera(HostCamera* owned) noexcept : camera_(owned) {}

    // A new reference to the camera of a scene the host lends for one call.
    static Camera Of(HostScene& scene);

    Vec3 eye() const;
    Vec3 target() const;
    void set_eye(const Vec3& eye) const;
    void set_target(const Vec3& target) const;
    float zoom() const;
    float bank() const;
    void set_zoom(float zoom) const;
    void set_bank(float bank) const;
    Mat4 view_matrix() const;

private:
    HostRef<HostCamera> camera_;
};

class FigureView {
public:
    explicit FigureView(HostFigureWindow* owned) noexcept : figure_(owned) {}

    int pane_type(int pane) const;

private:
    HostRef<HostFigureWindow> figure_;
};

class Scene {
public:
    explicit Scene(HostScene* owned) noexcept : scene_(owned) {}

    // A new reference to the scene of the host's application.
    static Scene Of(HostApp& app);

    Camera camera() const;
    FigureView figure_window() const;
    HostRect pane_rect(int pane) const;
    int active_shape_count() const;
    // Fills `shapes`, which has room for `count` entries, the number that
    // active_shape_count() gave; fails when the host fills fewer.
    void active_shapes(HostShape** shapes, int count) const;
    Vec3 drawing_centre() const;
    Vec3 cursor_position() const;
    void zoom_in_at(const Vec3& centre) const;
    void zoom_out_at(const Vec3& centre) const;
    void scroll_to(const Vec3& point) const;
    void fit_drawing() const;

private:
    HostRef<HostScene> scene_;
};

bool HostIsJapanese(HostApp& app);
void HostAttachCall(HostApp& app);
HWND HostMainWindow(HostAttachContext& context);
Vec3 ShapeCentre(HostShape& shape);
Mat4 ShapeTransformation(HostShape& shape);
