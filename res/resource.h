// Resource and control numbers shared by the resource script and the code.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDD_ABOUTBOX 100
#define IDD_SPLASH 102
#define IDR_MAINFRAME 128
#define IDR_POPUP_MENU 130
#define IDI_MOON_FIRST 173
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
#define ID_APP_EXIT 32772
#define ID_GRAPH_ITEM 1125
#define ID_CALENDAR_STRIP 1126
#define ID_ICON_REFRESH 1132
#define ID_COPY_GRAPH 1133
#define ID_COPY_HIGH_LOW 1134

// Texts the code composes or inserts at run time.
#define IDS_HIGH_LOW_TITLE 2001
#define IDS_ICON_REFRESH 2003
#define IDS_COPY_GRAPH 2004
