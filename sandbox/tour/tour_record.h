#pragma once

// What the tour reads back after each step, as a user could see it: the
// camera, the orthographic views, the plug-in's mode as its control window
// shows it, the selection, the control window's buttons, the status-bar
// pane's text and the figure window's pixels.

#include <windows.h>

#include <string>

#include "sandbox/host_session.h"
#include "sandbox/tour/figure_picture.h"
#include "sandbox/views/ortho_view.h"
#include "sandbox/views/scene_drawing.h"

enum class TourMode { Unknown, Modeling, Camera };

struct TourState {
    SandboxPoint eye = {};
    SandboxPoint target = {};
    float zoom = 0;
    float bank = 0;
    OrthoView view;
    TourMode mode = TourMode::Unknown;
    unsigned selection = 0;  // bit i: host shape i is selected
    bool restoreEnabled = false;
    bool undoEnabled = false;
    bool configDialogShown = false;
    std::string configDialogCaption;  // UTF-8, empty while no dialog shows
    std::string paneText;  // UTF-8
    FigurePicture picture;
    FigurePane panes[4] = {};  // in the figure window's client pixels
    POINT pointer = {};        // the pointer, in the figure window's client pixels
    bool spaceHeld = false;    // the system's state of the space key and the left button
    bool leftHeld = false;
    bool hostActive = false;   // the host's main window is the active one, as keys need
};

// The plug-in's control window (the dialog with the mode button), owned by
// the host's main window; null when there is none.
HWND FindControlWindow(HWND main);

// The plug-in's configuration dialog owned by the host's main window.
HWND FindConfigDialog(HWND main);

TourState ReadTourState(const HostSession& session);

// One line of tour.txt: the step's number and name, then the state.
std::string TourLine(int index, const std::string& name, const TourState& state);
