#pragma once
// The macro window's template, shared by the resource script and the code.

#define IDD_MACRO_MANAGER 142
#define IDC_MACRO_EVENT_LIST 1006
