// Standard command, control and string ids of the framework. Plain #defines so that the resource
// compiler can read this file too.
#pragma once

#define ID_SEPARATOR 0

// Labels and other controls that nothing refers to.
#define IDC_STATIC (-1)

#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_SAVE 57603
#define ID_EDIT_COPY 57634
#define ID_EDIT_PASTE 57637
#define ID_APP_ABOUT 57664
#define ID_HELP_INDEX 57666
#define ID_VIEW_STATUS_BAR 59393

#define AFX_IDW_STATUS_BAR 59393
#define AFX_IDW_PANE_FIRST 59648

#define AFX_IDS_APP_TITLE 57344
#define AFX_IDS_IDLEMESSAGE 57345

// The framework's own messages (texts in the program's string table).
#define AFX_IDP_FAILED_TO_OPEN_DOC 61700
#define AFX_IDP_FAILED_TO_SAVE_DOC 61701
#define AFX_IDP_FAILED_TO_LAUNCH_HELP 61703
#define AFX_IDP_PARSE_INT 61712
#define AFX_IDP_PARSE_INT_RANGE 61714
#define AFX_IDP_PARSE_STRING_SIZE 61716
#define AFX_IDP_PARSE_RADIO_BUTTON 61717
#define AFX_IDS_SAVEFILE 61718
#define AFX_IDS_ALLFILTER 61719
#define AFX_IDP_PARSE_CHARSET 61720
#define AFX_IDP_ASK_TO_SAVE 61721
#define AFX_IDP_FAILED_TO_SAVE_IN_USE 61722
#define AFX_IDS_UNSAVED_BLOCKS_SHUTDOWN 61723
