// CWnd: the handle map, the message map entries, reflection and subclassing.
#include "framework/Wnd.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

constexpr UINT WM_TEST = WM_APP + 1;

class CRecorderWnd : public CWnd {
public:
    std::vector<std::string> calls;

    static CRecorderWnd* Make(HWND parent = nullptr)
    {
        CWnd::RegisterWindowClass("VxTestRecorder");
        auto* w = new CRecorderWnd;
        const DWORD style = parent ? WS_CHILD | WS_VISIBLE : WS_OVERLAPPEDWINDOW;
        EXPECT_TRUE(w->CreateEx(0, "VxTestRecorder", "recorder", style, 0, 0, 200, 100, parent, 77));
        return w;
    }

protected:
    BEGIN_MSG_MAP(CRecorderWnd, CWnd)
        ON_MESSAGE(WM_TEST, OnTest)
        ON_COMMAND(100, OnHundred)
        ON_COMMAND_RANGE(200, 210, OnRange)
        ON_CONTROL(EN_CHANGE, 300, OnEditChange)
        ON_NOTIFY(NM_CLICK, 400, OnClick)
        ON_TIMER(OnTimer)
    END_MSG_MAP()

    LRESULT OnTest(WPARAM wParam, LPARAM lParam)
    {
        calls.push_back("test " + std::to_string(wParam) + " " + std::to_string(lParam));
        return 42;
    }
    void OnHundred() { calls.push_back("command 100"); }
    void OnRange(UINT id) { calls.push_back("range " + std::to_string(id)); }
    void OnEditChange() { calls.push_back("edit change"); }
    LRESULT OnClick(NMHDR* nm)
    {
        calls.push_back("click " + std::to_string(nm->idFrom));
        return 7;
    }
    void OnTimer(UINT_PTR id) { calls.push_back("timer " + std::to_string(id)); }
};

// A control that handles its own notifications through reflection.
class CReflectingButton : public CWnd {
public:
    int clicks = 0;

protected:
    BEGIN_MSG_MAP(CReflectingButton, CWnd)
        ON_REFLECT(WM_COMMAND, OnReflectedCommand)
    END_MSG_MAP()

    LRESULT OnReflectedCommand(WPARAM, LPARAM)
    {
        ++clicks;
        return 0;
    }
};

// Looks at its click and lets the parent handle it as well.
class CSometimesReflecting : public CWnd {
public:
    int seen = 0;

protected:
    BEGIN_MSG_MAP(CSometimesReflecting, CWnd)
        ON_REFLECT_EX(WM_COMMAND, OnReflectedCommand)
    END_MSG_MAP()

    BOOL OnReflectedCommand(WPARAM, LPARAM, LRESULT&)
    {
        ++seen;
        return FALSE;
    }
};

} // namespace

TEST(Wnd, MessageMapEntriesDispatchAndUnmatchedMessagesGetDefaultProcessing)
{
    CRecorderWnd* w = CRecorderWnd::Make();
    ASSERT_NE(nullptr, w->m_hWnd);
    EXPECT_EQ(w, CWnd::FromHandle(w->m_hWnd));

    EXPECT_EQ(42, w->SendMessage(WM_TEST, 3, 4));
    w->SendMessage(WM_COMMAND, MAKEWPARAM(100, 0), 0);              // menu
    w->SendMessage(WM_COMMAND, MAKEWPARAM(100, 1), 0);              // accelerator
    w->SendMessage(WM_COMMAND, MAKEWPARAM(205, BN_CLICKED), 0);
    w->SendMessage(WM_COMMAND, MAKEWPARAM(211, BN_CLICKED), 0);     // outside the range
    HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 10, 10, w->m_hWnd,
                                  reinterpret_cast<HMENU>(300), nullptr, nullptr);
    w->SendMessage(WM_COMMAND, MAKEWPARAM(300, EN_CHANGE), reinterpret_cast<LPARAM>(edit));
    // A control notification with code 1 is not a command.
    w->SendMessage(WM_COMMAND, MAKEWPARAM(100, 1), reinterpret_cast<LPARAM>(edit));
    NMHDR nm{edit, 400, static_cast<UINT>(NM_CLICK)};
    EXPECT_EQ(7, w->SendMessage(WM_NOTIFY, 400, reinterpret_cast<LPARAM>(&nm)));
    w->SendMessage(WM_TIMER, 22, 0);

    EXPECT_EQ((std::vector<std::string>{"test 3 4", "command 100", "command 100", "range 205", "edit change",
                                        "click 400", "timer 22"}),
              w->calls);

    // Default processing still works for everything else.
    EXPECT_EQ("recorder", std::string(w->GetWindowText()));

    HWND h = w->m_hWnd;
    w->DestroyWindow();
    EXPECT_EQ(nullptr, w->m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandle(h));
    delete w;
}

TEST(Wnd, ParentReflectsNotificationsToTheChildObjectFirst)
{
    CRecorderWnd* parent = CRecorderWnd::Make();
    CReflectingButton button;
    ASSERT_TRUE(button.CreateEx(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, parent->m_hWnd, 100));
    // The button's click arrives at the parent as WM_COMMAND 100 and goes to the button.
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(1, button.clicks);
    EXPECT_TRUE(parent->calls.empty());

    // A child that declines leaves the message to the parent's own map.
    CSometimesReflecting other;
    ASSERT_TRUE(other.CreateEx(0, "BUTTON", "o", WS_CHILD | WS_VISIBLE, 0, 30, 50, 20, parent->m_hWnd, 100));
    other.SendMessage(BM_CLICK);
    EXPECT_EQ(1, other.seen);
    EXPECT_EQ(std::vector<std::string>{"command 100"}, parent->calls);
    parent->DestroyWindow();
    delete parent;
}

TEST(Wnd, SubclassingRoutesAnExistingWindowThroughTheObject)
{
    CRecorderWnd* parent = CRecorderWnd::Make();
    HWND edit = ::CreateWindowExA(0, "EDIT", "before", WS_CHILD, 0, 0, 50, 20, parent->m_hWnd,
                                  reinterpret_cast<HMENU>(12), nullptr, nullptr);
    CRecorderWnd sub;
    ASSERT_TRUE(sub.SubclassDlgItem(12, parent));
    EXPECT_EQ(edit, sub.m_hWnd);
    EXPECT_FALSE(sub.SubclassWindow(edit)); // already attached
    EXPECT_EQ(42, ::SendMessageA(edit, WM_TEST, 0, 0));
    // The control's own procedure still does its work.
    ::SetWindowTextA(edit, "after");
    EXPECT_EQ("after", std::string(sub.GetWindowText()));

    EXPECT_EQ(edit, sub.UnsubclassWindow());
    EXPECT_EQ(nullptr, CWnd::FromHandle(edit));
    EXPECT_EQ(0, ::SendMessageA(edit, WM_TEST, 0, 0));
    EXPECT_EQ(1u, sub.calls.size());
    parent->DestroyWindow();
    delete parent;
}

TEST(Wnd, DestroyingTheObjectDestroysItsWindow)
{
    HWND h;
    {
        CRecorderWnd* w = CRecorderWnd::Make();
        h = w->m_hWnd;
        delete w;
    }
    EXPECT_FALSE(::IsWindow(h));
}
