#pragma once

// Resource and command ids shared by the code and resources/vormelt.rc, which
// the resource compiler reads too: plain defines only.

#define IDD_CONTROL_WINDOW 102
#define IDI_CAMERA_MODE 103
#define IDI_MODELING_MODE 104
// The control window for a host that does not run in Japanese, and the
// pictures its camera buttons carry instead of words.
#define IDD_CONTROL_WINDOW_ENGLISH 112
#define IDI_STORE_CAMERA 105
#define IDI_RESTORE_CAMERA 106
#define IDI_UNDO_CAMERA 107

// Controls of the control window; IDM_SETTINGS comes from the status pane's menu only.
#define IDC_MODE_BUTTON 1000
#define IDC_ZOOM_VALUE 1005
#define IDC_BANK_VALUE 1006
#define IDC_UNDO_BUTTON 1007
#define IDC_STORE_BUTTON 1008
#define IDC_RESTORE_BUTTON 1009
#define IDM_SETTINGS 1010
