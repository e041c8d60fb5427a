// Runs VxUI.exe as a separate process from a program folder of its own, the way a user
// would start it, and looks at it from outside: its windows, its exit and its debugger
// output (the process runs under a small debugger loop that collects OutputDebugString).
#pragma once

#include <windows.h>

#include <mutex>
#include <string>

class VxUIProcess {
public:
    // Creates (or empties) the program folder <tests>\runs\<name>\ and copies the
    // installation (bin\) into it.
    explicit VxUIProcess(const std::string& name);
    ~VxUIProcess();
    VxUIProcess(const VxUIProcess&) = delete;
    VxUIProcess& operator=(const VxUIProcess&) = delete;

    const std::string& Folder() const { return m_folder; }
    std::string ExePath() const { return m_folder + "VxUI.exe"; }
    void WriteFile(const std::string& name, const std::string& text) const;
    void DeleteFile(const std::string& name) const;

    // Starts VxUI.exe with the given arguments; returns false when it could not start.
    bool Start(const std::string& args = "");
    // Starts another copy without a debugger; returns its process handle (caller closes).
    HANDLE StartPlain(const std::string& args = "") const;

    DWORD ProcessId() const { return m_pid; }
    // A top-level window of this process with that title, waiting up to timeoutMs.
    HWND WaitForWindow(const char* title, DWORD timeoutMs) const;
    bool WaitForTrace(const std::string& fragment, DWORD timeoutMs) const;
    std::string Trace() const;
    // Waits for the process to end; returns false on time-out.
    bool WaitExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
    void Kill();

    // The installation folder next to the tests (..\bin\ of the test executable).
    static std::string InstallFolder();

private:
    static DWORD WINAPI DebugLoop(LPVOID param);
    void RunDebugLoop();

    std::string m_folder;
    std::string m_args;
    HANDLE m_hThread = nullptr;
    HANDLE m_hStarted = nullptr;
    HANDLE m_hExited = nullptr;
    DWORD m_pid = 0;
    DWORD m_exitCode = STILL_ACTIVE;
    bool m_startOk = false;
    mutable std::mutex m_lock;
    std::string m_trace;
};
