#pragma once

// Every text the plug-in hands to Windows and the host: Japanese in code page
// 932, English in ASCII. The files of this folder are the only ones compiled
// with code page 932 as the execution character set, so a Japanese literal
// anywhere else would reach the user as UTF-8 mojibake: keep every such text
// here.

#include "host/host_language.h"

// The host's menu entry and the info record.
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

    // The message box that tells the user that OK could not save the settings,
    // and its caption.
    const char* settingsNotSaved;
    const char* settingsCaption;
};

const WindowTexts& WindowTextsIn(HostLanguage language);

// The items of the configuration dialog's lists in each of the host's
// languages, rows in the order of HostLanguage, items in list order: an item's
// position is the value it stands for (the wheel direction's excepted, which
// stores -1 and 1). The items of one position mean the same in both languages.
extern const char* const WheelDirectionItems[HostLanguageCount][2];
extern const char* const DoubleClickActionItems[HostLanguageCount][3];
extern const char* const ZoomCentreItems[HostLanguageCount][3];
extern const char* const DragActionItems[HostLanguageCount][4];
extern const char* const WheelActionItems[HostLanguageCount][4];
