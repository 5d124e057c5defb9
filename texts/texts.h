#pragma once

// Every text the plug-in hands to Windows and the host. The files of this
// folder are the only ones compiled with code page 932 as the execution
// character set, so a Japanese literal anywhere else would reach the user as
// UTF-8 mojibake: keep every such text here.

// The host's menu entry and the info record.
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

// The items of the configuration dialog's lists, in list order: an item's
// position is the value it stands for (the wheel direction's excepted, which
// stores -1 and 1).
extern const char* const WheelDirectionItems[2];
extern const char* const DoubleClickActionItems[3];
extern const char* const ZoomCentreItems[3];
extern const char* const DragActionItems[3];
extern const char* const WheelActionItems[4];
