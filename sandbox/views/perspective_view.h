#pragma once

// The host's perspective pane: the camera's eye looks at its target, rolled
// by the bank, and the zoom is the focal length of a lens in front of a
// 36 mm wide frame that fills the pane's width.

#include "sandbox/views/world_math.h"

struct CameraPose {
    Point3 eye;
    Point3 target;
    double zoom = 35;
    double bank = 0;
};

CameraPose CameraPoseOf(const SandboxHostState& state);

// The camera's right, up and forward directions, the bank applied.
struct CameraFrame {
    Point3 right;
    Point3 up;
    Point3 forward;
};

CameraFrame CameraFrameOf(const CameraPose& pose);

// Pixels per unit of the focal plane at distance 1: focal length / 36 mm of
// the pane's width.
double FocalPixels(const CameraPose& pose, const PaneArea& area);

// Where a world point shows; false when it lies behind the near plane.
bool ProjectPoint(const CameraPose& pose, const PaneArea& area, const Point3& p, PanePoint* shown);

// The visible part of a segment after cutting it at the near plane; false
// when nothing of it is in front of the camera.
bool ProjectSegment(const CameraPose& pose, const PaneArea& area, const Point3& a, const Point3& b, PanePoint* from,
                    PanePoint* to);

// The host's view matrix (world to view, row vectors, row-major): view x to
// the right, y up, z toward the viewer, one unit being one pixel of the
// perspective pane at the target's distance. A pan of (dx, -dy) in this space
// therefore moves the picture of the target by one pixel per unit.
void PerspectiveViewMatrix(const CameraPose& pose, const PaneArea& area, float matrix[16]);
