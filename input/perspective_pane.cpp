#include "input/perspective_pane.h"

#include <cstdint>

#include "host/host.h"
#include "input/hook_system_calls.h"
#include "state/session_state.h"
#include "state/settings.h"

namespace {

constexpr int PaneCount = 4;
constexpr int PerspectivePaneType = 3;
// A pane's title bar is not part of it.
constexpr int64_t TitleMargin = 16;

bool Contains(const HostRect& pane, POINT p)
{
    return pane.left < p.x && p.x < pane.right && pane.top + TitleMargin < p.y && p.y < pane.bottom;
}

}  // namespace

int CursorInPerspectivePane()
{
    if (SessionState.App == nullptr)
        return 0;
    const Scene scene = Scene::Of(*SessionState.App);
    const FigureView figure = scene.figure_window();
    POINT pointer = {0, 0};
    HookSystem.getCursorPos(&pointer);
    for (int pane = 0; pane < PaneCount; ++pane) {
        if (Contains(scene.pane_rect(pane), pointer))
            return figure.pane_type(pane) == PerspectivePaneType ? 1 : 0;
    }
    return 0;
}

bool CameraCondition()
{
    return InCameraMode() && (PluginSettings.PerspectiveOnly == 0 || CursorInPerspectivePane() != 0);
}

bool DragCondition()
{
    return InCameraMode() && (PluginSettings.PerspectiveOnly == 0 ||
                              (CursorInPerspectivePane() != 0 && SessionState.PressedInPerspective != 0));
}
