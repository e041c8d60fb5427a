#include "harness/MessagePump.h"

#include "framework/Wnd.h"

namespace {
void DispatchPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!CWnd::PreTranslateForLoop(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}
} // namespace

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    for (;;) {
        DispatchPending();
        if (done && done())
            return true;
        const ULONGLONG now = ::GetTickCount64();
        if (now >= end)
            return done ? done() : true;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now < 20 ? end - now : 20),
                                    QS_ALLINPUT);
    }
}

void PumpMessages(DWORD milliseconds)
{
    PumpUntil(nullptr, milliseconds);
}
