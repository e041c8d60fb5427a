#include "Canvas.h"

#include "harness/DialogTemplate.h"
#include "ui/controls/ComboBoxSuper.h"
#include "ui/controls/HistogramCtrl.h"
#include "ui/controls/LinkSlider.h"
#include "ui/controls/ResizeDlg.h"
#include "ui/controls/Separator.h"
#include "ui/controls/SmartEdit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class CCountingEdit : public CSmartEdit {
public:
    int m_nBeeps = 0;

protected:
    void Beep() override { ++m_nBeeps; }
};

class SmallControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DialogTemplate t("Small controls", WS_POPUP | WS_CAPTION, 300, 200);
        t.Add("EDIT", "", 100, WS_BORDER | ES_AUTOHSCROLL, 5, 5, 80, 12)
            .Add("STATIC", "Tx", 101, SS_LEFT, 5, 20, 120, 40)
            .Add("STATIC", "Transmit", 102, SS_LEFT, 5, 65, 120, 10)
            .Add("STATIC", "", 103, SS_LEFT, 130, 5, 4, 60)
            .Add("msctls_trackbar32", "", 104, TBS_HORZ, 5, 80, 120, 15)
            .Add("COMBOBOX", "", 105, CBS_DROPDOWNLIST | WS_VSCROLL, 5, 100, 120, 80);
        ASSERT_TRUE(m_dlg.CreateIndirect(t.Get()));
        ASSERT_TRUE(m_edit.SubclassDlgItem(100, &m_dlg));
        ASSERT_TRUE(m_histogram.SubclassDlgItem(101, &m_dlg));
        ASSERT_TRUE(m_separator.SubclassDlgItem(102, &m_dlg));
        ASSERT_TRUE(m_vertical.SubclassDlgItem(103, &m_dlg));
        ASSERT_TRUE(m_slider.SubclassDlgItem(104, &m_dlg));
    }
    std::string EditText() const { return m_edit.GetWindowText().str(); }

    CResizeDlg m_dlg;
    CCountingEdit m_edit;
    CHistogramCtrl m_histogram;
    CSeparator m_separator, m_vertical;
    CLinkSlider m_slider;
};

TEST_F(SmallControlsTest, HexMaskAcceptsHexDigitsAndBeepsOnOthers)
{
    m_edit.SetCharClasses(VX_SE_HEX);
    for (const char* p = "09afAF"; *p; ++p)
        m_edit.SendMessage(WM_CHAR, static_cast<unsigned char>(*p), 1);
    EXPECT_EQ(EditText(), "09afAF");
    EXPECT_EQ(m_edit.m_nBeeps, 0);
    m_edit.SendMessage(WM_CHAR, 'g', 1);
    m_edit.SendMessage(WM_CHAR, '-', 1);
    EXPECT_EQ(EditText(), "09afAF");
    EXPECT_EQ(m_edit.m_nBeeps, 2);
    m_edit.SendMessage(WM_CHAR, VK_BACK, 1); // control characters always pass
    EXPECT_EQ(EditText(), "09afA");
}

TEST_F(SmallControlsTest, PasteIsFilteredLikeTyping)
{
    m_edit.SetCharClasses(VX_SE_HEX);
    ASSERT_TRUE(::OpenClipboard(m_dlg.m_hWnd));
    ::EmptyClipboard();
    const char text[] = "12-zz-AB";
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, sizeof text);
    memcpy(::GlobalLock(h), text, sizeof text);
    ::GlobalUnlock(h);
    ::SetClipboardData(CF_TEXT, h);
    ::CloseClipboard();
    m_edit.SendMessage(WM_PASTE);
    EXPECT_EQ(EditText(), "12AB");
    EXPECT_EQ(m_edit.m_nBeeps, 1);
}

