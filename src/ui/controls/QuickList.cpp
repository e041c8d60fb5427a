#include "ui/controls/QuickList.h"

#include "framework/Gdi.h"
#include "ui/controls/ControlMath.h"
#include "ui/controls/Gradient.h"

namespace {

COLORREF Pick(COLORREF value, int sysColour)
{
    return value == CQuickList::QL_DEFAULT_COLOR ? ::GetSysColor(sysColour) : value;
}

UINT AlignmentFormat(int lvcfmt)
{
    switch (lvcfmt & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
        return DT_RIGHT;
    case LVCFMT_CENTER:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

} // namespace

BOOL CQuickList::Create(DWORD style, const RECT& rc, HWND hParent, UINT nID)
{
    return CreateEx(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", style | WS_CHILD | LVS_REPORT | LVS_OWNERDATA, rc.left,
                    rc.top, rc.right - rc.left, rc.bottom - rc.top, hParent, nID);
}

void CQuickList::OnSubclassed()
{
    ModifyStyle(0, LVS_OWNERDRAWFIXED);
}

int CQuickList::InsertColumn(int col, const char* title, int format, int width)
{
    LVCOLUMNA c{};
    c.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
    c.fmt = format;
    c.cx = width;
    c.pszText = const_cast<char*>(title ? title : "");
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(col), reinterpret_cast<LPARAM>(&c)));
}

int CQuickList::GetColumnCount() const
{
    HWND hHeader = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    return hHeader ? static_cast<int>(::SendMessageA(hHeader, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

void CQuickList::SetItemCount(int count)
{
    SendMessage(LVM_SETITEMCOUNT, static_cast<WPARAM>(count), LVSICF_NOINVALIDATEALL);
    Invalidate();
}

int CQuickList::GetItemCount() const
{
    return static_cast<int>(SendMessage(LVM_GETITEMCOUNT));
}

void CQuickList::RedrawItems(int first, int last)
{
    SendMessage(LVM_REDRAWITEMS, static_cast<WPARAM>(first), last);
}

void CQuickList::SetImageList(HIMAGELIST hImageList)
{
    SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(hImageList));
}

HIMAGELIST CQuickList::GetImageList() const
{
    return reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL));
}

void CQuickList::SetEmptyListText(const char* text)
{
    m_strEmptyText = text ? text : "";
    if (m_hWnd)
        Invalidate();
}

int CQuickList::GetSelectedItem() const
{
    return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void CQuickList::SelectItem(int row)
{
    LVITEMA clear{};
    clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
    if (row < 0)
        return;
    LVITEMA set{};
    set.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    set.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&set));
    SendMessage(LVM_SETSELECTIONMARK, 0, row);
}

void CQuickList::GetCellData(int row, int col, CListItemData& data)
{
    data = CListItemData{};
    data.m_nItem = row;
    data.m_nSubItem = col;
    data.m_pList = this;
    data.m_hImageList = GetImageList();
    data.m_bSelected = (SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED) != 0;
    data.m_bHot = row == m_nHotItem;
    LVCOLUMNA c{};
    c.mask = LVCF_FMT;
    const int fmt = SendMessage(LVM_GETCOLUMNA, static_cast<WPARAM>(col), reinterpret_cast<LPARAM>(&c)) ? c.fmt : 0;
    data.m_nTextFormat = AlignmentFormat(fmt) | DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    HWND hParent = GetParent();
    if (hParent)
        ::SendMessageA(hParent, WM_QUICKLIST_GETLISTITEMDATA, reinterpret_cast<WPARAM>(m_hWnd),
                       reinterpret_cast<LPARAM>(&data));
}

RECT CQuickList::BarInnerRect(const RECT& cell, UINT edge)
{
    RECT r = cell;
    ::InflateRect(&r, -2, -2);
    if (edge) {
        // Each of the outer and inner edge kinds takes one pixel.
        const int width = ((edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)) ? 1 : 0) +
                          ((edge & (BDR_RAISEDINNER | BDR_SUNKENINNER)) ? 1 : 0);
        ::InflateRect(&r, -width, -width);
    }
    return r;
}

