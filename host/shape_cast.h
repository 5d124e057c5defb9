#pragma once

#include "host/host_sdk.h"

// The host's dynamic_cast from shape_class to part_class: null when the shape is
// not a part. The host's objects carry Microsoft run-time type information.
part_class* CastShapeToPart(shape_class* shape);
