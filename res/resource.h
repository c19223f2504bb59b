// Resource and command ids of Huesmith. Plain #defines so that the resource compiler reads them.
#pragma once

#include "framework/FrameworkIds.h"

// Frame resources (menu, accelerators, icon, document-template string) share one id.
#define IDR_MAINFRAME 128

// Main form view.
#define IDD_HUESMITH_FORM 101
#define IDC_COMBO_NAME 1002
#define IDC_RADIO_BACK 1003
#define IDC_RADIO_TEXT 1004
#define IDC_EDIT_RED 1005
#define IDC_EDIT_GREEN 1006
#define IDC_EDIT_BLUE 1007
#define IDC_SPIN_RED 1008
#define IDC_SPIN_GREEN 1009
#define IDC_SPIN_BLUE 1010
#define IDC_SLIDER_RED 1011
#define IDC_SLIDER_GREEN 1012
#define IDC_SLIDER_BLUE 1013
#define IDC_STATIC_PREVIEW 1161  // hidden: where the preview strip starts

// The program's own commands.
#define ID_EDIT_HEX 32772
#define ID_VIEW_TOPMOST 32773
#define ID_VIEW_ALL 32774
#define ID_VIEW_SEARCH 32775
#define ID_VIEW_SORT 32778
#define ID_TOOL_INVERSE 32779
#define ID_TOOL_COLOR_DIALOG 32780
#define ID_TOOL_EYEDROPPER 32781
#define ID_EDIT_COLOR_DATA 32785
#define ID_VIEW_CATEGORY 32786
#define ID_TOOL_OPTION 32787

// Tooltips of the form's controls.
#define IDS_TIP_BACK 57667
#define IDS_TIP_TEXT 57668
#define IDS_TIP_NAME 57669
#define IDS_TIP_RED 57670
#define IDS_TIP_GREEN 57671
#define IDS_TIP_BLUE 57672

// Messages of the program itself.
#define IDS_OUT_OF_MEMORY 61800
#define IDS_SETTINGS_NOT_SAVED 61801
#define IDS_CLIPBOARD_NOT_COPIED 61802
#define IDS_EYEDROPPER_NO_MEMORY 61803

// About box: the two statics that become links.
#define IDD_ABOUTBOX 100
#define IDC_LINK_HOME 1034
#define IDC_LINK_MAIL 1035

// Search dialog. Each up-down attaches itself to the edit field just before it.
#define IDD_SEARCH 136
#define IDC_RADIO_SEARCH_NAME 1053
#define IDC_RADIO_SEARCH_RGB 1054
#define IDC_EDIT_SEARCH_NAME 1055
#define IDC_EDIT_RED_MIN 1056
#define IDC_SPIN_RED_MIN 1057
#define IDC_EDIT_GREEN_MIN 1058
#define IDC_EDIT_RED_MAX 1059
#define IDC_SPIN_RED_MAX 1060
#define IDC_EDIT_GREEN_MAX 1061
#define IDC_EDIT_BLUE_MIN 1062
#define IDC_EDIT_BLUE_MAX 1063
#define IDC_SPIN_GREEN_MIN 1064
#define IDC_SPIN_GREEN_MAX 1065
#define IDC_SPIN_BLUE_MIN 1066
#define IDC_SPIN_BLUE_MAX 1067
#define IDC_BUTTON_RESET 1068

// Sort dialog: the eight keys in key order, ascending and descending by turns.
#define IDD_SORT 138
#define IDC_RADIO_READING_ASC 1090
#define IDC_RADIO_READING_DESC 1091
#define IDC_RADIO_RED_ASC 1092
#define IDC_RADIO_RED_DESC 1093
#define IDC_RADIO_GREEN_ASC 1094
#define IDC_RADIO_GREEN_DESC 1095
#define IDC_RADIO_BLUE_ASC 1096
#define IDC_RADIO_BLUE_DESC 1097

