// Resource ids shared by the resource script and the code.
#pragma once

// String table
#define IDS_APP_TITLE 10009
#define IDS_MAIN_CAPTION 10010
#define IDS_INIT_APPLICATION_FAILED 10226
#define IDS_INIT_INSTANCE_FAILED 10227

// Body text operations: prompts, dialog titles, filter lists and failures
#define IDS_OPEN_FAILED 7
#define IDS_INCLUDE_TRUNCATED 39
#define IDS_MESSAGE_FILTER 41
#define IDS_LOAD_TITLE 42
#define IDS_BODY_TRUNCATED 43
#define IDS_LOCK_FAILED 44
#define IDS_SAVE_TITLE 45
#define IDS_TEXT_FILTER 48
#define IDS_IMPORT_TITLE 49
#define IDS_PASTE_FILE_CAPTION 50
#define IDS_PASTE_LOCK_FAILED 51
#define IDS_PASTE_ALLOC_FAILED 52
#define IDS_ALLOC_FAILED 10888
#define IDS_NAME_TOO_LONG 53

// Toolbar tips, one per button command
#define IDS_TIP_LOAD 15
#define IDS_TIP_SAVE 16
#define IDS_TIP_CUT 17
#define IDS_TIP_COPY 18
#define IDS_TIP_PASTE 19
#define IDS_TIP_PASTE_FILE 20
#define IDS_TIP_UNDO 21
#define IDS_TIP_REDO 22
#define IDS_TIP_SEND 23
#define IDS_TIP_HELP 24
#define IDS_TIP_APPLY_SPECIAL 25

// The attach dialog: its filter list and title
#define IDS_ATTACH_FILTER 13
#define IDS_ATTACH_TITLE 14

// About box texts
#define IDS_ABOUT_NOTICE 10144
#define IDS_VERSION_WORD 10884

// Compose window controls and buttons: control row i has the id 3000 + i
#define IDC_TO_BUTTON 3000
#define IDC_TO 3001
#define IDC_CC_BUTTON 3002
#define IDC_CC 3003
#define IDC_BCC_BUTTON 3004
#define IDC_BCC 3005
#define IDC_SUBJECT_LABEL 3006
#define IDC_SUBJECT 3007
#define IDC_BODY 3008
#define IDC_SEND 3009
#define IDC_CANCEL 3010
#define IDC_ATTACHMENT_DISPLAY 3011
#define IDC_ATTACH 3012
#define IDC_REPLY_LABEL 3013
#define IDC_REPLY_ALL 3014
#define IDC_REPLY_SENDER 3015
#define IDC_INCLUDE_LABEL 3016
#define IDC_INCLUDE_YES 3017
#define IDC_INCLUDE_NO 3018
#define IDC_REPLY_SAVE_DEFAULT 3019
#define IDC_TOOLBAR 1160
// The body's name for screen readers: a hidden label just before it ("&Message text")
#define IDC_BODY_LABEL 3020

// Toolbar image strips: 14 images of 16, 24 or 32 pixels square, 16 colours
#define IDB_TOOLBAR 109
#define IDB_TOOLBAR24 110
#define IDB_TOOLBAR32 111

// About box controls (the dialog itself is "ABOUT", its picture the bitmap "IDB_ABOUTBMP")
#define IDC_ABOUT_NOTICE 10190
#define IDC_ABOUT_PRODUCT 10195
#define IDC_ABOUT_VERSION 10196
#define IDC_ABOUT_PICTURE 10337

// Menu commands
#define IDM_EXIT 2001
#define IDM_ABOUT 2002
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

// Enter in the To, CC or BCC field: check the names in that field (4000 + its row)
#define IDM_CHECK_TO_NAMES 4001
#define IDM_CHECK_CC_NAMES 4003
#define IDM_CHECK_BCC_NAMES 4005

// Message options dialog "DLG_MSGOPT"
#define IDC_OPT_SIGNATURE_FILE 1000
#define IDC_OPT_INCLUDE_SIGNATURE 1001
#define IDC_OPT_AUTO_WRAP 1002
#define IDC_OPT_REGISTERED 1003
#define IDC_OPT_BCC_ADDRESSES 1021
#define IDC_OPT_WRAP_COLUMN 1022
#define IDC_OPT_AUTO_BCC 1023
#define IDC_OPT_ALLOW_TAB 1024
#define IDC_OPT_ENCODE_TEXT 1028
#define IDC_OPT_SHOW_STATUS 1031
#define IDC_OPT_SEND_PROMPT 1033
#define IDC_OPT_MIME 2221
#define IDC_OPT_UUENCODE 2222
#define IDC_OPT_EDIT_SIGNATURE 1305
#define IDC_OPT_SET_SEND_OPTIONS 3210

// Send options dialog "DLG_SEND" (its check boxes share the message options dialog's ids)
#define IDC_SEND_REPLY_ADDRESS 1054
#define IDC_SEND_INCLUDE_SIGNATURE 1001
#define IDC_SEND_REGISTERED 1003
#define IDC_SEND_SHOW_STATUS 1031
#define IDC_SEND_SMTP_DIRECT 5802
#define IDC_SEND_NOW 2221
#define IDC_SEND_QUEUE 2222
#define IDC_SEND_MIME 2223
#define IDC_SEND_UUENCODE 2224
#define IDC_SEND_SAVE 2640

// User-defined program dialog "DLG_SPECIAL"
#define IDC_SPECIAL_PROGRAM 1045
#define IDC_SPECIAL_AUTO_PASTE 1052

// Address book texts
#define IDS_LIST_FILES_TITLE 1
#define IDS_INDEX_OPEN_FAILED 2
#define IDS_LIST_OPEN_FAILED 5
#define IDS_SAVE_ADDRESSES 6
#define IDS_FILENAME_LABEL 8
#define IDS_KIND_SHARED 9
#define IDS_KIND_PERSONAL 10
#define IDS_KIND_LIST 11
#define IDS_KIND_LOCAL 12
#define IDS_KIND_ALIAS 10903
#define IDS_LIST_FILTER 11303

// Address book "DLG_ADDRESS"
#define IDC_BOOK_SEARCH 501
#define IDC_BOOK_RESULTS 1012
#define IDC_BOOK_ADDRESSES 1013
#define IDC_BOOK_RECIPIENTS 1014
#define IDC_BOOK_ADD 1033
#define IDC_BOOK_REMOVE 1034
#define IDC_BOOK_NEW 1037
#define IDC_BOOK_MODIFY 1038
#define IDC_BOOK_DELETE 1039
#define IDC_BOOK_SAVE 1040
#define IDC_BOOK_FIELD_LABEL 1043
#define IDC_BOOK_KIND_LABEL 1044
#define IDC_BOOK_HELP 9

// Entry dialog "DLG_ADDRINFO"
#define IDC_INFO_NAME 1014
#define IDC_INFO_ADDRESS 1015
#define IDC_INFO_CONTENTS 1045
#define IDC_INFO_CONTENTS_LABEL 1046
#define IDC_INFO_NAME_LABEL 1047
#define IDC_INFO_ADDRESS_LABEL 1048
#define IDC_INFO_BROWSE 1050
#define IDC_INFO_ALIAS 2221
#define IDC_INFO_SHARED 2222
#define IDC_INFO_PERSONAL 2223

// Kind dialog "DLG_ADDRNEW"
#define IDC_NEW_NAME 2221
#define IDC_NEW_LIST 2222
#define IDC_NEW_IMPORT 2223
