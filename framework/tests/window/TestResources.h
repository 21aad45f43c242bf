#pragma once

#define IDD_DDX 200
#define IDC_NAME 1001
#define IDC_COUNT 1002
#define IDC_CHECK 1003
#define IDC_APPLY 1004
#define IDS_PROMPT 300
// A command with a prompt and a tooltip; a document template's resources.
#define IDS_COMMAND_PROMPT 41500
#define IDR_TESTDOC 41600
#define ID_TESTDOC_COMMAND 41601
// Tool bars: one that loads, and broken ones beside bitmaps of their ids.
#define IDR_TESTBAR 41700
#define ID_TESTBAR_FIRST 41701
#define ID_TESTBAR_SECOND 41702
#define ID_TESTBAR_THIRD 41703
#define IDR_SHORTBAR 41710
#define IDR_NOBITMAPBAR 41711
#define IDR_VERSIONBAR 41712
#define IDR_STUBBAR 41713
#define IDR_PLAINBAR 41714
