#pragma once

class HostAttachContext;

// The one-time attachment to the host's windows, run by the component's first
// attach: records the main window and its first child, the figure window;
// asks the host's language, which the plug-in's windows speak from then on;
// keeps the module loaded for the rest of the process (and, should the system
// refuse, stops there); loads the status-bar library; loads the host's pan
// cursor; creates the hidden control window; adds the status pane; loads the
// settings; enters the start mode; shows the control window when the settings
// ask for it; and hooks the figure window's thread.
// A host failure propagates as HostCallFailed; it can only come from the first
// two steps, before anything has been created.
void AttachToHost(HostAttachContext& context);
