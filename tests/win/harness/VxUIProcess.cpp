#include "harness/VxUIProcess.h"

#include <fstream>
#include <vector>

namespace {

std::string ExeFolder()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path);
    return s.substr(0, s.find_last_of('\\') + 1);
}

void CopyTree(const std::string& from, const std::string& to)
{
    ::CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA fd;
    HANDLE h = ::FindFirstFileA((from + "*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = fd.cFileName;
        if (name == "." || name == "..")
            continue;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CopyTree(from + name + "\\", to + name + "\\");
        else
            ::CopyFileA((from + name).c_str(), (to + name).c_str(), FALSE);
    } while (::FindNextFileA(h, &fd));
    ::FindClose(h);
}

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = ::FindFirstFileA((folder + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = fd.cFileName;
            if (name == "." || name == "..")
                continue;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(folder + name + "\\");
            else
                ::DeleteFileA((folder + name).c_str());
        } while (::FindNextFileA(h, &fd));
        ::FindClose(h);
    }
    ::RemoveDirectoryA(folder.c_str());
}

struct FindArgs {
    DWORD pid;
    const char* title;
    HWND found;
};

BOOL CALLBACK FindProc(HWND h, LPARAM lParam)
{
    auto* a = reinterpret_cast<FindArgs*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(h, &pid);
    char text[256] = "";
    ::GetWindowTextA(h, text, sizeof text);
    if (pid == a->pid && lstrcmpA(text, a->title) == 0) {
        a->found = h;
        return FALSE;
    }
    return TRUE;
}

} // namespace

std::string VxUIProcess::InstallFolder()
{
    return ExeFolder() + "..\\bin\\";
}

VxUIProcess::VxUIProcess(const std::string& name)
{
    const std::string runs = ExeFolder() + "runs\\";
    ::CreateDirectoryA(runs.c_str(), nullptr);
    m_folder = runs + name + "\\";
    RemoveTree(m_folder);
    CopyTree(InstallFolder(), m_folder);
    m_hStarted = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    m_hExited = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
}

VxUIProcess::~VxUIProcess()
{
    Kill();
    if (m_hThread) {
        ::WaitForSingleObject(m_hThread, 10000);
        ::CloseHandle(m_hThread);
    }
    ::CloseHandle(m_hStarted);
    ::CloseHandle(m_hExited);
}

void VxUIProcess::WriteFile(const std::string& name, const std::string& text) const
{
    std::ofstream out(m_folder + name, std::ios::binary | std::ios::trunc);
    out << text;
}

void VxUIProcess::DeleteFile(const std::string& name) const
{
    ::DeleteFileA((m_folder + name).c_str());
}

bool VxUIProcess::Start(const std::string& args)
{
    if (m_hThread)
        return false;
    m_args = args;
    m_hThread = ::CreateThread(nullptr, 0, &VxUIProcess::DebugLoop, this, 0, nullptr);
    ::WaitForSingleObject(m_hStarted, 30000);
    return m_startOk;
}

HANDLE VxUIProcess::StartPlain(const std::string& args) const
{
    std::string cmd = "\"" + ExePath() + "\"" + (args.empty() ? "" : " " + args);
    std::vector<char> line(cmd.begin(), cmd.end());
    line.push_back('\0');
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessA(ExePath().c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, m_folder.c_str(), &si, &pi))
        return nullptr;
    ::CloseHandle(pi.hThread);
    return pi.hProcess;
}

DWORD WINAPI VxUIProcess::DebugLoop(LPVOID param)
{
    static_cast<VxUIProcess*>(param)->RunDebugLoop();
    return 0;
}

// Debug events must be read by the thread that created the process.
void VxUIProcess::RunDebugLoop()
{
    std::string cmd = "\"" + ExePath() + "\"" + (m_args.empty() ? "" : " " + m_args);
    std::vector<char> line(cmd.begin(), cmd.end());
    line.push_back('\0');
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    m_startOk = ::CreateProcessA(ExePath().c_str(), line.data(), nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS,
                                 nullptr, m_folder.c_str(), &si, &pi) != FALSE;
    if (!m_startOk) {
        ::SetEvent(m_hStarted);
        ::SetEvent(m_hExited);
        return;
    }
    ::DebugSetProcessKillOnExit(TRUE);
    m_pid = pi.dwProcessId;
    ::SetEvent(m_hStarted);
    for (;;) {
        DEBUG_EVENT ev{};
        if (!::WaitForDebugEvent(&ev, 200)) {
            if (::WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0)
                break;
            continue;
        }
        DWORD status = DBG_CONTINUE;
        switch (ev.dwDebugEventCode) {
        case CREATE_PROCESS_DEBUG_EVENT:
            if (ev.u.CreateProcessInfo.hFile)
                ::CloseHandle(ev.u.CreateProcessInfo.hFile);
            break;
        case LOAD_DLL_DEBUG_EVENT:
            if (ev.u.LoadDll.hFile)
                ::CloseHandle(ev.u.LoadDll.hFile);
            break;
        case OUTPUT_DEBUG_STRING_EVENT: {
            const auto& ds = ev.u.DebugString;
            std::vector<char> buf(ds.nDebugStringLength + 1u, '\0');
            SIZE_T got = 0;
            if (!ds.fUnicode && ::ReadProcessMemory(pi.hProcess, ds.lpDebugStringData, buf.data(), ds.nDebugStringLength, &got)) {
                std::lock_guard<std::mutex> lock(m_lock);
                m_trace.append(buf.data(), ::strnlen(buf.data(), got));
            }
            break;
        }
        case EXCEPTION_DEBUG_EVENT:
            if (ev.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT)
                status = DBG_EXCEPTION_NOT_HANDLED;
            break;
        default:
            break;
        }
        const bool exited = ev.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT;
        if (exited)
            m_exitCode = ev.u.ExitProcess.dwExitCode;
        ::ContinueDebugEvent(ev.dwProcessId, ev.dwThreadId, status);
        if (exited)
            break;
    }
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    ::SetEvent(m_hExited);
}

HWND VxUIProcess::WaitForWindow(const char* title, DWORD timeoutMs) const
{
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    do {
        FindArgs args{m_pid, title, nullptr};
        ::EnumWindows(&FindProc, reinterpret_cast<LPARAM>(&args));
        if (args.found)
            return args.found;
        ::Sleep(50);
    } while (::GetTickCount64() < end);
    return nullptr;
}

std::string VxUIProcess::Trace() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_trace;
}

bool VxUIProcess::WaitForTrace(const std::string& fragment, DWORD timeoutMs) const
{
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    do {
        if (Trace().find(fragment) != std::string::npos)
            return true;
        ::Sleep(50);
    } while (::GetTickCount64() < end);
    return Trace().find(fragment) != std::string::npos;
}

bool VxUIProcess::WaitExit(DWORD timeoutMs, DWORD* exitCode) const
{
    if (::WaitForSingleObject(m_hExited, timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (exitCode)
        *exitCode = m_exitCode;
    return true;
}

void VxUIProcess::Kill()
{
    if (!m_pid || ::WaitForSingleObject(m_hExited, 0) == WAIT_OBJECT_0)
        return;
    HANDLE h = ::OpenProcess(PROCESS_TERMINATE, FALSE, m_pid);
    if (h) {
        ::TerminateProcess(h, 1);
        ::CloseHandle(h);
    }
    ::WaitForSingleObject(m_hExited, 10000);
}
