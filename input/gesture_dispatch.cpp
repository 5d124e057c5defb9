#include "input/gesture_dispatch.h"

#include <windows.h>

#include "camera/drag_operations.h"
#include "camera/view_commands.h"
#include "camera/wheel_operations.h"
#include "host/host.h"
#include "state/session_state.h"
#include "state/settings.h"
#include "input/hook_system_calls.h"

namespace {

int32_t DragSetting(uint16_t keys)
{
    if (keys & MK_LBUTTON)
        return PluginSettings.Option1;
    if (keys & MK_RBUTTON)
        return PluginSettings.Option2;
    return PluginSettings.Option3;
}

int32_t DoubleClickSetting(uint16_t keys)
{
    if (keys & MK_CONTROL)
        return PluginSettings.Option12;
    if (keys & MK_SHIFT)
        return PluginSettings.Option13;
    return PluginSettings.Option11;
}

Vec3 ZoomCentre(const Scene& scene, int32_t setting)
{
    switch (setting) {
    case 0:
        return scene.drawing_centre();
    case 1:
        return scene.cursor_position();
    default:
        return SelectionCentre(scene);
    }
}

// Pixels of the figure window's display as pixels of one at 96 dpi, when the
// user asked for the same hand movement at every display scale. A host the
// system scales for it is told 96 dpi: its pixels are already of that kind.
float DisplayScaleFactor()
{
    if (PluginSettings.FollowDisplayScale == 0)
        return 1.0f;
    return static_cast<float>(USER_DEFAULT_SCREEN_DPI) / static_cast<float>(HookSystem.windowDpi(SessionState.FigureWindow));
}

}  // namespace

const int32_t& CameraWheelSetting(uint16_t keys)
{
    if (keys & MK_LBUTTON)
        return PluginSettings.Option5;
    if (keys & MK_RBUTTON)
        return PluginSettings.Option6;
    if (keys & MK_MBUTTON)
        return PluginSettings.Option7;
    return PluginSettings.Option4;
}

const int32_t& ZoomCentreSetting(uint16_t keys)
{
    if (keys & MK_CONTROL)
        return PluginSettings.Option9;
    if (keys & MK_SHIFT)
        return PluginSettings.Option10;
    return PluginSettings.Option8;
}

void RunDragOperation(uint16_t keys, float dx, float dy)
{
    const int32_t operation = DragSetting(keys);
    const bool orbit = operation == 0 || operation == 1 || operation == 3;
    const float factor =
        SpeedFactor(orbit ? PluginSettings.OrbitSpeed : PluginSettings.PanSpeed) * DisplayScaleFactor();
    dx *= factor;
    dy *= factor;
    switch (operation) {
    case 0:
        OrbitEye(dx, dy);
        break;
    case 1:
        OrbitTarget(dx, dy);
        break;
    case 3:
        OrbitAboutSelection(dx, dy);
        break;
    default:
        PanCamera(dx, dy);
        break;
    }
}

void PrepareDragOperation(uint16_t button)
{
    if (DragSetting(button) == 3)
        TakeOrbitPivot();
}

void RunWheelOperation(int16_t delta, uint16_t keys)
{
    switch (CameraWheelSetting(keys)) {
    case 0:
        DollyEye(delta, keys);
        break;
    case 1:
        DollyTarget(delta, keys);
        break;
    case 2:
        ChangeFocalLength(delta, keys);
        break;
    default:
        ChangeBank(delta, keys);
        break;
    }
}

void RunWheelZoom(int16_t delta, uint16_t keys)
{
    if (SessionState.App == nullptr)
        return;
    const Scene scene = Scene::Of(*SessionState.App);
    const Vec3 centre = ZoomCentre(scene, ZoomCentreSetting(keys));
    // A negative delta was turned toward the user; a delta of 0 zooms out.
    const bool zoomIn = TowardZoomsIn(PluginSettings.Rotate) ? delta < 0 : delta > 0;
    ZoomAboutPoint(scene, centre, zoomIn ? ZoomDirection::In : ZoomDirection::Out);
}

void RunDoubleClickCommand(uint16_t keys)
{
    if (SessionState.App == nullptr)
        return;
    const Scene scene = Scene::Of(*SessionState.App);
    switch (DoubleClickSetting(keys)) {
    case 0:
        FitDrawing(scene);
        break;
    case 1:
        ScrollToSelection(scene);
        break;
    default:
        ScrollToOrigin(scene);
        break;
    }
}
