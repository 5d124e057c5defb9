// Compiled with code page 932 as the execution character set: every literal
// here reaches Windows and the host as Shift_JIS bytes.
#include "plugin/texts.h"

const char MenuNameJapanese[] = "Z_Vormelt 設定...";
const char MenuNameEnglish[] = "Z_Vormelt Configuration...";
const char InfoPluginName[] = "Z_Vormelt10";
const char InfoMakerName[] = "KELDARN";
// The host receives the maker twice, as two separate texts.
const char InfoMakerNameAgain[] = "KELDARN";
const char InfoDescription[] = "マウスのホイール機能を有効にするプラグイン";
