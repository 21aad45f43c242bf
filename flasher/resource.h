// Resource ids of Pyrolet_D (dialog templates, controls, strings, icon).
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC                      (-1)
#endif

#define IDM_ABOUTBOX                    0x0010
#define IDD_ABOUTBOX                    100
#define IDS_ABOUTBOX                    101
#define IDD_PYROLET_D_DIALOG            102
#define IDR_MAINFRAME                   128
#define IDD_UPDATE_BOTH_DIALOG          130

// Main dialog (template 102)
#define IDC_BUTTON_CLEAR_LOG            1000
#define IDC_UPDATE_BOTH_COMMAND         1003
#define IDC_BUTTON_UPDATE_MASTER        1006
#define IDC_PROGRESS_UPDATE             1007
#define IDC_LIST_LOG                    1008
#define IDC_STATIC_PERCENT              1009
#define IDC_BUTTON_CONNECT              1010
#define IDC_STATIC_PROGRESS_INFO        1011
#define IDC_BUTTON_UPDATE_SLAVE         1012
#define IDC_BUTTON_SELECT_FILE          1013
#define IDC_CHECK_ARM                   1014
#define IDC_BUTTON_UPDATE_BOTH          1019

// Select File dialog (template 130)
#define IDC_BUTTON_BROWSE_MASTER        1000
#define IDC_BUTTON_BROWSE_SLAVE         1001
#define IDC_EDIT_MASTER_FILE            1010
#define IDC_EDIT_SLAVE_FILE             1011
