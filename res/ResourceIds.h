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
