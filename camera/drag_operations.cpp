#include "camera/drag_operations.h"

#include <optional>

#include "camera/figure_repaint.h"
#include "camera/geometry.h"
#include "camera/orbit_geometry.h"
#include "camera/view_commands.h"
#include "host/host.h"
#include "state/session_state.h"
#include "state/settings.h"

namespace {

bool StopsAtPoles()
{
    return PluginSettings.StopAtPoles != 0;
}

// Called once the host has taken the moved points, so that a write that fails
// leaves the direction of the next drag as it was.
void TurnOverThePole(bool overThePole)
{
    if (overThePole)
        SessionState.OrbitVerticalSign = -SessionState.OrbitVerticalSign;
}

}  // namespace

void OrbitEye(float dx, float dy)
{
    if ((dx == 0.0f && dy == 0.0f) || SessionState.App == nullptr)
        return;
    const Scene scene = Scene::Of(*SessionState.App);
    const Camera camera = scene.camera();
    const Vec3 eye = camera.eye();
    const Vec3 target = camera.target();
    const std::optional<Orbited> moved =
        OrbitAbout(target, eye, DegreesToRadians(dx), dy, SessionState.OrbitVerticalSign, StopsAtPoles());
    if (!moved)
        return;
    camera.set_eye(moved->point);
    TurnOverThePole(moved->overThePole);
    RepaintFigureWindow();
}

void OrbitTarget(float dx, float dy)
{
    if ((dx == 0.0f && dy == 0.0f) || SessionState.App == nullptr)
        return;
    const Scene scene = Scene::Of(*SessionState.App);
    const Camera camera = scene.camera();
    const Vec3 eye = camera.eye();
    const Vec3 target = camera.target();
    // Seen from the eye the horizontal sense is reversed.
    const std::optional<Orbited> moved =
        OrbitAbout(eye, target, -DegreesToRadians(dx), dy, SessionState.OrbitVerticalSign, StopsAtPoles());
    if (!moved)
        return;
    camera.set_target(moved->point);
    TurnOverThePole(moved->overThePole);
    RepaintFigureWindow();
}

void PanCamera(float dx, float dy)
{
    if ((dx == 0.0f && dy == 0.0f) || SessionState.App == nullptr)
        return;
    const Scene scene = Scene::Of(*SessionState.App);
    const Camera camera = scene.camera();
    const Vec3 eye = camera.eye();
    const Vec3 target = camera.target();
    const Mat4 view = camera.view_matrix();

    Vec3 eyeInView = TransformPoint(eye, view);
    eyeInView.x += dx;
    eyeInView.y -= dy;
    Vec3 targetInView = TransformPoint(target, view);
    targetInView.x += dx;
    targetInView.y -= dy;

    // A singular view matrix comes back unchanged and the points are mapped
    // through it again; the host's view matrices are not singular.
    const Mat4 toWorld = Mat4Inverse(view);
    const Vec3 newEye = TransformPoint(eyeInView, toWorld);
    const Vec3 newTarget = TransformPoint(targetInView, toWorld);
    if (!IsFinite(newEye) || !IsFinite(newTarget))
        return;
    camera.set_eye(newEye);
    camera.set_target(newTarget);
    RepaintFigureWindow();
}

void TakeOrbitPivot()
{
    SessionState.OrbitPivotTaken = 1;
    SessionState.OrbitPivotFound = 0;
    if (SessionState.App == nullptr)
        return;
    const Scene scene = Scene::Of(*SessionState.App);
    const std::optional<Vec3> centre = SelectedShapesCentre(scene);
    if (!centre || !IsFinite(*centre))
        return;
    SessionState.OrbitPivot = *centre;
    SessionState.OrbitPivotFound = 1;
}

void ForgetOrbitPivot()
{
    SessionState.OrbitPivotTaken = 0;
}

void OrbitAboutSelection(float dx, float dy)
{
    if ((dx == 0.0f && dy == 0.0f) || SessionState.App == nullptr)
        return;
    if (SessionState.OrbitPivotTaken == 0)
        TakeOrbitPivot();
    if (SessionState.OrbitPivotFound == 0) {
        OrbitEye(dx, dy);
        return;
    }
    const Scene scene = Scene::Of(*SessionState.App);
    const Camera camera = scene.camera();
    const Vec3 eye = camera.eye();
    const Vec3 target = camera.target();
    const TurnedView turned = TurnViewAbout(SessionState.OrbitPivot, eye, target, DegreesToRadians(dx), dy,
                                            SessionState.OrbitVerticalSign, StopsAtPoles());
    if (!IsFinite(turned.eye) || !IsFinite(turned.target))
        return;
    camera.set_eye(turned.eye);
    camera.set_target(turned.target);
    TurnOverThePole(turned.overThePole);
    RepaintFigureWindow();
}
