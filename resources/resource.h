// Resource ids shared by the resource script and the code.
#pragma once

// String table
#define IDS_APP_TITLE 10009
#define IDS_MAIN_CAPTION 10010
#define IDS_INIT_APPLICATION_FAILED 10226
#define IDS_INIT_INSTANCE_FAILED 10227

// Compose window controls and buttons
#define IDC_TO_BUTTON 3000
#define IDC_CC_BUTTON 3002
#define IDC_BCC_BUTTON 3004
#define IDC_SUBJECT 3007
#define IDC_SEND 3009
#define IDC_CANCEL 3010
#define IDC_ATTACH 3012

// Menu commands
#define IDM_CUT 40004
#define IDM_COPY 40005
#define IDM_PASTE 40006
#define IDM_PASTE_FILE 40007
#define IDM_DELETE 40008
#define IDM_MESSAGE_OPTIONS 40009
#define IDM_SEND_OPTIONS 40010
#define IDM_LOAD 40011
#define IDM_SAVE_AS 40012
#define IDM_UNDO 40014
#define IDM_SELECT_ALL 40015
#define IDM_HELP_CREATING 40016
#define IDM_HELP_RECIPIENTS 40017
#define IDM_SHOW_TOOLBAR 40018
#define IDM_REDO 40019
#define IDM_DEFINE_SPECIAL 40027
#define IDM_APPLY_SPECIAL 40028
