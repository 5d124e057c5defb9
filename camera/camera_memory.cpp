#include "camera/camera_memory.h"

#include <windows.h>

#include <cmath>

#include "camera/figure_repaint.h"
#include "camera/geometry.h"
#include "host/host.h"
#include "state/session_state.h"

namespace {

constexpr int UndoButtonId = 1007;
constexpr int RestoreButtonId = 1009;

bool IsOrigin(const Vec3& v)
{
    return v.x == 0.0f && v.y == 0.0f && v.z == 0.0f;
}

// Whether the slot can go back to the host. The slots are all zeros from module
// load until their first fill; written to the host, that would put eye and
// target both at the origin with a zoom of 0, which is no usable camera, so an
// all-zero slot counts as empty. Nothing that is not finite is written either.
bool IsWritable(const CameraSnapshot& slot)
{
    const bool empty = IsOrigin(slot.eye) && IsOrigin(slot.target) && slot.zoom == 0.0f && slot.bank == 0.0f;
    return !empty && IsFinite(slot.eye) && IsFinite(slot.target) && std::isfinite(slot.zoom) &&
           std::isfinite(slot.bank);
}

void EnableControlButton(int id)
{
    if (SessionState.ControlWindow != nullptr)
        EnableWindow(GetDlgItem(SessionState.ControlWindow, id), TRUE);
}

// The slot is replaced only once all four values have been read.
void TakeSnapshot(CameraSnapshot& slot, int buttonId)
{
    if (SessionState.App == nullptr)
        return;
    const Scene scene = Scene::Of(*SessionState.App);
    const Camera camera = scene.camera();
    CameraSnapshot snapshot{};
    snapshot.eye = camera.eye();
    snapshot.target = camera.target();
    snapshot.zoom = camera.zoom();
    snapshot.bank = camera.bank();
    slot = snapshot;
    EnableControlButton(buttonId);
}

// Writes the slot back as it was read, outside the wheel's limits. An empty
// slot, or one holding values the host cannot take, leaves the camera alone.
void WriteSnapshot(const CameraSnapshot& slot)
{
    if (SessionState.App == nullptr || !IsWritable(slot))
        return;
    const Scene scene = Scene::Of(*SessionState.App);
    const Camera camera = scene.camera();
    camera.set_eye(slot.eye);
    camera.set_target(slot.target);
    camera.set_zoom(slot.zoom);
    camera.set_bank(slot.bank);
    RepaintFigureWindow();
}

}  // namespace

void SaveUndoSnapshot()
{
    TakeSnapshot(SessionState.UndoCamera, UndoButtonId);
}

void UndoCameraDrag()
{
    WriteSnapshot(SessionState.UndoCamera);
}

void StoreCamera()
{
    TakeSnapshot(SessionState.MemoryCamera, RestoreButtonId);
}

void RestoreCamera()
{
    WriteSnapshot(SessionState.MemoryCamera);
}
