// Resource, command and message numbers shared by the resource script and
// the code: each number is written here once. The resource compiler reads the
// #defines; C++ code of every layer includes this header and uses the typed
// names at its end.
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

// The month window's menu bar.
#define ID_MONTH_PREVIOUS 1141
#define ID_MONTH_NEXT 1142
#define ID_MONTH_THIS 1143
#define ID_MONTH_COPY 1144
#define ID_MONTH_SAVE 1145

#ifndef RC_INVOKED
namespace marilo {

// Commands of the tray icon's popup menu.
constexpr int kCmdAbout = ID_APP_ABOUT;
constexpr int kCmdSettings = ID_SETTINGS;
constexpr int kCmdGraphWindow = ID_GRAPH_WINDOW;
constexpr int kCmdMonthWindow = ID_MONTH_WINDOW;
constexpr int kCmdExit = ID_APP_EXIT;
constexpr int kCmdStartAtSignIn = ID_START_AT_SIGN_IN;
constexpr int kCmdGraphItem = ID_GRAPH_ITEM;
constexpr int kCmdCalendarStrip = ID_CALENDAR_STRIP;
constexpr int kCmdIconRefresh = ID_ICON_REFRESH;
constexpr int kCmdCopyGraph = ID_COPY_GRAPH;
constexpr int kCmdCopyHighLow = ID_COPY_HIGH_LOW;

// The month window: its template and the commands of its menu bar.
constexpr int kMonthWindowTemplate = IDD_MONTH_WINDOW;
constexpr int kMonthCmdPrevious = ID_MONTH_PREVIOUS;
constexpr int kMonthCmdNext = ID_MONTH_NEXT;
constexpr int kMonthCmdThis = ID_MONTH_THIS;
constexpr int kMonthCmdCopy = ID_MONTH_COPY;
constexpr int kMonthCmdSave = ID_MONTH_SAVE;

// The graph window's template and the icons the graph draws: the first of
// the moon's 16 pictures from new moon (GraphFrame::moonPicture), the present
// moment at m = 1 and at m = 2 or 3, and the high/low-water mark.
constexpr int kGraphPopupTemplate = IDD_GRAPH_POPUP;
constexpr int kGraphMoonIconFirst = IDI_GRAPH_MOON_FIRST;
constexpr int kNowMarkSmallIcon = IDI_NOW_MARK_SMALL;
constexpr int kNowMarkIcon = IDI_NOW_MARK;
constexpr int kExtremeMarkIcon = IDI_EXTREME_MARK;

// The tray icons' pictures: the program's own, the alert's and the first of
// the moon phases.
constexpr int kAppIconId = IDR_MAINFRAME;
constexpr int kAlertIconId = IDI_ALERT;
constexpr int kFirstMoonIconId = IDI_MOON_FIRST;

// The wave resource of the alert sound.
constexpr int kAlertSoundId = IDR_ALERT_SOUND;

// The message the shell sends for the tray icons: WM_USER + 100 (1124).
constexpr unsigned kTrayCallbackMessage = 0x0400 + 100;

}  // namespace marilo
#endif
