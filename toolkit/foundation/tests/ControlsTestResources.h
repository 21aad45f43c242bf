// Ids of the dialog that holds the list and header controls under test.
#pragma once

#define IDD_ZM_LISTTEST 4201
#define IDC_ZM_LIST 4202
