#pragma once

// Sizes given for 96 dpi scaled to a window's display as Windows scales them,
// and the plug-in's icons at a size.

#include <windows.h>

#include "host/window_dpi.h"

// Pixels at 96 dpi at `dpi`, rounded as Windows rounds (MulDiv).
inline int ScaledPixels(int pixels, int dpi)
{
    return MulDiv(pixels, dpi, USER_DEFAULT_SCREEN_DPI);
}

// A new copy of the plug-in's icon at `size` x `size`, from the image of that
// size where the icon has one; the caller destroys it.
HICON LoadPluginIcon(int id, int size);
