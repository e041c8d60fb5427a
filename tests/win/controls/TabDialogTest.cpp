#include "Canvas.h"

#include "app/Globals.h"
#include "harness/DialogTemplate.h"
#include "harness/MessagePump.h"
#include "ui/controls/ShadeButtonST.h"
#include "ui/controls/TabDialog.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A top-level window that counts the arrow command a command button forwards to it.
class CHostDlg : public CResizeDlg {
public:
    int m_nArrow = 0;

protected:
    BEGIN_MSG_MAP(CHostDlg, CResizeDlg)
        ON_COMMAND(101, OnArrow)
    END_MSG_MAP()
    void OnArrow() { ++m_nArrow; }
};

// Shown by its own style (the test's host window stays hidden).
bool Shown(const CWnd& w)
{
    return (w.GetStyle() & WS_VISIBLE) != 0;
}

// A page with a default button that counts its presses.
class CDefaultButtonPage : public CPageDlg {
public:
    int m_nPressed = 0;

protected:
    BEGIN_MSG_MAP(CDefaultButtonPage, CPageDlg)
        ON_COMMAND(310, OnPressed)
    END_MSG_MAP()
    void OnPressed() { ++m_nPressed; }
};

class TabDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DialogTemplate host("Tab host", WS_POPUP | WS_CAPTION, 300, 200);
        ASSERT_TRUE(m_host.CreateIndirect(host.Get()));
        ASSERT_TRUE(m_tab.Create(CTabDialog::IDD, &m_host));
        m_tab.MoveWindow(0, 0, 400, 300);
        m_tab.ShowWindow(SW_SHOW);
        for (int i = 0; i < 3; ++i) {
            DialogTemplate page("", WS_CHILD | DS_CONTROL, 200, 100);
            page.Add("EDIT", "", 300, WS_BORDER | WS_TABSTOP, 10, 20, 80, 12);
            m_pages[i] = std::make_unique<CPageDlg>();
            ASSERT_TRUE(m_pages[i]->CreateIndirect(page.Get(), &m_tab));
            const RECT rc{10 + 90 * i, 0, 90 + 90 * i, 30};
            ASSERT_TRUE(m_buttons[i].Create("Page", WS_VISIBLE, rc, m_tab.m_hWnd, 200 + i));
            m_buttons[i].SetShade(CShadeButtonST::SHS_HBUMP, 8, 40, 5, 0, 0xB4B4B4, 0x00FF00);
        }
        const RECT arrow{300, 0, 330, 30};
        ASSERT_TRUE(m_arrow.Create("<==", WS_VISIBLE, arrow, m_tab.m_hWnd, 101));
    }
    void TearDown() override
    {
        CResizeDlg::SetDesktopBottomForTest(0);
        G_bHideTabIcon = false;
        m_host.ShowWindow(SW_HIDE); // destroying a visible window is slow under Wine
    }

    void AddAll()
    {
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(m_tab.AddPage(m_pages[i].get(), &m_buttons[i]), 1);
        EXPECT_EQ(m_tab.AddButton(&m_arrow), 1);
    }
    int VisiblePages() const
    {
        int n = 0;
        for (const auto& p : m_pages)
            n += Shown(*p) ? 1 : 0;
        return n;
    }
    int SelectedButtons() const
    {
        int n = 0;
        for (const auto& b : m_buttons)
            n += b.IsSelected() ? 1 : 0;
        return n;
    }

    CHostDlg m_host;
    CTabDialog m_tab;
    std::unique_ptr<CPageDlg> m_pages[3];
    CShadeButtonST m_buttons[3];
    CButtonST m_arrow;
    const RECT m_pageRect{0, 40, 380, 280};
};

