// Compiled with code page 932 as the execution character set, as is every file
// of this folder: the literals reach Windows and the host as Shift_JIS bytes.
// The English texts are ASCII, the same in every code page.
#include "ui/texts/texts.h"

const char MenuNameJapanese[] = "Z_Vormelt 設定...";
const char MenuNameEnglish[] = "Z_Vormelt Configuration...";
const char InfoPluginName[] = "Z_Vormelt10";
const char InfoMakerName[] = "KELDARN";
// The host receives the maker twice, as two separate texts.
const char InfoMakerNameAgain[] = "KELDARN";
const char InfoDescription[] = "マウスのホイール機能を有効にするプラグイン";

namespace {

const WindowTexts JapaneseTexts = {
    "Z_Vormelt モデリングモード",
    "Z_Vormelt カメラモード",
    "Z_Vormelt カメラモード ZOOM: %f BANK: %f",
    "記憶",
    "復帰",
    "取消",
    "設定",
    "カメラを記憶",
    "記憶したカメラに復帰",
    "直前のドラッグを取消",
    "カメラモードに切替",
    "モデリングモードに切替",
    "設定をレジストリに保存できませんでした。\n変更した設定はホストを終了するまで有効です。",
    "Z_Vormelt 設定",
};

const WindowTexts EnglishTexts = {
    "Z_Vormelt Modeling mode",
    "Z_Vormelt Camera mode",
    "Z_Vormelt Camera mode ZOOM: %f BANK: %f",
    "Store",
    "Restore",
    "Undo",
    "Settings...",
    "Store the camera",
    "Restore the stored camera",
    "Undo the last camera drag",
    "Switch to camera mode",
    "Switch to modeling mode",
    "The settings could not be saved in the registry.\nThe changed settings apply until the host closes.",
    "Z_Vormelt Configuration",
};

}  // namespace

const WindowTexts& WindowTextsIn(HostLanguage language)
{
    return language == HostLanguage::English ? EnglishTexts : JapaneseTexts;
}
