#include "ui/texts/texts.h"

// Rows in the order of HostLanguage: Japanese, then English.

const char* const WheelDirectionItems[HostLanguageCount][2] = {
    {"手前に回転で縮小", "手前に回転で拡大"},
    {"Turning toward you zooms out", "Turning toward you zooms in"},
};

const char* const DoubleClickActionItems[HostLanguageCount][3] = {
    {"図面に合わせる", "選択形状にスクロール", "原点にスクロール"},
    {"Fit the drawing", "Scroll to the selected shape", "Scroll to the origin"},
};

const char* const ZoomCentreItems[HostLanguageCount][3] = {
    {"図面の中央を中心に拡大縮小", "カーソル位置を中心に拡大縮小", "選択形状を中心に拡大縮小"},
    {"Zoom about the centre of the drawing", "Zoom about the cursor position", "Zoom about the selected shape"},
};

const char* const DragActionItems[HostLanguageCount][4] = {
    {"視点移動", "注視点移動", "視点注視点移動", "選択形状を中心に回転"},
    {"Orbit the eye", "Orbit the target", "Pan eye and target", "Orbit about the selected shapes"},
};

const char* const WheelActionItems[HostLanguageCount][4] = {
    {"視点前後移動", "注視点前後移動", "焦点距離", "傾き"},
    {"Move the eye forward and back", "Move the target forward and back", "Focal length", "Bank"},
};
