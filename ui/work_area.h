#pragma once

// Keeping the plug-in's windows where the user can reach them: whole on the
// work area of their monitor, clear of the taskbar.

#include <windows.h>

// The top-left corner nearest `place` at which a window of `size` lies whole
// on the work area of the monitor it would mostly be on, or of the nearest
// one: moved left or up only as far as its right or bottom edge asks, right or
// down only where it would start before the work area. A window larger than
// the work area keeps its left or top edge on it.
POINT PlaceOnWorkArea(POINT place, SIZE size);