TEST_F(TabDialogTest, PositionNumbersRunOverBothKindsInOrderOfAddition)
{
    CButtonST first;
    const RECT rc{0, 0, 10, 10};
    ASSERT_TRUE(first.Create("x", 0, rc, m_tab.m_hWnd, 150));
    first.SetPosition(77);
    m_tab.AddButton(&first);
    EXPECT_EQ(first.GetPosition(), 0);

    CTabDialog other;
    ASSERT_TRUE(other.Create(CTabDialog::IDD, &m_host));
    for (int i = 0; i < 3; ++i)
        other.AddPage(m_pages[i].get(), &m_buttons[i]);
    other.AddButton(&m_arrow);
    EXPECT_EQ(m_buttons[0].GetPosition(), 0);
    EXPECT_EQ(m_buttons[2].GetPosition(), 2);
    EXPECT_EQ(m_arrow.GetPosition(), 3);
    EXPECT_EQ(other.GetPageCount(), 3);
    EXPECT_EQ(other.GetButtonCount(), 1);
}

TEST_F(TabDialogTest, ShowPageMovesEveryPageAndShowsOnlyTheRequestedOne)
{
    AddAll();
    m_tab.ShowPage(m_pageRect, 5);
    EXPECT_EQ(VisiblePages(), 0);
    EXPECT_EQ(SelectedButtons(), 0);
    for (const auto& p : m_pages) {
        RECT wr = p->GetWindowRect();
        ::MapWindowPoints(nullptr, m_tab.m_hWnd, reinterpret_cast<POINT*>(&wr), 2);
        EXPECT_EQ(wr.left, m_pageRect.left);
        EXPECT_EQ(wr.top, m_pageRect.top);
        EXPECT_EQ(wr.right, m_pageRect.right);
        EXPECT_EQ(wr.bottom, m_pageRect.bottom);
    }
    m_tab.ShowPage(m_pageRect, 1);
    EXPECT_TRUE(Shown(*m_pages[1]));
    EXPECT_EQ(VisiblePages(), 1);
    EXPECT_TRUE(m_buttons[1].IsSelected());
    EXPECT_EQ(SelectedButtons(), 1);
}

TEST_F(TabDialogTest, PressingPageButtonsSwitchesPagesAndKeepsOneSelected)
{
    AddAll();
    m_tab.ShowPage(m_pageRect, 0);
    m_buttons[2].SendMessage(BM_CLICK);
    EXPECT_TRUE(Shown(*m_pages[2]));
    EXPECT_EQ(VisiblePages(), 1);
    EXPECT_TRUE(m_buttons[2].IsSelected());
    EXPECT_EQ(SelectedButtons(), 1);
    // Pressing the button of the page already shown shows it again.
    m_buttons[2].SendMessage(BM_CLICK);
    EXPECT_TRUE(Shown(*m_pages[2]));
    EXPECT_EQ(VisiblePages(), 1);
    EXPECT_TRUE(m_buttons[2].IsSelected());
    EXPECT_EQ(SelectedButtons(), 1);
}

TEST_F(TabDialogTest, CommandButtonClickReachesTheContainersParent)
{
    AddAll();
    m_arrow.SendMessage(BM_CLICK);
    EXPECT_EQ(m_host.m_nArrow, 1);
    EXPECT_EQ(m_arrow.GetParent(), m_tab.m_hWnd);
    EXPECT_EQ(VisiblePages(), 0);
}

TEST_F(TabDialogTest, EnterAndEscapeOnAPageCloseNothing)
{
    AddAll();
    m_tab.ShowPage(m_pageRect, 0);
    m_host.ShowWindow(SW_SHOW);
    m_host.SetForegroundWindow();
    HWND hEdit = m_pages[0]->GetDlgItem(300);
    ::SetFocus(hEdit);
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        ::PostMessageA(hEdit, WM_KEYDOWN, key, 1);
        ::PostMessageA(hEdit, WM_KEYUP, key, 0xC0000001);
        PumpMessages(50);
        EXPECT_TRUE(m_pages[0]->IsWindowVisible());
        EXPECT_TRUE(m_tab.IsWindowVisible());
        EXPECT_TRUE(m_host.IsWindowVisible());
    }
    // A command IDOK sent to the container itself closes nothing either.
    m_tab.SendMessage(WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(Shown(m_tab));
}

