// Resource and control numbers shared by the resource script and the code.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDD_ABOUTBOX 100
#define IDD_SPLASH 102
#define IDR_MAINFRAME 128
#define IDD_GRAPH_POPUP 206
#define IDD_MONTH_WINDOW 207
#define IDR_MONTH_MENU 208
#define IDI_GRAPH_MOON_FIRST 157
#define IDI_MOON_FIRST 173
#define IDI_NOW_MARK_SMALL 189
#define IDI_NOW_MARK 190
#define IDI_EXTREME_MARK 191
#define IDI_ALERT 202
#define IDR_ALERT_SOUND 203

#define IDC_VERSION_LINE 1038
#define IDC_SUPPORT_LINK 1029
#define IDC_NOTICE_TEXT 1045
#define IDC_NOTICE_GROUP 1046
#define IDC_DATA_SOURCE 1047

#define ID_APP_ABOUT 32777
#define ID_SETTINGS 32778
#define ID_GRAPH_WINDOW 32809
#define ID_MONTH_WINDOW 32810
#define ID_START_AT_SIGN_IN 32811
#define ID_APP_EXIT 32772
#define ID_GRAPH_ITEM 1125
#define ID_CALENDAR_STRIP 1126
#define ID_ICON_REFRESH 1132
#define ID_COPY_GRAPH 1133
#define ID_COPY_HIGH_LOW 1134
#define ID_FIND_PORT 32812

// The month window's menu bar.
#define ID_MONTH_PREVIOUS 1141
#define ID_MONTH_NEXT 1142
#define ID_MONTH_THIS 1143
#define ID_MONTH_COPY 1144
#define ID_MONTH_SAVE 1145
#define ID_MONTH_PRINT 1146

// The port search dialog.
#define IDD_FIND_PORT 209
#define IDC_FIND_TEXT 1150
#define IDC_FIND_LIST 1151

// The graph window's system menu: how many days it shows (1..4), in steps
// of 16 as system menu commands must be.
#define ID_GRAPH_DAYS_FIRST 0x0110
#define ID_GRAPH_DAYS_STEP 0x0010
