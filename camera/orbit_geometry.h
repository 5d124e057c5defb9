#pragma once

// The orbit's mathematics: where a drag step carries a point or the whole view,
// as functions of points, angles and the drag's flags alone, in single
// precision evaluated as written. Polar angles are measured from +y, azimuths
// about it from +z towards +x. A vertical step is `dy` degrees times the drag's
// vertical sign (1 or -1); with `stopAtPoles` the sign counts as 1, as a view
// that stops short of the poles is never drawn the other way round, and no
// step goes over a pole.

#include <optional>

#include "host/geometry_types.h"

// The part of `step` radians from `polar` taken: all, or with `stopAtPoles` up to half a degree short of a pole.
float VerticalStep(float polar, float step, bool stopAtPoles);

// A polar angle reached in one step from 0..π lies past an odd number of poles (exactly at one is not past it).
bool OverThePole(float polar);

struct Orbited {
    Vec3 point;
    bool overThePole;  // the drag's vertical sign turns once the host has taken the point
};

// `moving` turned about `centre` at its distance; nothing when not finite (coincident, or a height ratio past ±1).
std::optional<Orbited> OrbitAbout(const Vec3& centre, const Vec3& moving, float azimuthStep, float dy,
                                  int verticalSign, bool stopAtPoles);

struct TurnedView {
    Vec3 eye, target;  // not always finite
    bool overThePole;
};

// Eye and target turned about `pivot` so that the view's direction turns as OrbitAbout turns the eye about the target.
TurnedView TurnViewAbout(const Vec3& pivot, const Vec3& eye, const Vec3& target, float azimuthStep, float dy,
                         int verticalSign, bool stopAtPoles);
