#pragma once

// The camera-mode wheel steps, one call per wheel message. `delta` is the
// signed wheel delta (only its sign counts: positive turned away from the user),
// `keys` the MK_* flags of the message. MK_SHIFT picks the fine step and takes
// precedence over MK_CONTROL, which picks the coarse one. Each call reads the
// camera, writes one value, repaints the figure window and releases camera and
// scene; while SessionState.App is null it does nothing. A value that would not
// be finite is not written, and then nothing is repainted either. Rotate = +1
// stands for any value TowardZoomsIn takes as zooming in, -1 for any other.
//
// The steps below are those of a WheelSpeed of 100: each goes WheelSpeed
// percent as far (10 to 1000), with Shift and Ctrl alike. A scaling step never
// scales by less than ½, so that no notch brings the eye onto the target.

#include <cstdint>

// Scales the eye's distance from the target by 1 ± step (0.001, 0.1, 0.01).
// With Rotate = +1 turning away backs the eye off; a delta of 0 counts as
// turned toward the user.
void DollyEye(int16_t delta, uint16_t keys);

// Scales the target's distance from the eye by 1 ± step. With Rotate = +1
// turning away brings the target closer; a delta of 0 counts as turned away.
void DollyTarget(int16_t delta, uint16_t keys);

// Scales the zoom by 1 ± step, kept within 9..720. With Rotate = +1 turning
// away shrinks it; a delta of 0 counts as turned away.
void ChangeFocalLength(int16_t delta, uint16_t keys);

// Adds ±step (0.005, 0.1, 0.05) radians to the bank: turning away lowers it,
// whatever Rotate says, and a delta of 0 counts as turned toward the user. A
// result beyond ±π is written as ±π and not repainted.
void ChangeBank(int16_t delta, uint16_t keys);
