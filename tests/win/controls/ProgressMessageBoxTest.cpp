#include "Canvas.h"

#include "app/LangTable.h"
#include "harness/DialogAnswerer.h"
#include "harness/DialogTemplate.h"
#include "ui/controls/MessageBoxDlg.h"
#include "ui/controls/ProgressCtrlX.h"

#include <gtest/gtest.h>

namespace {

class ProgressTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DialogTemplate t("Bars", WS_POPUP | WS_CAPTION, 200, 60);
        ASSERT_TRUE(m_dlg.CreateIndirect(t.Get()));
        const RECT rc{0, 0, 200, 20};
        ASSERT_TRUE(m_bar.Create(WS_VISIBLE, rc, m_dlg.m_hWnd, 1200));
        m_bar.SetBkColor(RGB(255, 255, 255));
        m_bar.SetGradientColors({RGB(255, 0, 0), RGB(255, 0, 0)});
    }
    void TearDown() override { m_dlg.ShowWindow(SW_HIDE); }
    CResizeDlg m_dlg;
    CProgressCtrlX m_bar;
};

TEST_F(ProgressTest, PercentTextFillAndTextOnlyStyle)
{
    m_bar.SetRange(0, 100);
    m_bar.SetPos(37);
    m_bar.SetShowPercent();
    EXPECT_EQ(m_bar.GetBarText(), "37%");
    Canvas c(200, 20);
    m_bar.Paint(c.dc(), c.rect());
    // 37 of 200 pixels: columns 0…73 filled; the top row holds no text.
    EXPECT_EQ(c.Count(RECT{0, 0, 74, 1}, RGB(255, 0, 0)), 74);
    EXPECT_EQ(c.Count(RECT{74, 0, 200, 1}, RGB(255, 255, 255)), 126);

    m_bar.SetTextFormat("Antenna 2: no signal 100%", PBS_SHOW_TEXTONLY);
    EXPECT_EQ(m_bar.GetBarText(), "Antenna 2: no signal 100%");
    m_bar.SetTextFormat("Link Quality %d%%", PBS_SHOW_PERCENT);
    EXPECT_EQ(m_bar.GetBarText(), "Link Quality 37%");
    m_bar.SetTextFormat("", PBS_SHOW_PERCENT); // an empty format clears the text
    EXPECT_EQ(m_bar.GetBarText(), "");
    EXPECT_EQ(m_bar.GetTextStyle(), 0u);
}

TEST_F(ProgressTest, EmptyRangeDrawsNoFillAndShowsZero)
{
    m_bar.SetRange(50, 50);
    m_bar.SetPos(50);
    m_bar.SetShowPercent();
    m_bar.SetAnimation(55, 7);
    m_bar.SendMessage(WM_TIMER, CProgressCtrlX::TIMER_ANIMATION);
    EXPECT_EQ(m_bar.GetAnimationOffset(), 0);
    EXPECT_EQ(m_bar.GetBarText(), "0%");
    Canvas c(200, 20);
    m_bar.Paint(c.dc(), c.rect());
    EXPECT_EQ(c.Count(RECT{0, 0, 200, 1}, RGB(255, 0, 0)), 0);
    m_bar.SetAnimation(0, 0);
}

TEST_F(ProgressTest, MessagesAnimationAndGradient)
{
    m_bar.SendMessage(PBM_SETRANGE32, 0, 100);
    m_bar.SendMessage(PBM_SETPOS, 100);
    EXPECT_EQ(m_bar.GetPos(), 100);
    m_bar.SendMessage(PBM_SETBARCOLOR, 0, RGB(0, 0, 255));
    ASSERT_EQ(m_bar.GetGradientColors().size(), 2u);
    EXPECT_EQ(m_bar.GetGradientColors()[1], RGB(0, 0, 255));
    m_bar.SetGradientColors({0x00FF00, 0xF0CAA6, 0x00FF00});
    Canvas c(200, 20);
    m_bar.Paint(c.dc(), c.rect());
    EXPECT_EQ(c.At(0, 0), 0x00FF00u);
    EXPECT_EQ(c.At(199, 0), 0x00FF00u);
    // The middle shows the second colour (approximately: 200 pixels, 2 segments).
    const COLORREF mid = c.At(100, 0);
    EXPECT_NEAR(GetRValue(mid), 0xA6, 3);
    EXPECT_NEAR(GetBValue(mid), 0xF0, 3);

    m_bar.SetAnimation(55, 30);
    for (int i = 0; i < 4; ++i)
        m_bar.SendMessage(WM_TIMER, CProgressCtrlX::TIMER_ANIMATION);
    EXPECT_EQ(m_bar.GetAnimationOffset(), 20); // 120 modulo 100
    m_bar.Paint(c.dc(), c.rect());
    EXPECT_EQ(c.At(40, 0), 0x00FF00u); // shifted by 40 pixels: the first colour moved to x = 40
    m_bar.SetAnimation(0, 0);
}

// Destroys the open message box from inside its modal loop.
void CALLBACK DestroyBox(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    HWND h = ::FindWindowA("#32770", "Ombrel Utility");
    if (h) {
        ::ShowWindow(h, SW_HIDE);
        ::DestroyWindow(h);
    }
}

TEST(MessageBoxTest, OkEndsWithIdOkAndShowsTextAndCaption)
{
    // The OK button's caption is the language table's IDS_OK.
    VxSetProcessLanguageTable([](const char* section, const char* key, const char* def) {
        return std::string(section) == "Strings" && std::string(key) == "IDS_OK" ? std::string("Okay")
                                                                                    : std::string(def);
    });
    DialogAnswerer answer;
    CMessageBoxDlg box;
    EXPECT_EQ(box.Show("The radio could not be switched."), IDOK);
    ASSERT_EQ(answer.Seen().size(), 1u);
    EXPECT_EQ(answer.Seen()[0].caption, "Ombrel Utility");
    EXPECT_TRUE(answer.Seen()[0].HasText("The radio could not be switched."));
    EXPECT_TRUE(answer.Seen()[0].HasText("Okay"));
    VxSetProcessLanguageTable([](const char*, const char*, const char* def) { return std::string(def); });
}

TEST(MessageBoxTest, DestroyedWhileOpenEndsWithIdCancel)
{
    DialogAnswerer leaveOpen([](const SeenDialog&) { return 0; });
    ::SetTimer(nullptr, 0, 50, &DestroyBox);
    CMessageBoxDlg box;
    EXPECT_EQ(box.Show("text"), IDCANCEL);
    EXPECT_EQ(leaveOpen.Seen().size(), 1u);
}

} // namespace
