#pragma once

// The plug-in's texts for Windows and the host, in code page 932.
extern const char MenuNameJapanese[];
extern const char MenuNameEnglish[];
extern const char InfoPluginName[];
extern const char InfoMakerName[];
extern const char InfoMakerNameAgain[];
extern const char InfoDescription[];

// The status pane's text in each mode, and the camera read-out that replaces it
// (zoom, then bank, each printed with "%f").
extern const char ModelingModeStatusText[];
extern const char CameraModeStatusText[];
extern const char CameraStatusFormat[];

// The status pane's context menu.
extern const char MenuStoreText[];
extern const char MenuRestoreText[];
extern const char MenuUndoText[];
extern const char MenuSettingsText[];
