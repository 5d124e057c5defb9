#pragma once

// Template and control ids of the configuration dialog, shared by the code and
// resources/config_dialog.rc, which the resource compiler reads too: plain
// defines only. The ids are the dialog's own; some coincide with ids of the
// control window.

#define IDD_CONFIG_DIALOG 108
// The same dialog for a host that does not run in Japanese.
#define IDD_CONFIG_DIALOG_ENGLISH 118

// The lists, each named after the setting it edits.
#define IDC_CONFIG_OPTION8 1008
#define IDC_CONFIG_ROTATE 1009
#define IDC_CONFIG_OPTION1 1010
#define IDC_CONFIG_OPTION2 1011
#define IDC_CONFIG_OPTION3 1012
#define IDC_CONFIG_OPTION4 1013
#define IDC_CONFIG_OPTION5 1014
#define IDC_CONFIG_OPTION6 1015
#define IDC_CONFIG_OPTION7 1016
#define IDC_CONFIG_OPTION9 1020
#define IDC_CONFIG_OPTION10 1021
#define IDC_CONFIG_OPTION11 1022
#define IDC_CONFIG_OPTION12 1023
#define IDC_CONFIG_OPTION13 1024

// The common hot-key control that shows and takes the mode key.
#define IDC_CONFIG_MODE_KEY 1025
// The line under it that says why a key was refused.
#define IDC_CONFIG_MODE_KEY_NOTE 1027

// The check boxes.
#define IDC_CONFIG_PERSPECTIVE_ONLY 1017
#define IDC_CONFIG_START_CAMERA_MODE 1018
#define IDC_CONFIG_SHOW_CONTROL_WND 1019
#define IDC_CONFIG_STOP_AT_POLES 1026
#define IDC_CONFIG_FOLLOW_DISPLAY_SCALE 1034

// The speed sliders, each with the text beside it that writes its speed.
#define IDC_CONFIG_ORBIT_SPEED 1028
#define IDC_CONFIG_PAN_SPEED 1029
#define IDC_CONFIG_WHEEL_SPEED 1030
#define IDC_CONFIG_ORBIT_SPEED_VALUE 1031
#define IDC_CONFIG_PAN_SPEED_VALUE 1032
#define IDC_CONFIG_WHEEL_SPEED_VALUE 1033
