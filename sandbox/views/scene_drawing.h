#pragma once

// What the figure window shows: four framed panes, each with its title in its
// top 16 pixels at 96 dpi, as many more at a larger scale as the title's text
// grows; the scene's wireframes in the three orthographic panes and, through
// the camera, in the perspective pane. Drawn with plain GDI.

#include <windows.h>

#include "sandbox/views/ortho_view.h"

// The height of a pane's title at the screen's DPI.
int PaneTitleHeight();

struct FigurePane {
    RECT rect;  // client pixels of the figure window
    int type;   // the host's pane type
    const char* title;
};

// Where a pane draws its scene: its rectangle without the frame and the title.
PaneArea DrawingArea(const RECT& paneRect);

// Colours of the picture: shapes are saturated colours, everything else
// (background, grid, axes, frames, titles, the camera) is grey, so a picture's
// shapes can be told from the rest by saturation alone.
constexpr COLORREF SelectedShapeColour = RGB(255, 140, 0);

// Draws the four panes. Without a scene (`scene` null) only frames and titles.
void DrawFigure(HDC dc, const RECT& client, const FigurePane panes[4], const SandboxHostState* scene,
                const OrthoView& view);
