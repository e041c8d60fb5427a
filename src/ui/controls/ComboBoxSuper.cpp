#include "ui/controls/ComboBoxSuper.h"

#include "framework/Gdi.h"

#include <string>

CComboBoxSuper::~CComboBoxSuper()
{
    if (m_hBold)
        ::DeleteObject(m_hBold);
}

BOOL CComboBoxSuper::Create(DWORD style, const RECT& rc, HWND hParent, UINT nID)
{
    return CreateEx(0, "COMBOBOX", "", style | WS_CHILD | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, rc.left, rc.top,
                    rc.right - rc.left, rc.bottom - rc.top, hParent, nID);
}

void CComboBoxSuper::OnSubclassed()
{
    const DWORD style = GetStyle();
    if ((style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) && (style & CBS_HASSTRINGS)) {
        m_items.assign(static_cast<size_t>(GetCount() > 0 ? GetCount() : 0), Item{});
        return;
    }
    Recreate();
}

void CComboBoxSuper::Recreate()
{
    // The owner-draw styles of a combo box are fixed at creation: make it again with them.
    HWND hOld = m_hWnd;
    HWND hParent = ::GetParent(hOld);
    const DWORD style = GetStyle(), exStyle = GetExStyle();
    const UINT id = static_cast<UINT>(::GetDlgCtrlID(hOld));
    RECT rc{};
    ::SendMessageA(hOld, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&rc));
    ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rc), 2);
    HFONT hFont = GetFont();
    std::vector<std::string> strings;
    const int n = GetCount();
    for (int i = 0; i < n; ++i) {
        const int len = static_cast<int>(::SendMessageA(hOld, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0));
        std::string s(static_cast<size_t>(len > 0 ? len : 0) + 1, '\0');
        ::SendMessageA(hOld, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&s[0]));
        s.resize(static_cast<size_t>(len > 0 ? len : 0));
        strings.push_back(s);
    }
    const int sel = GetCurSel();
    HWND hAfter = ::GetWindow(hOld, GW_HWNDPREV);
    UnsubclassWindow();
    ::DestroyWindow(hOld);
    const DWORD newStyle = (style & ~static_cast<DWORD>(CBS_OWNERDRAWVARIABLE)) | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    if (!CreateEx(exStyle, "COMBOBOX", "", newStyle, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, hParent,
                  id))
        return;
    ::SetWindowPos(m_hWnd, hAfter ? hAfter : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (hFont)
        SetFont(hFont, FALSE);
    for (const std::string& s : strings)
        AddString(s.c_str());
    SetCurSel(sel);
}

int CComboBoxSuper::AddString(const char* text)
{
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text ? text : "")));
}

CComboBoxSuper::Item* CComboBoxSuper::ItemAt(int item)
{
    return item >= 0 && static_cast<size_t>(item) < m_items.size() ? &m_items[static_cast<size_t>(item)] : nullptr;
}

const CComboBoxSuper::Item* CComboBoxSuper::ItemAt(int item) const
{
    return item >= 0 && static_cast<size_t>(item) < m_items.size() ? &m_items[static_cast<size_t>(item)] : nullptr;
}

void CComboBoxSuper::SetColumnCount(int count)
{
    m_nColumns = count < 1 ? 1 : count;
    m_widths.resize(static_cast<size_t>(m_nColumns), DEFAULT_COLUMN_WIDTH);
}

void CComboBoxSuper::SetColumnWidth(int col, int width)
{
    if (col >= 0 && col < m_nColumns)
        m_widths[static_cast<size_t>(col)] = width;
}

void CComboBoxSuper::SetItemText(int item, int col, const char* text)
{
    Item* it = ItemAt(item);
    if (!it || col < 1)
        return;
    if (it->columns.size() < static_cast<size_t>(col))
        it->columns.resize(static_cast<size_t>(col));
    it->columns[static_cast<size_t>(col - 1)] = text;
    Invalidate();
}

CString CComboBoxSuper::GetItemText(int item, int col) const
{
    if (col == 0) {
        const int len = static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(item)));
        if (len < 0)
            return CString();
        std::string s(static_cast<size_t>(len) + 1, '\0');
        SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&s[0]));
        s.resize(static_cast<size_t>(len));
        return CString(s);
    }
    const Item* it = ItemAt(item);
    if (!it || col < 1 || static_cast<size_t>(col) > it->columns.size())
        return CString();
    return it->columns[static_cast<size_t>(col - 1)];
}

void CComboBoxSuper::SetItemColor(int item, COLORREF colour)
{
    if (Item* it = ItemAt(item))
        it->colour = colour;
}

