// Resource and command ids, grouped by kind. Plain #defines: included by the
// resource script and by C++ alike.
#pragma once

// Strings: messages and texts of the program's own operations
#define IDS_TIP_DID_YOU_KNOW 108 // heading painted in the tip dialog
#define IDS_TIP_FILE_ABSENT 109
#define IDS_TIP_FILE_ERROR 110
#define IDS_REGISTRY_OPEN_FAILED 1000
#define IDS_REGISTRY_WRITE_FAILED 1002
#define IDS_ASK_RESTART 1003
#define IDS_CURRENT_SETTING 1004 // document title of the registry's list
#define IDS_ALL_REMAPS_CLEARED 1005
#define IDS_CONFIRM_WRITE_TAIL 1011
#define IDS_DANGER_WARNING 1013
#define IDS_LOST_KEY_FORMAT 1015 // "%s" key name, then its scancode
#define IDS_CHECK_FOUND_NOTHING 1016
#define IDS_CONFIRM_CLEAR 1018
#define IDS_CONFIRM_RESTORE 1019
#define IDS_CONFIRM_DISCARD 1020
#define IDS_AUTOLOGON_FAILED 1021
#define IDS_PASSWORD_MISMATCH 1022
#define IDS_UNREADABLE_SCANCODE_MAP 1024 // "%1": the value's length in bytes
#define IDS_MANUAL_ENDING 1025 // put in place of the program's extension: the set's manual
#define IDS_IMPORT_FILTER 1026 // file dialogs: pairs of a text and its patterns, each ending in "|"
#define IDS_EXPORT_FILTER 1027
#define IDS_IMPORT_FAILED 1028 // "%1": the file's path, "%2": what was wrong
#define IDS_EXPORT_FAILED 1029
#define IDS_SCANCODE_MAP_CHANGED 1030 // at save: another program wrote the value since it was read
#define IDS_CLEAR_NEEDS_ONE_COPY 1040 // velloric -c while another copy runs
#define IDS_PASSWORD_STORED_READABLE 1041 // automatic logon's password left in the registry
// Keys beyond the drawn keyboard (one block of sixteen: 1056 to 1071)
#define IDS_KEY_CATALOGUE_NAMES 1056 // one display name a line, in CKeyCatalogue's order
#define IDS_PRODUCES_NOTHING 1057 // "%1": the key's name; status bar and tool tip of a key sent nothing
#define IDS_NOTHING_CHOICE 1058 // the output "nothing" in the other-keys window

#define IDS_PRESS_A_KEY_WAIT 1060 // while the window waits for a key
#define IDS_PRESS_A_KEY_TRANSLATED 1061 // "%1" the code pressed, "%2" the physical key it comes from
#define IDS_PRESS_A_KEY_NONE 1062 // Esc or the time ran out
#define IDS_PRESS_A_KEY_GOT 1063 // "%1": the key taken
#define IDS_PRESS_A_KEY_FAILED 1064 // the hook could not be set
#define IDS_OTHER_KEYS_SAME 1065 // a key mapped to itself
#define IDS_MORE_LINES 1088 // a message box cut to the screen: "%1" the lines left out
#define IDS_ACC_BASE_KEYBOARD 1089 // what assistive technology calls the two keyboards
#define IDS_ACC_REMAP_KEYBOARD 1090
#define IDS_ACC_PRODUCES 1091 // a remapped key: "%1" the name of the key it produces
#define IDS_ACC_UNCHANGED 1092
#define IDS_ACC_PRODUCES_NOTHING 1093

// Strings: frame and framework
#define IDS_APP_TITLE 57344 // message-box caption and profile key name
#define IDS_IDLE_MESSAGE 57345
#define ID_INDICATOR_CAPS 59137
#define ID_INDICATOR_NUM 59138
#define ID_INDICATOR_SCRL 59139
#define IDS_SC_SIZE 61184 // system-menu prompts
#define IDS_SC_MOVE 61185
#define IDS_SC_MINIMIZE 61186
#define IDS_SC_MAXIMIZE 61187
#define IDS_SC_CLOSE 61190
#define IDS_SC_RESTORE 61202
#define IDS_SC_TASKLIST 61203
#define IDP_FAILED_TO_CREATE_DOC 61700 // the framework's: start-up could not make its window

