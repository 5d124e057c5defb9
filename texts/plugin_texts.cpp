// Compiled with code page 932 as the execution character set, as is every file
// of this folder: the literals reach Windows and the host as Shift_JIS bytes.
#include "texts/texts.h"

const char MenuNameJapanese[] = "Z_Vormelt 設定...";
const char MenuNameEnglish[] = "Z_Vormelt Configuration...";
const char InfoPluginName[] = "Z_Vormelt10";
const char InfoMakerName[] = "KELDARN";
// The host receives the maker twice, as two separate texts.
const char InfoMakerNameAgain[] = "KELDARN";
const char InfoDescription[] = "マウスのホイール機能を有効にするプラグイン";

const char ModelingModeStatusText[] = "Z_Vormelt モデリングモード";
const char CameraModeStatusText[] = "Z_Vormelt カメラモード";
const char CameraStatusFormat[] = "Z_Vormelt カメラモード ZOOM: %f BANK: %f";

const char MenuStoreText[] = "記憶";
const char MenuRestoreText[] = "復帰";
const char MenuUndoText[] = "取消";
const char MenuSettingsText[] = "設定";
