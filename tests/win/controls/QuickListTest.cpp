#include "Canvas.h"

#include "harness/DialogTemplate.h"
#include "ui/controls/QuickList.h"
#include "ui/controls/ResizeDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The list's parent: answers the cell requests from a table and records the notices.
class CListHostDlg : public CResizeDlg {
public:
    std::vector<std::string> m_names;
    std::vector<int> m_bars; // bar value per row in column 2 (maximum 100)
    std::vector<UINT> m_keys;
    bool m_bRefuseMoves = false;
    int m_nMoveOffers = 0;

protected:
    BEGIN_MSG_MAP(CListHostDlg, CResizeDlg)
        ON_MESSAGE(WM_QUICKLIST_GETLISTITEMDATA, OnGetCell)
        ON_MESSAGE(WM_QUICKLIST_KEYDOWN, OnListKey)
        ON_MESSAGE(WM_QUICKLIST_NAVIGATIONTEST, OnNavigation)
    END_MSG_MAP()

    LRESULT OnGetCell(WPARAM, LPARAM lParam)
    {
        auto* d = reinterpret_cast<CQuickList::CListItemData*>(lParam);
        const size_t row = static_cast<size_t>(d->m_nItem);
        if (d->m_nSubItem == 1 && row < m_names.size())
            d->m_strText = m_names[row].c_str();
        if (d->m_nSubItem == 2 && row < m_bars.size()) {
            d->m_nBarMaxValue = 100;
            d->m_nBarValue = m_bars[row];
            d->m_crBackground = RGB(255, 255, 255);
        }
        return 0;
    }
    LRESULT OnListKey(WPARAM wParam, LPARAM)
    {
        m_keys.push_back(static_cast<UINT>(wParam));
        return 0;
    }
    LRESULT OnNavigation(WPARAM, LPARAM lParam)
    {
        ++m_nMoveOffers;
        if (m_bRefuseMoves)
            reinterpret_cast<CQuickList::CNavigationTest*>(lParam)->m_bAllow = FALSE;
        return 0;
    }
};

class QuickListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DialogTemplate t("List host", WS_POPUP | WS_CAPTION, 300, 200);
        ASSERT_TRUE(m_host.CreateIndirect(t.Get()));
        const RECT rc{0, 0, 400, 200};
        ASSERT_TRUE(m_list.Create(WS_VISIBLE | LVS_SHOWSELALWAYS | LVS_SINGLESEL, rc, m_host.m_hWnd, 1023));
        m_list.InsertColumn(0, "Icon", LVCFMT_CENTER, 40);
        m_list.InsertColumn(1, "SSID", LVCFMT_LEFT, 150);
        m_list.InsertColumn(2, "Signal", LVCFMT_CENTER, 120);
    }
    void SetRows(const std::vector<std::string>& names)
    {
        m_host.m_names = names;
        m_list.SetItemCount(static_cast<int>(names.size()));
    }
    RECT Cell(int row, int col)
    {
        RECT r{};
        r.top = col;
        r.left = LVIR_BOUNDS;
        m_list.SendMessage(LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
        return r;
    }
    // Paints a row through the parent's WM_DRAWITEM, as the list view asks for it.
    void PaintRow(Canvas& c, int row)
    {
        RECT item{};
        item.left = LVIR_BOUNDS;
        m_list.SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_LISTVIEW;
        dis.CtlID = 1023;
        dis.itemID = static_cast<UINT>(row);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.hwndItem = m_list.m_hWnd;
        dis.hDC = c.dc();
        dis.rcItem = item;
        m_host.SendMessage(WM_DRAWITEM, 1023, reinterpret_cast<LPARAM>(&dis));
    }

    CListHostDlg m_host;
    CQuickList m_list;
};

// Prints the list into a canvas.
void PrintInto(CQuickList& list, Canvas& c)
{
    list.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(c.dc()), PRF_CLIENT);
}

TEST_F(QuickListTest, TypedLettersSelectTheNextRowWithThatInitialWrapping)
{
    SetRows({"Alpha", "beta", "Bravo"});
    m_list.SelectItem(0);
    const int expected[] = {1, 2, 1};
    for (int want : expected) {
        m_list.SendMessage(WM_KEYDOWN, 'B', 0);
        EXPECT_EQ(m_list.GetSelectedItem(), want);
    }
    ASSERT_EQ(m_host.m_keys.size(), 3u);
    EXPECT_EQ(m_host.m_keys[0], static_cast<UINT>('B'));
    m_list.SendMessage(WM_KEYDOWN, 'Z', 0);
    EXPECT_EQ(m_list.GetSelectedItem(), 1);
}

TEST_F(QuickListTest, FindItemComparesTheStartOfTheFocusedColumnWithWrapAround)
{
    SetRows({"Alpha", "beta", "Bravo"});
    m_list.SendMessage(WM_KEYDOWN, VK_RIGHT, 0); // cell cursor to column 1
    ASSERT_EQ(m_list.GetFocusedColumn(), 1);
    LVFINDINFOA fi{};
    fi.flags = LVFI_STRING | LVFI_PARTIAL;
    fi.psz = "BR";
    EXPECT_EQ(m_list.SendMessage(LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&fi)), 2);
    fi.psz = "al";
    EXPECT_EQ(m_list.SendMessage(LVM_FINDITEMA, 1, reinterpret_cast<LPARAM>(&fi)), 0);
}

