#include "sandbox/plugin_loader.h"

const unsigned char HostPluginInterfaceId[16] = {0x69, 0x7D, 0xE4, 0x50, 0x22, 0x89, 0xD1, 0x11,
                                                 0x9A, 0x00, 0x00, 0xC0, 0x4F, 0xCC, 0x9C, 0x26};

LoadedPlugin LoadPlugin(const char* path)
{
    LoadedPlugin plugin;
    plugin.module = LoadLibraryA(path);
    if (plugin.module == nullptr)
        return plugin;
    auto find = [&](const char* name) {
        return reinterpret_cast<void*>(GetProcAddress(plugin.module, name));
    };
    plugin.exports.has_interface = find("has_interface");
    plugin.exports.get_name = find("get_name");
    plugin.exports.get_uuid = find("get_uuid");
    plugin.exports.create_interface = find("create_interface");
    plugin.exports.is_resident = find("is_resident");
    plugin.exports.get_info = find("get_info");
    plugin.exports.get_text_encoding = find("get_text_encoding");
    const SandboxExports& e = plugin.exports;
    plugin.complete = e.has_interface && e.get_name && e.get_uuid && e.create_interface && e.is_resident &&
                      e.get_info && e.get_text_encoding;
    return plugin;
}
