#pragma once

#include "plugin/plugin_interface.h"

// The one component the plug-in offers. The host owns it through its reference
// count; attachment, hook and windows belong to the process and outlive it.
class plugin_component final : public plugin_interface {
public:
    // Carries the Microsoft type information the host's runtime reads.
    plugin_component();

    unknown_interface* destroy(unsigned flags) override;
    void open_configuration(intptr_t ignored, IUnknown* host_object) override;
    void camera_changed(bool& flag, HostScene* scene) override;
    void attach(bool& flag, HostAttachContext* context) override;
    Uuid128* component_uuid(Uuid128* result) override;

    int32_t reference_count() const { return count; }
};
