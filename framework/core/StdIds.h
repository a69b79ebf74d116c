// The layer's standard command, control and string ids. Plain #defines
// only, so that resource scripts (windres) and window-free code can include
// this file as well as C++ code.
#pragma once

#define ID_SEPARATOR 0

// File menu
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_CLOSE 57602
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 57604
#define ID_FILE_PAGE_SETUP 57605
#define ID_FILE_PRINT_SETUP 57606
#define ID_FILE_PRINT 57607
#define ID_FILE_PRINT_DIRECT 57608
#define ID_FILE_PRINT_PREVIEW 57609
#define ID_FILE_MRU_FILE1 57616
#define ID_FILE_MRU_FILE2 57617
#define ID_FILE_MRU_FILE3 57618
#define ID_FILE_MRU_FILE4 57619
#define ID_FILE_MRU_FILE16 57631
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665

// Edit menu
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_EDIT_UNDO 57643

// Window menu
#define ID_WINDOW_NEW 57648
#define ID_WINDOW_ARRANGE 57649
#define ID_WINDOW_CASCADE 57650
#define ID_WINDOW_TILE_HORZ 57651
#define ID_WINDOW_TILE_VERT 57652
#define ID_NEXT_PANE 57680
#define ID_PREV_PANE 57681

// The application's title (message boxes carry it); without it the
// application is named after its executable.
#define AFX_IDS_APP_TITLE 57344

// View menu: the ids double as the bars' control ids
#define ID_VIEW_TOOLBAR 59392
#define ID_VIEW_STATUS_BAR 59393
#define AFX_IDW_TOOLBAR 59392
#define AFX_IDW_STATUS_BAR 59393

// Status-bar indicators (their string resources hold "CAP", "NUM", "SCRL")
#define ID_INDICATOR_CAPS 59137
#define ID_INDICATOR_NUM 59138
#define ID_INDICATOR_SCRL 59139

// The view inside a frame, and the first command id the MDI client gives
// to the windows listed in the Window menu.
#define AFX_IDW_PANE_FIRST 59648
#define AFX_IDM_FIRST_MDICHILD 65280
