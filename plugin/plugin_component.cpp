#include "plugin/plugin_component.h"

#include "input/session_state.h"

namespace {

constexpr int UndoButtonId = 1007;
constexpr int RestoreButtonId = 1009;

}  // namespace

unknown_interface* plugin_component::destroy(unsigned flags)
{
    if (flags & 1)
        delete this;
    return this;
}

void plugin_component::open_configuration(intptr_t, IUnknown*) {}

void plugin_component::camera_changed(bool&, HostScene*) {}

// The attachment runs once per process, whichever component the host calls;
// every call puts the two camera-memory buttons back to disabled.
void plugin_component::attach(bool&, HostAttachContext*)
{
    if (SessionState.FirstAttach != 0)
        SessionState.FirstAttach = 0;
    EnableWindow(GetDlgItem(SessionState.ControlWindow, RestoreButtonId), FALSE);
    EnableWindow(GetDlgItem(SessionState.ControlWindow, UndoButtonId), FALSE);
}

Uuid128* plugin_component::component_uuid(Uuid128* result)
{
    *result = ComponentUuid();
    return result;
}
