#pragma once

// The unit-test executable replaces the global operator new; this counts every
// allocation made through it, in any form, since the process started.

#include <cstdint>

int64_t AllocationCount();
