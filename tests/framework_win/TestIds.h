// Resource and command ids of the window-layer tests (plain #defines for windres).
#pragma once

#define IDR_TESTFRAME 2
#define IDR_TESTDOC 3
#define IDD_TEST 100
#define IDD_TEST_PLACED 101

#define IDC_NAME 1001
#define IDC_COUNT 1002
#define IDC_CHOICE 1003
#define IDC_FLAG 1004
#define IDC_ADD 1005

// Commands handled at different places of the route.
#define ID_CMD_ALL 40001       // view, document, child frame, main frame, application
#define ID_CMD_DOC 40002       // document, child frame, main frame, application
#define ID_CMD_CHILD 40003     // child frame, main frame, application
#define ID_CMD_MAIN 40004      // main frame, application
#define ID_CMD_APP 40005       // application only
#define ID_CMD_NONE 40006      // nobody
#define ID_CMD_DISABLED 40007  // handled by the document, disabled by its update handler
#define ID_CMD_PASS 40008      // the view declines (ON_COMMAND_EX returning FALSE), the document takes it

// Property sheet pages.
#define IDD_TEST_PAGE1 110
#define IDD_TEST_PAGE2 111
#define IDC_PAGE_TEXT 1010
#define IDC_PAGE_NOTES 1011
#define IDC_PAGE_BUTTON 1012
