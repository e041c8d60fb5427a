#include "framework/Wnd.h"

#include <mutex>
#include <unordered_map>

namespace {

std::mutex g_mapLock;
std::unordered_map<HWND, CWnd*>& Map()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

thread_local CWnd* t_pCreating = nullptr;

// The child window whose object should see a message of its parent first.
HWND ReflectionTarget(HWND hSelf, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return lParam ? reinterpret_cast<NMHDR*>(lParam)->hwndFrom : nullptr;
    case WM_DRAWITEM: {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        return dis && dis->CtlType != ODT_MENU ? dis->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        return mis && mis->CtlType != ODT_MENU ? ::GetDlgItem(hSelf, static_cast<int>(mis->CtlID)) : nullptr;
    }
    default:
        return nullptr;
    }
}

} // namespace

CWnd::~CWnd()
{
    if (m_hWnd && ::IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
    if (m_hWnd)
        DetachHandle();
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd)
        return nullptr;
    std::lock_guard<std::mutex> lock(g_mapLock);
    auto it = Map().find(hWnd);
    return it == Map().end() ? nullptr : it->second;
}

void CWnd::AttachHandle(HWND hWnd)
{
    m_hWnd = hWnd;
    std::lock_guard<std::mutex> lock(g_mapLock);
    Map()[hWnd] = this;
}

void CWnd::DetachHandle()
{
    {
        std::lock_guard<std::mutex> lock(g_mapLock);
        auto it = Map().find(m_hWnd);
        if (it != Map().end() && it->second == this)
            Map().erase(it);
    }
    m_hWnd = nullptr;
}

void CWnd::SetCreatingObject(CWnd* pWnd) { t_pCreating = pWnd; }

CWnd* CWnd::TakeCreatingObject()
{
    CWnd* p = t_pCreating;
    t_pCreating = nullptr;
    return p;
}

BOOL CWnd::RegisterWindowClass(const char* className, UINT style, HBRUSH background, HCURSOR cursor)
{
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    if (::GetClassInfoExA(hInst, className, &wc))
        return TRUE;
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = &CWnd::WndProcThunk;
    wc.hInstance = hInst;
    wc.hCursor = cursor ? cursor : ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return ::RegisterClassExA(&wc) != 0;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, const char* className, const char* title, DWORD dwStyle,
                    int x, int y, int cx, int cy, HWND hParent, UINT nID)
{
    if (m_hWnd)
        return FALSE;
    SetCreatingObject(this);
    HMENU menu = (dwStyle & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)) : nullptr;
    HWND hWnd = ::CreateWindowExA(dwExStyle, className, title, dwStyle, x, y, cx, cy, hParent, menu,
                                  ::GetModuleHandleA(nullptr), nullptr);
    if (TakeCreatingObject() == nullptr) {
        // Our own class: the procedure attached the window during creation.
        return hWnd != nullptr;
    }
    // A class with a procedure of its own (a system control): subclass it now.
    if (!hWnd)
        return FALSE;
    return SubclassWindow(hWnd);
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (m_hWnd || !hWnd || FromHandle(hWnd))
        return FALSE;
    AttachHandle(hWnd);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WndProcThunk)));
    OnSubclassed();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    if (!pParent)
        return FALSE;
    return SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)));
}

HWND CWnd::UnsubclassWindow()
{
    HWND hWnd = m_hWnd;
    if (!hWnd || !m_pfnSuper)
        return nullptr;
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    DetachHandle();
    return hWnd;
}

LRESULT CALLBACK CWnd::WndProcThunk(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CWnd* p = FromHandle(hWnd);
    if (!p) {
        p = TakeCreatingObject();
        if (!p)
            return ::DefWindowProcA(hWnd, msg, wParam, lParam);
        p->AttachHandle(hWnd);
    }
    return p->WindowProc(msg, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    const MSG current{m_hWnd, msg, wParam, lParam, 0, {0, 0}};
    const MSG* previous = m_pCurrentMsg;
    m_pCurrentMsg = &current;
    LRESULT lResult = 0;
    if (!ReflectToChild(msg, wParam, lParam, lResult) && !ProcessWindowMessage(msg, wParam, lParam, lResult))
        lResult = DefWindowProc(msg, wParam, lParam);
    m_pCurrentMsg = previous;

    if (msg == WM_NCDESTROY) {
        if (m_pfnSuper) {
            ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
            m_pfnSuper = nullptr;
        }
        DetachHandle();
        PostNcDestroy(); // may delete this
    }
    return lResult;
}

BOOL CWnd::ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& lResult)
{
    HWND hChild = ReflectionTarget(m_hWnd, msg, wParam, lParam);
    if (!hChild || hChild == m_hWnd)
        return FALSE;
    CWnd* pChild = FromHandle(hChild);
    if (!pChild)
        return FALSE;
    return pChild->ProcessWindowMessage(VX_REFLECT_BASE + msg, wParam, lParam, lResult);
}

BOOL CWnd::ProcessWindowMessage(UINT, WPARAM, LPARAM, LRESULT&)
{
    return FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, msg, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, msg, wParam, lParam);
}

LRESULT CWnd::Default()
{
    if (!m_pCurrentMsg)
        return 0;
    const MSG& m = *m_pCurrentMsg;
    return DefWindowProc(m.message, m.wParam, m.lParam);
}

BOOL CWnd::PreTranslateForLoop(MSG* pMsg)
{
    for (HWND h = pMsg->hwnd; h; h = ::GetParent(h)) {
        CWnd* p = FromHandle(h);
        if (p && p->PreTranslateMessage(pMsg))
            return TRUE;
        if (!(::GetWindowLongPtrA(h, GWL_STYLE) & WS_CHILD))
            break;
    }
    HWND hRoot = pMsg->hwnd ? ::GetAncestor(pMsg->hwnd, GA_ROOT) : nullptr;
    if (hRoot) {
        char cls[16] = "";
        ::GetClassNameA(hRoot, cls, sizeof cls);
        if (lstrcmpA(cls, "#32770") == 0 && ::IsDialogMessageA(hRoot, pMsg))
            return TRUE;
    }
    return FALSE;
}

namespace {

CString TextOf(HWND h)
{
    if (!h)
        return CString();
    const int n = ::GetWindowTextLengthA(h);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    const int got = ::GetWindowTextA(h, &s[0], n + 1);
    s.resize(static_cast<size_t>(got > 0 ? got : 0));
    return CString(s);
}

} // namespace

CString CWnd::GetWindowText() const
{
    return TextOf(m_hWnd);
}

CString CWnd::GetDlgItemText(int nID) const
{
    return TextOf(::GetDlgItem(m_hWnd, nID));
}

RECT CWnd::GetClientRect() const
{
    RECT rc{};
    ::GetClientRect(m_hWnd, &rc);
    return rc;
}

RECT CWnd::GetWindowRect() const
{
    RECT rc{};
    ::GetWindowRect(m_hWnd, &rc);
    return rc;
}

void CWnd::ModifyStyle(DWORD remove, DWORD add) const
{
    const LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, (style & ~static_cast<LONG_PTR>(remove)) | add);
}

void CWnd::ModifyStyleEx(DWORD remove, DWORD add) const
{
    const LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE);
    ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, (style & ~static_cast<LONG_PTR>(remove)) | add);
}
