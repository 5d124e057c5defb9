#include "camera/drag_operations.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "camera/figure_repaint.h"
#include "camera/geometry.h"
#include "camera/view_commands.h"
#include "host/host.h"
#include "state/session_state.h"
#include "state/settings.h"

namespace {

// With StopAtPoles an orbit keeps the view this far short of looking straight
// down or up: exactly there the host's view, which keeps the world's up, has
// no sideways direction. Half a degree, 0.5 × 0.017453292.
constexpr float PoleMargin = 0.008726646f;

// The vertical sign of a drag step. A view that stops at the poles is never
// drawn the other way round, so a sign left negative by an earlier drag over
// a pole does not reverse it.
float VerticalSign()
{
    return PluginSettings.StopAtPoles != 0 ? 1.0f : static_cast<float>(SessionState.OrbitVerticalSign);
}

// The part of a vertical step of `step` radians from the polar angle `polar`
// that the orbit takes: all of it, or with StopAtPoles as much as keeps the
// view PoleMargin short of either pole. A view already past the margin is
// brought back to it, whichever way the step goes, so that a step away from
// the pole moves it at once. Without a polar angle (NaN) the step stays whole.
float VerticalStep(float polar, float step)
{
    if (PluginSettings.StopAtPoles == 0 || std::isnan(polar))
        return step;
    return std::min(std::max(polar + step, PoleMargin), Pi - PoleMargin) - polar;
}

// Whether a polar angle reached in one step from 0..π lies past an odd number
// of poles: past one the host draws the view the other way round, past both it
// is the right way up again. Exactly at a pole nothing is crossed.
bool OverThePole(float polar)
{
    const float poles = polar < 0.0f ? std::ceil(-polar / Pi) : polar > Pi ? std::ceil(polar / Pi) - 1.0f : 0.0f;
    return std::fmod(poles, 2.0f) == 1.0f;
}

struct Orbited {
    Vec3 point;
    bool overThePole;
};

// `moving` turned about `centre` at the same distance: by `azimuthStep` radians
// about the vertical and by `dy` degrees, times the vertical sign and shortened
// short of a pole with StopAtPoles, in polar angle measured from +y. Leaving
// the range 0..π carries the point over a pole, or over both;
// OrbitVerticalSign is negated after one for that once the host has taken the point, so
// that a write that fails leaves the direction of the next drag as it was.
// Nothing results when the point would not be finite: coincident points have
// no direction, and a height ratio that underflow pushes past ±1 has no arc
// cosine.
std::optional<Orbited> OrbitAbout(const Vec3& centre, const Vec3& moving, float azimuthStep, float dy)
{
    const Vec3 d = Difference(moving, centre);
    const float length = std::sqrt((d.x * d.x + d.y * d.y) + d.z * d.z);
    const float azimuth = std::atan2(d.x, d.z) + azimuthStep;
    const float before = std::acos(d.y / length);
    const float polar = VerticalStep(before, DegreesToRadians(dy * VerticalSign())) + before;

    const float horizontal = std::sin(polar) * length;
    const Vec3 moved{centre.x + std::sin(azimuth) * horizontal, centre.y + std::cos(polar) * length,
                     centre.z + std::cos(azimuth) * horizontal};
    if (!IsFinite(moved))
        return std::nullopt;
    return Orbited{moved, OverThePole(polar)};
}

void TurnOverThePole(bool overThePole)
{
    if (overThePole)
        SessionState.OrbitVerticalSign = -SessionState.OrbitVerticalSign;
}

// One orbit step of the whole view as sines and cosines: the tilt about the
// horizontal axis across the view, whose azimuth is `before`, then the turn
// about the vertical that brings that azimuth to `after`.
struct ViewTurn {
    float sinBefore, cosBefore;
    float sinAfter, cosAfter;
    float sinTilt, cosTilt;
};

ViewTurn ViewTurnOf(float azimuth, float turn, float tilt)
{
    const float after = azimuth + turn;
    return ViewTurn{std::sin(azimuth), std::cos(azimuth), std::sin(after),
                    std::cos(after),   std::sin(tilt),    std::cos(tilt)};
}

// `point` turned about `pivot`: its offset split into the part along the
// view's horizontal direction, the part across it and the height; the tilt
// turns the first and the height together, as it turns the eye's polar angle.
Vec3 TurnedAbout(const Vec3& pivot, const Vec3& point, const ViewTurn& t)
{
    const Vec3 q = Difference(point, pivot);
    const float along = q.x * t.sinBefore + q.z * t.cosBefore;
    const float across = q.x * t.cosBefore - q.z * t.sinBefore;
    const float alongTilted = along * t.cosTilt + q.y * t.sinTilt;
    const float height = q.y * t.cosTilt - along * t.sinTilt;
    return Vec3{pivot.x + (alongTilted * t.sinAfter + across * t.cosAfter), pivot.y + height,
                pivot.z + (alongTilted * t.cosAfter - across * t.sinAfter)};
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
    const std::optional<Orbited> moved = OrbitAbout(target, eye, DegreesToRadians(dx), dy);
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
    const std::optional<Orbited> moved = OrbitAbout(eye, target, -DegreesToRadians(dx), dy);
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
    const Vec3& pivot = SessionState.OrbitPivot;

    // The view's direction gives the axes and the pole, as in OrbitEye. Its
    // polar angle serves only the pole test and the stop short of the poles:
    // coincident eye and target, or a height ratio past ±1, leave it NaN and
    // the turn about the pivot intact.
    const Vec3 d = Difference(eye, target);
    const float length = std::sqrt((d.x * d.x + d.y * d.y) + d.z * d.z);
    const float before = std::acos(d.y / length);
    const float tilt = VerticalStep(before, DegreesToRadians(dy * VerticalSign()));
    const float polar = tilt + before;
    const ViewTurn turn = ViewTurnOf(std::atan2(d.x, d.z), DegreesToRadians(dx), tilt);
    const Vec3 newEye = TurnedAbout(pivot, eye, turn);
    const Vec3 newTarget = TurnedAbout(pivot, target, turn);
    if (!IsFinite(newEye) || !IsFinite(newTarget))
        return;
    camera.set_eye(newEye);
    camera.set_target(newTarget);
    TurnOverThePole(OverThePole(polar));
    RepaintFigureWindow();
}
