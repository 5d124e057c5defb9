#pragma once

// The host's objects as its plug-in SDK declares them; the one file that the
// real SDK header replaces. Every table starts with IUnknown's three operations.
//
// The host is built with Microsoft's compiler. Methods that return a struct
// there take a hidden result pointer after `this` and return it; GCC would put
// that pointer before `this`. Declaring the result pointer as an explicit first
// argument gives the same call under both compilers, so these declarations are
// right for either. A struct argument that the host takes by value arrives as a
// pointer to a copy the callee may change, so the holders of host/host.h
// pass a copy of their own. Callers go through those holders.

#include <windows.h>
#include <unknwn.h>

#include <cstdint>

#include "host/geometry_types.h"

// A view pane's rectangle in screen coordinates.
struct HostRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

class HostShape;
class HostCamera;
class HostFigureWindow;
class HostScene;

class HostApp : public IUnknown {
public:
    virtual bool is_japanese(int zero) = 0;
    virtual HostScene* get_scene(int zero) = 0;
    virtual void attach_call(int zero) = 0;
};

// The object the host hands to the component's attach operation.
class HostAttachContext : public IUnknown {
public:
    virtual HWND get_main_window(int zero) = 0;
};

class HostScene : public IUnknown {
public:
    virtual HostCamera* get_camera(int zero) = 0;
    virtual HostFigureWindow* get_figure_window(int zero) = 0;
    virtual HostRect* get_pane_rect(HostRect* result, int pane, int zero) = 0;
    // With a null array: the number of active shapes; otherwise fills that many entries.
    virtual int get_active_shapes(HostShape** shapes, int zero) = 0;
    virtual Vec3* get_drawing_centre(Vec3* result, int zero) = 0;
    virtual Vec3* get_cursor_position(Vec3* result, int zero) = 0;
    virtual void zoom_in_at(const Vec3* centre, int zero) = 0;
    virtual void zoom_out_at(const Vec3* centre, int zero) = 0;
    virtual void scroll_to(const Vec3* point, int zero) = 0;
    virtual void fit_drawing(int zero, int zero2) = 0;
};

class HostFigureWindow : public IUnknown {
public:
    // 3 marks the perspective pane.
    virtual int get_pane_type(int pane, int zero) = 0;
};

class HostCamera : public IUnknown {
public:
    virtual Vec3* get_eye(Vec3* result, int zero, int zero2) = 0;
    virtual Vec3* get_target(Vec3* result, int zero, int zero2) = 0;
    virtual void set_eye(int zero, const Vec3* eye, int zero2) = 0;
    virtual void set_target(int zero, const Vec3* target, int zero2) = 0;
    virtual float get_zoom(int zero, int zero2) = 0;
    virtual float get_bank(int zero, int zero2) = 0;
    virtual void set_zoom(int zero, float zoom, int zero2) = 0;
    virtual void set_bank(int zero, float bank, int zero2) = 0;
    // World to view, row vectors.
    virtual Mat4* get_view_matrix(Mat4* result, int zero, int zero2) = 0;
};

// The SDK's shape_class; part_class derives from it.
class HostShape : public IUnknown {
public:
    virtual Vec3* get_centre(Vec3* result, int zero) = 0;
    virtual Mat4* get_transformation(Mat4* result, int zero) = 0;
};

using shape_class = HostShape;

class part_class : public shape_class {};
