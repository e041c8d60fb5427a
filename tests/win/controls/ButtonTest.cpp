#include "Canvas.h"

#include "harness/DialogTemplate.h"
#include "harness/MessagePump.h"
#include "framework/MsgMap.h"
#include "ui/controls/ResizeDlg.h"
#include "ui/controls/ShadeButtonST.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>

namespace {

int g_seq = 0;
int FixedRandom() { return (g_seq++ * 977) % 32768; }

BOOL CALLBACK FindVisibleMenu(HWND h, LPARAM p)
{
    char cls[16] = "";
    ::GetClassNameA(h, cls, sizeof cls);
    if (lstrcmpA(cls, "#32768") == 0 && ::IsWindowVisible(h)) {
        *reinterpret_cast<HWND*>(p) = h;
        return FALSE;
    }
    return TRUE;
}

// Chooses the first enabled item of the open pop-up menu.
void CALLBACK ChooseFirstItem(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    // The menu's loop reads the keys of the whole thread.
    HWND hMenuWnd = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindVisibleMenu, reinterpret_cast<LPARAM>(&hMenuWnd));
    if (!hMenuWnd)
        hMenuWnd = ::GetFocus();
    // Two steps down reach the second item whether or not the greyed first one is skipped.
    ::PostMessageA(hMenuWnd, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(hMenuWnd, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(hMenuWnd, WM_KEYDOWN, VK_RETURN, 0);
}

// Records the menu commands that reach it (WM_COMMAND with lParam 0).
class CCommandDlg : public CResizeDlg {
public:
    UINT m_nLastMenuCommand = 0;

protected:
    BEGIN_MSG_MAP(CCommandDlg, CResizeDlg)
        ON_MESSAGE_EX(WM_COMMAND, OnCommandMsg)
    END_MSG_MAP()
    BOOL OnCommandMsg(WPARAM wParam, LPARAM lParam, LRESULT&)
    {
        if (lParam == 0)
            m_nLastMenuCommand = LOWORD(wParam);
        return FALSE;
    }
};

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DialogTemplate t("Buttons", WS_POPUP | WS_CAPTION, 300, 120);
        t.Add("BUTTON", "plain A", 10, BS_AUTORADIOBUTTON | WS_GROUP, 5, 5, 60, 12)
            .Add("BUTTON", "st B", 11, BS_AUTORADIOBUTTON, 5, 20, 60, 12)
            .Add("BUTTON", "plain C", 12, BS_AUTORADIOBUTTON, 5, 35, 60, 12)
            .Add("BUTTON", "st D", 13, BS_AUTORADIOBUTTON, 5, 50, 60, 12)
            .Add("BUTTON", "next group", 14, BS_AUTORADIOBUTTON | WS_GROUP, 5, 65, 60, 12)
            .Add("BUTTON", "check", 15, BS_AUTOCHECKBOX | WS_GROUP, 100, 5, 60, 12)
            .Add("BUTTON", "", 16, BS_PUSHBUTTON, 100, 20, 60, 20);
        ASSERT_TRUE(m_dlg.CreateIndirect(t.Get()));
        ASSERT_TRUE(m_b.SubclassDlgItem(11, &m_dlg));
        ASSERT_TRUE(m_d.SubclassDlgItem(13, &m_dlg));
        ASSERT_TRUE(m_check.SubclassDlgItem(15, &m_dlg));
        ASSERT_TRUE(m_shade.SubclassDlgItem(16, &m_dlg));
    }
    void TearDown() override
    {
        CShadeButtonST::SetRandomSource(nullptr);
        m_dlg.ShowWindow(SW_HIDE); // destroying a visible window is slow under Wine
    }

    int Check(int id) const { return static_cast<int>(::SendDlgItemMessageA(m_dlg.m_hWnd, id, BM_GETCHECK, 0, 0)); }

    CCommandDlg m_dlg;
    CButtonST m_b, m_d, m_check;
    CShadeButtonST m_shade;
};