TEST_F(QuickListTest, TooltipsAndDisplayRequestsGetTheCellText)
{
    SetRows({"Alpha", "A very long network name"});
    char buf[64] = "";
    NMLVGETINFOTIPA tip{};
    tip.hdr.hwndFrom = m_list.m_hWnd;
    tip.hdr.idFrom = 1023;
    tip.hdr.code = LVN_GETINFOTIPA;
    tip.pszText = buf;
    tip.cchTextMax = 10;
    tip.iItem = 1;
    tip.iSubItem = 1;
    m_host.SendMessage(WM_NOTIFY, 1023, reinterpret_cast<LPARAM>(&tip));
    EXPECT_STREQ(buf, "A very lo"); // cut to the buffer
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = 0;
    item.iSubItem = 1;
    item.pszText = buf;
    item.cchTextMax = sizeof buf;
    m_list.SendMessage(LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(buf, "Alpha");
}

TEST_F(QuickListTest, ArrowKeysMoveTheCellCursorWithinTheColumnsAndAskTheParent)
{
    SetRows({"a"});
    m_list.SendMessage(WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(m_list.GetFocusedColumn(), 0);
    EXPECT_EQ(m_host.m_nMoveOffers, 0);
    for (int i = 0; i < 4; ++i)
        m_list.SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(m_list.GetFocusedColumn(), 2);
    EXPECT_EQ(m_host.m_nMoveOffers, 2);
    m_host.m_bRefuseMoves = true;
    m_list.SendMessage(WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(m_list.GetFocusedColumn(), 2);
}

TEST_F(QuickListTest, CellBarFullAtMaximumAndEmptyAtZero)
{
    SetRows({"full", "empty", "half"});
    m_host.m_bars = {100, 0, 50};
    const RECT client = m_list.GetClientRect();
    Canvas c(client.right, client.bottom);
    for (int row = 0; row < 3; ++row)
        PaintRow(c, row);
    const COLORREF white = RGB(255, 255, 255);
    for (int row = 0; row < 3; ++row) {
        const RECT inner = CQuickList::BarInnerRect(Cell(row, 2), EDGE_SUNKEN);
        const int w = inner.right - inner.left, h = inner.bottom - inner.top;
        ASSERT_GT(w, 10);
        const int background = c.Count(inner, white);
        if (row == 0) {
            EXPECT_EQ(background, 0);
            EXPECT_EQ(c.At(inner.left, inner.top), RGB(255, 0, 0));
            EXPECT_EQ(c.At(inner.right - 1, inner.top), RGB(0, 255, 0));
        } else if (row == 1) {
            EXPECT_EQ(background, w * h);
            // The frame is drawn around it.
            EXPECT_NE(c.At(inner.left - 1, inner.top), white);
            EXPECT_NE(c.At(inner.right, inner.bottom), white);
        } else {
            EXPECT_EQ(background, (w - w / 2) * h);
        }
    }
}

TEST_F(QuickListTest, EmptyListShowsItsTextCentredBelowTheHeader)
{
    SetRows({});
    m_list.SetEmptyListText("No profiles");
    const RECT client = m_list.GetClientRect();
    Canvas c(client.right, client.bottom, ::GetSysColor(COLOR_WINDOW));
    RECT header{};
    ::GetWindowRect(reinterpret_cast<HWND>(m_list.SendMessage(LVM_GETHEADER)), &header);
    const int top = header.bottom - header.top + 10;
    PrintInto(m_list, c);
    const COLORREF ink = ::GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_EQ(c.Count(RECT{0, header.bottom - header.top, client.right, top}, ink), 0);
    const int left = c.Count(RECT{0, top, client.right / 2, top + 20}, ink);
    const int right = c.Count(RECT{client.right / 2, top, client.right, top + 20}, ink);
    EXPECT_GT(left, 0);
    EXPECT_GT(right, 0);
    EXPECT_EQ(c.Count(RECT{0, top, 100, top + 20}, ink), 0); // centred, not at the left edge
    SetRows({"a"});
    c.Fill(::GetSysColor(COLOR_WINDOW));
    PrintInto(m_list, c);
    EXPECT_EQ(c.Count(RECT{100, top, client.right - 100, top + 20}, ink), 0);
}

TEST_F(QuickListTest, CellsUseTheSystemColoursUnlessTheParentOverridesThem)
{
    SetRows({"one", "two"});
    m_list.SelectItem(1);
    const RECT client = m_list.GetClientRect();
    Canvas c(client.right, client.bottom);
    PaintRow(c, 0);
    PaintRow(c, 1);
    const RECT a = Cell(0, 0), b = Cell(1, 0);
    EXPECT_EQ(c.At(a.left + 5, a.top + 2), ::GetSysColor(COLOR_WINDOW));
    // A selected row of a list without the focus: button face.
    EXPECT_EQ(c.At(b.left + 5, b.top + 2), ::GetSysColor(COLOR_BTNFACE));
}

} // namespace