TEST_F(SmallControlsTest, HintIsShownBesideTheEditOnlyWithAFocusAndOnce)
{
    m_dlg.ShowWindow(SW_SHOW);
    m_dlg.SetForegroundWindow();
    m_edit.SetFocus();
    m_edit.ShowHint("Invalid key");
    CInfoWnd& info = m_edit.GetInfoWnd();
    ASSERT_TRUE(info.IsWindow());
    char cls[32] = "";
    ::GetClassNameA(info.m_hWnd, cls, sizeof cls);
    EXPECT_STREQ(cls, "ST_InfoWnd");
    EXPECT_TRUE(info.IsWindowVisible());
    EXPECT_EQ(info.GetText(), " Invalid key ");
    const RECT edit = m_edit.GetWindowRect(), hint = info.GetWindowRect();
    EXPECT_EQ(hint.left, edit.left - 3);
    EXPECT_EQ(hint.bottom, edit.top - 2 - 1);
    m_edit.ShowHint("Second");
    EXPECT_EQ(info.GetText(), " Invalid key "); // shown already: unchanged
    info.SendMessage(WM_TIMER, CInfoWnd::TIMER_HIDE);
    EXPECT_FALSE(info.IsWindowVisible());
    m_dlg.ShowWindow(SW_HIDE);
}

TEST_F(SmallControlsTest, HistogramChartIsBlackAtMaximumZeroAndCapsBars)
{
    m_histogram.SetLabelWidth(50);
    m_histogram.SetLineCount(2);
    m_histogram.SetLine(0, "Max");
    m_histogram.SetLine(1, "0.000 Mbps");
    m_histogram.SetBarColor(RGB(0, 255, 0));
    const RECT rc = m_histogram.GetClientRect();
    const int h = rc.bottom, w = rc.right;
    Canvas c(w, h);
    m_histogram.AddValue(5);
    m_histogram.SetMaxValue(0);
    m_histogram.Paint(c.dc(), c.rect());
    EXPECT_EQ(c.Count(RECT{50, 0, w, h}, RGB(0, 0, 0)), (w - 50) * h);

    m_histogram.SetMaxValue(2);
    m_histogram.AddValue(1);
    m_histogram.Paint(c.dc(), c.rect());
    // Newest (1 of 2) at the left edge of the chart: half of height − 2; the older 5 is capped.
    const int half = (h - 2) / 2;
    EXPECT_EQ(c.Count(RECT{50, 0, 52, h}, RGB(0, 255, 0)), 2 * half);
    EXPECT_EQ(c.Count(RECT{52, 0, 54, h}, RGB(0, 255, 0)), 2 * (h - 2));
    EXPECT_EQ(c.At(52, 1), RGB(0, 0, 0));
    EXPECT_EQ(c.At(52, 2), RGB(0, 255, 0));
    EXPECT_EQ(c.Count(RECT{54, 0, w, h}, RGB(0, 255, 0)), 0);

    m_histogram.Clear();
    m_histogram.Paint(c.dc(), c.rect());
    EXPECT_EQ(c.Count(RECT{50, 0, w, h}, RGB(0, 0, 0)), (w - 50) * h);
    // A line count of 0 draws no labels (and does not divide by zero).
    m_histogram.SetLineCount(0);
    m_histogram.Paint(c.dc(), c.rect());
    EXPECT_EQ(c.Count(RECT{0, 0, 50, h}, RGB(0, 0, 0)), 50 * h);
}

