// CDialog: the modal loop (nesting, posted messages, destruction), modeless dialogs, data
// exchange, and the dialog answerer of the test harness.
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "harness/DialogAnswerer.h"
#include "harness/DialogTemplate.h"
#include "harness/MessagePump.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr UINT WM_RUN = WM_APP + 10;
constexpr WORD IDC_EDIT = 1001;
constexpr WORD IDC_CHECK = 1002;
constexpr WORD IDC_RADIO1 = 1003;
constexpr WORD IDC_RADIO2 = 1004;
constexpr WORD IDC_COMBO = 1005;

DialogTemplate MakeTemplate(const std::string& caption)
{
    DialogTemplate t(caption, WS_POPUP | WS_CAPTION | WS_SYSMENU, 200, 120);
    t.Add("BUTTON", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 95, 50, 14)
        .Add("BUTTON", "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 70, 95, 50, 14)
        .Add("EDIT", "", IDC_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 10, 10, 100, 14)
        .Add("BUTTON", "Check", IDC_CHECK, BS_AUTOCHECKBOX | WS_TABSTOP, 10, 30, 60, 10)
        .Add("BUTTON", "One", IDC_RADIO1, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 10, 45, 60, 10)
        .Add("BUTTON", "Two", IDC_RADIO2, BS_AUTORADIOBUTTON, 10, 58, 60, 10)
        .Add("COMBOBOX", "", IDC_COMBO, CBS_DROPDOWNLIST | WS_GROUP | WS_TABSTOP, 100, 45, 60, 60);
    return t;
}

// A dialog from an in-memory template; `onInit` and `onRun` let a test act inside its loop.
class CTestDlg : public CDialog {
public:
    explicit CTestDlg(const std::string& caption = "test", CWnd* parent = nullptr)
        : CDialog(0, parent), m_template(MakeTemplate(caption))
    {
    }

    std::function<void(CTestDlg&)> onInit;
    std::function<void(CTestDlg&)> onRun;
    std::vector<std::string> events;
    int okCount = 0;

    // Exchanged values
    int number = 0;
    unsigned int count = 0;
    CString text;
    char name[6] = "";
    int checked = 0;
    int radio = 0;
    int choice = -1;

protected:
    const DLGTEMPLATE* GetTemplate(std::vector<BYTE>&) override { return m_template.Get(); }
    BOOL OnInitDialog() override
    {
        HWND combo = GetDlgItem(IDC_COMBO);
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("a"));
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("b"));
        CDialog::OnInitDialog();
        events.push_back("init");
        if (onInit)
            onInit(*this);
        return TRUE;
    }
    void OnOK() override
    {
        ++okCount;
        CDialog::OnOK();
    }

    BEGIN_MSG_MAP(CTestDlg, CDialog)
        ON_MESSAGE(WM_RUN, OnRun)
    END_MSG_MAP()

    LRESULT OnRun(WPARAM, LPARAM)
    {
        events.push_back("run");
        if (onRun)
            onRun(*this);
        return 0;
    }

private:
    DialogTemplate m_template;
};

// Modeless dialog whose OK only counts (Enter reaches it through IsDialogMessage).
class CModelessDlg : public CTestDlg {
public:
    using CTestDlg::CTestDlg;

protected:
    void OnOK() override { ++okCount; }
};

class CExchangeDlg : public CTestDlg {
protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_EDIT, number);
        DDX_Check(pDX, IDC_CHECK, checked);
        DDX_Radio(pDX, IDC_RADIO1, radio);
        DDX_CBIndex(pDX, IDC_COMBO, choice);
    }
};

} // namespace

TEST(Dialog, ModalLoopEndsWithTheValueGivenToEndDialog)
{
    CTestDlg dlg;
    dlg.onInit = [](CTestDlg& d) { d.PostMessage(WM_RUN); };
    dlg.onRun = [](CTestDlg& d) {
        EXPECT_TRUE(d.IsInModalLoop());
        EXPECT_EQ(1, CDialog::GetModalDepth());
        d.EndDialog(1234);
    };
    EXPECT_EQ(1234, dlg.DoModal());
    EXPECT_EQ((std::vector<std::string>{"init", "run"}), dlg.events);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(0, CDialog::GetModalDepth());
}

