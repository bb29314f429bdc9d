// Resource ids of tuv.exe.
#pragma once

#define IDS_CAPTION 103
#define IDD_EXPRESSION 104
#define IDD_ABOUT 105
#define IDC_HELP_TEXT 106
#define IDR_TRAY_MENU 128
#define IDI_TUV 129
#define IDR_HELP_TEXT 133
#define IDD_HOTKEY 134

// Expression page
#define IDC_EXPRESSION 1000
#define IDC_EVALUATE 1002
#define IDC_VARIABLES 1006
#define IDC_OPEN 1007
#define IDC_RESULT 1009
#define IDC_SAVE 1010
#define IDC_NEW 1011
#define IDC_DETAILS_BOX 1012
#define IDC_DETAILS 1013
#define IDC_EXPRESSION_FRAME 1014
#define IDC_TIPS 1016

// About page
#define IDC_NEWSLETTER 1014
#define IDC_TITLE 1015
#define IDC_OWNER_LINE 1017
#define IDC_HOME_PAGE 1018

// Hotkey dialog
#define IDC_HOTKEY_NOW 1020
#define IDC_HOTKEY_BOX 1021
#define IDC_HOTKEY_NONE 1022
#define IDC_HOTKEY_STATUS 1023

// Tray menu commands
#define ID_SHOW 32771
#define ID_RUN_AT_START 32772
#define ID_MINIMIZE_AT_START 32773
#define ID_HOTKEY 32774
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
