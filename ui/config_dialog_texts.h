#pragma once

// The items of the configuration dialog's lists, in code page 932 and in list
// order: an item's position is the value it stands for (the wheel direction's
// excepted, which stores -1 and 1).

extern const char* const WheelDirectionItems[2];
extern const char* const DoubleClickActionItems[3];
extern const char* const ZoomCentreItems[3];
extern const char* const DragActionItems[3];
extern const char* const WheelActionItems[4];
