#include "ui/controls/ResizeDlg.h"

#include "app/Globals.h"
#include "framework/Gdi.h"
#include "ui/controls/DialogTemplateFont.h"

namespace {
int g_desktopBottomForTest = 0;
}

int CResizeDlg::DesktopBottom()
{
    if (g_desktopBottomForTest)
        return g_desktopBottomForTest;
    RECT rc{};
    ::GetWindowRect(::GetDesktopWindow(), &rc);
    return rc.bottom;
}

void CResizeDlg::SetDesktopBottomForTest(int bottom)
{
    g_desktopBottomForTest = bottom;
}

bool CResizeDlg::IsCompactDesktop()
{
    return DesktopBottom() < VX_COMPACT_DESKTOP_HEIGHT;
}

const DLGTEMPLATE* CResizeDlg::GetTemplate(std::vector<BYTE>& storage)
{
    const DLGTEMPLATE* pTemplate = CDialog::GetTemplate(storage);
    if (!pTemplate || !IsCompactDesktop())
        return pTemplate;
    std::vector<BYTE> rewritten;
    if (!VxRewriteDialogFont(storage.data(), storage.size(), "Trebuchet MS", 7, rewritten))
        return nullptr;
    storage.swap(rewritten);
    return reinterpret_cast<const DLGTEMPLATE*>(storage.data());
}

void CPageDlg::DrawTopLine(HWND hWnd, HDC hDC)
{
    RECT rc{};
    ::GetClientRect(hWnd, &rc);
    VxDraw3dRect(hDC, 0, 0, rc.right, 2, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
}

LRESULT CPageDlg::OnPaint(WPARAM, LPARAM)
{
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    DrawTopLine(m_hWnd, hDC);
    ::EndPaint(m_hWnd, &ps);
    return 0;
}

LRESULT CPageDlg::OnPrintClient(WPARAM wParam, LPARAM)
{
    const LRESULT r = Default();
    DrawTopLine(m_hWnd, reinterpret_cast<HDC>(wParam));
    return r;
}

LRESULT CPageDlg::OnNcHitTest(WPARAM, LPARAM lParam)
{
    // Only a press starts the drag: a hit test also comes with every mouse move.
    const int button = ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    if (G_bHideTabIcon && (::GetAsyncKeyState(button) & 0x8000)) {
        HWND hMain = ::GetAncestor(m_hWnd, GA_ROOT);
        if (hMain && hMain != m_hWnd)
            return ::SendMessageA(hMain, WM_NCLBUTTONDOWN, HTCAPTION, lParam);
    }
    return Default();
}

BOOL CPageDlg::PreTranslateMessage(MSG* pMsg)
{
    // The dialog manager would hand Enter and Escape to the outermost dialog (the main
    // window); the page keeps them.
    if (pMsg->message != WM_KEYDOWN || (pMsg->wParam != VK_RETURN && pMsg->wParam != VK_ESCAPE) || !m_hWnd ||
        (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)))
        return CResizeDlg::PreTranslateMessage(pMsg);
    const LRESULT code = ::SendMessageA(pMsg->hwnd, WM_GETDLGCODE, pMsg->wParam, reinterpret_cast<LPARAM>(pMsg));
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))
        return FALSE;
    if (pMsg->wParam == VK_RETURN && (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) &&
        ::IsWindowEnabled(pMsg->hwnd)) {
        ::SendMessageA(pMsg->hwnd, BM_CLICK, 0, 0);
        return TRUE;
    }
    if (pMsg->wParam == VK_RETURN) {
        // The page's own default button, as the dialog manager would press it.
        const LRESULT def = SendMessage(DM_GETDEFID);
        HWND hDef = HIWORD(def) == DC_HASDEFID ? GetDlgItem(LOWORD(def)) : nullptr;
        if (hDef && LOWORD(def) != IDOK && ::IsWindowEnabled(hDef) && ::IsWindowVisible(hDef)) {
            ::SendMessageA(hDef, BM_CLICK, 0, 0);
            return TRUE;
        }
    }
    SendMessage(WM_COMMAND, MAKEWPARAM(pMsg->wParam == VK_RETURN ? IDOK : IDCANCEL, BN_CLICKED), 0);
    return TRUE;
}

RECT VxGetControlRect(HWND hDlg, int nID)
{
    RECT rc{};
    HWND h = ::GetDlgItem(hDlg, nID);
    if (!h)
        return rc;
    ::GetWindowRect(h, &rc);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

void VxGetControlRect(HWND hDlg, int nID, int& x, int& y, int& cx, int& cy)
{
    const RECT rc = VxGetControlRect(hDlg, nID);
    x = rc.left;
    y = rc.top;
    cx = rc.right - rc.left;
    cy = rc.bottom - rc.top;
}

void VxPlaceControl(HWND hDlg, int nID, int x, int y, int cx, int cy, const char* text)
{
    HWND h = ::GetDlgItem(hDlg, nID);
    if (!h)
        return;
    ::MoveWindow(h, x, y, cx, cy, TRUE);
    ::ShowWindow(h, SW_SHOW);
    if (text)
        ::SetWindowTextA(h, text);
}