void CComboBoxSuper::SetItemBold(int item, bool bold)
{
    if (Item* it = ItemAt(item))
        it->bold = bold;
}

void CComboBoxSuper::SetItemIcon(int item, int icon)
{
    if (Item* it = ItemAt(item))
        it->icon = icon;
}

LRESULT CComboBoxSuper::OnAddString(WPARAM wParam, LPARAM lParam)
{
    const LRESULT index = Default();
    if (index >= 0 && static_cast<size_t>(index) <= m_items.size())
        m_items.insert(m_items.begin() + index, Item{});
    (void)wParam;
    (void)lParam;
    return index;
}

LRESULT CComboBoxSuper::OnInsertString(WPARAM, LPARAM)
{
    return OnAddString(0, 0);
}

LRESULT CComboBoxSuper::OnDeleteString(WPARAM wParam, LPARAM)
{
    const LRESULT r = Default();
    if (r != CB_ERR && wParam < m_items.size())
        m_items.erase(m_items.begin() + static_cast<ptrdiff_t>(wParam));
    return r;
}

LRESULT CComboBoxSuper::OnResetContent(WPARAM, LPARAM)
{
    m_items.clear();
    return Default();
}

LRESULT CComboBoxSuper::OnSetFont(WPARAM, LPARAM)
{
    if (m_hBold) {
        ::DeleteObject(m_hBold);
        m_hBold = nullptr;
    }
    return Default();
}

LRESULT CComboBoxSuper::OnMeasureItem(WPARAM, LPARAM lParam)
{
    auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (!mis)
        return FALSE;
    HDC hDC = ::GetDC(m_hWnd);
    TEXTMETRICA tm{};
    {
        CSelect font(hDC, GetFont() ? static_cast<HGDIOBJ>(GetFont()) : ::GetStockObject(DEFAULT_GUI_FONT));
        ::GetTextMetricsA(hDC, &tm);
    }
    ::ReleaseDC(m_hWnd, hDC);
    mis->itemHeight = static_cast<UINT>(tm.tmHeight + 2 > 16 ? tm.tmHeight + 2 : 16);
    return TRUE;
}

LRESULT CComboBoxSuper::OnDrawItem(WPARAM, LPARAM lParam)
{
    auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (!dis || dis->CtlType != ODT_COMBOBOX)
        return FALSE;
    DrawItem(*dis);
    return TRUE;
}

void CComboBoxSuper::DrawItem(const DRAWITEMSTRUCT& dis)
{
    HDC hDC = dis.hDC;
    const bool selected = (dis.itemState & ODS_SELECTED) != 0;
    VxFillSolidRect(hDC, dis.rcItem, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int index = static_cast<int>(dis.itemID);
    if (index < 0)
        return;
    const Item* it = ItemAt(index);
    RECT r = dis.rcItem;
    r.left += 2;
    if (m_hImageList && it && it->icon >= 0) {
        int cx = 0, cy = 0;
        ::ImageList_GetIconSize(m_hImageList, &cx, &cy);
        ::ImageList_Draw(m_hImageList, it->icon, hDC, r.left, r.top + (r.bottom - r.top - cy) / 2, ILD_TRANSPARENT);
        r.left += cx + 2;
    }
    COLORREF colour = ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    if (it && it->colour != DEFAULT_COLOR)
        colour = it->colour;
    if ((dis.itemState & ODS_DISABLED))
        colour = ::GetSysColor(COLOR_GRAYTEXT);
    if (it && it->bold && !m_hBold)
        m_hBold = VxDeriveFont(GetFont(), true, false);
    HFONT hFont = it && it->bold ? m_hBold : GetFont();
    CSelect font(hDC, hFont ? static_cast<HGDIOBJ>(hFont) : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, colour);
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (m_nColumns <= 1) {
        const CString text = GetItemText(index, 0);
        ::DrawTextA(hDC, text, -1, &r, format);
        return;
    }
    int x = r.left;
    for (int col = 0; col < m_nColumns; ++col) {
        RECT cell{x, r.top, col == m_nColumns - 1 ? r.right : x + m_widths[static_cast<size_t>(col)], r.bottom};
        RECT text = cell;
        text.left += 1;
        const CString t = GetItemText(index, col);
        ::DrawTextA(hDC, t, -1, &text, format);
        if (col < m_nColumns - 1) {
            VxFillSolidRect(hDC, cell.right - 1, cell.top, 1, cell.bottom - cell.top, RGB(0xC0, 0xC0, 0xC0));
        }
        x = cell.right;
    }
}
