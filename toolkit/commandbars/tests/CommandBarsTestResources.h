// Ids of the resources the command-bar tests look up in the test program.
#pragma once

#define IDM_TEST_MENU 5000        // a menu of every kind of item
#define IDM_TEST_FORMAT 5030      // a menu whose first popup a popup control shows
#define ID_TEST_NEW 5001
#define ID_TEST_WRAP 5002
#define ID_TEST_CUT 5011
#define ID_TEST_PASTE 5012
#define ID_TEST_TOOLS 5020
#define ID_TEST_OPTIONS 5021
#define ID_TEST_BOLD 5031
#define ID_TEST_PROMPT_PLAIN 5040  // a prompt without newline
#define IDT_TEST_TOOLBAR 5050     // a tool-bar resource: New, separator, Cut, Paste (no bitmap)
