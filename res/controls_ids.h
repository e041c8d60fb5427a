// Resource identifiers of the control kit.
#pragma once

#define IDD_MESSAGEBOX_DLG 125
#define IDD_TAB_DLG 142
#define IDI_MESSAGEBOX 166
#define IDC_MESSAGEBOX_TEXT 1032
