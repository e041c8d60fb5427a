#include "ui/controls/ButtonST.h"

#include "framework/Gdi.h"

#include <commctrl.h>
#include <mmsystem.h>

bool G_bClosing = false;

namespace {

SIZE IconSize(HICON hIcon)
{
    SIZE sz{0, 0};
    ICONINFO ii{};
    if (!hIcon || !::GetIconInfo(hIcon, &ii))
        return sz;
    BITMAP bm{};
    if (ii.hbmColor && ::GetObjectA(ii.hbmColor, sizeof bm, &bm)) {
        sz.cx = bm.bmWidth;
        sz.cy = bm.bmHeight;
    } else if (ii.hbmMask && ::GetObjectA(ii.hbmMask, sizeof bm, &bm)) {
        sz.cx = bm.bmWidth;
        sz.cy = bm.bmHeight / 2;
    }
    if (ii.hbmColor)
        ::DeleteObject(ii.hbmColor);
    if (ii.hbmMask)
        ::DeleteObject(ii.hbmMask);
    return sz;
}

bool IsButtonClass(HWND h)
{
    char cls[16] = "";
    ::GetClassNameA(h, cls, sizeof cls);
    return lstrcmpiA(cls, "Button") == 0;
}

void Uncheck(HWND h)
{
    if (IsButtonClass(h))
        ::SendMessageA(h, BM_SETCHECK, BST_UNCHECKED, 0);
}

} // namespace

CButtonST::CButtonST()
{
    SetDefaultColors(FALSE);
}

CButtonST::~CButtonST()
{
    if (m_hTooltip)
        ::DestroyWindow(m_hTooltip);
    FreeIcons();
    if (m_hMenu)
        ::DestroyMenu(m_hMenu);
}

BOOL CButtonST::Create(const char* text, DWORD style, const RECT& rc, HWND hParent, UINT nID)
{
    return CreateEx(0, "BUTTON", text, style | WS_CHILD | BS_OWNERDRAW, rc.left, rc.top, rc.right - rc.left,
                    rc.bottom - rc.top, hParent, nID);
}

void CButtonST::OnSubclassed()
{
    const DWORD type = GetStyle() & BS_TYPEMASK;
    if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX)
        m_bIsCheckBox = true;
    else if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)
        m_bIsRadio = true;
    else if (type == BS_DEFPUSHBUTTON)
        m_bIsDefault = true;
    if (type != BS_OWNERDRAW) {
        m_nCheck = DefWindowProc(BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
        ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
    }
    Invalidate();
}

void CButtonST::FreeIcons()
{
    if (m_bOwnIcons) {
        if (m_hIconIn)
            ::DestroyIcon(m_hIconIn);
        if (m_hIconOut && m_hIconOut != m_hIconIn)
            ::DestroyIcon(m_hIconOut);
    }
    m_hIconIn = m_hIconOut = nullptr;
    m_bOwnIcons = false;
}

void CButtonST::SetIcon(UINT nIconIn, UINT nIconOut)
{
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    auto load = [hInst](UINT id) -> HICON {
        return id ? static_cast<HICON>(::LoadImageA(hInst, MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR))
                  : nullptr;
    };
    FreeIcons();
    m_hIconIn = load(nIconIn);
    m_hIconOut = load(nIconOut);
    m_bOwnIcons = true;
    if (m_hWnd)
        Invalidate();
}

void CButtonST::SetIcon(HICON hIconIn, HICON hIconOut)
{
    FreeIcons();
    m_hIconIn = hIconIn;
    m_hIconOut = hIconOut;
    if (m_hWnd)
        Invalidate();
}

