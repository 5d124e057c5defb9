#include "state/wheel_accumulator.h"

namespace {

constexpr int32_t Notch = 120;

bool WholeNotchOrZero(int32_t delta)
{
    return delta == 0 || delta >= Notch || delta <= -Notch;
}

}  // namespace

bool WheelStepDue(WheelSumRecord& sum, int16_t& delta, const int32_t* setting, uint32_t time, uint32_t pause)
{
    if (WholeNotchOrZero(delta)) {
        sum.Sum = 0;
        return true;
    }
    // Unsigned difference: the tick count wraps, and a time that went back
    // reads as a long pause.
    const bool afresh =
        sum.Sum == 0 || setting != sum.Setting || (sum.Sum < 0) != (delta < 0) || time - sum.Time > pause;
    sum.Sum = afresh ? delta : sum.Sum + delta;
    sum.Setting = setting;
    sum.Time = time;
    if (sum.Sum > -Notch && sum.Sum < Notch)
        return false;
    const int32_t step = sum.Sum > 0 ? Notch : -Notch;
    sum.Sum -= step;
    delta = static_cast<int16_t>(step);
    return true;
}