TEST(Dialog, EndDialogDuringInitialisationEndsBeforeTheLoopShowsTheWindow)
{
    CTestDlg dlg;
    bool everVisible = false;
    dlg.onInit = [&](CTestDlg& d) {
        d.EndDialog(IDCANCEL);
        everVisible = d.IsWindowVisible() != FALSE;
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_FALSE(everVisible);
}

TEST(Dialog, MessagesPostedFromAnotherThreadAreDispatchedInsideTheLoop)
{
    CTestDlg dlg;
    std::thread poster;
    dlg.onInit = [&](CTestDlg& d) {
        HWND h = d.m_hWnd;
        poster = std::thread([h] {
            ::Sleep(50);
            ::PostMessageA(h, WM_RUN, 0, 0);
            ::Sleep(50);
            ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    poster.join();
    EXPECT_EQ((std::vector<std::string>{"init", "run"}), dlg.events);
    EXPECT_EQ(1, dlg.okCount);
}

TEST(Dialog, ModalLoopsNestAndTheOwnerIsDisabledMeanwhile)
{
    CTestDlg outer("outer");
    INT_PTR innerResult = 0;
    bool outerEnabledDuringInner = true;
    outer.onInit = [](CTestDlg& d) { d.PostMessage(WM_RUN); };
    outer.onRun = [&](CTestDlg& o) {
        CTestDlg inner("inner", &o);
        inner.onInit = [](CTestDlg& d) { d.PostMessage(WM_RUN); };
        inner.onRun = [&](CTestDlg& d) {
            EXPECT_EQ(2, CDialog::GetModalDepth());
            outerEnabledDuringInner = o.IsWindowEnabled() != FALSE;
            // Ending the outer dialog from inside the inner loop takes effect once the inner ends.
            o.EndDialog(7);
            d.EndDialog(8);
        };
        innerResult = inner.DoModal();
        EXPECT_TRUE(o.IsWindowEnabled());
    };
    EXPECT_EQ(7, outer.DoModal());
    EXPECT_EQ(8, innerResult);
    EXPECT_FALSE(outerEnabledDuringInner);
}

TEST(Dialog, DestroyingTheWindowEndsTheLoopWithCancel)
{
    CTestDlg dlg;
    dlg.onInit = [](CTestDlg& d) { d.PostMessage(WM_RUN); };
    dlg.onRun = [](CTestDlg& d) { d.DestroyWindow(); };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(Dialog, ModelessDialogOnlyHidesOnEndAndGetsKeyboardHandlingInsideAModalLoop)
{
    CModelessDlg modeless("modeless");
    ASSERT_TRUE(modeless.Create());
    modeless.ShowWindow(SW_SHOW);
    EXPECT_FALSE(modeless.IsInModalLoop());

    // While a modal loop runs, Enter in the modeless dialog's edit reaches it through
    // IsDialogMessage as its default button.
    CTestDlg modal("modal");
    modal.onInit = [&](CTestDlg& d) {
        HWND edit = modeless.GetDlgItem(IDC_EDIT);
        ::PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
        d.PostMessage(WM_RUN);
    };
    modal.onRun = [](CTestDlg& d) { d.EndDialog(IDOK); };
    EXPECT_EQ(IDOK, modal.DoModal());
    EXPECT_EQ(1, modeless.okCount);

    modeless.EndDialog(IDOK);
    EXPECT_TRUE(modeless.IsWindow());
    EXPECT_FALSE(modeless.IsWindowVisible());
    modeless.DestroyWindow();
}

TEST(Dialog, CreateIndirectBuildsAModelessDialogFromMemory)
{
    DialogTemplate t = MakeTemplate("indirect");
    CDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t.Get()));
    EXPECT_EQ("indirect", std::string(dlg.GetWindowText()));
    EXPECT_NE(nullptr, dlg.GetDlgItem(IDC_EDIT));
    dlg.DestroyWindow();
}

TEST(Dialog, DataExchangeIsLenient)
{
    struct Case {
        const char* edit;
        int number;
    } cases[] = {{"42", 42}, {"", 0}, {"abc", 0}, {"12abc", 12}, {"-5", -5}};
    for (const Case& c : cases) {
        CExchangeDlg dlg;
        ASSERT_TRUE(dlg.Create());
        dlg.SetDlgItemText(IDC_EDIT, c.edit);
        dlg.UpdateData(TRUE);
        EXPECT_EQ(c.number, dlg.number) << c.edit;
        dlg.DestroyWindow();
    }

    CExchangeDlg dlg;
    dlg.number = 17;
    dlg.checked = 1;
    dlg.radio = 1;
    dlg.choice = 1;
    ASSERT_TRUE(dlg.Create()); // OnInitDialog pushes the members into the controls
    EXPECT_EQ("17", std::string(dlg.GetDlgItemText(IDC_EDIT)));
    EXPECT_EQ(BST_CHECKED, ::SendMessageA(dlg.GetDlgItem(IDC_CHECK), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_UNCHECKED, ::SendMessageA(dlg.GetDlgItem(IDC_RADIO1), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_CHECKED, ::SendMessageA(dlg.GetDlgItem(IDC_RADIO2), BM_GETCHECK, 0, 0));
    EXPECT_EQ(1, ::SendMessageA(dlg.GetDlgItem(IDC_COMBO), CB_GETCURSEL, 0, 0));

    ::SendMessageA(dlg.GetDlgItem(IDC_RADIO1), BM_SETCHECK, BST_CHECKED, 0);
    ::SendMessageA(dlg.GetDlgItem(IDC_RADIO2), BM_SETCHECK, BST_UNCHECKED, 0);
    ::SendMessageA(dlg.GetDlgItem(IDC_CHECK), BM_SETCHECK, BST_UNCHECKED, 0);
    dlg.UpdateData(TRUE);
    EXPECT_EQ(0, dlg.radio);
    EXPECT_EQ(0, dlg.checked);
    dlg.DestroyWindow();
}

TEST(Dialog, TextExchangeIntoFixedBuffersIsBounded)
{
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.SetDlgItemText(IDC_EDIT, "much too long");
    CDataExchange save(&dlg, TRUE);
    DDX_Text(&save, IDC_EDIT, dlg.name);
    EXPECT_STREQ("much ", dlg.name);
    DDX_Text(&save, IDC_EDIT, dlg.text);
    EXPECT_EQ(CString("much too long"), dlg.text);
    DDX_Text(&save, IDC_EDIT, dlg.count);
    EXPECT_EQ(0u, dlg.count);
    dlg.DestroyWindow();
}

TEST(DialogAnswerer, RecordsAndAnswersMessageBoxesAndDialogs)
{
    DialogAnswerer answerer([](const SeenDialog& d) { return d.caption == "Question" ? IDNO : IDCANCEL; });
    EXPECT_EQ(IDNO, ::MessageBoxA(nullptr, "Proceed?", "Question", MB_YESNO));
    CTestDlg dlg("Some dialog");
    EXPECT_EQ(IDCANCEL, dlg.DoModal());

    ASSERT_EQ(2u, answerer.Seen().size());
    EXPECT_EQ("Question", answerer.Seen()[0].caption);
    EXPECT_TRUE(answerer.Seen()[0].HasText("Proceed?"));
    EXPECT_EQ("Some dialog", answerer.Seen()[1].caption);
    EXPECT_TRUE(answerer.Seen()[1].HasText("Cancel"));
}

TEST(MessagePump, IsBounded)
{
    const ULONGLONG start = ::GetTickCount64();
    EXPECT_FALSE(PumpUntil([] { return false; }, 100));
    const ULONGLONG elapsed = ::GetTickCount64() - start;
    EXPECT_GE(elapsed, 90u);
    EXPECT_LT(elapsed, 2000u);
    EXPECT_TRUE(PumpUntil([] { return true; }, 100000));
}
