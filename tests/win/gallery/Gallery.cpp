// The control gallery: every control of the kit in its typical configurations in one window,
// for looking at them (see README.md for the screenshot command). Not shipped.
#include "controls_ids.h"
#include "framework/Gdi.h"
#include "ui/controls/ComboBoxSuper.h"
#include "ui/controls/HistogramCtrl.h"
#include "ui/controls/LinkSlider.h"
#include "ui/controls/MessageBoxDlg.h"
#include "ui/controls/ProgressCtrlX.h"
#include "ui/controls/QuickList.h"
#include "ui/controls/Separator.h"
#include "ui/controls/ShadeButtonST.h"
#include "ui/controls/SmartEdit.h"
#include "ui/controls/TabDialog.h"

#include <commctrl.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// An empty dialog template of the given style and size (dialog units).
std::vector<WORD> EmptyTemplate(DWORD style, short cx, short cy, const char* caption)
{
    std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* head = reinterpret_cast<DLGTEMPLATE*>(t.data());
    head->style = style | DS_SETFONT;
    head->cx = cx;
    head->cy = cy;
    t.push_back(0); // menu
    t.push_back(0); // class
    for (const char* p = caption; *p; ++p)
        t.push_back(static_cast<unsigned char>(*p));
    t.push_back(0);
    t.push_back(8);
    for (const char* p = "Trebuchet MS"; *p; ++p)
        t.push_back(static_cast<unsigned char>(*p));
    t.push_back(0);
    if (t.size() % 2)
        t.push_back(0);
    return t;
}

RECT Rc(int x, int y, int w, int h) { return RECT{x, y, x + w, y + h}; }

HICON SmallIcon(LPCSTR id)
{
    return static_cast<HICON>(::LoadImageA(nullptr, id, IMAGE_ICON, 16, 16, LR_SHARED));
}

// A page with an etched top line and a few labels.
class CGalleryPage : public CPageDlg {
public:
    explicit CGalleryPage(const char* title) : m_title(title) {}
    std::string m_title;
};

struct Network {
    const char* ssid;
    int signal;
    bool secured;
};

const Network kNetworks[] = {
    {"Office", 92, true}, {"Guest", 64, false}, {"Lab-5GHz", 41, true}, {"Cafe", 18, false}, {"Printer", 100, true},
};

class CGalleryDlg : public CResizeDlg {
public:
    CGalleryDlg() : CResizeDlg(0, nullptr) {}
    // Opens the message box once the window is up (for a screenshot of it).
    bool m_bOpenMessageBox = false;
    // Opens the menu of the menu button (for a screenshot of it).
    bool m_bOpenMenu = false;

protected:
    const DLGTEMPLATE* GetTemplate(std::vector<BYTE>& storage) override
    {
        const auto t = EmptyTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CENTER, 660, 390, "Control gallery");
        storage.assign(reinterpret_cast<const BYTE*>(t.data()), reinterpret_cast<const BYTE*>(t.data() + t.size()));
        return reinterpret_cast<const DLGTEMPLATE*>(storage.data());
    }

    BOOL OnInitDialog() override;

    BEGIN_MSG_MAP(CGalleryDlg, CResizeDlg)
        ON_MESSAGE(WM_QUICKLIST_GETLISTITEMDATA, OnGetCell)
        ON_COMMAND(500, OnMessageBox)
        ON_TIMER(OnTimer)
        ON_MESSAGE(WM_DESTROY, OnDestroy)
    END_MSG_MAP()

    LRESULT OnGetCell(WPARAM wParam, LPARAM lParam);
    void OnMessageBox();
    void OnTimer(UINT_PTR id);
    LRESULT OnDestroy(WPARAM, LPARAM)
    {
        ::PostQuitMessage(0);
        return Default();
    }

private:
    HWND Label(const char* text, const RECT& rc, DWORD style = SS_LEFT);
    template <typename T>
    T& Keep(std::unique_ptr<T> p)
    {
        T& ref = *p;
        m_owned.push_back(std::unique_ptr<CWnd>(p.release()));
        return ref;
    }

    CGdiObject<HFONT> m_font, m_buttonFont, m_smallFont;
    std::vector<std::unique_ptr<CWnd>> m_owned;
    CQuickList m_list, m_emptyList;
    CHistogramCtrl m_tx, m_rx;
    CTabDialog m_tab;
    CGalleryPage m_page1{"Transmit"}, m_page2{"Receive"};
    CShadeButtonST m_tabTx, m_tabRx;
    CSmartEdit m_hexEdit, m_rtsEdit;
    CLinkSlider m_slider;
    HIMAGELIST m_hImages = nullptr;
    int m_nTick = 0;
};

