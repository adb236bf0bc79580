/* Resource names and ids of the game: included by the resource script and the Win32 screens. */
#pragma once

/* ---- icon and menu ---- */
#define RES_ICON_MAIN "S_X_TD_L"
#define RES_MENU_MAIN 2

/* ---- menu commands ---- */
#define IDM_MESSAGE_TO_ADMIN 4000
#define IDM_EXIT 4001
#define IDM_RING_THE_BROKER 4002
#define IDM_PORTFOLIO 4003
#define IDM_OPTIONS 4004
#define IDM_NEWS 4005
#define IDM_TOP_EARNERS 4006
#define IDM_TRANSACTION_HISTORY 4007
#define IDM_POPULAR_SHARES 4008
#define IDM_HELP_CONTENTS 4009
#define IDM_HELP_ON_HELP 4010
#define IDM_ABOUT 4011
#define IDM_DELETE_PENDING 10112

/* ---- main screen "CLIENT" ---- */
#define RES_DLG_CLIENT "CLIENT"
#define RES_BMP_TITLE "TD_TITLE"
#define IDC_MAIN_RING_BROKER 10028
#define IDC_MAIN_PORTFOLIO 10029
#define IDC_MAIN_DISCOVER 10111
#define IDC_MAIN_ABOUT 10031
#define IDC_MAIN_EXIT 10044

/* ---- windowing error texts: 4000-4005 ---- */
#define IDS_ERR_RUN 4000
#define IDS_ERR_DIALOG 4001
#define IDS_ERR_MENU 4002
#define IDS_ERR_ICON 4003
#define IDS_ERR_BITMAP 4004
#define IDS_ERR_WINDOW 4005
