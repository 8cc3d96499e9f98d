#pragma once
// Dialog templates of the settings column and its pages, shared by the
// resource script and the code.

#define IDD_PAGE_CONTAINER 130
#define IDD_DPI_SETTING 133
#define IDD_REPORT_RATE 134
#define IDD_MOUSE_SPEED 135
#define IDD_DOUBLE_CLICK 136
#define IDD_WHEEL_SPEED 137
#define IDD_ANGLE_SNAP 138
#define IDD_LIGHTING 146
