#pragma once

// The host's plug-in component interface: a table of 205 operations that the
// host reaches by position. Declared so that GCC lays it out as Microsoft's
// compiler does: the destroy slot is Microsoft's deleting destructor (one slot,
// flags argument) rather than a C++ virtual destructor, which GCC would spread
// over two slots, and struct results are explicit result pointers.

#include <cstdint>

#include "host/host_sdk.h"
#include "host/shape_cast.h"
#include "plugin/invalid_interface.h"
#include "plugin/uuid.h"

class unknown_interface : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++count); }
    // Plain, not atomic: the host calls from one thread at a time.
    ULONG STDMETHODCALLTYPE Release() override
    {
        const int32_t remaining = --count;
        if (remaining != 0)
            return static_cast<ULONG>(remaining);
        destroy(1);
        return 0;
    }
    // Bit 0 of flags: free the object's memory after destroying it.
    virtual unknown_interface* destroy(unsigned flags) = 0;
    virtual bool op4() { return true; }

protected:
    unknown_interface() = default;
    ~unknown_interface() = default;

    int32_t count = 0;
};

constexpr int32_t InterfaceVersionNumber = 430286;

// Operations past the ones named by this version of the interface throw.
#define PLUGIN_SLOT_TRUE(n) \
    virtual bool op##n() { return true; }
#define PLUGIN_SLOT_FALSE(n) \
    virtual bool op##n() { return false; }
#define PLUGIN_SLOT_ZERO(n) \
    virtual void* op##n() { return nullptr; }
#define PLUGIN_SLOT_ONE(n) \
    virtual int op##n() { return 1; }
#define PLUGIN_SLOT_NOTHING(n) \
    virtual void op##n() {}
#define PLUGIN_SLOT_CLEAR(n)                                                                             \
    virtual void op##n(bool& flag, const void* = nullptr, float = 0.0f, intptr_t = 0, int = 0) \
    {                                                                                                    \
        flag = false;                                                                                    \
    }
#define PLUGIN_SLOT_CLEAR_AND_TRUE(n)   \
    virtual bool op##n(bool& flag)      \
    {                                   \
        flag = false;                   \
        return true;                    \
    }
#define PLUGIN_SLOT_ECHO(n) \
    virtual int op##n(int, int value) { return value; }
#define PLUGIN_SLOT_ZERO_IDENTIFIER(n)         \
    virtual Uuid128* op##n(Uuid128* result)   \
    {                                          \
        *result = Uuid128{};                   \
        return result;                         \
    }
// Asks the first of the three clear operations before attach about a part.
#define PLUGIN_SLOT_SHAPE_TO_PART(n)                                                            \
    virtual void op##n(bool& flag, shape_class* shape, intptr_t, float value, intptr_t further) \
    {                                                                                           \
        if (part_class* part = CastShapeToPart(shape))                                          \
            op63(flag, part, value, further, 0);                                                \
    }
#define PLUGIN_SLOT_THROW(n) \
    virtual void op##n() { ThrowInvalidInterface(); }
#define PLUGIN_SLOT_VERSION_NUMBER(n) \
    virtual int version_number() { return InterfaceVersionNumber; }
#define PLUGIN_SLOT_OPEN_CONFIGURATION(n) \
    virtual void open_configuration(intptr_t ignored, IUnknown* host_object) = 0;
#define PLUGIN_SLOT_CAMERA_CHANGED(n) \
    virtual void camera_changed(bool& flag, HostScene*) { flag = false; }
#define PLUGIN_SLOT_ATTACH(n) \
    virtual void attach(bool& flag, HostAttachContext*) { flag = false; }
#define PLUGIN_SLOT_COMPONENT_UUID(n) \
    virtual Uuid128* component_uuid(Uuid128* result) = 0;
#define PLUGIN_SLOT(kind, n) PLUGIN_SLOT_##kind(n)

class plugin_interface : public unknown_interface {
public:
#include "plugin/plugin_interface_slots.h"

protected:
    plugin_interface() = default;
    ~plugin_interface() = default;
};

#undef PLUGIN_SLOT
#undef PLUGIN_SLOT_TRUE
#undef PLUGIN_SLOT_FALSE
#undef PLUGIN_SLOT_ZERO
#undef PLUGIN_SLOT_ONE
#undef PLUGIN_SLOT_NOTHING
#undef PLUGIN_SLOT_CLEAR
#undef PLUGIN_SLOT_CLEAR_AND_TRUE
#undef PLUGIN_SLOT_ECHO
#undef PLUGIN_SLOT_ZERO_IDENTIFIER
#undef PLUGIN_SLOT_SHAPE_TO_PART
#undef PLUGIN_SLOT_THROW
#undef PLUGIN_SLOT_VERSION_NUMBER
#undef PLUGIN_SLOT_OPEN_CONFIGURATION
#undef PLUGIN_SLOT_CAMERA_CHANGED
#undef PLUGIN_SLOT_ATTACH
#undef PLUGIN_SLOT_COMPONENT_UUID
