#include "camera/view_commands.h"

#include <vector>

#include "camera/geometry.h"

std::optional<Vec3> SelectedShapesCentre(const Scene& scene)
{
    Vec3 centre{0.0f, 0.0f, 0.0f};
    const int count = scene.active_shape_count();
    if (count < 1)
        return std::nullopt;

    // The shapes are borrowed from the host and never released.
    std::vector<HostShape*> shapes(static_cast<size_t>(count));
    scene.active_shapes(shapes.data(), count);
    for (HostShape* shape : shapes) {
        const Mat4 transformation = ShapeTransformation(*shape);
        const Vec3 world = TransformPoint(ShapeCentre(*shape), transformation);
        centre.x += world.x;
        centre.y += world.y;
        centre.z += world.z;
    }
    const float n = static_cast<float>(count);
    centre.x /= n;
    centre.y /= n;
    centre.z /= n;
    return centre;
}

Vec3 SelectionCentre(const Scene& scene)
{
    const std::optional<Vec3> centre = SelectedShapesCentre(scene);
    return centre ? *centre : scene.drawing_centre();
}

void ZoomAboutPoint(const Scene& scene, const Vec3& centre, ZoomDirection direction)
{
    if (!IsFinite(centre))
        return;
    if (direction == ZoomDirection::In)
        scene.zoom_in_at(centre);
    else
        scene.zoom_out_at(centre);
}

void FitDrawing(const Scene& scene)
{
    scene.fit_drawing();
}

void ScrollToSelection(const Scene& scene)
{
    const Vec3 centre = SelectionCentre(scene);
    if (IsFinite(centre))
        scene.scroll_to(centre);
}

void ScrollToOrigin(const Scene& scene)
{
    scene.scroll_to(Vec3{0.0f, 0.0f, 0.0f});
}