void CButtonST::SetTooltipText(const char* text)
{
    if (!m_hWnd)
        return;
    TOOLINFOA ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = GetParent();
    ti.uId = reinterpret_cast<UINT_PTR>(m_hWnd);
    ti.lpszText = const_cast<char*>(text ? text : "");
    if (!m_hTooltip) {
        m_hTooltip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0,
                                       0, m_hWnd, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        if (!m_hTooltip)
            return;
        ::SendMessageA(m_hTooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    } else {
        ::SendMessageA(m_hTooltip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

void CButtonST::SetColor(int slot, COLORREF colour, BOOL bRepaint)
{
    if (slot < 0 || slot >= BTNST_MAX_COLORS)
        return;
    m_crColors[slot] = colour;
    if (bRepaint && m_hWnd)
        Invalidate();
}

COLORREF CButtonST::GetColor(int slot) const
{
    return slot >= 0 && slot < BTNST_MAX_COLORS ? m_crColors[slot] : 0;
}

void CButtonST::SetDefaultColors(BOOL bRepaint)
{
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE), text = ::GetSysColor(COLOR_BTNTEXT);
    for (int i = 0; i < BTNST_MAX_COLORS; ++i)
        m_crColors[i] = (i % 2) ? text : face;
    if (bRepaint && m_hWnd)
        Invalidate();
}

void CButtonST::SetAlign(int align, BOOL bRepaint)
{
    m_nAlign = align == ST_ALIGN_LEFT ? ST_ALIGN_LEFT : ST_ALIGN_CENTER;
    if (bRepaint && m_hWnd)
        Invalidate();
}

void CButtonST::SetCheck(int nCheck, BOOL bRepaint)
{
    m_nCheck = nCheck ? 1 : 0;
    if (bRepaint && m_hWnd)
        Invalidate();
}

void CButtonST::SetMenu(HMENU hMenu, HWND hCommandWnd)
{
    if (m_hMenu && m_hMenu != hMenu)
        ::DestroyMenu(m_hMenu);
    m_hMenu = hMenu;
    m_hMenuWnd = hCommandWnd;
    MakeMenuOwnerDrawn();
}

void CButtonST::MakeMenuOwnerDrawn()
{
    // Only the drawing flag changes: the items keep their texts (GetMenuString works).
    const int n = m_hMenu ? ::GetMenuItemCount(m_hMenu) : 0;
    for (int i = 0; i < n; ++i) {
        MENUITEMINFOA mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_FTYPE | MIIM_SUBMENU;
        if (!::GetMenuItemInfoA(m_hMenu, static_cast<UINT>(i), TRUE, &mii) || mii.hSubMenu ||
            (mii.fType & (MFT_SEPARATOR | MFT_OWNERDRAW | MFT_BITMAP)))
            continue;
        mii.fMask = MIIM_FTYPE;
        mii.fType |= MFT_OWNERDRAW;
        ::SetMenuItemInfoA(m_hMenu, static_cast<UINT>(i), TRUE, &mii);
    }
}

LRESULT CButtonST::OnMeasureMenuItem(WPARAM, LPARAM lParam)
{
    auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (!mis || mis->CtlType != ODT_MENU || !m_hMenu)
        return FALSE;
    char text[256] = "";
    ::GetMenuStringA(m_hMenu, mis->itemID, text, sizeof text, MF_BYCOMMAND);
    HDC hDC = ::GetDC(m_hWnd);
    SIZE sz{0, 0};
    TEXTMETRICA tm{};
    {
        HFONT hFont = GetFont();
        CSelect font(hDC, hFont ? static_cast<HGDIOBJ>(hFont) : ::GetStockObject(DEFAULT_GUI_FONT));
        RECT calc{0, 0, 0, 0};
        ::DrawTextA(hDC, text, -1, &calc, DT_SINGLELINE | DT_CALCRECT);
        sz.cx = calc.right - calc.left;
        ::GetTextMetricsA(hDC, &tm);
    }
    ::ReleaseDC(m_hWnd, hDC);
    mis->itemWidth = static_cast<UINT>(sz.cx + 20 + 12);
    mis->itemHeight = static_cast<UINT>(tm.tmHeight + 6 > 18 ? tm.tmHeight + 6 : 18);
    return TRUE;
}

LRESULT CButtonST::OnDrawMenuItem(WPARAM, LPARAM lParam)
{
    auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (!dis || dis->CtlType != ODT_MENU)
        return FALSE;
    DrawMenuItem(*dis);
    return TRUE;
}

void CButtonST::DrawMenuItem(const DRAWITEMSTRUCT& dis)
{
    HDC hDC = dis.hDC;
    const bool selected = (dis.itemState & ODS_SELECTED) != 0;
    const bool grayed = (dis.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    VxFillSolidRect(hDC, dis.rcItem, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    COLORREF text = ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    if (grayed)
        text = ::GetSysColor(COLOR_GRAYTEXT);
    if (dis.itemState & ODS_CHECKED) {
        // A check mark in the left margin.
        const int cx = dis.rcItem.left + 9, cy = (dis.rcItem.top + dis.rcItem.bottom) / 2;
        CGdiObject<HPEN> pen(::CreatePen(PS_SOLID, 2, text));
        CSelect select(hDC, pen);
        POINT pts[3] = {{cx - 4, cy}, {cx - 1, cy + 3}, {cx + 4, cy - 3}};
        ::Polyline(hDC, pts, 3);
    }
    char label[256] = "";
    if (m_hMenu)
        ::GetMenuStringA(m_hMenu, dis.itemID, label, sizeof label, MF_BYCOMMAND);
    HFONT hFont = m_hWnd ? GetFont() : nullptr;
    CSelect font(hDC, hFont ? static_cast<HGDIOBJ>(hFont) : ::GetStockObject(DEFAULT_GUI_FONT));
    RECT r = dis.rcItem;
    r.left += 20;
    r.right -= 4;
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, text);
    ::DrawTextA(hDC, label, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

LRESULT CButtonST::OnSetCheck(WPARAM wParam, LPARAM)
{
    SetCheck(wParam == BST_CHECKED ? 1 : 0);
    return 0;
}

LRESULT CButtonST::OnSetStyle(WPARAM wParam, LPARAM lParam)
{
    m_bIsDefault = (wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    return DefWindowProc(BM_SETSTYLE, (wParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW, lParam);
}

LRESULT CButtonST::OnGetDlgCode(WPARAM, LPARAM)
{
    if (m_bIsRadio)
        return DLGC_RADIOBUTTON | DLGC_BUTTON;
    return DLGC_BUTTON | (m_bIsDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

LRESULT CButtonST::OnMouseMove(WPARAM, LPARAM)
{
    if (!m_bMouseOver) {
        m_bMouseOver = true;
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&tme);
        Invalidate();
    }
    return Default();
}

LRESULT CButtonST::OnMouseLeave(WPARAM, LPARAM)
{
    m_bMouseOver = false;
    Invalidate();
    return Default();
}

LRESULT CButtonST::OnLButtonDblClk(WPARAM wParam, LPARAM lParam)
{
    // An owner-drawn button reports a quick second press as a double click; treat it as a press.
    return DefWindowProc(WM_LBUTTONDOWN, wParam, lParam);
}

LRESULT CButtonST::OnInitMenuPopup(WPARAM wParam, LPARAM lParam)
{
    if (m_hMenuWnd && ::IsWindow(m_hMenuWnd))
        ::SendMessageA(m_hMenuWnd, WM_INITMENUPOPUP, wParam, lParam);
    return 0;
}

BOOL CButtonST::OnReflectedCommand(WPARAM wParam, LPARAM, LRESULT& lResult)
{
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    if (!OnClicked()) {
        lResult = 0;
        return TRUE; // closing: nothing more may touch the windows
    }
    return FALSE; // the parent sees the click too
}

bool CButtonST::OnClicked()
{
    SetFocus();
    if (!m_strSound.IsEmpty())
        ::PlaySoundA(m_strSound, nullptr, SND_ASYNC | SND_FILENAME | SND_NODEFAULT);
    if (m_bIsCheckBox) {
        SetCheck(!m_nCheck);
    } else if (m_bIsRadio) {
        SetCheck(1);
        for (HWND h = ::GetWindow(m_hWnd, GW_HWNDNEXT); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
            if (::GetWindowLongPtrA(h, GWL_STYLE) & WS_GROUP)
                break;
            Uncheck(h);
        }
        if (!(GetStyle() & WS_GROUP)) {
            for (HWND h = ::GetWindow(m_hWnd, GW_HWNDPREV); h; h = ::GetWindow(h, GW_HWNDPREV)) {
                Uncheck(h);
                if (::GetWindowLongPtrA(h, GWL_STYLE) & WS_GROUP)
                    break;
            }
        }
    } else if (m_hMenu) {
        m_bMenuDisplayed = true;
        Invalidate();
        UpdateWindow();
        if (m_onMenuOpen)
            m_onMenuOpen(m_hMenu);
        MakeMenuOwnerDrawn(); // again: the menu may have been changed since it was attached
        const RECT rc = GetWindowRect();
        const UINT cmd = static_cast<UINT>(::TrackPopupMenuEx(
            m_hMenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, rc.left, rc.bottom, m_hWnd, nullptr));
        if (G_bClosing)
            return false;
        m_bMenuDisplayed = false;
        Invalidate();
        if (cmd && m_hMenuWnd)
            ::PostMessageA(m_hMenuWnd, WM_COMMAND, MAKEWPARAM(cmd, 0), 0);
    }
    return true;
}

LRESULT CButtonST::OnDrawItem(WPARAM, LPARAM lParam)
{
    auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (!dis)
        return FALSE;
    CMemDC mem(dis->hDC, dis->rcItem);
    DrawButton(mem, dis->rcItem, dis->itemState);
    mem.Flush();
    return TRUE;
}

bool CButtonST::IsDrawnPressed(UINT itemState) const
{
    return (itemState & ODS_SELECTED) || m_bMenuDisplayed || ((m_bIsCheckBox || m_bIsRadio) && m_nCheck);
}

COLORREF CButtonST::StateTextColour(UINT itemState) const
{
    if (m_bMouseOver || IsDrawnPressed(itemState))
        return m_crColors[BTNST_COLOR_FG_IN];
    if (itemState & ODS_FOCUS)
        return m_crColors[BTNST_COLOR_FG_FOCUS];
    return m_crColors[BTNST_COLOR_FG_OUT];
}

void CButtonST::OnDrawBackground(HDC hDC, const RECT& rc, UINT itemState)
{
    COLORREF bk = m_crColors[BTNST_COLOR_BK_OUT];
    if (m_bMouseOver || IsDrawnPressed(itemState))
        bk = m_crColors[BTNST_COLOR_BK_IN];
    else if (itemState & ODS_FOCUS)
        bk = m_crColors[BTNST_COLOR_BK_FOCUS];
    VxFillSolidRect(hDC, rc, bk);
}

void CButtonST::OnDrawBorder(HDC hDC, const RECT& rc, UINT itemState)
{
    RECT r = rc;
    if (IsDrawnPressed(itemState))
        ::DrawEdge(hDC, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (m_bMouseOver)
        ::DrawEdge(hDC, &r, BDR_RAISEDINNER, BF_RECT);
}

void CButtonST::DrawButton(HDC hDC, const RECT& rc, UINT itemState)
{
    OnDrawBackground(hDC, rc, itemState);
    OnDrawBorder(hDC, rc, itemState);
    DrawIconAndText(hDC, rc, itemState);
    if ((itemState & ODS_FOCUS) && !(itemState & ODS_NOFOCUSRECT)) {
        RECT f = rc;
        ::InflateRect(&f, -3, -3);
        ::DrawFocusRect(hDC, &f);
    }
}

void CButtonST::DrawIconAndText(HDC hDC, const RECT& rc, UINT itemState)
{
    const bool pressed = IsDrawnPressed(itemState);
    const bool disabled = (itemState & ODS_DISABLED) != 0;
    RECT content = rc;
    ::InflateRect(&content, -3, -3);
    if ((itemState & ODS_SELECTED) && !m_bIsCheckBox && !m_bIsRadio)
        ::OffsetRect(&content, 1, 1);

    HICON hIcon = m_hIconIn;
    const bool useFirst = pressed || (!m_bIsCheckBox && !m_bIsRadio && m_bMouseOver);
    if (!useFirst && m_hIconOut)
        hIcon = m_hIconOut;

    char text[512] = "";
    if (m_hWnd)
        ::GetWindowTextA(m_hWnd, text, sizeof text);
    const bool hasText = text[0] != '\0';

    HFONT hFont = m_hWnd ? GetFont() : nullptr;
    CSelect font(hDC, hFont ? static_cast<HGDIOBJ>(hFont) : ::GetStockObject(DEFAULT_GUI_FONT));
    const UINT align = (m_nAlign == ST_ALIGN_LEFT ? DT_LEFT : DT_CENTER) | DT_WORDBREAK;

    if (hIcon) {
        const SIZE sz = IconSize(hIcon);
        const UINT state = DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL);
        // A button tall enough for the icon above a line of text stacks them.
        TEXTMETRICA tm{};
        ::GetTextMetricsA(hDC, &tm);
        const int contentH = content.bottom - content.top;
        if (hasText && contentH >= sz.cy + 2 + tm.tmHeight) {
            RECT calc = content;
            ::DrawTextA(hDC, text, -1, &calc, align | DT_CALCRECT);
            int textH = calc.bottom - calc.top;
            if (sz.cy + 2 + textH > contentH)
                textH = tm.tmHeight;
            const int top = content.top + (contentH - (sz.cy + 2 + textH)) / 2;
            const int x = content.left + (content.right - content.left - sz.cx) / 2;
            ::DrawState(hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(hIcon), 0, x, top, sz.cx, sz.cy, state);
            content.top = top + sz.cy + 2;
            content.bottom = content.top + textH;
        } else {
            const int x = hasText ? content.left + 2 : content.left + (content.right - content.left - sz.cx) / 2;
            const int y = content.top + (contentH - sz.cy) / 2;
            ::DrawState(hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(hIcon), 0, x, y, sz.cx, sz.cy, state);
            if (hasText)
                content.left = x + sz.cx + 4;
        }
    }
    if (!hasText)
        return;

    RECT calc = content;
    ::DrawTextA(hDC, text, -1, &calc, align | DT_CALCRECT);
    const int h = calc.bottom - calc.top;
    RECT r = content;
    r.top += (content.bottom - content.top - h) / 2;
    r.bottom = r.top + h;
    ::SetBkMode(hDC, TRANSPARENT);
    if (disabled) {
        RECT e = r;
        ::OffsetRect(&e, 1, 1);
        ::SetTextColor(hDC, ::GetSysColor(COLOR_3DHILIGHT));
        ::DrawTextA(hDC, text, -1, &e, align);
        ::SetTextColor(hDC, ::GetSysColor(COLOR_3DSHADOW));
        ::DrawTextA(hDC, text, -1, &r, align);
    } else {
        ::SetTextColor(hDC, StateTextColour(itemState));
        ::DrawTextA(hDC, text, -1, &r, align);
    }
}
