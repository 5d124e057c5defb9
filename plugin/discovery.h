#pragma once

// The seven functions through which the host discovers the plug-in's one
// component. Exported under exactly these names (see exports.def).

#include <cstdint>

#include "host/host_sdk.h"
#include "plugin/uuid.h"

// The host's record that get_info fills; the first field is the host's own.
struct HostInfoRecord {
    int32_t hostField;
    int32_t version;
    int32_t kind;
    int32_t reserved1;
    int32_t reserved2;
    int32_t reserved3;
    const char* name;
    const char* maker;
    const char* makerAgain;
    const char* description;
};
static_assert(sizeof(HostInfoRecord) == 56, "the host's layout");

constexpr int32_t TextEncodingCodePage = 932;

extern "C" {
int32_t has_interface(const Uuid128& id);
const char* get_name(const Uuid128& id, int32_t index, HostApp* app);
Uuid128 get_uuid(const Uuid128& id, int32_t index);
int32_t create_interface(const Uuid128& id, int32_t index, void** component);
bool is_resident(const Uuid128& id, int32_t index);
void get_info(HostInfoRecord* record);
int32_t get_text_encoding();
}