HFONT CQuickList::FontFor(bool bold, bool italic)
{
    const int index = (bold ? 1 : 0) | (italic ? 2 : 0);
    if (index == 0)
        return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (!m_hFonts[index])
        m_hFonts[index] = VxDeriveFont(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)), bold, italic);
    return m_hFonts[index];
}

void CQuickList::FreeFonts()
{
    for (HFONT& h : m_hFonts) {
        if (h)
            ::DeleteObject(h);
        h = nullptr;
    }
}

LRESULT CQuickList::OnSetFont(WPARAM, LPARAM)
{
    FreeFonts();
    return Default();
}

void CQuickList::DrawCell(HDC hDC, const RECT& cell, CListItemData& d, bool listFocused)
{
    COLORREF text, back;
    if (d.m_bSelected) {
        if (!listFocused) {
            text = Pick(d.m_crSelectedTextNoFocus, COLOR_WINDOWTEXT);
            back = Pick(d.m_crSelectedBackgroundNoFocus, COLOR_BTNFACE);
        } else if (d.m_nSubItem == m_nFocusColumn) {
            text = Pick(d.m_crSelectedHotText, COLOR_HIGHLIGHTTEXT);
            back = Pick(d.m_crSelectedHotBackground, COLOR_HOTLIGHT);
        } else {
            text = Pick(d.m_crSelectedText, COLOR_HIGHLIGHTTEXT);
            back = Pick(d.m_crSelectedBackground, COLOR_HIGHLIGHT);
        }
    } else {
        text = d.m_bHot ? Pick(d.m_crHotText, COLOR_HOTLIGHT) : Pick(d.m_crText, COLOR_WINDOWTEXT);
        back = Pick(d.m_crBackground, COLOR_WINDOW);
    }
    VxFillSolidRect(hDC, cell, back);
    RECT r = cell;
    r.left += 2;
    const int h = cell.bottom - cell.top;

    if (d.m_bCheckBox) {
        const int size = h - 4 < 13 ? (h - 4 > 0 ? h - 4 : 0) : 13;
        RECT box;
        box.left = d.m_bCenterCheckBox ? cell.left + (cell.right - cell.left - size) / 2 : r.left;
        box.top = cell.top + (h - size) / 2;
        box.right = box.left + size;
        box.bottom = box.top + size;
        ::DrawFrameControl(hDC, &box, DFC_BUTTON,
                           DFCS_BUTTONCHECK | DFCS_FLAT | (d.m_nCheckState ? DFCS_CHECKED : 0));
        r.left = box.right + 2;
    }
    if (d.m_nImage != -1 && d.m_hImageList) {
        int cx = 0, cy = 0;
        ::ImageList_GetIconSize(d.m_hImageList, &cx, &cy);
        const int x = d.m_bCenterImage ? cell.left + (cell.right - cell.left - cx) / 2 : r.left;
        const int y = cell.top + (h - cy) / 2;
        if (d.m_bSelected && d.m_bPlainImageBackground)
            VxFillSolidRect(hDC, x, cell.top, cx, h, Pick(d.m_crBackground, COLOR_WINDOW));
        ::ImageList_Draw(d.m_hImageList, d.m_nImage, hDC, x, y,
                         ILD_TRANSPARENT | (d.m_bSelected && !d.m_bPlainImageBackground ? d.m_nSelectedImageStyle : 0));
        r.left = x + cx + 2;
    }
    RECT filled{0, 0, 0, 0};
    if (d.m_nBarMaxValue > 0) {
        RECT frame = cell;
        frame.left = r.left;
        ::InflateRect(&frame, 0, -2);
        frame.right -= 2;
        if (d.m_nBarEdge)
            ::DrawEdge(hDC, &frame, d.m_nBarEdge, BF_RECT);
        RECT inner = BarInnerRect(RECT{r.left - 2, cell.top, cell.right, cell.bottom}, d.m_nBarEdge);
        VxFillSolidRect(hDC, inner, back);
        const int width = inner.right - inner.left;
        const int fill = VxQuickListBarFill(d.m_nBarValue, d.m_nBarMaxValue, width);
        if (fill > 0) {
            CGradient g;
            g.SetColours({RGB(255, 0, 0), RGB(255, 255, 0), RGB(255, 255, 0), RGB(0, 255, 0)});
            g.PaintHorizontal(hDC, inner, fill, 0);
            filled = inner;
            filled.right = inner.left + fill;
        }
    }
    if (d.m_strText.IsEmpty())
        return;
    CSelect font(hDC, FontFor(d.m_bBold != 0, d.m_bItalic != 0));
    ::SetBkMode(hDC, TRANSPARENT);
    RECT tr = r;
    tr.right -= 2;
    ::SetTextColor(hDC, text);
    ::DrawTextA(hDC, d.m_strText.c_str(), -1, &tr, d.m_nTextFormat);
    if (filled.right > filled.left) {
        const int saved = ::SaveDC(hDC);
        ::IntersectClipRect(hDC, filled.left, filled.top, filled.right, filled.bottom);
        ::SetTextColor(hDC, Pick(d.m_crBarText, COLOR_HIGHLIGHTTEXT));
        ::DrawTextA(hDC, d.m_strText.c_str(), -1, &tr, d.m_nTextFormat);
        ::RestoreDC(hDC, saved);
    }
}

