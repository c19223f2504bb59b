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
