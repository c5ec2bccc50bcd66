// Resource identifiers: templates, menu, bitmaps and icons.
#pragma once

// Icons
#define IDR_MAINFRAME 128   // program icon
#define IDI_ROW 135         // editor: an ordinary row
#define IDI_CURRENT_ROW 143 // editor: the current entry's row

// Dialog templates
#define IDD_PLAYER 102
#define IDD_TICKER 129
#define IDD_PLAYLIST 131
#define IDD_MINI 135

// Skin bitmaps
#define IDB_BACK 132
#define IDB_TICKER 134
#define IDB_MINI 136
#define IDB_PRESSED 138
#define IDB_PLAYING 139
#define IDB_PRESSED_LIT 141
#define IDB_PAUSED 143
#define IDB_DIGITS 144

// Playlist editor's controls (its close button is IDCLOSE, 8)
#define IDC_TRACK_LIST 1013
#define IDC_ADD 1015
#define IDC_UP 1016
#define IDC_DELETE 1017
#define IDC_DOWN 1018
#define IDC_PLAY_TEST 1019 // hidden default button: Enter plays

// Popup menu
#define IDR_POPUP 137
#define ID_PLAYPAUSE 32771
#define ID_STOP 32772
#define ID_PREVTRACK 32773
#define ID_NEXTTRACK 32774
#define ID_TOPMOST 32775
#define ID_EXIT 32777
#define ID_AUTOSHRINK 32778
