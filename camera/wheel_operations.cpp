#include "camera/wheel_operations.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

#include "camera/figure_repaint.h"
#include "camera/geometry.h"
#include "host/host.h"
#include "state/session_state.h"
#include "state/settings.h"

namespace {

constexpr float MinimumZoom = 9.0f;
constexpr float MaximumZoom = 720.0f;

// A notch that brings two points closer, or shrinks the zoom, at most halves
// the distance or the zoom, as the fastest notch the other way doubles it: a
// fast speed with Ctrl would otherwise put the eye onto the target or past it.
constexpr float SmallestScaleFactor = 0.5f;

// The step of the keys held, times WheelSpeed.
float StepSize(uint16_t keys, float withShift, float withControl, float plain)
{
    float step = plain;
    if ((keys & MK_SHIFT) != 0)
        step = withShift;
    else if ((keys & MK_CONTROL) != 0)
        step = withControl;
    return step * SpeedFactor(PluginSettings.WheelSpeed);
}

// The wheel direction in which an operation negates its step.
enum class NegatedWhen { TurnedAway, TurnedToward };

// 1 ± the distance and zoom step: negated for the operation's wheel direction,
// then once more when turning toward the user zooms in.
float ScaleFactor(int16_t delta, uint16_t keys, NegatedWhen negatedWhen)
{
    float step = StepSize(keys, 0.001f, 0.1f, 0.01f);
    const bool negate = negatedWhen == NegatedWhen::TurnedAway ? delta > 0 : delta < 0;
    if (negate)
        step = -step;
    if (TowardZoomsIn(PluginSettings.Rotate))
        step = -step;
    return std::max(1.0f + step, SmallestScaleFactor);
}

}  // namespace

void DollyEye(int16_t delta, uint16_t keys)
{
    const float factor = ScaleFactor(delta, keys, NegatedWhen::TurnedAway);
    if (SessionState.App == nullptr)
        return;
    const Scene scene = Scene::Of(*SessionState.App);
    const Camera camera = scene.camera();
    const Vec3 eye = camera.eye();
    const Vec3 target = camera.target();
    const Vec3 d = Difference(eye, target);
    const Vec3 moved{d.x * factor + target.x, d.y * factor + target.y, d.z * factor + target.z};
    if (!IsFinite(moved))
        return;
    camera.set_eye(moved);
    RepaintFigureWindow();
}

void DollyTarget(int16_t delta, uint16_t keys)
{
    const float factor = ScaleFactor(delta, keys, NegatedWhen::TurnedToward);
    if (SessionState.App == nullptr)
        return;
    const Scene scene = Scene::Of(*SessionState.App);
    const Camera camera = scene.camera();
    const Vec3 eye = camera.eye();
    const Vec3 target = camera.target();
    const Vec3 d = Difference(eye, target);
    const Vec3 moved{eye.x - d.x * factor, eye.y - d.y * factor, eye.z - d.z * factor};
    if (!IsFinite(moved))
        return;
    camera.set_target(moved);
    RepaintFigureWindow();
}

void ChangeFocalLength(int16_t delta, uint16_t keys)
{
    const float factor = ScaleFactor(delta, keys, NegatedWhen::TurnedToward);
    if (SessionState.App == nullptr)
        return;
    const Scene scene = Scene::Of(*SessionState.App);
    const Camera camera = scene.camera();
    float zoom = camera.zoom() * factor;
    if (zoom < MinimumZoom)
        zoom = MinimumZoom;
    else if (zoom > MaximumZoom)
        zoom = MaximumZoom;
    else if (std::isnan(zoom))
        return;
    camera.set_zoom(zoom);
    RepaintFigureWindow();
}

void ChangeBank(int16_t delta, uint16_t keys)
{
    float step = StepSize(keys, 0.005f, 0.1f, 0.05f);
    if (delta > 0)
        step = -step;
    if (SessionState.App == nullptr)
        return;
    const Scene scene = Scene::Of(*SessionState.App);
    const Camera camera = scene.camera();
    const float bank = camera.bank() + step;
    // A clamped bank is written but left for the host to redraw.
    if (bank < -Pi) {
        camera.set_bank(-Pi);
    } else if (bank > Pi) {
        camera.set_bank(Pi);
    } else if (!std::isnan(bank)) {
        camera.set_bank(bank);
        RepaintFigureWindow();
    }
}
