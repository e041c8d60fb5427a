#include "harness/ControllerRun.h"

#include "app/VxConfig.h"

#include <fstream>

namespace {
constexpr UINT WM_RUN = WM_APP + 0x3F0;
}

BOOL CTestHideDlg::OnInitDialog()
{
    const BOOL r = CHideDlg::OnInitDialog();
    PostMessage(WM_RUN);
    return r;
}

LRESULT CTestHideDlg::OnRun(WPARAM, LPARAM)
{
    if (during)
        during(*this);
    PostMessage(WM_COMMAND, ID_TRAY_EXIT);
    return 0;
}

INT_PTR RunController(const std::function<void(CTestHideDlg&)>& during)
{
    CTestHideDlg dlg;
    dlg.during = during;
    return dlg.DoModal();
}

std::string TestExeFolder()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path);
    return s.substr(0, s.find_last_of('\\') + 1);
}

std::string TestConfigPath()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return VxConfigPathForProgram(path);
}

void WriteTextFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}
