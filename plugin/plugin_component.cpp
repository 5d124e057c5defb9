#include "plugin/plugin_component.h"

#include "plugin/attachment.h"
#include "plugin/component_type_information.h"
#include "state/session_state.h"
#include "ui/camera_readout.h"
#include "ui/config_dialog.h"
#include "ui/resource_ids.h"

plugin_component::plugin_component()
{
    UseMicrosoftTypeInformation(this);
}

unknown_interface* plugin_component::destroy(unsigned flags)
{
    if (flags & 1)
        delete this;
    return this;
}

void plugin_component::open_configuration(intptr_t, IUnknown*)
{
    try {
        ShowConfigDialog();
    } catch (...) {
        // Nothing may reach the host; without a dialog nothing else happens.
    }
}

void plugin_component::camera_changed(bool&, HostScene* scene)
{
    if (scene == nullptr)
        return;
    try {
        ShowCameraValues(*scene);
    } catch (...) {
        // The host failed; the camera has been released and nothing is reported.
    }
}

// The attachment runs once per process, whichever component the host calls,
// and also when the host calls attach again from inside attach_call; every call
// puts the two camera-memory buttons back to disabled.
void plugin_component::attach(bool&, HostAttachContext* context)
{
    if (SessionState.FirstAttach != 0 && context != nullptr) {
        SessionState.FirstAttach = 0;
        try {
            AttachToHost(*context);
        } catch (...) {
            // The host failed before anything was created; the next attach
            // tries again.
            SessionState.FirstAttach = 1;
        }
    }
    EnableWindow(GetDlgItem(SessionState.ControlWindow, IDC_RESTORE_BUTTON), FALSE);
    EnableWindow(GetDlgItem(SessionState.ControlWindow, IDC_UNDO_BUTTON), FALSE);
}

Uuid128* plugin_component::component_uuid(Uuid128* result)
{
    *result = ComponentUuid();
    return result;
}
