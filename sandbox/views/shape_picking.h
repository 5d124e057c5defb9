#pragma once

// Selection by click: the host selects the shape whose drawn wireframe passes
// nearest to the clicked point of a pane.

#include "sandbox/views/scene_drawing.h"

// Pixels from a drawn segment within which a click hits the shape.
constexpr double PickTolerance = 5;

// The index of the shape drawn nearest to a point of the pane, or -1 when no
// shape passes within PickTolerance.
int ShapeAt(const SandboxHostState& scene, const OrthoView& view, const FigurePane& pane, const PanePoint& point);
