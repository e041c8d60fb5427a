// Resource and command identifiers.
#pragma once

#define IDR_MAINFRAME 128

// Dialogs
#define IDD_HIDE_DLG 103

// Tray menu commands
#define ID_TRAY_LAUNCH 32931
#define ID_TRAY_EXIT 32933
