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
