#pragma once

// The items of the configuration dialog's lists in each of the host's
// languages (Japanese in code page 932, English in ASCII) and in list order:
// an item's position is the value it stands for (the wheel direction's
// excepted, which stores -1 and 1). The items of one position mean the same in
// both languages.

#include "plugin/host_language.h"

extern const char* const WheelDirectionItems[HostLanguageCount][2];
extern const char* const DoubleClickActionItems[HostLanguageCount][3];
extern const char* const ZoomCentreItems[HostLanguageCount][3];
extern const char* const DragActionItems[HostLanguageCount][3];
extern const char* const WheelActionItems[HostLanguageCount][4];
