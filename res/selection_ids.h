// Resource ids of the product selection dialogs: the Selection Dialog with
// its menu and the part-number finder. Included by res/selection.rc and by
// the dialogs' code.
#pragma once

// Selection Dialog
#define IDD_SEL_DIALOG 302
#define IDR_SEL_MENU 308
#define IDC_SEL_NEXT_SL 1098
#define IDC_SEL_NEXT_DL 1022
#define IDC_SEL_CLEAR 1019
#define IDC_SEL_PRICE 1020
#define IDC_SEL_OK 1007
#define IDC_SEL_AUTO 1021
#define IDC_SEL_TITLE1 1017
#define IDC_SEL_LINE_TITLE 1016
#define IDC_SEL_TITLE2 1018
#define IDC_SEL_LEFT 1014
#define IDC_SEL_RIGHT 1015
#define IDC_SEL_FIGURE_LABEL 1091
#define IDC_SEL_FIGURE_ENTRY 1089
#define IDC_SEL_FIGURE 1090
#define ID_SEL_VALVE 33001
#define ID_SEL_ACTUATOR 33002
#define ID_SEL_ACCESSORIES 33003

// Find a Part Number
#define IDD_FIND_PN 326
#define IDC_FPN_PART_NUMBER 1038
#define IDC_FPN_FIND 1306
#define IDC_FPN_PROGRESS 1308
#define IDC_FPN_PRODUCT 1031
#define IDC_FPN_TYPE 1241
#define IDC_FPN_RESULT_PN 1307
#define IDC_FPN_QUOTE_DESCRIPTION 1039
#define IDC_FPN_ALT_QUOTE_DESCRIPTION 1305
#define IDC_FPN_TECHNICAL 1033
#define IDC_FPN_OK 1040

// The application's large icon, shown by the Selection Dialog.
#define IDI_SEL_APP_ICON 2
