#include "plugin/discovery.h"

#include <new>

#include "host/host_language.h"
#include "plugin/plugin_component.h"
#include "state/session_state.h"
#include "ui/texts/texts.h"

namespace {

bool Matches(const Uuid128& id)
{
    return CompareInterfaceId(id, PluginInterfaceId) == 0;
}

}  // namespace

extern "C" {

int32_t has_interface(const Uuid128& id)
{
    return Matches(id) ? 1 : 0;
}

const char* get_name(const Uuid128& id, int32_t index, HostApp* app)
{
    if (!Matches(id))
        return nullptr;
    SessionState.App = app;
    if (index != 0)
        return nullptr;
    // Nothing is cached: every call asks the host again.
    return AskHostLanguage(app) == HostLanguage::Japanese ? MenuNameJapanese : MenuNameEnglish;
}

Uuid128 get_uuid(const Uuid128& id, int32_t index)
{
    if (Matches(id) && index == 0)
        return ComponentUuid();
    return Uuid128{};
}

int32_t create_interface(const Uuid128& id, int32_t index, void** component)
{
    const int comparison = CompareInterfaceId(id, PluginInterfaceId);
    if (comparison != 0)
        return comparison;
    if (index != 0)
        return 0;
    auto* created = new (std::nothrow) plugin_component();
    if (created == nullptr)
        return 0;
    const ULONG count = created->AddRef();
    *component = created;
    return static_cast<int32_t>(count);
}

bool is_resident(const Uuid128& id, int32_t index)
{
    return Matches(id) && index == 0;
}

void get_info(HostInfoRecord* record)
{
    record->version = 430196;
    record->kind = 5;
    record->reserved1 = 0;
    record->reserved2 = 0;
    record->reserved3 = 0;
    record->name = InfoPluginName;
    record->maker = InfoMakerName;
    record->makerAgain = InfoMakerNameAgain;
    record->description = InfoDescription;
}

int32_t get_text_encoding()
{
    return TextEncodingCodePage;
}

}  // extern "C"
