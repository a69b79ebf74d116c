// Resource ids of the two line dialogs of the job editor: the Summary line
// dialog (303) and the Detail line dialog (304). Included by
// res/editor_lines.rc and by the dialogs' code.
#pragma once

// ---- Summary line dialog -----------------------------------------------
#define IDD_SUMMARY_LINE 303
#define IDC_SL_ITM 1023
#define IDC_SL_QTY 1024
#define IDC_SL_DESCRIPTION 1025
#define IDC_SL_OPERATOR 1230
#define IDC_SL_COST 1028
#define IDC_SL_LIST 1026
#define IDC_SL_DETAIL_NET 1027
#define IDC_SL_NET 1047
#define IDC_SL_MULT 1061
#define IDC_SL_MARGIN 1049
#define IDC_SL_FRT_AMOUNT 1222
#define IDC_SL_FINAL 1223
#define IDC_SL_WEIGHT 1029
#define IDC_SL_BUY_OUT 1231
#define IDC_SL_WEEKS 1057
#define IDC_SL_PLANT 1030
#define IDC_SL_PRODUCT 1031
#define IDC_SL_PC 1242
#define IDC_SL_SIZE 1237
#define IDC_SL_CLASS 1239
#define IDC_SL_EC 1238
#define IDC_SL_TYPE 1241
#define IDC_SL_MC 1240
#define IDC_SL_TAG 1032
#define IDC_SL_SERVICE 1232
#define IDC_SL_WORDS_ABOVE 1008
#define IDC_SL_WORDS_BELOW 1233
#define IDC_SL_COMM 1251
#define IDC_SL_PLANT_LABEL 1234
#define IDC_SL_TAG_LABEL 1235
#define IDC_SL_SERVICE_LABEL 1236
#define IDC_SL_WORDS_ABOVE_LABEL 1243
#define IDC_SL_WORDS_BELOW_LABEL 1244
#define IDC_SL_OK 1040
#define IDC_SL_PREV 1043
#define IDC_SL_NEXT 1045

// ---- Detail line dialog ------------------------------------------------
#define IDD_DETAIL_LINE 304
#define IDC_DL_PRODUCT 1229
#define IDC_DL_TECHNICAL 1033
#define IDC_DL_COST 1034
#define IDC_DL_LIST 1035
#define IDC_DL_NET 1036
#define IDC_DL_MULT 1059
#define IDC_DL_MARGIN 1060
#define IDC_DL_WEIGHT 1037
#define IDC_DL_PART_NUMBER 1038
#define IDC_DL_QUOTE_PN 1245
#define IDC_DL_QUOTE_DESCRIPTION 1039
#define IDC_DL_ALT_QUOTE_DESCRIPTION 1044
#define IDC_DL_DRAWING_NO 1052
#define IDC_DL_DWG_ITEM 1048
#define IDC_DL_QTY_ASSY 1050
#define IDC_DL_SECOND_PN 1046
#define IDC_DL_OK 1040
#define IDC_DL_PREV 1041
#define IDC_DL_NEXT 1042
