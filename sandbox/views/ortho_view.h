#pragma once

// The host's three orthographic views. They share one centre (a world point,
// shown at the middle of each pane's drawing area) and one scale (pixels per
// world unit), so zooming, scrolling or panning in one pane moves all three,
// as in the host. +y is up; top looks down -y, front looks along -z, side
// looks along -x.

#include "sandbox/views/scene_model.h"
#include "sandbox/views/world_math.h"

struct OrthoView {
    Point3 centre;
    double scale = 1;
};

// Pane types of the three orthographic panes (the host's get_pane_type).
bool IsOrthographicPane(int paneType);

// Where a world point shows in an orthographic pane.
PanePoint OrthoToPane(const OrthoView& view, int paneType, const PaneArea& area, const Point3& p);

// The world point shown at a pane point; the coordinate the pane does not
// show is the centre's.
Point3 OrthoFromPane(const OrthoView& view, int paneType, const PaneArea& area, const PanePoint& q);

// One zoom step of the host multiplies or divides the scale by this.
constexpr double OrthoZoomStep = 1.25;

// The views enlarged (zoomIn) or reduced about a world point, which stays
// where it shows in every pane.
OrthoView OrthoZoomedAbout(const OrthoView& view, const Point3& point, bool zoomIn);

// The views centred on a world point, at the same scale.
OrthoView OrthoScrolledTo(const OrthoView& view, const Point3& point);

// The drawing moved with the pointer by (dx, dy) pixels in a pane.
OrthoView OrthoPannedBy(const OrthoView& view, int paneType, double dx, double dy);

// Centred on the bounds, at the largest scale that shows them whole, with a
// margin, in each of the three areas: those of the top, front and side panes,
// in pane-type order.
OrthoView OrthoFitted(const WorldBounds& bounds, const PaneArea areas[3]);
