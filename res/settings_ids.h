// Resource and control numbers of the settings dialog, its pages and the
// rule editor, shared by their resource script and the code. Control
// numbers repeat across pages; each is unique within its own page.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDD_RULE_EDIT 132
#define IDD_DATE_COLOR_PAGE 133
#define IDD_ICON_PAGE 135
#define IDD_MENU_PAGE 136
#define IDD_SETTINGS 137
#define IDD_CLOCK_PAGE 138
#define IDD_GRAPH_PAGE 139
#define IDB_CLOCK_PAGE 139

// The dialog: "設定" is IDOK.
#define IDC_SETTINGS_TAB 1025

// 日付色
#define IDC_RULE_LIST 1000
#define IDC_RULE_ADD 1001
#define IDC_RULE_CHANGE 1002
#define IDC_RULE_DELETE 1003
#define IDC_RULE_MOVE 1018

// アイコン: the mode radios in the group's order, then the two boxes.
#define IDC_ICON_APP 1033
#define IDC_ICON_DAY 1026
#define IDC_ICON_MONTH_DAY 1027
#define IDC_ICON_DAY_WEEKDAY 1028
#define IDC_ICON_TWO 1029
#define IDC_ICON_THREE 1030
#define IDC_ICON_FOUR 1031
#define IDC_ICON_WEEK 1032
#define IDC_ICON_CLOCK_ONLY 1039
#define IDC_ICON_MOON 1035
#define IDC_ICON_SHOW_CLOCK 1040
#define IDC_ICON_REVERSE 1034

// メニュー
#define IDC_MENU_TODAY 1027
#define IDC_MENU_RIGHT 1035
#define IDC_MENU_LEFT 1036
#define IDC_MENU_BOTH 1037
#define IDC_MENU_TOP 1042
#define IDC_MENU_BOTTOM 1043
#define IDC_MENU_TICK 1044

// 時計
#define IDC_CLOCK_PLATE 1051
#define IDC_CLOCK_FRAME 1042
#define IDC_CLOCK_TICKS 1044
#define IDC_CLOCK_SHADOW 1043
#define IDC_CLOCK_COL_PLATE 1045
#define IDC_CLOCK_COL_LONG 1046
#define IDC_CLOCK_COL_SHORT 1047
#define IDC_CLOCK_COL_FRAME 1048
#define IDC_CLOCK_COL_TICKS 1049
#define IDC_CLOCK_PREVIEW 1050
#define IDC_CLOCK_TIME 1052

// グラフ
#define IDC_GRAPH_SHOW 1053
#define IDC_GRAPH_SIZE 1054
#define IDC_ALERT_LEAD 1055
#define IDC_ALERT_STP 1056
#define IDC_ALERT_UP3 1057
#define IDC_ALERT_UP7 1058
#define IDC_ALERT_DN3 1059
#define IDC_ALERT_DN7 1060
#define IDC_ALERT_ON 1061
#define IDC_ALERT_SOUND 1062
#define IDC_ALERT_QUIET 1063

// The rule editor: the kind radios in the group's order, the lists, the
// period's length and the colour. OK and ｷｬﾝｾﾙ are IDOK and IDCANCEL.
#define IDC_KIND_WEEKLY 1014
#define IDC_KIND_MONTHLY_DAY 1015
#define IDC_KIND_MONTHLY_WEEKDAY 1016
#define IDC_KIND_HOLIDAY 1017
#define IDC_KIND_FIXED_DATE 1022
#define IDC_KIND_PERIOD 1023
#define IDC_RULE_WEEKLY_WEEKDAY 1009
#define IDC_RULE_COLOR 1010
#define IDC_RULE_WEEKDAY 1011
#define IDC_RULE_DAY_OF_MONTH 1012
#define IDC_RULE_WEEK_NUMBER 1013
#define IDC_RULE_DAY 1018
#define IDC_RULE_MONTH 1019
#define IDC_RULE_LENGTH 1055
