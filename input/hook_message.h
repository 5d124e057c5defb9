#pragma once

// What every gesture of the message hook shares: the three ways a message
// ends, reading a message's point, keys and wheel delta, the alternation latch,
// and acting inside the host without letting a failure change the ending.

#include <windows.h>

#include <cstdint>

// Pass: on to the next hook, unchanged. Keep: to the host as it is, the next
// hook skipped. Consume: blanked to WM_NULL.
enum class Ending { Pass, Keep, Consume };

// A mouse message's point, each coordinate a signed 16-bit number.
inline int X(LPARAM lParam)
{
    return static_cast<int16_t>(lParam & 0xFFFF);
}

inline int Y(LPARAM lParam)
{
    return static_cast<int16_t>((lParam >> 16) & 0xFFFF);
}

// The MK_ key-state flags of a mouse message.
inline uint16_t Keys(WPARAM wParam)
{
    return static_cast<uint16_t>(wParam & 0xFFFF);
}

inline int16_t WheelDelta(WPARAM wParam)
{
    return static_cast<int16_t>((wParam >> 16) & 0xFFFF);
}

// One delivery acts, the next only blanks its message, and so on: the host
// peeks at mouse messages before it removes them, so each arrives twice.
inline bool LatchActs(int32_t& latch)
{
    if (latch != 0) {
        latch = 0;
        return true;
    }
    latch = 1;
    return false;
}

// An action's failure inside the host must not change how the message ends,
// nor leave the hook as an exception.
template <class Action>
void Act(Action&& action) noexcept
{
    try {
        action();
    } catch (...) {
    }
}
