// Resource ids of the job editor's value dialogs: the three revise dialogs,
// the job totals and the print selection. Included by res/editor_values.rc
// and by the dialogs' code.
#pragma once

#define IDD_REVISE_MARGIN 305
#define IDD_REVISE_TOTAL 306
#define IDD_REVISE_MULT 307
#define IDD_TOTALS 312
#define IDD_PRINT_SELECT 325

// Labels that nothing refers to.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// The revise dialogs' own OK button: not IDOK, so Enter does not close them.
#define IDC_REVISE_OK 1040

// Revise Margin
#define IDC_MARGIN_CURRENT 1051
#define IDC_MARGIN_NEW 1053
// Revise Total Final Value
#define IDC_TOTAL_CURRENT 1054
#define IDC_TOTAL_REVISED 1055
#define IDC_TOTAL_TARGET 1056
// Revise Multiplier
#define IDC_MULT_CURRENT 1062
#define IDC_MULT_NEW 1063

// View Total Extended Values
#define IDC_TOTALS_COST 1139
#define IDC_TOTALS_LIST 1140
#define IDC_TOTALS_NET 1141
#define IDC_TOTALS_MULT 1142
#define IDC_TOTALS_MARGIN 1143
#define IDC_TOTALS_FREIGHT 1220
#define IDC_TOTALS_FINAL 1221
#define IDC_TOTALS_WEIGHT 1250

// Select Items to Print
#define IDC_PRTSEL_QUOTE 1294
#define IDC_PRTSEL_SCOPE 1295
#define IDC_PRTSEL_SCOPE_PRICED 1296
#define IDC_PRTSEL_DISTRIBUTION 1297
#define IDC_PRTSEL_PARTS 1298
#define IDC_PRTSEL_ICDS 1299
#define IDC_PRTSEL_PROP_SUM 1300
#define IDC_PRTSEL_PROP_SUM_PLANT 1301
#define IDC_PRTSEL_PROJ_SELL 1302
#define IDC_PRTSEL_COMMISSION 1303
#define IDC_PRTSEL_PURCH_ORD 1304
