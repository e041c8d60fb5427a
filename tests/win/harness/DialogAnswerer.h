// Records every dialog or message box that opens on this thread and answers it, so that a
// modal window can never hang a test.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct SeenDialog {
    HWND hWnd = nullptr;
    std::string caption;
    std::vector<std::string> texts; // texts of the child controls, in z-order
    bool HasText(const std::string& text) const;
};

class DialogAnswerer {
public:
    // The policy returns the command to send (IDOK, IDCANCEL, IDYES, a button id, ...), or 0
    // to leave the dialog open. The default answers IDOK.
    using Policy = std::function<int(const SeenDialog&)>;

    explicit DialogAnswerer(Policy policy = nullptr);
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    const std::vector<SeenDialog>& Seen() const { return m_seen; }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    void OnActivate(HWND hWnd);

    Policy m_policy;
    HHOOK m_hook = nullptr;
    DialogAnswerer* m_previous = nullptr;
    std::vector<SeenDialog> m_seen;
    std::vector<HWND> m_answered;
};
