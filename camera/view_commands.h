#pragma once

// The modeling-mode commands on the figure window as a whole. The caller holds
// the scene for the duration of a command. The host redraws the figure window
// itself after these, so none of them repaints.

#include <optional>

#include "host/geometry_types.h"
#include "host/host.h"

// Mean world position of the centres of the active shapes, each mapped through
// its own transformation; nothing when no shape is active.
std::optional<Vec3> SelectedShapesCentre(const Scene& scene);

// SelectedShapesCentre, or the drawing centre when no shape is active.
Vec3 SelectionCentre(const Scene& scene);

enum class ZoomDirection { In, Out };

// Enlarges (In) or shrinks (Out) the drawing about `centre`. A centre that is
// not finite is not handed to the host.
void ZoomAboutPoint(const Scene& scene, const Vec3& centre, ZoomDirection direction);

// Fits the figure window to the drawing.
void FitDrawing(const Scene& scene);

// Scrolls the figure window to SelectionCentre, unless that is not finite.
void ScrollToSelection(const Scene& scene);

// Scrolls the figure window to the world origin.
void ScrollToOrigin(const Scene& scene);
