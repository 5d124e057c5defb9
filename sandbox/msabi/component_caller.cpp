// The host's calls into the plug-in, compiled in Microsoft's C++ ABI: the
// discovery exports through their addresses, the component through its table.

#include "sandbox/host_bridge.h"
#include "sandbox/msabi/host_api.h"

namespace {

using HasInterface = int (*)(const Uuid128& id);
using GetName = const char* (*)(const Uuid128& id, int index, HostApp* app);
using GetUuid = Uuid128 (*)(const Uuid128& id, int index);
using CreateInterface = int (*)(const Uuid128& id, int index, plugin_interface** component);
using IsResident = bool (*)(const Uuid128& id, int index);
using GetInfo = void (*)(SandboxInfoRecord* record);
using GetTextEncoding = int (*)();

Uuid128 ToUuid(const unsigned char bytes[16])
{
    Uuid128 id;
    unsigned char* target = reinterpret_cast<unsigned char*>(&id);
    for (int i = 0; i < 16; ++i)
        target[i] = bytes[i];
    return id;
}

void FromUuid(const Uuid128& id, unsigned char bytes[16])
{
    const unsigned char* source = reinterpret_cast<const unsigned char*>(&id);
    for (int i = 0; i < 16; ++i)
        bytes[i] = source[i];
}

plugin_interface* Component(void* component)
{
    return static_cast<plugin_interface*>(component);
}

// Slot `index` of the component's table, called with the argument list of a
// default kind. Results other than structs come back as on any x64 call, so
// plain function pointers taking the object first make the same call.
template <class Function>
Function Slot(void* component, int index)
{
    return reinterpret_cast<Function>((*static_cast<void***>(component))[index]);
}

// An operation returning a Uuid128 at any slot, called the way this compiler
// calls a member returning a struct: through a class whose only operation is
// at slot 0, over a table that starts at the probed slot. Neither such
// operation reads its object.
class UuidCall {
public:
    virtual Uuid128 call() = 0;
};

Uuid128 CallUuidSlot(void* component, int index)
{
    struct Shifted {
        void** table;
    } shifted{*static_cast<void***>(component) + index};
    return reinterpret_cast<UuidCall*>(&shifted)->call();
}

void CallAsKind(void* component, int index, int kind, SandboxSlotProbe* probe)
{
    bool flag = true;
    switch (kind) {
    case SandboxSlotTrue:
    case SandboxSlotFalse:
        probe->result = Slot<bool (*)(void*, bool&)>(component, index)(component, flag) ? 1 : 0;
        break;
    case SandboxSlotZero:
        probe->result = reinterpret_cast<long long>(Slot<void* (*)(void*, bool&)>(component, index)(component, flag));
        break;
    case SandboxSlotOne:
        probe->result = Slot<int (*)(void*, bool&)>(component, index)(component, flag);
        break;
    case SandboxSlotNothing:
    case SandboxSlotClear:
    case SandboxSlotThrow:
        Slot<void (*)(void*, bool&)>(component, index)(component, flag);
        break;
    case SandboxSlotClearAndTrue:
        probe->result = Slot<bool (*)(void*, bool&)>(component, index)(component, flag) ? 1 : 0;
        break;
    case SandboxSlotEcho:
        probe->result = Slot<int (*)(void*, int, int)>(component, index)(component, 0, 0x5A17);
        break;
    case SandboxSlotZeroIdentifier: {
        Uuid128 id = CallUuidSlot(component, index);
        FromUuid(id, probe->uuid);
        break;
    }
    default:
        break;
    }
    probe->flagAfter = flag ? 1 : 0;
}

}  // namespace

