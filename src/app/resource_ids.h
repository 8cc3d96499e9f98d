#pragma once
// Resource identifiers shared by the resource script and the code.

#define IDI_NORVALE 128
#define IDB_SCROLLBAR 129
#define IDD_MAIN 102
#define IDD_PROFILE_LIST 144
#define IDR_PROFILE_LIST_MENU 145
#define IDD_SPLASH 147
