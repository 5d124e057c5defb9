#include "input/wheel.h"

#include "camera/view_commands.h"
#include "camera/wheel_operations.h"
#include "host/host.h"
#include "input/hook_system_calls.h"
#include "input/perspective_pane.h"
#include "state/session_state.h"
#include "state/settings.h"
#include "state/wheel_accumulator.h"

namespace {

// The settings field that chooses what a wheel message does. A wheel turned
// under another field is another operation, whose parts start afresh.
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

// Every value outside the set acts as its last operation.
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

}  // namespace

Ending OnWheel(const MSG& message, bool removed)
{
    // The pointer decides, not the window the message is aimed at.
    const POINT screen = {X(message.lParam), Y(message.lParam)};
    if (HookSystem.windowFromPoint(screen) != SessionState.FigureWindow)
        return Ending::Pass;
    int16_t delta = WheelDelta(message.wParam);
    const uint16_t keys = Keys(message.wParam);
    const UINT pause = HookSystem.getDoubleClickTime();
    if (CameraCondition()) {
        // The delivery that removes the message acts, and only it adds: a host
        // that peeks first and one that never peeks both get one step a notch.
        if (removed && WheelStepDue(SessionState.WheelSum, delta, &CameraWheelSetting(keys), message.time, pause))
            Act([&] { RunWheelOperation(delta, keys); });
    } else if (LatchActs(SessionState.MiddleLatch) &&
               WheelStepDue(SessionState.WheelSum, delta, &ZoomCentreSetting(keys), message.time, pause)) {
        // Only the acting delivery adds, so a peeked and removed part counts once.
        Act([&] { RunWheelZoom(delta, keys); });
    }
    return Ending::Consume;
}
