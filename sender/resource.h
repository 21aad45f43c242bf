// Resource ids of Merrowick.
#pragma once

#define IDM_ABOUTBOX            0x0010
#define IDD_ABOUTBOX            100
#define IDS_ABOUTBOX            101
#define IDD_HALVICK_DIALOG      102
#define IDR_MAINFRAME           128

#define IDC_LIST_LOG            1003
#define IDC_BUTTON_CLEAR        1004
#define IDC_BUTTON_SEND         1005
#define IDC_BUTTON_STOP         1007
#define IDC_EDIT_PATH           1009
#define IDC_BUTTON_CHOOSE       1010
#define IDC_PROGRESS_SEND       1011

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif
