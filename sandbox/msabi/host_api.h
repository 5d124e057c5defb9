#pragma once

// The host's side of the boundary, declared as a Microsoft-compiled host
// declares it: struct results and points by value, a virtual destructor in the
// component's interface, run-time type information on. This file is compiled
// only with clang++ --target=x86_64-pc-windows-msvc, freestanding: no Windows
// or standard headers exist for that target here.

typedef unsigned long long size_t;
typedef long long intptr_t;

struct Guid {
    unsigned long data1;
    unsigned short data2;
    unsigned short data3;
    unsigned char data4[8];
};

// Microsoft's run-time type information as its runtime declares it; typeid,
// dynamic_cast and name() come from the C runtime's msvcrt, which reads type
// information as Microsoft's runtime does.
class type_info {
public:
    const char* name() const;

private:
    void* undecorated_;
    char decorated_[1];
};
namespace std {
using ::type_info;
}

// A struct, as Windows declares it.
struct IUnknown {
    virtual long QueryInterface(const Guid& iid, void** object) = 0;
    virtual unsigned long AddRef() = 0;
    virtual unsigned long Release() = 0;
};

struct Vec3 {
    float x, y, z;
};

struct Mat4 {
    float m[4][4];
};

struct HostRect {
    int left, top, right, bottom;
};

struct Uuid128 {
    unsigned int words[4];
};

class shape_class;
using HostShape = shape_class;
class HostCamera;
class HostFigureWindow;
class HostScene;

class HostApp : public IUnknown {
public:
    virtual bool is_japanese(int zero) = 0;
    virtual HostScene* get_scene(int zero) = 0;
    virtual void attach_call(int zero) = 0;
};

class HostAttachContext : public IUnknown {
public:
    virtual void* get_main_window(int zero) = 0;
};

class HostScene : public IUnknown {
public:
    virtual HostCamera* get_camera(int zero) = 0;
    virtual HostFigureWindow* get_figure_window(int zero) = 0;
    virtual HostRect get_pane_rect(int pane, int zero) = 0;
    virtual int get_active_shapes(HostShape** shapes, int zero) = 0;
    virtual Vec3 get_drawing_centre(int zero) = 0;
    virtual Vec3 get_cursor_position(int zero) = 0;
    virtual void zoom_in_at(Vec3 centre, int zero) = 0;
    virtual void zoom_out_at(Vec3 centre, int zero) = 0;
    virtual void scroll_to(Vec3 point, int zero) = 0;
    virtual void fit_drawing(int zero, int zero2) = 0;
};

class HostFigureWindow : public IUnknown {
public:
    virtual int get_pane_type(int pane, int zero) = 0;
};

class HostCamera : public IUnknown {
public:
    virtual Vec3 get_eye(int zero, int zero2) = 0;
    virtual Vec3 get_target(int zero, int zero2) = 0;
    virtual void set_eye(int zero, Vec3 eye, int zero2) = 0;
    virtual void set_target(int zero, Vec3 target, int zero2) = 0;
    virtual float get_zoom(int zero, int zero2) = 0;
    virtual float get_bank(int zero, int zero2) = 0;
    virtual void set_zoom(int zero, float zoom, int zero2) = 0;
    virtual void set_bank(int zero, float bank, int zero2) = 0;
    virtual Mat4 get_view_matrix(int zero, int zero2) = 0;
};

class shape_class : public IUnknown {
public:
    virtual Vec3 get_centre(int zero) = 0;
    virtual Mat4 get_transformation(int zero) = 0;
};

class part_class : public shape_class {};

// The plug-in component interface as the host's compiler sees it.
class unknown_interface : public IUnknown {
public:
    virtual ~unknown_interface() {}
    virtual bool op4() = 0;
};

#define PLUGIN_SLOT_TRUE(n) virtual bool op##n() = 0;
#define PLUGIN_SLOT_FALSE(n) virtual bool op##n() = 0;
#define PLUGIN_SLOT_ZERO(n) virtual void* op##n() = 0;
#define PLUGIN_SLOT_ONE(n) virtual int op##n() = 0;
#define PLUGIN_SLOT_NOTHING(n) virtual void op##n() = 0;
#define PLUGIN_SLOT_CLEAR(n) virtual void op##n(bool& flag) = 0;
#define PLUGIN_SLOT_CLEAR_AND_TRUE(n) virtual bool op##n(bool& flag) = 0;
#define PLUGIN_SLOT_ECHO(n) virtual int op##n(int ignored, int value) = 0;
#define PLUGIN_SLOT_ZERO_IDENTIFIER(n) virtual Uuid128 op##n() = 0;
#define PLUGIN_SLOT_SHAPE_TO_PART(n) \
    virtual void op##n(bool& flag, shape_class* shape, intptr_t ignored, float value, intptr_t further) = 0;
#define PLUGIN_SLOT_THROW(n) virtual void op##n() = 0;
#define PLUGIN_SLOT_VERSION_NUMBER(n) virtual int version_number() = 0;
#define PLUGIN_SLOT_OPEN_CONFIGURATION(n) virtual void open_configuration(intptr_t ignored, IUnknown* host_object) = 0;
#define PLUGIN_SLOT_CAMERA_CHANGED(n) virtual void camera_changed(bool& flag, HostScene* scene) = 0;
#define PLUGIN_SLOT_ATTACH(n) virtual void attach(bool& flag, HostAttachContext* context) = 0;
#define PLUGIN_SLOT_COMPONENT_UUID(n) virtual Uuid128 component_uuid() = 0;
#define PLUGIN_SLOT(kind, n) PLUGIN_SLOT_##kind(n)

class plugin_interface : public unknown_interface {
public:
#include "plugin/plugin_interface_slots.h"
};

#undef PLUGIN_SLOT