// Display-by-category dialog. The reading radio comes first in the template although its id is
// the higher one. The ids of the families and of the kana rows run in their table order.
#define IDD_CATEGORY 139
#define IDC_RADIO_CATEGORY_COLOR 1098
#define IDC_RADIO_CATEGORY_READING 1099
#define IDC_CHECK_FAMILY_RED 1100
#define IDC_CHECK_FAMILY_YELLOW 1101
#define IDC_CHECK_FAMILY_GREEN 1102
#define IDC_CHECK_FAMILY_BLUE 1103
#define IDC_CHECK_FAMILY_GREY 1104
#define IDC_CHECK_ROW_A 1105
#define IDC_CHECK_ROW_KA 1106
#define IDC_CHECK_ROW_SA 1107
#define IDC_CHECK_ROW_TA 1108
#define IDC_CHECK_ROW_NA 1109
#define IDC_CHECK_ROW_HA 1110
#define IDC_CHECK_ROW_MA 1111
#define IDC_CHECK_ROW_YA 1112
#define IDC_CHECK_ROW_RA 1113
#define IDC_CHECK_ROW_WA 1114

// Hex conversion dialog.
#define IDD_HEX_CONV 133
#define IDC_EDIT_HEX_RED 1027
#define IDC_EDIT_HEX_GREEN 1028
#define IDC_EDIT_HEX_BLUE 1029
#define IDC_EDIT_HEX_HTML_CODE 1030
#define IDC_STATIC_DEC_RED 1031
#define IDC_STATIC_DEC_GREEN 1032
#define IDC_STATIC_DEC_BLUE 1033
#define IDC_STATIC_HEX_SWATCH 1144
// Its texts: the decimal display of a value that is no channel, and the refusal on OK.
#define IDS_HEX_NO_CHANNEL 61816
#define IDS_HEX_CHANNEL_RANGE 61817

// Colour data editor. Each up-down attaches itself to the edit field just before it.
#define IDD_COLOR_EDIT 137
#define IDC_LIST_COLOR_DATA 1069
#define IDC_EDIT_DATA_NAME 1070
#define IDC_EDIT_DATA_READING 1071
#define IDC_EDIT_DATA_RED 1072
#define IDC_SPIN_DATA_RED 1073
#define IDC_EDIT_DATA_GREEN 1074
#define IDC_SPIN_DATA_GREEN 1075
#define IDC_EDIT_DATA_BLUE 1076
#define IDC_SPIN_DATA_BLUE 1077
#define IDC_EDIT_DATA_HTML_CODE 1078
#define IDC_BUTTON_DATA_ADD 1079
#define IDC_BUTTON_DATA_MODIFY 1081
#define IDC_BUTTON_DATA_DELETE 1082
#define IDC_STATIC_DATA_SWATCH 1145
// Its texts: the caption pattern (%1 rows, %2 "*" once changed), its messages and the list's
// headings (one per line).
#define IDS_COLOR_EDIT_TITLE 61824
#define IDS_COLOR_EDIT_NEED_NAME 61825
#define IDS_COLOR_EDIT_DUPLICATE 61826
#define IDS_COLOR_EDIT_SELECT_MODIFY 61827
#define IDS_COLOR_EDIT_SELECT_DELETE 61828
#define IDS_COLOR_EDIT_NO_COMMA 61829
#define IDS_COLOR_EDIT_HEADINGS 61830

// Eyedropper: the full-screen cover and the magnifier it runs. The magnifier's readout: code,
// name, reading and family in one text (read out as one), the pixel's position, a copy's status.
#define IDD_MAGNIFIER 140
#define IDD_EYEDROPPER 143
#define IDC_STATIC_READOUT_TEXT 1162
#define IDC_STATIC_READOUT_POSITION 1163
#define IDC_STATIC_READOUT_STATUS 1164
// The families' names one per line, the name line of an empty catalogue, the position (%1 x, %2 y),
// a copy's status (%1 the code).
#define IDS_READOUT_FAMILIES 61850
#define IDS_READOUT_NO_NAME 61851
#define IDS_READOUT_POSITION 61852
#define IDS_READOUT_COPIED 61853
#define IDS_READOUT_NOT_COPIED 61854