void CQuickList::DrawRow(const DRAWITEMSTRUCT& dis)
{
    const int row = static_cast<int>(dis.itemID);
    RECT itemRect{};
    itemRect.left = LVIR_BOUNDS;
    SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&itemRect));
    const int dy = dis.rcItem.top - itemRect.top;
    VxFillSolidRect(dis.hDC, dis.rcItem, ::GetSysColor(COLOR_WINDOW)); // beyond the last column
    const bool focused = ::GetFocus() == m_hWnd;
    const int columns = GetColumnCount();
    for (int col = 0; col < columns; ++col) {
        RECT cell{};
        cell.top = col;
        cell.left = LVIR_BOUNDS;
        if (!SendMessage(LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell)))
            continue;
        if (col == 0) {
            // Column 0's bounds cover the whole row: take its place from the header.
            RECT hr{};
            HWND hHeader = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
            if (hHeader && ::SendMessageA(hHeader, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&hr))) {
                cell.left = itemRect.left + hr.left;
                cell.right = itemRect.left + hr.right;
            } else {
                cell.right = cell.left + static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, 0));
            }
        }
        ::OffsetRect(&cell, 0, dy);
        CListItemData data;
        GetCellData(row, col, data);
        DrawCell(dis.hDC, cell, data, focused);
    }
}

LRESULT CQuickList::OnDrawItem(WPARAM, LPARAM lParam)
{
    auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (!dis || dis->CtlType != ODT_LISTVIEW)
        return FALSE;
    CMemDC mem(dis->hDC, dis->rcItem);
    DRAWITEMSTRUCT copy = *dis;
    copy.hDC = mem;
    DrawRow(copy);
    mem.Flush();
    return TRUE;
}

std::vector<std::string> CQuickList::ColumnTexts(int col)
{
    std::vector<std::string> texts;
    const int n = GetItemCount();
    texts.reserve(static_cast<size_t>(n > 0 ? n : 0));
    CListItemData data;
    for (int row = 0; row < n; ++row) {
        GetCellData(row, col, data);
        texts.push_back(data.m_strText.str());
    }
    return texts;
}