HWND CGalleryDlg::Label(const char* text, const RECT& rc, DWORD style)
{
    HWND h = ::CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | style, rc.left, rc.top, rc.right - rc.left,
                               rc.bottom - rc.top, m_hWnd, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    return h;
}

BOOL CGalleryDlg::OnInitDialog()
{
    CResizeDlg::OnInitDialog();
    RECT frame{0, 0, 1000, 470};
    ::AdjustWindowRectEx(&frame, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER);
    m_font.Reset(::CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Trebuchet MS"));
    m_smallFont.Reset(::CreateFontA(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
    m_buttonFont.Reset(::CreateFontA(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Trebuchet MS"));
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    auto font = [this](CWnd& w) { w.SetFont(m_font, FALSE); };

    // --- Shaded buttons ---
    auto section = [&](const char* title, int x, int y, int w) {
        auto& s = Keep(std::make_unique<CSeparator>());
        s.CreateEx(0, "STATIC", title, WS_CHILD | WS_VISIBLE | SS_LEFT, x, y, w, 16, m_hWnd);
        font(s);
    };
    section("Shaded buttons", 10, 8, 625);
    struct Shade {
        const char* text;
        int type, g, hi, col;
        COLORREF c, hover, sel;
        bool selected, disabled;
    } shades[] = {
        {"Site Survey", 0, 33, 10, 0, 0, 0xE68CA0, 0xA01E3C, false, false},
        {"Profile", 0, 33, 10, 0, 0, 0xE68CA0, 0xA01E3C, true, false},
        {"Rescan", 2, 8, 10, 0, 0, 0, 0, false, false},
        {"Transmit", 4, 8, 40, 5, 0, 0xB4B4B4, 0x00FF00, true, false},
        {"Receive", 4, 8, 40, 5, 0, 0xB4B4B4, 0x00FF00, false, false},
        {"802.1X", 4, 8, 40, 5, 0, 0xB4B4B4, 0x0000FF, true, false},
        {"Disabled", 2, 8, 10, 0, 0, 0, 0, false, true},
    };
    int x = 10;
    for (const Shade& s : shades) {
        auto& b = Keep(std::make_unique<CShadeButtonST>());
        b.Create(s.text, WS_VISIBLE | WS_TABSTOP, Rc(x, 28, 74, 36), m_hWnd, 0);
        b.SetFont(m_buttonFont, FALSE);
        b.SetShade(s.type, s.g, s.hi, s.col, s.c, s.hover, s.sel);
        b.SetSelected(s.selected);
        if (s.disabled)
            b.EnableWindow(FALSE);
        x += 78;
    }
    // --- Icon, check, radio and menu buttons ---
    section("Icon, check-box, radio and menu buttons", 10, 72, 625);
    const char* sorts[] = {"SSID", "Channel", "Signal"};
    for (int i = 0; i < 3; ++i) {
        auto& r = Keep(std::make_unique<CButtonST>());
        r.Create(sorts[i], WS_VISIBLE | (i == 0 ? WS_GROUP : 0), Rc(10 + 104 * i, 92, 100, 24), m_hWnd, 1015 + i);
        r.SetRadio();
        r.SetAlign(CButtonST::ST_ALIGN_LEFT);
        r.SetIcon(SmallIcon(IDI_ASTERISK), SmallIcon(IDI_QUESTION));
        r.SetCheck(i == 2);
        font(r);
    }
    {
        auto& c = Keep(std::make_unique<CButtonST>());
        c.Create("Show dBm", WS_VISIBLE | WS_GROUP, Rc(322, 92, 120, 24), m_hWnd, 1021);
        c.SetCheckBox();
        c.SetAlign(CButtonST::ST_ALIGN_LEFT);
        c.SetIcon(SmallIcon(IDI_INFORMATION), SmallIcon(IDI_WARNING));
        c.SetColor(CButtonST::BTNST_COLOR_FG_IN, 0xFF0000);
        c.SetColor(CButtonST::BTNST_COLOR_FG_OUT, 0x000000);
        c.SetCheck(1);
        font(c);
        auto& m = Keep(std::make_unique<CButtonST>());
        m.Create("PEAP", WS_VISIBLE, Rc(455, 92, 180, 24), m_hWnd, 1431);
        HMENU menu = ::CreatePopupMenu();
        ::AppendMenuA(menu, MF_STRING, 32882, "PEAP");
        ::AppendMenuA(menu, MF_STRING, 32883, "TLS / Smart Card");
        ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(menu, MF_STRING | MF_GRAYED, 32887, "LEAP");
        ::CheckMenuItem(menu, 32882, MF_BYCOMMAND | MF_CHECKED);
        m.SetMenu(menu, m_hWnd);
        m.SetColor(CButtonST::BTNST_COLOR_BK_OUT, RGB(255, 255, 255));
        m.SetColor(CButtonST::BTNST_COLOR_BK_IN, RGB(220, 230, 255));
        font(m);
    }

    // --- Progress bars ---
    section("Progress bars", 10, 124, 625);
    struct Bar {
        const char* format;
        DWORD style;
        int pos;
        COLORREF colour;
        bool animate;
    } bars[] = {
        {"Link Quality %d%%", PBS_SHOW_PERCENT, 86, 0x00FF00, true},
        {"Signal Strength 1 %d%%", PBS_SHOW_PERCENT, 52, 0x32E6FA, true},
        {"Signal Strength 2 %d%%", PBS_SHOW_PERCENT, 21, 0x0000FF, true},
        {"Antenna 3: no signal", PBS_SHOW_TEXTONLY, 0, 0x00FF00, false},
    };
    for (int i = 0; i < 4; ++i) {
        auto& p = Keep(std::make_unique<CProgressCtrlX>());
        p.Create(WS_VISIBLE | WS_BORDER, Rc(10, 144 + 22 * i, 300, 18), m_hWnd, 1200 + i);
        font(p);
        p.SetRange(0, 100);
        p.SetPos(bars[i].pos);
        p.SetGradientColors({bars[i].colour, 0xF0CAA6, bars[i].colour});
        p.SetTextFormat(bars[i].format, bars[i].style);
        if (bars[i].animate)
            p.SetAnimation(55, 1);
    }
    {
        auto& p = Keep(std::make_unique<CProgressCtrlX>());
        p.Create(WS_VISIBLE | WS_BORDER, Rc(325, 144, 310, 18), m_hWnd, 1158);
        font(p);
        p.SetPos(37);
        p.SetShowPercent();
    }

    // --- Histograms ---
    section("Histograms", 325, 168, 310);
    for (CHistogramCtrl* h : {&m_tx, &m_rx}) {
        const bool tx = h == &m_tx;
        h->CreateEx(0, "STATIC", tx ? "Tx" : "Rx", WS_CHILD | WS_VISIBLE, 325, tx ? 188 : 226, 310, 34, m_hWnd);
        h->SetFont(m_smallFont, FALSE);
        h->SetLabelWidth(50);
        h->SetLineCount(2);
        h->SetLine(0, "Max");
        h->SetLine(1, tx ? "6.000 Mbps" : "4.500 Kbps");
        h->SetBarColor(tx ? 0x00FF00 : 0x00FFFF);
        h->SetMaxValue(6.0);
        for (int i = 0; i < 80; ++i)
            h->AddValue(3.0 + 3.0 * std::sin(i / (tx ? 6.0 : 4.0)) + (i % 7 == 0 ? 4.0 : 0.0));
    }

    // --- Quick lists ---
    section("Quick lists", 10, 266, 625);
    m_hImages = ::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0);
    HICON small = static_cast<HICON>(::LoadImageA(hInst, MAKEINTRESOURCEA(IDI_MESSAGEBOX), IMAGE_ICON, 16, 16, 0));
    ::ImageList_AddIcon(m_hImages, small);
    m_list.Create(WS_VISIBLE | LVS_SINGLESEL | LVS_SHOWSELALWAYS, Rc(10, 286, 420, 170), m_hWnd, 1023);
    font(m_list);
    m_list.SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP);
    m_list.SetImageList(m_hImages);
    m_list.InsertColumn(0, "", LVCFMT_CENTER, 26);
    m_list.InsertColumn(1, "SSID", LVCFMT_LEFT, 100);
    m_list.InsertColumn(2, "", LVCFMT_CENTER, 60);
    m_list.InsertColumn(3, "Signal", LVCFMT_CENTER, 200);
    m_list.SetItemCount(static_cast<int>(sizeof kNetworks / sizeof kNetworks[0]) + 1);
    m_list.SelectItem(1);
    m_emptyList.Create(WS_VISIBLE, Rc(440, 286, 195, 170), m_hWnd, 1040);
    font(m_emptyList);
    m_emptyList.InsertColumn(0, "Profile", LVCFMT_LEFT, 170);
    m_emptyList.SetEmptyListText("No profiles");

    // --- Separators (right column) ---
    section("Separators", 660, 8, 330);
    {
        auto& a = Keep(std::make_unique<CSeparator>());
        a.CreateEx(0, "STATIC", "Centred", WS_CHILD | WS_VISIBLE | SS_CENTER, 660, 30, 330, 16, m_hWnd);
        font(a);
        auto& b = Keep(std::make_unique<CSeparator>());
        b.CreateEx(0, "STATIC", "Right & aligned", WS_CHILD | WS_VISIBLE | SS_RIGHT | SS_NOPREFIX, 660, 50, 330, 16,
                   m_hWnd);
        font(b);
        auto& v = Keep(std::make_unique<CSeparator>());
        v.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 644, 8, 6, 450, m_hWnd);
    }

    // --- Edits, slider, combo boxes ---
    section("Smart edits, slider, drop-down lists", 660, 76, 330);
    Label("WEP key (hex)", Rc(660, 98, 110, 18));
    m_hexEdit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "0123abcd", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 775, 96, 215, 20,
                       m_hWnd, 1246);
    font(m_hexEdit);
    m_hexEdit.SetCharClasses(VX_SE_HEX);
    Label("RTS threshold", Rc(660, 128, 110, 18));
    m_slider.Create(WS_VISIBLE | TBS_HORZ | TBS_NOTICKS, Rc(660, 148, 260, 24), m_hWnd, 1391);
    m_rtsEdit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE, 925, 150, 65, 20, m_hWnd, 1397);
    font(m_rtsEdit);
    m_rtsEdit.SetSlideLink(&m_slider, 0, 2347, 2347);
    {
        auto& c = Keep(std::make_unique<CComboBoxSuper>());
        c.Create(WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, Rc(660, 184, 330, 200), m_hWnd, 1386);
        font(c);
        c.SetColumnCount(2);
        c.SetColumnWidth(0, 120);
        const char* bssids[] = {"00112233AABB", "0011223344CC", "A0B1C2D3E4F5"};
        for (int i = 0; i < 3; ++i) {
            const int item = c.AddString(kNetworks[i].ssid);
            c.SetItemText(item, 1, bssids[i]);
        }
        c.SetItemBold(0, true);
        c.SetItemColor(2, 0x0000FF);
        c.SetCurSel(0);
        auto& d = Keep(std::make_unique<CComboBoxSuper>());
        d.Create(WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, Rc(660, 214, 330, 200), m_hWnd, 1471);
        font(d);
        d.AddString("User ID");
        d.AddString("Machine ID");
        d.SetCurSel(1);
    }

    // --- Tab container with two pages ---
    section("Tab container", 660, 250, 330);
    m_tab.Create(CTabDialog::IDD, this);
    m_tab.MoveWindow(660, 270, 330, 130);
    m_tab.ShowWindow(SW_SHOW);
    const auto page = EmptyTemplate(WS_CHILD | DS_CONTROL, 100, 50, "");
    for (CGalleryPage* p : {&m_page1, &m_page2}) {
        p->CreateIndirect(reinterpret_cast<const DLGTEMPLATE*>(page.data()), &m_tab);
        HWND h = ::CreateWindowExA(0, "STATIC", (p->m_title + " counters = 0").c_str(), WS_CHILD | WS_VISIBLE, 8, 12,
                                   200, 18, p->m_hWnd, nullptr, hInst, nullptr);
        ::SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    }
    m_tabTx.Create("Transmit", WS_VISIBLE | WS_TABSTOP, Rc(0, 0, 90, 28), m_tab.m_hWnd, 127);
    m_tabRx.Create("Receive", WS_VISIBLE | WS_TABSTOP, Rc(92, 0, 90, 28), m_tab.m_hWnd, 128);
    for (CShadeButtonST* b : {&m_tabTx, &m_tabRx}) {
        b->SetFont(m_buttonFont, FALSE);
        b->SetShade(CShadeButtonST::SHS_HBUMP, 8, 40, 5, 0, 0xB4B4B4, 0x00FF00);
    }
    m_tab.AddPage(&m_page1, &m_tabTx);
    m_tab.AddPage(&m_page2, &m_tabRx);
    m_tab.ShowPage(Rc(0, 30, 330, 100), 0);

    {
        auto& b = Keep(std::make_unique<CShadeButtonST>());
        b.Create("Message box...", WS_VISIBLE | WS_TABSTOP, Rc(870, 420, 120, 30), m_hWnd, 500);
        b.SetFont(m_buttonFont, FALSE);
        b.SetShade(CShadeButtonST::SHS_HSHADE, 8, 10);
    }
    {
        // A main-window function button: icon above its caption.
        auto& b = Keep(std::make_unique<CShadeButtonST>());
        b.Create("About", WS_VISIBLE, Rc(660, 405, 90, 49), m_hWnd, 109);
        b.SetFont(m_buttonFont, FALSE);
        b.SetShade(0, 33, 10, 0, 0, 0xE68CA0, 0xA01E3C);
        b.SetIcon(IDI_MESSAGEBOX);
    }
    SetTimer(1, 300);
    return TRUE;
}

