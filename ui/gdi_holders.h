#pragma once

// Holders of the GDI and USER resources the control window and the status pane
// create; each releases what it holds when it ends.

#include <windows.h>

// A GDI object this code created; it must no longer be selected into a device
// context when the holder ends.
class GdiObject {
public:
    explicit GdiObject(HGDIOBJ object) : object_(object) {}
    ~GdiObject()
    {
        if (object_ != nullptr)
            DeleteObject(object_);
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    HGDIOBJ get() const { return object_; }

private:
    HGDIOBJ object_;
};

// The device context of a window's client area.
class ClientDc {
public:
    explicit ClientDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ClientDc()
    {
        if (dc_ != nullptr)
            ReleaseDC(window_, dc_);
    }
    ClientDc(const ClientDc&) = delete;
    ClientDc& operator=(const ClientDc&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A pop-up menu, destroyed when the holder ends.
class PopupMenu {
public:
    PopupMenu() : menu_(CreatePopupMenu()) {}
    ~PopupMenu()
    {
        if (menu_ != nullptr)
            DestroyMenu(menu_);
    }
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    HMENU get() const { return menu_; }

private:
    HMENU menu_;
};
