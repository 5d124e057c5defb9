#pragma once

// The sandbox host's scene: a box, a cone and a sphere, each a wireframe in
// its own coordinates placed in the world by the transformation the host
// hands out for it. Shape i of the scene is host shape i of the state, so the
// plug-in's selection centre and the picture agree.

#include <windows.h>

#include <vector>

#include "sandbox/views/world_math.h"

struct WireSegment {
    Point3 a;
    Point3 b;
};

struct SceneShape {
    const char* name;
    COLORREF colour;
    std::vector<WireSegment> segments;  // in the shape's own coordinates
};

// The three shapes, in host shape order.
const std::vector<SceneShape>& SceneShapes();

// Gives the host state the scene's shapes: their centres and placements, none
// selected.
void InstallSceneShapes(SandboxHostState* state);

// The shape's segments in world coordinates, through its transformation.
std::vector<WireSegment> WorldSegments(const SandboxHostState& state, int shape);

// The shape's centre in world coordinates.
Point3 WorldCentre(const SandboxHostState& state, int shape);

struct WorldBounds {
    Point3 low;
    Point3 high;
};

// The box around every segment of every shape.
WorldBounds SceneBounds(const SandboxHostState& state);
