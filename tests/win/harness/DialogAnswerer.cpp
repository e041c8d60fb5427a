#include "harness/DialogAnswerer.h"

#include <algorithm>

namespace {
thread_local DialogAnswerer* t_active = nullptr;

std::string TextOf(HWND h)
{
    char buf[1024] = "";
    ::GetWindowTextA(h, buf, sizeof buf);
    return buf;
}

BOOL CALLBACK CollectChild(HWND h, LPARAM lParam)
{
    reinterpret_cast<std::vector<std::string>*>(lParam)->push_back(TextOf(h));
    return TRUE;
}
} // namespace

bool SeenDialog::HasText(const std::string& text) const
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

DialogAnswerer::DialogAnswerer(Policy policy) : m_policy(std::move(policy))
{
    m_previous = t_active;
    t_active = this;
    m_hook = ::SetWindowsHookExA(WH_CBT, &DialogAnswerer::CbtProc, nullptr, ::GetCurrentThreadId());
}

DialogAnswerer::~DialogAnswerer()
{
    if (m_hook)
        ::UnhookWindowsHookEx(m_hook);
    t_active = m_previous;
}

LRESULT CALLBACK DialogAnswerer::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && t_active)
        t_active->OnActivate(reinterpret_cast<HWND>(wParam));
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogAnswerer::OnActivate(HWND hWnd)
{
    char cls[16] = "";
    ::GetClassNameA(hWnd, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") != 0)
        return;
    if (std::find(m_answered.begin(), m_answered.end(), hWnd) != m_answered.end())
        return;
    SeenDialog seen;
    seen.hWnd = hWnd;
    seen.caption = TextOf(hWnd);
    ::EnumChildWindows(hWnd, &CollectChild, reinterpret_cast<LPARAM>(&seen.texts));
    m_seen.push_back(seen);
    const int answer = m_policy ? m_policy(seen) : IDOK;
    if (answer) {
        m_answered.push_back(hWnd);
        ::PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
    }
}
