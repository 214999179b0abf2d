#pragma once

// Resource ids of the program's own module. Shared by wexa.rc and the code.
#define IDB_BANNER_LOGO 103
#define IDB_PANEL 120
#define IDB_TITLE 125
#define IDI_WEXA 129
#define IDB_BANNER_ADDRESS 132

#define IDW_REFUSED 115
#define IDW_PAIR 116
#define IDW_REACHED 119
#define IDW_WARNING 130
#define IDW_DEAL 137
#define IDW_GAME_OVER 138

// The background colour dialog and its swatch list.
#define IDD_OPTIONS 122
#define IDC_COLOUR_LIST 1000
#define IDC_COLOUR_LABEL 1002

// The help page (HTML, shown by the HTML dialog) and the same page as rich
// text with the dialog of our own viewer, for systems without the former.
#define IDH_HELP_PAGE 133
#define IDR_HELP_TEXT 134
#define IDD_HELP_VIEWER 135
#define IDC_HELP_TEXT 1001

// The main window's menu, its accelerator keys and their commands.
#define IDM_MAIN 101
#define IDA_MAIN 108
#define IDC_NEW_GAME 40001
#define IDC_EXIT 40002
#define IDC_UNDO 40003
#define IDC_BACKGROUND 40004
#define IDC_EASY 40005
#define IDC_NORMAL 40006
#define IDC_HELP_CONTENTS 40007
#define IDC_PAUSE 40008 // a key only, not in the menu
// The table's zoom, by keys only: a step larger, a step smaller, back to 100 %.
#define IDC_ZOOM_IN 40009
#define IDC_ZOOM_OUT 40010
#define IDC_ZOOM_RESET 40011
