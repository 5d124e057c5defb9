#pragma once

// The sandbox host's scene and views as the host keeps them: the scene's
// shapes, the orthographic views' centre and scale, the camera, and the
// figure window's answers to the pointer (selection by click, the host's own
// space-plus-left-drag pan). Installing them gives the host's objects their
// views, so that the scene's view operations and queries act on what the
// figure window shows; without them the host's objects keep their plain,
// deterministic behaviour.

#include <windows.h>

#include "sandbox/views/ortho_view.h"
#include "sandbox/views/perspective_view.h"

// The camera the scene starts with.
CameraPose SceneStartCamera();

// Gives the host state the scene, the start camera and views fitted to the
// scene, shown in `figure`; every camera change then redraws the figure
// window and is reported through PostCameraChanged.
void InstallHostViews(HWND figure);

// Whether views are installed for this figure window.
bool HostViewsInstalled(HWND figure);

// The orthographic views' current centre and scale.
OrthoView CurrentOrthoView();

// The figure window's handling of paint and pointer messages. Without views
// the window shows only the pane frames and titles, and clicks do nothing.
void PaintFigureWindow(HWND figure);
void FigureLeftButtonDown(HWND figure, POINT client, WPARAM keys);
void FigureMouseMove(HWND figure, POINT client, WPARAM keys);
void FigureLeftButtonUp(HWND figure);
void FigureLayoutChanged(HWND figure);
void FigureDestroyed(HWND figure);
