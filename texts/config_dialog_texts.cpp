#include "texts/texts.h"

const char* const WheelDirectionItems[2] = {
    "手前に回転で縮小",
    "手前に回転で拡大",
};

const char* const DoubleClickActionItems[3] = {
    "図面に合わせる",
    "選択形状にスクロール",
    "原点にスクロール",
};

const char* const ZoomCentreItems[3] = {
    "図面の中央を中心に拡大縮小",
    "カーソル位置を中心に拡大縮小",
    "選択形状を中心に拡大縮小",
};

const char* const DragActionItems[3] = {
    "視点移動",
    "注視点移動",
    "視点注視点移動",
};

const char* const WheelActionItems[4] = {
    "視点前後移動",
    "注視点前後移動",
    "焦点距離",
    "傾き",
};
