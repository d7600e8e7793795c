// Ids of the dialog templates and their controls, shared by the resource
// script and the Win32 front-end.
#pragma once

#define IDD_VANEDESK_DIALOG 102
#define IDD_PARAMETERS 129
#define IDD_SAVE 131
#define IDD_LOAD 132

#define IDC_LOG 1000
#define IDC_BROWSE 1002
#define IDC_START 1003
#define IDC_HTML 1004
#define IDC_PDF 1005
#define IDC_SETTINGS 1006
#define IDC_DISPLAY 1007
#define IDC_OUTPUT_GROUP 1019

#define IDC_HEADING_LEVEL 1007
#define IDC_HEADING_LEVEL_PDF 1008
#define IDC_USE_HOME 1009
#define IDC_INTERNAL_LINKS 1010
#define IDC_SKIP_HEADINGS 1011
#define IDC_INDEX_WIDTH 1012
#define IDC_OPEN_BOOKMARKS 1013
#define IDC_SAVE_PROFILE 1014
#define IDC_LOAD_PROFILE 1015
#define IDC_PROFILE_NAME 1016
#define IDC_PROFILE_LIST 1018

#define IDI_VANEDESK 128
