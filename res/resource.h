// Ids of the program's resources, commands and dialog controls. Plain
// #defines only: the resource script includes this file too.
#pragma once

#include "framework/core/StdIds.h"

// Main frame (menu, accelerators, icon, toolbar, title) and job windows.
#define IDR_MAINFRAME 2
#define IDR_CORVTYPE 3

// Bitmaps
#define IDB_SPLASH 102

// ---- File menu ---------------------------------------------------------
#define ID_FILE_STORE 32100
#define ID_FILE_PRINT_QUOTE 32101
#define ID_FILE_PRINT_PURCH_ORD 32102
#define ID_FILE_PREVIEW_QUOTE 32103
#define ID_FILE_PREVIEW_PURCH_ORD 32104
#define ID_FILE_PRINT_DISTRIBUTION 32105
#define ID_FILE_PREVIEW_DISTRIBUTION 32106
#define ID_FILE_PRINT_PARTS 32107
#define ID_FILE_PREVIEW_PARTS 32108
#define ID_FILE_PRINT_ICDS 32110
#define ID_FILE_PREVIEW_ICDS 32111
#define ID_FILE_FIND 32112
#define ID_FILE_PRINT_SCOPE 32113
#define ID_FILE_PRINT_SCOPE_PRICED 32114
#define ID_FILE_PREVIEW_SCOPE 32115
#define ID_FILE_PREVIEW_SCOPE_PRICED 32116
#define ID_FILE_PREVIEW_COMMISSION 32117
#define ID_FILE_PRINT_COMMISSION 32118
#define ID_FILE_STORE_AS 32119
#define ID_FILE_PREVIEW_PROJ_SELL 32120
#define ID_FILE_PRINT_PROJ_SELL 32121
#define ID_FILE_PRINT_SELECT 32122
#define ID_FILE_PREVIEW_PROP_SUM_PLANT 32123
#define ID_FILE_PRINT_PROP_SUM_PLANT 32124
#define ID_FILE_PREVIEW_PROP_SUM 32125
#define ID_FILE_PRINT_PROP_SUM 32126

// ---- Edit menu ---------------------------------------------------------
#define ID_EDIT_PN_TO_QUOTEPN 32109
#define ID_EDIT_CUT_LINE 32204
#define ID_EDIT_COPY_LINE 32205
#define ID_EDIT_PASTE_LINE 32206
#define ID_EDIT_INSERT_LINE 32207
#define ID_EDIT_MARGIN 32208
#define ID_EDIT_DELETE_BOTTOM_BLANKS 32209
#define ID_EDIT_TOTAL_FINAL_VALUE 32210
#define ID_EDIT_MULTIPLIER 32211
#define ID_EDIT_TECH_TO_QUOTE 32212
#define ID_EDIT_TOTAL_EXTENDED 32213

// ---- View menu ---------------------------------------------------------
#define ID_VIEW_DETAIL 32300
#define ID_VIEW_WORDS 32301
#define ID_VIEW_SELECT 32302
#define ID_VIEW_LINE 32303
#define ID_VIEW_PROJECT 32304
#define ID_VIEW_FIND_PN 32305

// ---- Options menu ------------------------------------------------------
#define ID_OPTIONS_FONT 32401
#define ID_OPTIONS_ARROW_CONTROL 32402
#define ID_OPTIONS_PREFERENCES 32403

// ---- About box (dialog 301) --------------------------------------------
#define IDD_ABOUTBOX 301
#define IDC_ABOUT_VERSION 1201
#define IDC_ABOUT_LINE 1202
#define IDC_ABOUT_BY 1203
#define IDC_ABOUT_MAKER 1204
#define IDC_ABOUT_STREET 1205
#define IDC_ABOUT_CITY 1206
#define IDC_ABOUT_PHONE 1207
#define IDC_ABOUT_WEB 1208

// ---- Choice-list editor (dialog 313) -----------------------------------
#define IDD_EDIT_INI 313
#define IDC_EDITINI_OK 1007
#define IDC_EDITINI_SELECTIONS 1011
#define IDC_EDITINI_DEFAULT_GROUP 1150
#define IDC_EDITINI_DEFAULT 1151
#define IDC_EDITINI_DEFAULT_LABEL 1152
#define IDC_EDITINI_SELECTIONS_GROUP 1153
#define IDC_EDITINI_NEW_ENTRY 1154
#define IDC_EDITINI_ADD 1155
#define IDC_EDITINI_DELETE 1156
#define IDC_EDITINI_MOVE_UP 1157
#define IDC_EDITINI_MOVE_DOWN 1158