TEST_F(SmallControlsTest, SeparatorsDrawEtchedLines)
{
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW), hilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_separator.SetWindowText("");
    const RECT rc = m_separator.GetClientRect();
    Canvas c(rc.right, rc.bottom);
    m_separator.Paint(c.dc(), c.rect());
    const int y = rc.bottom / 2 - 1;
    EXPECT_EQ(c.Count(RECT{0, y, rc.right - 1, y + 1}, shadow), rc.right - 1);
    EXPECT_EQ(c.Count(RECT{0, y + 1, rc.right, y + 2}, hilite), rc.right);
    // With a title the line is covered at the left by the text on the button face.
    m_separator.SetWindowText("Transmit");
    m_separator.Paint(c.dc(), c.rect());
    EXPECT_LT(c.Count(RECT{0, y, rc.right - 1, y + 1}, shadow), rc.right - 1);
    EXPECT_EQ(c.At(1, y), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(c.At(rc.right - 3, y), shadow);

    const RECT vr = m_vertical.GetClientRect();
    Canvas v(vr.right, vr.bottom);
    m_vertical.Paint(v.dc(), v.rect());
    const int x = vr.right / 2 - 1;
    EXPECT_EQ(v.Count(RECT{x, 0, x + 1, vr.bottom - 1}, shadow), vr.bottom - 1);
    EXPECT_EQ(v.Count(RECT{x + 1, 0, x + 2, vr.bottom}, hilite), vr.bottom);
}

TEST_F(SmallControlsTest, SliderWritesItsPositionIntoTheLinkedEdit)
{
    m_edit.SetSlideLink(&m_slider, -10, 2347, 5);
    EXPECT_EQ(m_edit.GetCharClasses(), static_cast<UINT>(VX_SE_SIGNED));
    EXPECT_EQ(EditText(), "5");
    m_slider.SetPos(100);
    m_dlg.SendMessage(WM_HSCROLL, TB_PAGEDOWN, reinterpret_cast<LPARAM>(m_slider.m_hWnd));
    EXPECT_EQ(EditText(), "100");
    m_dlg.SendMessage(WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 321), reinterpret_cast<LPARAM>(m_slider.m_hWnd));
    EXPECT_EQ(EditText(), "321");
    m_dlg.SendMessage(WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(m_slider.m_hWnd));
    EXPECT_EQ(EditText(), "321");
    // Typing a number moves the slider.
    m_edit.SetWindowText("2000");
    EXPECT_EQ(m_slider.GetPos(), 2000);
    m_edit.SetSlideLink(&m_slider, 0, 2347, 7);
    EXPECT_EQ(m_edit.GetCharClasses(), static_cast<UINT>(VX_SE_DIGIT));
}

TEST_F(SmallControlsTest, ComboBoxIsMadeOwnerDrawnAndKeepsItsStrings)
{
    ::SendDlgItemMessageA(m_dlg.m_hWnd, 105, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("User ID"));
    CComboBoxSuper combo;
    ASSERT_TRUE(combo.SubclassDlgItem(105, &m_dlg));
    EXPECT_TRUE(combo.GetStyle() & CBS_OWNERDRAWFIXED);
    EXPECT_EQ(combo.m_hWnd, m_dlg.GetDlgItem(105));
    EXPECT_EQ(combo.GetCount(), 1);
    combo.SetColumnCount(2);
    const int i = combo.AddString("Office");
    combo.SetItemText(i, 1, "00112233AABB");
    combo.SetItemColor(i, RGB(0, 0, 255));
    EXPECT_EQ(combo.FindStringExact(-1, "Office"), 1);
    EXPECT_EQ(combo.GetItemText(1, 1), "00112233AABB");
    combo.SendMessage(CB_DELETESTRING, 0);
    EXPECT_EQ(combo.GetItemText(0, 1), "00112233AABB");

    // Two columns: the second text starts after the 50-pixel first column, with a grey rule.
    Canvas c(200, 18, RGB(9, 9, 9));
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_COMBOBOX;
    dis.itemID = 0;
    dis.hDC = c.dc();
    dis.rcItem = RECT{0, 0, 200, 18};
    combo.DrawItem(dis);
    EXPECT_EQ(c.At(2 + 50 - 1, 9), RGB(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(c.At(150, 1), ::GetSysColor(COLOR_WINDOW));
    EXPECT_GT(c.Count(RECT{53, 0, 200, 18}, RGB(0, 0, 255)), 0);
}

} // namespace