BOOL CQuickList::OnReflectedNotify(WPARAM, LPARAM lParam, LRESULT& lResult)
{
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    if (!hdr)
        return FALSE;
    if (hdr->code == LVN_GETDISPINFOA) {
        auto* di = reinterpret_cast<NMLVDISPINFOA*>(lParam);
        if ((di->item.mask & LVIF_TEXT) && di->item.pszText && di->item.cchTextMax > 0) {
            CListItemData data;
            GetCellData(di->item.iItem, di->item.iSubItem, data);
            VxCopyText(di->item.pszText, static_cast<size_t>(di->item.cchTextMax), data.m_strText);
        }
        lResult = 0;
        return TRUE;
    }
    if (hdr->code == LVN_GETINFOTIPA || hdr->code == LVN_GETINFOTIPW) {
        // Tooltips show the cell's text.
        auto* tip = reinterpret_cast<NMLVGETINFOTIPA*>(lParam);
        CListItemData data;
        GetCellData(tip->iItem, tip->iSubItem, data);
        if (tip->pszText && tip->cchTextMax > 0) {
            if (hdr->code == LVN_GETINFOTIPW) {
                auto* w = reinterpret_cast<NMLVGETINFOTIPW*>(lParam);
                int i = 0;
                for (; i < w->cchTextMax - 1 && data.m_strText.c_str()[i]; ++i)
                    w->pszText[i] = static_cast<unsigned char>(data.m_strText.c_str()[i]);
                w->pszText[i] = 0;
            } else {
                VxCopyText(tip->pszText, static_cast<size_t>(tip->cchTextMax), data.m_strText);
            }
        }
        lResult = 0;
        return TRUE;
    }
    if (hdr->code == LVN_ODFINDITEMA || hdr->code == LVN_ODFINDITEMW) {
        // The list may ask in either character width.
        auto* fi = reinterpret_cast<NMLVFINDITEMA*>(lParam);
        std::string prefix;
        if (hdr->code == LVN_ODFINDITEMW) {
            const auto* w = reinterpret_cast<NMLVFINDITEMW*>(lParam)->lvfi.psz;
            for (; w && *w; ++w)
                prefix += *w < 0x80 ? static_cast<char>(*w) : '?';
        } else if (fi->lvfi.psz) {
            prefix = fi->lvfi.psz;
        }
        lResult = -1;
        if ((fi->lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) && !prefix.empty())
            lResult = VxQuickListFindPrefix(ColumnTexts(m_nFocusColumn), fi->iStart, prefix);
        return TRUE;
    }
    return FALSE;
}

bool CQuickList::MoveFocusColumn(int newColumn)
{
    const int columns = GetColumnCount();
    if (newColumn < 0 || newColumn >= columns || newColumn == m_nFocusColumn)
        return false;
    CNavigationTest test;
    test.m_pList = this;
    test.m_nPreviousColumn = m_nFocusColumn;
    test.m_nNewColumn = newColumn;
    test.m_bAllow = TRUE;
    if (HWND hParent = GetParent())
        ::SendMessageA(hParent, WM_QUICKLIST_NAVIGATIONTEST, reinterpret_cast<WPARAM>(m_hWnd),
                       reinterpret_cast<LPARAM>(&test));
    if (!test.m_bAllow)
        return false;
    m_nFocusColumn = newColumn;
    const int sel = GetSelectedItem();
    if (sel >= 0)
        RedrawItems(sel, sel);
    return true;
}

void CQuickList::SearchByChar(char ch)
{
    const int row = VxQuickListNextByChar(ColumnTexts(1), GetSelectedItem(), ch);
    if (row < 0)
        return;
    SelectItem(row);
    RECT rc{};
    rc.left = LVIR_BOUNDS;
    SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rc));
    const int top = static_cast<int>(SendMessage(LVM_GETTOPINDEX));
    SendMessage(LVM_SCROLL, 0, (row - top) * (rc.bottom - rc.top));
}

LRESULT CQuickList::OnKeyDown(WPARAM wParam, LPARAM)
{
    if (HWND hParent = GetParent())
        ::SendMessageA(hParent, WM_QUICKLIST_KEYDOWN, wParam, 0);
    const UINT vk = static_cast<UINT>(wParam);
    if (vk == VK_LEFT || vk == VK_RIGHT) {
        MoveFocusColumn(m_nFocusColumn + (vk == VK_LEFT ? -1 : 1));
        return 0;
    }
    const bool modifier = (::GetKeyState(VK_CONTROL) & 0x8000) || (::GetKeyState(VK_MENU) & 0x8000);
    if (!modifier && VxQuickListIsSearchKey(vk)) {
        SearchByChar(static_cast<char>(vk));
        return 0;
    }
    return Default();
}