extern "C" {

int sandbox_has_interface(const SandboxExports* exports, const unsigned char id[16])
{
    return reinterpret_cast<HasInterface>(exports->has_interface)(ToUuid(id));
}

const char* sandbox_get_name(const SandboxExports* exports, const unsigned char id[16], int index, void* app)
{
    return reinterpret_cast<GetName>(exports->get_name)(ToUuid(id), index, static_cast<HostApp*>(app));
}

void sandbox_get_uuid(const SandboxExports* exports, const unsigned char id[16], int index, unsigned char uuid[16])
{
    FromUuid(reinterpret_cast<GetUuid>(exports->get_uuid)(ToUuid(id), index), uuid);
}

int sandbox_create_interface(const SandboxExports* exports, const unsigned char id[16], int index, void** component)
{
    plugin_interface* created = static_cast<plugin_interface*>(*component);
    const int result = reinterpret_cast<CreateInterface>(exports->create_interface)(ToUuid(id), index, &created);
    *component = created;
    return result;
}

int sandbox_is_resident(const SandboxExports* exports, const unsigned char id[16], int index)
{
    return reinterpret_cast<IsResident>(exports->is_resident)(ToUuid(id), index) ? 1 : 0;
}

void sandbox_get_info(const SandboxExports* exports, SandboxInfoRecord* record)
{
    reinterpret_cast<GetInfo>(exports->get_info)(record);
}

int sandbox_get_text_encoding(const SandboxExports* exports)
{
    return reinterpret_cast<GetTextEncoding>(exports->get_text_encoding)();
}

int sandbox_component_add_ref(void* component)
{
    return static_cast<int>(Component(component)->AddRef());
}

int sandbox_component_release(void* component)
{
    return static_cast<int>(Component(component)->Release());
}

void sandbox_component_delete(void* component)
{
    delete Component(component);
}

void sandbox_component_attach(void* component, void* context, int* flagAfter)
{
    bool flag = true;
    Component(component)->attach(flag, static_cast<HostAttachContext*>(context));
    *flagAfter = flag ? 1 : 0;
}

void sandbox_component_camera_changed(void* component, void* scene, int* flagAfter)
{
    bool flag = true;
    Component(component)->camera_changed(flag, static_cast<HostScene*>(scene));
    *flagAfter = flag ? 1 : 0;
}

void sandbox_component_open_configuration(void* component)
{
    Component(component)->open_configuration(0, static_cast<HostApp*>(sandbox_host_app()));
}

void sandbox_component_uuid(void* component, unsigned char uuid[16])
{
    FromUuid(Component(component)->component_uuid(), uuid);
}

int sandbox_component_version_number(void* component)
{
    return Component(component)->version_number();
}

void sandbox_component_zero_identifier(void* component, unsigned char uuid[16])
{
    FromUuid(Component(component)->op107(), uuid);
}

const char* sandbox_component_type_name(void* component)
{
    const plugin_interface& object = *Component(component);
    return typeid(object).name();
}

void* sandbox_component_cast_to_interface(void* component)
{
    IUnknown* unknown = Component(component);
    return dynamic_cast<plugin_interface*>(unknown);
}

void* sandbox_component_cast_to_object(void* component)
{
    IUnknown* unknown = Component(component);
    return dynamic_cast<void*>(unknown);
}

void sandbox_component_shape_to_part(void* component, int shapeIndex, int* flagAfter)
{
    HostShape* shapes[SandboxMaxShapes];
    HostScene* scene = static_cast<HostScene*>(sandbox_host_scene());
    const int count = scene->get_active_shapes(shapes, 0);
    bool flag = true;
    if (shapeIndex >= 0 && shapeIndex < count)
        Component(component)->op113(flag, shapes[shapeIndex], 0, 1.5f, 7);
    *flagAfter = flag ? 1 : 0;
}

void sandbox_slot_open_configuration(void* component, int index)
{
    Slot<void (*)(void*, intptr_t, IUnknown*)>(component, index)(component, 0,
                                                                  static_cast<HostApp*>(sandbox_host_app()));
}

void sandbox_slot_camera_changed(void* component, int index, void* scene, int* flagAfter)
{
    bool flag = true;
    Slot<void (*)(void*, bool&, HostScene*)>(component, index)(component, flag, static_cast<HostScene*>(scene));
    *flagAfter = flag ? 1 : 0;
}

int sandbox_slot_version_number(void* component, int index)
{
    return Slot<int (*)(void*)>(component, index)(component);
}

void sandbox_slot_attach(void* component, int index, void* context, int* flagAfter)
{
    bool flag = true;
    Slot<void (*)(void*, bool&, HostAttachContext*)>(component, index)(component, flag,
                                                                       static_cast<HostAttachContext*>(context));
    *flagAfter = flag ? 1 : 0;
}

void sandbox_slot_component_uuid(void* component, int index, unsigned char uuid[16])
{
    FromUuid(CallUuidSlot(component, index), uuid);
}

void sandbox_slot_shape_to_part(void* component, int index, int shapeIndex, int* flagAfter)
{
    HostShape* shapes[SandboxMaxShapes];
    HostScene* scene = static_cast<HostScene*>(sandbox_host_scene());
    const int count = scene->get_active_shapes(shapes, 0);
    bool flag = true;
    if (shapeIndex >= 0 && shapeIndex < count)
        Slot<void (*)(void*, bool&, shape_class*, intptr_t, float, intptr_t)>(component, index)(
            component, flag, shapes[shapeIndex], 0, 1.5f, 7);
    *flagAfter = flag ? 1 : 0;
}

void sandbox_probe_slot(void* component, int index, int kind, SandboxSlotProbe* probe)
{
    *probe = SandboxSlotProbe{};
    for (int i = 0; i < 16; ++i)
        probe->uuid[i] = 0xCC;
    try {
        CallAsKind(component, index, kind, probe);
    } catch (char* text) {
        probe->thrownCharPointer = text;
    } catch (...) {
        probe->threwOther = 1;
    }
    if (kind == SandboxSlotThrow) {
        try {
            bool flag = true;
            Slot<void (*)(void*, bool&)>(component, index)(component, flag);
        } catch (void* pointer) {
            probe->thrownVoidPointer = pointer;
        } catch (...) {
            probe->threwOther = 1;
        }
    }
}

}  // extern "C"
