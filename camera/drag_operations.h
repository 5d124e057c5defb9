#pragma once

// The camera-mode drags, one call per mouse-move message. dx and dy are the
// pointer's movement since the previous message in pixels (x right, y down),
// already scaled for Ctrl and Shift by the caller. Each call with a movement
// reads the camera, writes the moved point or points, repaints the figure
// window and releases camera and scene. A call without movement, or while
// SessionState.App is null, touches nothing. No heap allocation, as these run
// at the rate of mouse-move messages; only the first step of an orbit about the
// selection whose press did not look for its pivot allocates, as the press
// would have, to list the selected shapes.
//
// The camera is left unchanged (no write, no repaint) when the move has no
// finite result, as for eye and target at the same place.

// Moves the eye on the sphere about the target: dx degrees of azimuth about
// the vertical (+y), dy degrees of polar angle times OrbitVerticalSign. Going
// over a pole negates OrbitVerticalSign, so that the same screen direction keeps
// the motion going on the far side.
//
// With PluginSettings.StopAtPoles set, no orbit goes over a pole: the vertical
// part of a step stops half a degree short of looking straight down or up (a
// view already closer is brought back there), the horizontal part still
// turns, and OrbitVerticalSign is neither read nor changed.
void OrbitEye(float dx, float dy);

// Moves the target on the sphere about the eye; the azimuth turns the other way.
void OrbitTarget(float dx, float dy);

// Moves eye and target together by (dx, −dy, 0) in the camera's view space.
void PanCamera(float dx, float dy);

// Looks for the pivot of an orbit about the selection: the centre of the
// selected shapes, found as the zoom about the selection finds it. Called at
// the press of the drag; with nothing selected, or a centre that is not
// finite, there is no pivot.
void TakeOrbitPivot();

// A new press: its drag has not looked for its pivot yet.
void ForgetOrbitPivot();

// Turns eye and target together about the pivot, so that the selection stays
// where it is in the view: dx degrees about the vertical line through the
// pivot and dy degrees, times OrbitVerticalSign, about the horizontal line
// through it across the view; the view turns as OrbitEye turns it, over the
// pole or stopping short of it too; eye and target at the same place turn about the pivot as well.
// Without a pivot it is OrbitEye. A drag whose press did not look for the
// pivot (one begun before the switch to CameraMode) looks at its first step.
void OrbitAboutSelection(float dx, float dy);