TEST_F(TabDialogTest, EnterOnAPageWithADefaultButtonPressesIt)
{
    DialogTemplate t("", WS_CHILD | DS_CONTROL | WS_VISIBLE, 200, 100);
    t.Add("EDIT", "", 300, WS_BORDER | WS_TABSTOP, 10, 20, 80, 12)
        .Add("BUTTON", "Connect", 310, BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 40, 50, 14);
    CDefaultButtonPage page;
    ASSERT_TRUE(page.CreateIndirect(t.Get(), &m_tab));
    m_host.ShowWindow(SW_SHOW);
    m_host.SetForegroundWindow();
    HWND hEdit = page.GetDlgItem(300);
    ::SetFocus(hEdit);
    ::PostMessageA(hEdit, WM_KEYDOWN, VK_RETURN, 1);
    PumpMessages(50);
    EXPECT_EQ(page.m_nPressed, 1);
    EXPECT_TRUE(m_host.IsWindowVisible());
}

TEST_F(TabDialogTest, PageDrawsAnEtchedLineAcrossItsTop)
{
    AddAll();
    m_tab.ShowPage(m_pageRect, 0);
    Canvas canvas(380, 10);
    m_pages[0]->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW), hilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(canvas.Count(RECT{0, 0, 379, 1}, shadow), 379);
    EXPECT_EQ(canvas.Count(RECT{0, 1, 380, 2}, hilite), 380);
    EXPECT_EQ(canvas.At(379, 0), hilite);
}

LOGFONTA FontOf(const CWnd& w)
{
    LOGFONTA lf{};
    ::GetObjectA(w.GetFont(), sizeof lf, &lf);
    return lf;
}

TEST_F(TabDialogTest, CompactLayoutBelow660PixelsUsesTrebuchet7)
{
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);

    CResizeDlg::SetDesktopBottomForTest(660);
    CTabDialog normal;
    ASSERT_TRUE(normal.Create(CTabDialog::IDD, &m_host));
    EXPECT_STREQ(FontOf(normal).lfFaceName, "Trebuchet MS");
    EXPECT_EQ(FontOf(normal).lfHeight, -MulDiv(8, dpi, 72));

    CResizeDlg::SetDesktopBottomForTest(659);
    EXPECT_TRUE(CResizeDlg::IsCompactDesktop());
    CTabDialog compact;
    ASSERT_TRUE(compact.Create(CTabDialog::IDD, &m_host));
    EXPECT_STREQ(FontOf(compact).lfFaceName, "Trebuchet MS");
    EXPECT_EQ(FontOf(compact).lfHeight, -MulDiv(7, dpi, 72));
    // A dialog whose template was "Microsoft Sans Serif" gets the compact font as well.
    CResizeDlg box(125, nullptr);
    ASSERT_TRUE(box.Create(125, &m_host));
    EXPECT_STREQ(FontOf(box).lfFaceName, "Trebuchet MS");
    EXPECT_EQ(FontOf(box).lfHeight, -MulDiv(7, dpi, 72));
    box.DestroyWindow();

    // A missing template makes creation fail.
    CResizeDlg missing(9999, nullptr);
    EXPECT_FALSE(missing.Create(9999, &m_host));
}

TEST_F(TabDialogTest, PageDragsTheMainWindowOnlyInTheCompactLayoutWhilePressed)
{
    AddAll();
    m_tab.ShowPage(m_pageRect, 0);
    // Without a pressed button a hit test is an ordinary client hit in both layouts.
    G_bHideTabIcon = true;
    const RECT wr = m_pages[0]->GetWindowRect();
    const LPARAM at = MAKELPARAM(wr.left + 5, wr.top + 5);
    if (!(::GetAsyncKeyState(VK_LBUTTON) & 0x8000)) {
        EXPECT_EQ(m_pages[0]->SendMessage(WM_NCHITTEST, 0, at), HTCLIENT);
    }
    G_bHideTabIcon = false;
    EXPECT_EQ(m_pages[0]->SendMessage(WM_NCHITTEST, 0, at), HTCLIENT);
}

} // namespace
