#pragma once

// The unit-test executable replaces the global operator new and delete; this
// counts every allocation made through them, in any form, since the process
// started.

#include <cstdint>

int64_t AllocationCount();

// The last block that the global operator delete freed.
void* LastFreedBlock();
