// The message map: the one way window classes handle messages.
//
//   BEGIN_MSG_MAP(CMyDlg, CDialog)
//       ON_MESSAGE(WM_PAINT, OnPaint)            // LRESULT OnPaint(WPARAM, LPARAM)
//       ON_COMMAND(IDC_APPLY, OnApply)           // void OnApply()
//       ON_COMMAND_RANGE(100, 110, OnPick)       // void OnPick(UINT id)
//       ON_CONTROL(CBN_SELCHANGE, IDC_LIST, OnSel) // void OnSel()
//       ON_NOTIFY(NM_CLICK, IDC_VIEW, OnClick)   // LRESULT OnClick(NMHDR*)
//       ON_TIMER(OnTimer)                        // void OnTimer(UINT_PTR id)
//       ON_REFLECT(WM_DRAWITEM, OnDrawItem)      // LRESULT OnDrawItem(WPARAM, LPARAM), in a control
//       ON_MESSAGE_EX(WM_COMMAND, OnCmd)         // BOOL OnCmd(WPARAM, LPARAM, LRESULT&): FALSE
//                                                // lets the next entries and the base map see it
//       ON_REFLECT_EX(WM_COMMAND, OnClicked)     // BOOL OnClicked(WPARAM, LPARAM, LRESULT&): FALSE
//                                                // lets the parent handle the message as well
//   END_MSG_MAP()
//
// Entries are tried in order; the first match handles the message. Unmatched messages go
// to the base class's map and finally to default processing.
#pragma once

#include <windows.h>

// Reflected messages: a parent hands WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*, WM_NOTIFY,
// WM_COMMAND and WM_HSCROLL/WM_VSCROLL of a child back to the child's object as
// VX_REFLECT_BASE + message before it looks at them itself.
constexpr UINT VX_REFLECT_BASE = 0xA000;

// True for a WM_COMMAND from a menu, an accelerator or a button click.
inline bool VxIsCommandClick(WPARAM wParam, LPARAM lParam)
{
    const UINT code = HIWORD(wParam);
    return lParam == 0 ? code <= 1 : code == BN_CLICKED;
}

#define BEGIN_MSG_MAP(theClass, baseClass)                                                  \
protected:                                                                                  \
    BOOL ProcessWindowMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult) override \
    {                                                                                       \
        using VxMapBase = baseClass;                                                        \
        (void)uMsg; (void)wParam; (void)lParam;

#define ON_MESSAGE(msg, fn)                                                                 \
        if (uMsg == (msg)) {                                                                \
            lResult = fn(wParam, lParam);                                                   \
            return TRUE;                                                                    \
        }

#define ON_COMMAND(id, fn)                                                                  \
        if (uMsg == WM_COMMAND && LOWORD(wParam) == (id) && VxIsCommandClick(wParam, lParam)) { \
            fn();                                                                           \
            lResult = 0;                                                                    \
            return TRUE;                                                                    \
        }

#define ON_COMMAND_RANGE(first, last, fn)                                                   \
        if (uMsg == WM_COMMAND && LOWORD(wParam) >= (first) && LOWORD(wParam) <= (last)     \
            && VxIsCommandClick(wParam, lParam)) {                                          \
            fn(LOWORD(wParam));                                                             \
            lResult = 0;                                                                    \
            return TRUE;                                                                    \
        }

#define ON_CONTROL(notifyCode, id, fn)                                                      \
        if (uMsg == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) == (notifyCode) && lParam != 0) { \
            fn();                                                                           \
            lResult = 0;                                                                    \
            return TRUE;                                                                    \
        }

#define ON_NOTIFY(notifyCode, id, fn)                                                       \
        if (uMsg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->idFrom == (UINT_PTR)(id) \
            && reinterpret_cast<NMHDR*>(lParam)->code == (UINT)(notifyCode)) {              \
            lResult = fn(reinterpret_cast<NMHDR*>(lParam));                                 \
            return TRUE;                                                                    \
        }

#define ON_TIMER(fn)                                                                        \
        if (uMsg == WM_TIMER) {                                                             \
            fn(static_cast<UINT_PTR>(wParam));                                              \
            lResult = 0;                                                                    \
            return TRUE;                                                                    \
        }

#define ON_REFLECT(msg, fn)                                                                 \
        if (uMsg == VX_REFLECT_BASE + (msg)) {                                              \
            lResult = fn(wParam, lParam);                                                   \
            return TRUE;                                                                    \
        }

#define ON_MESSAGE_EX(msg, fn)                                                              \
        if (uMsg == (msg) && fn(wParam, lParam, lResult))                                   \
            return TRUE;

#define ON_REFLECT_EX(msg, fn)                                                              \
        if (uMsg == VX_REFLECT_BASE + (msg) && fn(wParam, lParam, lResult))                 \
            return TRUE;

#define END_MSG_MAP()                                                                       \
        return VxMapBase::ProcessWindowMessage(uMsg, wParam, lParam, lResult);              \
    }