LRESULT CQuickList::OnChar(WPARAM wParam, LPARAM)
{
    // Typed characters were handled at key-down; the list's own search would move again.
    const unsigned ch = static_cast<unsigned>(wParam);
    if ((ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || ch == ' ')
        return 0;
    return Default();
}

LRESULT CQuickList::OnLButtonDown(WPARAM, LPARAM lParam)
{
    HWND hParent = GetParent();
    if (hParent)
        ::SendMessageA(hParent, WM_QUICKLIST_LBUTTONDOWN, 0, 0);
    LVHITTESTINFO hit{};
    hit.pt.x = static_cast<short>(LOWORD(lParam));
    hit.pt.y = static_cast<short>(HIWORD(lParam));
    SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (hit.iItem >= 0 && hit.iSubItem >= 0) {
        MoveFocusColumn(hit.iSubItem);
        CListItemData data;
        GetCellData(hit.iItem, hit.iSubItem, data);
        RECT cell{};
        cell.top = hit.iSubItem;
        cell.left = LVIR_BOUNDS;
        SendMessage(LVM_GETSUBITEMRECT, static_cast<WPARAM>(hit.iItem), reinterpret_cast<LPARAM>(&cell));
        CListHitInfo info;
        info.m_pList = this;
        info.m_nItem = hit.iItem;
        info.m_nSubItem = hit.iSubItem;
        const int x = hit.pt.x - cell.left;
        int at = 2;
        if (data.m_bCheckBox) {
            info.m_bOnCheck = x >= at && x < at + 13;
            at += 15;
        }
        if (data.m_nImage != -1 && data.m_hImageList) {
            int cx = 0, cy = 0;
            ::ImageList_GetIconSize(data.m_hImageList, &cx, &cy);
            info.m_bOnImage = x >= at && x < at + cx;
        }
        if (hParent)
            ::SendMessageA(hParent, WM_QUICKLIST_CLICK, reinterpret_cast<WPARAM>(m_hWnd),
                           reinterpret_cast<LPARAM>(&info));
    }
    return Default();
}

LRESULT CQuickList::OnMouseMove(WPARAM, LPARAM lParam)
{
    LVHITTESTINFO hit{};
    hit.pt.x = static_cast<short>(LOWORD(lParam));
    hit.pt.y = static_cast<short>(HIWORD(lParam));
    SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (hit.iItem != m_nHotItem) {
        const int old = m_nHotItem;
        m_nHotItem = hit.iItem;
        if (old >= 0)
            RedrawItems(old, old);
        if (m_nHotItem >= 0)
            RedrawItems(m_nHotItem, m_nHotItem);
    }
    if (!m_bTracking) {
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, m_hWnd, 0};
        m_bTracking = ::TrackMouseEvent(&tme) != FALSE;
    }
    return Default();
}

LRESULT CQuickList::OnMouseLeave(WPARAM, LPARAM)
{
    m_bTracking = false;
    if (m_nHotItem >= 0) {
        const int old = m_nHotItem;
        m_nHotItem = -1;
        RedrawItems(old, old);
    }
    return Default();
}

void CQuickList::DrawEmptyText(HDC hDC)
{
    if (GetItemCount() != 0 || m_strEmptyText.empty())
        return;
    RECT rc = GetClientRect();
    HWND hHeader = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    if (hHeader && (::GetWindowLongPtrA(hHeader, GWL_STYLE) & WS_VISIBLE)) {
        RECT hr{};
        ::GetWindowRect(hHeader, &hr);
        rc.top = hr.bottom - hr.top;
    }
    rc.top += 10;
    CSelect font(hDC, FontFor(false, false));
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, ::GetSysColor(COLOR_WINDOWTEXT));
    ::DrawTextA(hDC, m_strEmptyText.c_str(), -1, &rc, DT_CENTER | DT_TOP | DT_NOPREFIX | DT_WORDBREAK);
}

LRESULT CQuickList::OnPaint(WPARAM, LPARAM)
{
    const LRESULT r = Default();
    if (GetItemCount() == 0 && !m_strEmptyText.empty()) {
        HDC hDC = ::GetDC(m_hWnd);
        DrawEmptyText(hDC);
        ::ReleaseDC(m_hWnd, hDC);
    }
    return r;
}

LRESULT CQuickList::OnPrintClient(WPARAM wParam, LPARAM)
{
    const LRESULT r = Default();
    DrawEmptyText(reinterpret_cast<HDC>(wParam));
    return r;
}
