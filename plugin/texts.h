#pragma once

// The plug-in's texts for Windows and the host: Japanese in code page 932,
// English in ASCII.

#include "plugin/host_language.h"

extern const char MenuNameJapanese[];
extern const char MenuNameEnglish[];
extern const char InfoPluginName[];
extern const char InfoMakerName[];
extern const char InfoMakerNameAgain[];
extern const char InfoDescription[];

// The texts of the plug-in's own windows in one language.
struct WindowTexts {
    // The status pane's text in each mode, and the camera read-out that
    // replaces it (zoom, then bank, each printed with "%f").
    const char* modelingModeStatus;
    const char* cameraModeStatus;
    const char* cameraStatusFormat;

    // The status pane's context menu.
    const char* menuStore;
    const char* menuRestore;
    const char* menuUndo;
    const char* menuSettings;

    // The control window's tooltips: what a click on each button does. The
    // mode button's names the mode it switches to.
    const char* storeTip;
    const char* restoreTip;
    const char* undoTip;
    const char* toCameraModeTip;
    const char* toModelingModeTip;
};

const WindowTexts& WindowTextsIn(HostLanguage language);
