#include "host/host.h"

namespace {

// An object the host should have handed out but did not ends the operation as
// a host exception does: nothing is called on it and nothing is released.
template <class Object>
Object* Obtained(Object* object)
{
    if (object == nullptr)
        throw HostCallFailed();
    return object;
}

// A struct passed by value in Microsoft's convention travels as a pointer to a
// copy the caller made, which the callee owns and may change, and which
// Microsoft's compiler aligns to 16 bytes. Each such argument gets its own.
struct alignas(16) ArgumentCopy {
    Vec3 value;
};

}  // namespace

Camera Camera::Of(HostScene& scene)
{
    return Camera(Obtained(HostResult([&] { return scene.get_camera(0); })));
}

Vec3 Camera::eye() const
{
    Vec3 eye{};
    CallHost([&] { camera_.get()->get_eye(&eye, 0, 0); });
    return eye;
}

Vec3 Camera::target() const
{
    Vec3 target{};
    CallHost([&] { camera_.get()->get_target(&target, 0, 0); });
    return target;
}

void Camera::set_eye(const Vec3& eye) const
{
    CallHost([&] {
        ArgumentCopy copy{eye};
        camera_.get()->set_eye(0, &copy.value, 0);
    });
}

void Camera::set_target(const Vec3& target) const
{
    CallHost([&] {
        ArgumentCopy copy{target};
        camera_.get()->set_target(0, &copy.value, 0);
    });
}

float Camera::zoom() const
{
    return HostResult([&] { return camera_.get()->get_zoom(0, 0); });
}

float Camera::bank() const
{
    return HostResult([&] { return camera_.get()->get_bank(0, 0); });
}

void Camera::set_zoom(float zoom) const
{
    CallHost([&] { camera_.get()->set_zoom(0, zoom, 0); });
}

void Camera::set_bank(float bank) const
{
    CallHost([&] { camera_.get()->set_bank(0, bank, 0); });
}

Mat4 Camera::view_matrix() const
{
    Mat4 view{};
    CallHost([&] { camera_.get()->get_view_matrix(&view, 0, 0); });
    return view;
}

int FigureView::pane_type(int pane) const
{
    return HostResult([&] { return figure_.get()->get_pane_type(pane, 0); });
}

Scene Scene::Of(HostApp& app)
{
    return Scene(Obtained(HostResult([&] { return app.get_scene(0); })));
}

Camera Scene::camera() const
{
    return Camera::Of(*scene_.get());
}

FigureView Scene::figure_window() const
{
    return FigureView(Obtained(HostResult([&] { return scene_.get()->get_figure_window(0); })));
}

HostRect Scene::pane_rect(int pane) const
{
    HostRect rect{};
    CallHost([&] { scene_.get()->get_pane_rect(&rect, pane, 0); });
    return rect;
}

int Scene::active_shape_count() const
{
    return HostResult([&] { return scene_.get()->get_active_shapes(nullptr, 0); });
}

void Scene::active_shapes(HostShape** shapes, int count) const
{
    for (int i = 0; i < count; ++i)
        shapes[i] = nullptr;
    CallHost([&] { scene_.get()->get_active_shapes(shapes, 0); });
    for (int i = 0; i < count; ++i)
        Obtained(shapes[i]);
}

Vec3 Scene::drawing_centre() const
{
    Vec3 centre{};
    CallHost([&] { scene_.get()->get_drawing_centre(&centre, 0); });
    return centre;
}

Vec3 Scene::cursor_position() const
{
    Vec3 position{};
    CallHost([&] { scene_.get()->get_cursor_position(&position, 0); });
    return position;
}

void Scene::zoom_in_at(const Vec3& centre) const
{
    CallHost([&] {
        ArgumentCopy copy{centre};
        scene_.get()->zoom_in_at(&copy.value, 0);
    });
}

void Scene::zoom_out_at(const Vec3& centre) const
{
    CallHost([&] {
        ArgumentCopy copy{centre};
        scene_.get()->zoom_out_at(&copy.value, 0);
    });
}

void Scene::scroll_to(const Vec3& point) const
{
    CallHost([&] {
        ArgumentCopy copy{point};
        scene_.get()->scroll_to(&copy.value, 0);
    });
}

void Scene::fit_drawing() const
{
    CallHost([&] { scene_.get()->fit_drawing(0, 0); });
}

bool HostIsJapanese(HostApp& app)
{
    return HostResult([&] { return app.is_japanese(0); });
}

void HostAttachCall(HostApp& app)
{
    CallHost([&] { app.attach_call(0); });
}

HWND HostMainWindow(HostAttachContext& context)
{
    return HostResult([&] { return context.get_main_window(0); });
}

Vec3 ShapeCentre(HostShape& shape)
{
    Vec3 centre{};
    CallHost([&] { shape.get_centre(&centre, 0); });
    return centre;
}

Mat4 ShapeTransformation(HostShape& shape)
{
    Mat4 transformation{};
    CallHost([&] { shape.get_transformation(&transformation, 0); });
    return transformation;
}
