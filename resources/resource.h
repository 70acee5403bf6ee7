// Numeric ids of the program's resources.
#pragma once

// Splash window
#define IDB_SPLASH_TILE 161
#define IDB_SPLASH_EMBLEM 162
#define IDB_SPLASH_STRIP 169
#define IDI_KALMIRA 180

// Birth-date dialog
#define IDD_BIRTH_DATE 104
#define IDB_FIELD_TILE 171
#define IDB_COMPUTE_BUTTON 172
#define IDB_CANCEL_BUTTON 173
#define IDB_ABOUT_BUTTON 175

// Result dialog
#define IDD_RESULT 178

// About dialog
#define IDD_ABOUT 181
