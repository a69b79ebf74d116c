// The layer's private window messages. They live in one block at the top
// of the WM_APP range; program code uses WM_APP .. WM_CORV_FIRST - 1.
#pragma once

#include <windows.h>

constexpr UINT WM_CORV_FIRST = WM_APP + 0x3F00;

// Sent to the main frame and its descendants when the program is idle: bars
// ask the command route how their buttons and panes should look.
// wParam: TRUE to disable commands that have no handler.
constexpr UINT WM_IDLEUPDATECMDUI = WM_CORV_FIRST + 0;
// Posted to a modal dialog once it is up: runs the queued test hook.
constexpr UINT WM_CORV_RUNTESTHOOK = WM_CORV_FIRST + 1;
// Sent to a frame to show a text in its status bar's message pane.
// wParam: a string id (0 when lParam holds the text); lParam: const char*.
constexpr UINT WM_SETMESSAGESTRING = WM_CORV_FIRST + 2;
// Sent to a view (and its children) after its frame is made: OnInitialUpdate.
constexpr UINT WM_INITIALUPDATE = WM_CORV_FIRST + 3;

constexpr UINT WM_CORV_LAST = WM_CORV_FIRST + 0xFF;