// Options dialog. The case sample sits right of the copy prefix, so the two read as a copied code.
#define IDD_OPTION 141
#define IDC_EDIT_PREVIEW 1117
#define IDC_EDIT_COPY_PREFIX 1118
#define IDC_RADIO_UPPER_CASE 1121
#define IDC_RADIO_LOWER_CASE 1122
#define IDC_STATIC_CASE_SAMPLE 1123

// Contrast dialog: the pair as the strip has it, its ratio and verdicts, the nearest names and the
// nearest readable colour. The swatch is painted over its etched frame, as in the other dialogs.
#define ID_TOOL_CONTRAST 32788
#define IDD_CONTRAST 144
#define IDC_STATIC_CONTRAST_PAIR 1146
#define IDC_STATIC_CONTRAST_BACK 1147
#define IDC_STATIC_CONTRAST_TEXT 1148
#define IDC_STATIC_CONTRAST_RATIO 1149
#define IDC_STATIC_VERDICT_AA_NORMAL 1150
#define IDC_STATIC_VERDICT_AA_LARGE 1151
#define IDC_STATIC_VERDICT_AAA_NORMAL 1152
#define IDC_STATIC_VERDICT_AAA_LARGE 1153
#define IDC_LIST_CONTRAST_NAMES 1154
#define IDC_BUTTON_CONTRAST_USE_NAME 1155
#define IDC_RADIO_CONTRAST_AA 1156
#define IDC_RADIO_CONTRAST_AAA 1157
#define IDC_BUTTON_CONTRAST_PROPOSE 1158
#define IDC_STATIC_CONTRAST_SWATCH 1159
#define IDC_STATIC_CONTRAST_PROPOSAL 1160
#define IDC_BUTTON_CONTRAST_PICK_BACK 1166
#define IDC_BUTTON_CONTRAST_PICK_TEXT 1167
// The colour-vision section: for protanopia, deuteranopia, tritanopia and greyscale in turn, the
// pair's swatch (painted over its frame), ratio and verdict; the warning beneath them.
#define IDC_STATIC_VISION_SWATCH_1 1168
#define IDC_STATIC_VISION_SWATCH_2 1169
#define IDC_STATIC_VISION_SWATCH_3 1170
#define IDC_STATIC_VISION_SWATCH_4 1171
#define IDC_STATIC_VISION_RATIO_1 1172
#define IDC_STATIC_VISION_RATIO_2 1173
#define IDC_STATIC_VISION_RATIO_3 1174
#define IDC_STATIC_VISION_RATIO_4 1175
#define IDC_STATIC_VISION_VERDICT_1 1176
#define IDC_STATIC_VISION_VERDICT_2 1177
#define IDC_STATIC_VISION_VERDICT_3 1178
#define IDC_STATIC_VISION_VERDICT_4 1179
#define IDC_STATIC_VISION_WARNING 1180
// Its texts: the verdicts, the edited colour's mark, the proposal (%1 code, %2 ratio) or its
// absence, the list's headings (one per line).
#define IDS_CONTRAST_PASS 61840
#define IDS_CONTRAST_FAIL 61841
#define IDS_CONTRAST_EDITED 61842
#define IDS_CONTRAST_PROPOSAL 61843
#define IDS_CONTRAST_NO_PROPOSAL 61844
#define IDS_CONTRAST_UNREACHABLE 61845
#define IDS_CONTRAST_HEADINGS 61846
// The deficiencies' names one per line, a view's verdict (%1 level, %2 pass or fail), the warning
// (%1 level, %2 the deficiencies' names).
#define IDS_VISION_NAMES 61847
#define IDS_VISION_VERDICT 61848
#define IDS_VISION_WARNING 61849