TEST_F(ButtonTest, ModesComeFromTheResourceStyleAndTheButtonBecomesOwnerDrawn)
{
    EXPECT_TRUE(m_b.IsRadio());
    EXPECT_TRUE(m_check.IsCheckBox());
    EXPECT_FALSE(m_shade.IsRadio() || m_shade.IsCheckBox());
    EXPECT_EQ(m_b.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
    EXPECT_EQ(m_b.SendMessage(WM_GETDLGCODE) & DLGC_RADIOBUTTON, DLGC_RADIOBUTTON);
    EXPECT_EQ(m_shade.SendMessage(WM_GETDLGCODE) & DLGC_UNDEFPUSHBUTTON, DLGC_UNDEFPUSHBUTTON);
    m_shade.SendMessage(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(m_shade.SendMessage(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON, DLGC_DEFPUSHBUTTON);
}

TEST_F(ButtonTest, RadioClickUnchecksTheWholeGroupIncludingOtherClasses)
{
    ::CheckDlgButton(m_dlg.m_hWnd, 10, BST_CHECKED);
    m_b.SetCheck(1);
    ::CheckDlgButton(m_dlg.m_hWnd, 12, BST_CHECKED);
    ::CheckDlgButton(m_dlg.m_hWnd, 14, BST_CHECKED);
    m_d.SendMessage(BM_CLICK);
    EXPECT_EQ(Check(13), 1);
    EXPECT_EQ(Check(10), 0);
    EXPECT_EQ(Check(11), 0);
    EXPECT_EQ(Check(12), 0);
    EXPECT_EQ(Check(14), 1); // another group
    // A plain radio of the group unchecks our buttons too.
    ::SendDlgItemMessageA(m_dlg.m_hWnd, 10, BM_CLICK, 0, 0);
    EXPECT_EQ(Check(10), 1);
    EXPECT_EQ(Check(13), 0);
}

TEST_F(ButtonTest, TooltipCarriesTheText)
{
    m_shade.SetTooltipText("Rescan the networks");
    m_shade.SetTooltipText("Rescan now");
    ASSERT_TRUE(m_shade.GetTooltip());
    EXPECT_EQ(::SendMessageA(m_shade.GetTooltip(), TTM_GETTOOLCOUNT, 0, 0), 1);
    char text[80] = "";
    TOOLINFOA ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = m_dlg.m_hWnd;
    ti.uId = reinterpret_cast<UINT_PTR>(m_shade.m_hWnd);
    ti.lpszText = text;
    ::SendMessageA(m_shade.GetTooltip(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&ti));
    EXPECT_STREQ(text, "Rescan now");
}

TEST_F(ButtonTest, CheckBoxTogglesOnEveryClick)
{
    m_check.SendMessage(BM_CLICK);
    EXPECT_EQ(Check(15), 1);
    m_check.SendMessage(BM_CLICK);
    EXPECT_EQ(Check(15), 0);
    // A click sound is played without waiting, also when its file cannot be played.
    m_check.SetSound("C:\\no such folder\\click.wav");
    m_check.SendMessage(BM_CLICK);
    EXPECT_EQ(Check(15), 1);
}

TEST_F(ButtonTest, StateColoursPaintTheBackgroundAndTheText)
{
    m_check.SetWindowText("");
    m_check.SetColor(CButtonST::BTNST_COLOR_BK_OUT, RGB(10, 20, 30));
    m_check.SetColor(CButtonST::BTNST_COLOR_BK_IN, RGB(200, 0, 0));
    Canvas c(40, 20);
    m_check.DrawButton(c.dc(), c.rect(), 0);
    EXPECT_EQ(c.At(20, 10), RGB(10, 20, 30));
    m_check.SetCheck(1);
    m_check.DrawButton(c.dc(), c.rect(), 0);
    EXPECT_EQ(c.At(20, 10), RGB(200, 0, 0)); // a checked box is drawn in the pressed colours
}

TEST_F(ButtonTest, TypeZeroIsPaletteIndex255EverywhereAndTheLookComesFromTheTint)
{
    m_shade.SetWindowText("");
    for (int g : {0, 8, 33}) {
        m_shade.SetShade(CShadeButtonST::SHS_NOISE, g, 10, 0, 0, 0xE68CA0, 0xA01E3C);
        const CCeXDib& dib = m_shade.GetBaseDib();
        ASSERT_TRUE(dib.IsValid());
        int other = 0;
        for (int y = 0; y < dib.GetHeight(); ++y)
            for (int x = 0; x < dib.GetWidth(); ++x)
                other += dib.GetPixelIndex(x, y) != 255;
        EXPECT_EQ(other, 0) << g;
    }
    const RECT rc = m_shade.GetClientRect();
    Canvas c(rc.right, rc.bottom);
    m_shade.DrawButton(c.dc(), c.rect(), 0);
    const COLORREF hilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(c.At(rc.right / 2, rc.bottom / 2), hilite);
    // Selected: the palette blended toward the selected colour by the highlight value.
    m_shade.SetSelected(true);
    m_shade.DrawButton(c.dc(), c.rect(), 0);
    EXPECT_EQ(c.At(rc.right / 2, rc.bottom / 2), static_cast<COLORREF>(VxBlendColour(hilite, 0xA01E3C, 10)));
}

TEST_F(ButtonTest, BackgroundFollowsPointerPressAndSelection)
{
    m_shade.SetWindowText("");
    m_shade.SetShade(CShadeButtonST::SHS_HSHADE, 0, 30, 0, 0, RGB(0, 0, 255), RGB(0, 255, 0));
    const RECT rc = m_shade.GetClientRect();
    const int w = rc.right, h = rc.bottom;
    const CCeXDib& base = m_shade.GetBaseDib();
    const CCeXDib& hover = m_shade.GetHoverDib();
    const CCeXDib& selected = m_shade.GetSelectedDib();
    // Colour a bitmap gives the pixel at (x, y) from the top, drawn at offset d.
    auto expect = [&](const CCeXDib& dib, int x, int y, int d) {
        return dib.GetPaletteColour(dib.GetPixelIndex(x - d, h - 1 - (y - d)));
    };
    Canvas c(w, h);
    const int x = w / 2, y = h / 2;
    m_shade.DrawButton(c.dc(), c.rect(), 0);
    EXPECT_EQ(c.At(x, y), expect(base, x, y, 0));
    m_shade.SetSelected(true);
    m_shade.DrawButton(c.dc(), c.rect(), 0);
    EXPECT_EQ(c.At(x, y), expect(selected, x, y, 0));
    // The pointer over it wins over the selection; pressed shifts the picture by one pixel.
    m_shade.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    ASSERT_TRUE(m_shade.IsPointerOver());
    m_shade.DrawButton(c.dc(), c.rect(), 0);
    EXPECT_EQ(c.At(x, y), expect(hover, x, y, 0));
    m_shade.DrawButton(c.dc(), c.rect(), ODS_SELECTED);
    EXPECT_EQ(c.At(x, y), expect(hover, x, y, 1));
    m_shade.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(m_shade.IsPointerOver());
}

TEST_F(ButtonTest, DisabledTextIsEmbossed)
{
    m_shade.SetWindowText("WWWW");
    m_shade.SetShade(CShadeButtonST::SHS_NOISE, 0, 10, 100, RGB(200, 200, 200));
    m_shade.SetColor(CButtonST::BTNST_COLOR_FG_OUT, RGB(255, 0, 0));
    const RECT rc = m_shade.GetClientRect();
    Canvas c(rc.right, rc.bottom);
    m_shade.DrawButton(c.dc(), c.rect(), ODS_DISABLED);
    EXPECT_GT(c.Count(c.rect(), ::GetSysColor(COLOR_3DSHADOW)), 0);
    EXPECT_GT(c.Count(c.rect(), ::GetSysColor(COLOR_3DHILIGHT)), 0);
    EXPECT_EQ(c.Count(c.rect(), RGB(255, 0, 0)), 0);
    m_shade.DrawButton(c.dc(), c.rect(), 0);
    EXPECT_GT(c.Count(c.rect(), RGB(255, 0, 0)), 0);
}

TEST_F(ButtonTest, PaletteAndTintFollowTheSystemColours)
{
    m_shade.SetShade(CShadeButtonST::SHS_HBUMP, 8, 40, 5, RGB(0x30, 0x20, 0x10), 0xB4B4B4, 0x00FF00);
    VxPalette p = VxShadePalette(::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNFACE),
                                 ::GetSysColor(COLOR_BTNHIGHLIGHT));
    VxTintPalette(p, RGB(0x30, 0x20, 0x10), 5);
    for (int i : {0, 1, 64, 127, 128, 200, 255}) {
        EXPECT_EQ(m_shade.GetBaseDib().GetPaletteColour(i), p[static_cast<size_t>(i)]) << i;
        EXPECT_EQ(m_shade.GetHoverDib().GetPaletteColour(i), VxBlendColour(p[static_cast<size_t>(i)], 0xB4B4B4, 40));
        EXPECT_EQ(m_shade.GetPressedDib().GetPaletteColour(i), m_shade.GetHoverDib().GetPaletteColour(i));
        EXPECT_EQ(m_shade.GetSelectedDib().GetPaletteColour(i), VxBlendColour(p[static_cast<size_t>(i)], 0x00FF00, 40));
    }
}

TEST_F(ButtonTest, PatternsTwoAndFourWithAFixedRandomSourceArePaintedBottomUp)
{
    m_shade.SetWindowText("");
    CShadeButtonST::SetRandomSource(&FixedRandom);
    const RECT rc = m_shade.GetClientRect();
    const int w = rc.right, h = rc.bottom;
    for (int type : {2, 4}) {
        g_seq = 0;
        m_shade.SetShade(type, 8, 10, 0, 0, 0, 0);
        g_seq = 0;
        const auto expected = VxShadePixels(type, 8, w, h, &FixedRandom);
        Canvas c(w, h);
        m_shade.DrawButton(c.dc(), c.rect(), 0);
        const CCeXDib& dib = m_shade.GetBaseDib();
        for (int row = 1; row < h - 1; row += 3)
            for (int x = 1; x < w - 1; x += 5) {
                const uint8_t index = expected[static_cast<size_t>(row * w + x)];
                ASSERT_EQ(dib.GetPixelIndex(x, row), index);
                // Row 0 of the bitmap is the bottom row of the button.
                ASSERT_EQ(c.At(x, h - 1 - row), dib.GetPaletteColour(index)) << type << " " << x << "," << row;
            }
    }
}

TEST_F(ButtonTest, ResizingRebuildsTheBitmapsAndAnEmptyButtonHasNone)
{
    m_shade.SetShade(CShadeButtonST::SHS_HSHADE, 8, 10);
    m_shade.MoveWindow(0, 0, 0, 0);
    EXPECT_FALSE(m_shade.GetBaseDib().IsValid());
    Canvas c(4, 4);
    m_shade.DrawButton(c.dc(), RECT{0, 0, 0, 0}, 0);
    m_shade.MoveWindow(0, 0, 50, 20);
    EXPECT_EQ(m_shade.GetBaseDib().GetWidth(), 50);
    EXPECT_EQ(m_shade.GetBaseDib().GetHeight(), 20);
}

TEST_F(ButtonTest, MenuItemsAreDrawnByTheButtonAndKeepTheirTexts)
{
    HMENU menu = ::CreatePopupMenu();
    ::AppendMenuA(menu, MF_STRING, 32891, "EAP-MSCHAP v2");
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(menu, MF_STRING | MF_GRAYED, 32893, "Generic Token Card (GTC)");
    m_shade.SetMenu(menu, m_dlg.m_hWnd);
    char text[64] = "";
    ::GetMenuStringA(menu, 32893, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "Generic Token Card (GTC)");
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE;
    ASSERT_TRUE(::GetMenuItemInfoA(menu, 32891, FALSE, &mii));
    EXPECT_TRUE(mii.fType & MFT_OWNERDRAW);
    ASSERT_TRUE(::GetMenuItemInfoA(menu, 1, TRUE, &mii));
    EXPECT_FALSE(mii.fType & MFT_OWNERDRAW); // separators stay the system's

    MEASUREITEMSTRUCT mis{};
    mis.CtlType = ODT_MENU;
    mis.itemID = 32893;
    EXPECT_TRUE(m_shade.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis)));
    EXPECT_GT(mis.itemWidth, 60u);
    EXPECT_GE(mis.itemHeight, 18u);

    Canvas c(200, 20);
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_MENU;
    dis.itemID = 32891;
    dis.itemState = ODS_SELECTED;
    dis.hDC = c.dc();
    dis.rcItem = c.rect();
    m_shade.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
    EXPECT_EQ(c.At(2, 2), ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_GT(c.Count(c.rect(), ::GetSysColor(COLOR_HIGHLIGHTTEXT)), 0);
    dis.itemID = 32893;
    dis.itemState = ODS_GRAYED;
    m_shade.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
    EXPECT_EQ(c.At(2, 2), ::GetSysColor(COLOR_MENU));
    EXPECT_GT(c.Count(c.rect(), ::GetSysColor(COLOR_GRAYTEXT)), 0);
}

TEST_F(ButtonTest, MenuButtonPostsTheChosenCommandToItsCommandWindow)
{
    m_dlg.ShowWindow(SW_SHOW);
    m_dlg.SetForegroundWindow();
    HMENU menu = ::CreatePopupMenu();
    ::AppendMenuA(menu, MF_STRING, 32882, "PEAP");
    ::AppendMenuA(menu, MF_STRING, 32883, "TLS");
    m_shade.SetMenu(menu, m_dlg.m_hWnd);
    bool prepared = false;
    m_shade.SetMenuCallback([&](HMENU h) {
        prepared = h == menu;
        ::EnableMenuItem(h, 32882, MF_BYCOMMAND | MF_GRAYED);
        ::SetTimer(nullptr, 0, 100, &ChooseFirstItem);
    });
    m_shade.SendMessage(BM_CLICK);
    EXPECT_TRUE(prepared);
    EXPECT_EQ(m_dlg.m_nLastMenuCommand, 0u); // posted, not sent
    PumpUntil([&] { return m_dlg.m_nLastMenuCommand != 0; }, 2000);
    EXPECT_EQ(m_dlg.m_nLastMenuCommand, 32883u);
}

} // namespace
