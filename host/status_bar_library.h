#pragma once

// The optional status-bar library ("Z_Brannoc10.dll"), loaded at the first
// attachment and never freed: once it holds the pane, it may call the pane's
// procedure at any time. Each call looks its export up at that moment and is
// skipped silently when the library or the export is missing; results are
// never looked at.

#include <windows.h>

#include <cstdint>

constexpr int32_t StatusPaneId = 0x40A00060;

extern const char StatusBarLibraryName[];

// The library the host has already loaded, else the one beside the plug-in's
// own file, else the one in the host application's folder, else the one in
// the system folder; never one found through the current folder or PATH, where
// a document's folder could plant it or a library it imports. Takes a
// reference in every case; null when there is none.
HMODULE LoadStatusBarLibrary(HINSTANCE plugin) noexcept;

// `library` is what LoadStatusBarLibrary returned, null when there is none.
void StatusBarAddPane(HMODULE library, WNDPROC paneProc);
void StatusBarSetText(HMODULE library, const char* text);
// Hands `icon` to the library; false when there is no library or export to
// take it. The library may keep the icon, or destroy it when a later one
// replaces it.
bool StatusBarSetIcon(HMODULE library, HICON icon);
