#include "camera/orbit_geometry.h"

#include <algorithm>
#include <cmath>

#include "camera/geometry.h"

namespace {

// With StopAtPoles an orbit keeps the view this far short of looking straight
// down or up: exactly there the host's view, which keeps the world's up, has
// no sideways direction. Half a degree, 0.5 × 0.017453292.
constexpr float PoleMargin = 0.008726646f;

// `dy` degrees times the vertical sign, in radians.
float VerticalStepRadians(float dy, int verticalSign, bool stopAtPoles)
{
    return DegreesToRadians(dy * (stopAtPoles ? 1.0f : static_cast<float>(verticalSign)));
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

// A view already past the margin is brought back to it whichever way the step
// goes, so that a step away from the pole moves it at once. Without a polar
// angle (NaN) the step stays whole.
float VerticalStep(float polar, float step, bool stopAtPoles)
{
    if (!stopAtPoles || std::isnan(polar))
        return step;
    return std::min(std::max(polar + step, PoleMargin), Pi - PoleMargin) - polar;
}

// Past one pole the host draws the view the other way round, past both it is
// the right way up again.
bool OverThePole(float polar)
{
    const float poles = polar < 0.0f ? std::ceil(-polar / Pi) : polar > Pi ? std::ceil(polar / Pi) - 1.0f : 0.0f;
    return std::fmod(poles, 2.0f) == 1.0f;
}

std::optional<Orbited> OrbitAbout(const Vec3& centre, const Vec3& moving, float azimuthStep, float dy,
                                  int verticalSign, bool stopAtPoles)
{
    const Vec3 d = Difference(moving, centre);
    const float length = std::sqrt((d.x * d.x + d.y * d.y) + d.z * d.z);
    const float azimuth = std::atan2(d.x, d.z) + azimuthStep;
    const float before = std::acos(d.y / length);
    const float step = VerticalStepRadians(dy, verticalSign, stopAtPoles);
    const float polar = VerticalStep(before, step, stopAtPoles) + before;

    const float horizontal = std::sin(polar) * length;
    const Vec3 moved{centre.x + std::sin(azimuth) * horizontal, centre.y + std::cos(polar) * length,
                     centre.z + std::cos(azimuth) * horizontal};
    if (!IsFinite(moved))
        return std::nullopt;
    return Orbited{moved, OverThePole(polar)};
}

// The view's direction gives the axes and the pole. Its polar angle serves
// only the pole test and the stop short of the poles: coincident eye and
// target, or a height ratio past ±1, leave it NaN and the turn intact.
TurnedView TurnViewAbout(const Vec3& pivot, const Vec3& eye, const Vec3& target, float azimuthStep, float dy,
                         int verticalSign, bool stopAtPoles)
{
    const Vec3 d = Difference(eye, target);
    const float length = std::sqrt((d.x * d.x + d.y * d.y) + d.z * d.z);
    const float before = std::acos(d.y / length);
    const float tilt = VerticalStep(before, VerticalStepRadians(dy, verticalSign, stopAtPoles), stopAtPoles);
    const ViewTurn turn = ViewTurnOf(std::atan2(d.x, d.z), azimuthStep, tilt);
    return TurnedView{TurnedAbout(pivot, eye, turn), TurnedAbout(pivot, target, turn), OverThePole(tilt + before)};
}
