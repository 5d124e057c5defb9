#pragma once

// The plug-in library's discovery functions, as the host finds them, for
// calls through the sandbox host's Microsoft-ABI caller.

#include "plugin/discovery.h"
#include "sandbox/host_bridge.h"

inline SandboxExports LinkedDiscoveryExports()
{
    SandboxExports exports{};
    exports.has_interface = reinterpret_cast<void*>(&has_interface);
    exports.get_name = reinterpret_cast<void*>(&get_name);
    exports.get_uuid = reinterpret_cast<void*>(&get_uuid);
    exports.create_interface = reinterpret_cast<void*>(&create_interface);
    exports.is_resident = reinterpret_cast<void*>(&is_resident);
    exports.get_info = reinterpret_cast<void*>(&get_info);
    exports.get_text_encoding = reinterpret_cast<void*>(&get_text_encoding);
    return exports;
}