void CGalleryDlg::OnTimer(UINT_PTR id)
{
    if (id != 1)
        return;
    if (++m_nTick == 2) {
        // The hint needs a focused window of the process.
        m_hexEdit.SetFocus();
        m_hexEdit.GetInfoWnd().SetMode(VX_HINT_BELOW);
        m_hexEdit.ShowHint("Hex keys must have 10 or 26 characters");
    }
    if (m_nTick == 4 && m_bOpenMessageBox)
        ::PostMessageA(m_hWnd, WM_COMMAND, 500, 0);
    if (m_nTick == 4 && m_bOpenMenu)
        ::PostMessageA(GetDlgItem(1431), BM_CLICK, 0, 0);
    m_tx.AddValue(3.0 + 3.0 * std::sin(m_nTick / 3.0));
    m_rx.AddValue(2.0 + 2.0 * std::cos(m_nTick / 2.0));
}

LRESULT CGalleryDlg::OnGetCell(WPARAM wParam, LPARAM lParam)
{
    auto* d = reinterpret_cast<CQuickList::CListItemData*>(lParam);
    if (reinterpret_cast<HWND>(wParam) != m_list.m_hWnd)
        return 0;
    const int count = static_cast<int>(sizeof kNetworks / sizeof kNetworks[0]);
    if (d->m_nItem == count) {
        if (d->m_nSubItem == 1) {
            d->m_strText = "Scanning, please wait...";
            d->m_bBold = 1;
        }
        return 0;
    }
    const Network& n = kNetworks[d->m_nItem];
    switch (d->m_nSubItem) {
    case 0:
        if (n.secured)
            d->m_nImage = 0;
        break;
    case 1:
        d->m_strText = n.ssid;
        if (d->m_nItem == 0)
            d->m_bBold = 1;
        break;
    case 2:
        d->m_strText = VxFormat("%d%%", n.signal).c_str();
        break;
    case 3:
        d->m_nBarMaxValue = 100;
        d->m_nBarValue = n.signal;
        if (d->m_nItem % 2)
            d->m_nBarEdge = 3; // as the site survey draws them; the others keep the sunken frame
        break;
    }
    return 0;
}

void CGalleryDlg::OnMessageBox()
{
    CMessageBoxDlg box(this);
    box.Show("The radio could not be switched on.");
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR cmdLine, int)
{
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    CGalleryDlg dlg;
    dlg.m_bOpenMessageBox = cmdLine && std::strstr(cmdLine, "--message-box");
    dlg.m_bOpenMenu = cmdLine && std::strstr(cmdLine, "--menu");
    if (!dlg.Create(0, nullptr))
        return 1;
    dlg.ShowWindow(SW_SHOW);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!CWnd::PreTranslateForLoop(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return 0;
}
