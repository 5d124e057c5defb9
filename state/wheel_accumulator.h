#pragma once

// Precision touchpads, high-resolution and free-spinning wheels turn in parts
// of a notch and send a message for each part. Those parts are added up here,
// so that every wheel takes one step per whole notch as a classic mouse does.

#include <cstdint>

// The parts of a notch not yet acted on, and what they were turned under.
struct WheelSumRecord {
    int32_t Sum = 0;  // always less than a notch either way
    const int32_t* Setting = nullptr;  // the settings field that chose the operation
    uint32_t Time = 0;  // message time of the last part
};

// One wheel message of `delta` under the settings field `setting`, with the
// message time `time`. Returns whether the wheel acts now; `delta` is then what
// it acts with. A whole notch or more, and a delta of 0, act unchanged and drop
// the sum. A smaller delta is added to the sum, which starts afresh when its
// direction or the setting differs or more than `pause` milliseconds have
// passed since its last part; when the sum reaches a notch it acts once with a
// notch in the sum's direction and keeps the rest.
bool WheelStepDue(WheelSumRecord& sum, int16_t& delta, const int32_t* setting, uint32_t time, uint32_t pause);
