// Message map entries whose handler decides whether the message counts as handled.
//
//   ON_MESSAGE_EX(WM_COMMAND, OnCommandMsg)  // BOOL OnCommandMsg(WPARAM, LPARAM, LRESULT&)
//   ON_REFLECT_EX(WM_COMMAND, OnReflected)   // BOOL OnReflected(WPARAM, LPARAM, LRESULT&)
//
// A handler returning FALSE lets the message go on: to the next entries and the base map
// (ON_MESSAGE_EX), or, for a reflected message, to the parent's own handling.
#pragma once

#include "framework/MsgMap.h"

#define ON_MESSAGE_EX(msg, fn)                                                              \
        if (uMsg == (msg) && fn(wParam, lParam, lResult))                                   \
            return TRUE;

#define ON_REFLECT_EX(msg, fn)                                                              \
        if (uMsg == VX_REFLECT_BASE + (msg) && fn(wParam, lParam, lResult))                 \
            return TRUE;
