#pragma once

#define IDC_STATIC -1
#define IDD_DEMO 100
#define IDC_NAME 1000
#define IDC_GREET 1001
#define IDC_GREETING 1002