// Commands (a command's string is its prompt, "\n", its tool tip)
#define ID_HELP_ONE_POINT 105
#define ID_EDIT_REMOVE_ALL 32772
#define ID_HELP_SHOW_MANUAL 32774
#define ID_EDIT_RESTORE 32775
#define ID_FILE_CANCEL_EXIT 32776
#define ID_EDIT_CHECK_INTEGRITY 32779
#define ID_OPTION_FIT_KEYNAME 32780
#define ID_OPTION_FIT_KEYNAME_NEUTRAL 32781
#define ID_OPTION_FONT 32782
#define ID_OPTION_AUTOLOGON 32783
#define ID_KEY_ESCAPE 32784
#define ID_KEYNAME_SIMPLE 32785
#define ID_KEYNAME_RAISED 32786
#define ID_KEYNAME_SUNK 32787
#define ID_FILE_IMPORT 32790 // the key table from a .reg or text file
#define ID_FILE_EXPORT 32791 // the key table on screen to a .reg file
#define ID_EDIT_OTHER_KEYS 32800 // the window of keys beyond the drawn keyboard
#define ID_KEY_PRODUCE_NOTHING 32801 // context menu of a remapped key: it sends nothing
#define ID_KEY_PRODUCE_OWN 32802 // context menu of a remapped key: its own code back
#define ID_FILE_NEW 57600
#define ID_FILE_SAVE 57603 // the framework's save: handled, does nothing
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665 // save and exit

// Menu, accelerators, tool bar and its bitmap, icon, document string
#define IDR_MAINFRAME 128
// The tool bar's layout: WORDs version 1, button width, height, item count, commands (0 separator)
#define RT_TOOLBAR_DATA 241

// Dialogs
#define IDD_ABOUTBOX 100
#define IDD_KEYBOARD_FORM 101 // 101/104-key layout
#define IDD_ONE_POINT 104
#define IDD_KEYBOARD_FORM_106 132 // Japanese 106-key layout
#define IDD_AUTOLOGON 136
#define IDD_PASSWORD_CONFIRM 138
#define IDD_OTHER_KEYS 150 // keys beyond the drawn keyboard
#define IDR_KEY_CONTEXT_MENU 151 // menu of a key of the remapped keyboard
#define IDD_NEW_TYPE 30721 // the framework's document-type chooser

// Controls
#define IDC_STATIC (-1)
// Keyboard forms: every key's button carries its key id from the key table;
// its twin on the remapped keyboard carries the key id + IDC_KEY_REMAP_OFFSET.
#define IDC_KEY_REMAP_OFFSET 2000
#define IDC_KEY_PRINT_SCREEN 68 // buttons that are not keys: never shown
#define IDC_KEY_SCROLL_LOCK 69
#define IDC_KEY_PAUSE 70
#define IDC_FORM_STATUS 1014
#define IDC_FORM_DUMMY 9999
// Tip of the day
#define IDC_TIP_PICTURE 1000
#define IDC_TIP_SHOW_AT_STARTUP 1001
#define IDC_TIP_NEXT 1002
#define IDC_TIP_TEXT 1004
// Automatic logon and password confirmation
#define IDC_AUTOLOGON_ENABLE 1020
#define IDC_AUTOLOGON_USER_NAME 1022
#define IDC_AUTOLOGON_PASSWORD 1023
#define IDC_AUTOLOGON_DOMAIN_NAME 1024
#define IDC_PASSWORD_CONFIRM 1023
// Keys beyond the drawn keyboard
#define IDC_OTHER_KEYS_LIST 1100
#define IDC_OTHER_KEYS_PHYSICAL 1101
#define IDC_OTHER_KEYS_OUTPUT 1102
#define IDC_OTHER_KEYS_SET 1103
#define IDC_OTHER_KEYS_REMOVE 1104
#define IDC_OTHER_KEYS_PRESS_PHYSICAL 1105
#define IDC_OTHER_KEYS_PRESS_OUTPUT 1106
#define IDC_OTHER_KEYS_STATUS 1107

// Cursors
#define IDC_CURSOR_NO_DROP 106
#define IDC_CURSOR_DRAG 144

// Bitmaps (the tool bar's is IDR_MAINFRAME)
#define IDB_LIGHT_BULB 103

// Sound (resource type "WAVE")
#define IDR_ABOUT_WAVE 146

// Each resource set also names its own language: type 255, id 1, four bytes,
// the language id little-endian. Nothing reads it at run time.
#define RT_RESOURCE_SET_LANGUAGE 255
#define ResourceSetLanguage 1
