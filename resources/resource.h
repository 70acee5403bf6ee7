// Numeric ids of the program's resources.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC -1
#endif

// Splash window
#define IDB_SPLASH_TILE 161
#define IDB_SPLASH_EMBLEM 162
#define IDB_SPLASH_STRIP 169
#define IDI_KALMIRA 180

// Birth-date dialog
#define IDD_BIRTH_DATE 104
#define IDC_DAY 1069
#define IDC_MONTH 1070
#define IDC_YEAR 1071
#define IDC_COMPUTE 1073
#define IDC_ABOUT 1078
#define IDC_TYPE_LIST 1079
#define IDB_FIELD_TILE 171
#define IDB_COMPUTE_BUTTON 172
#define IDB_CANCEL_BUTTON 173
#define IDB_ABOUT_BUTTON 175

// Result dialog
#define IDD_RESULT 178
#define IDC_RESULT_TEXT 1069
#define IDC_RESULT_TITLE 1080

// About dialog
#define IDD_ABOUT 181
