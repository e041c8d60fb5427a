// Export layer of the stand-in device library: each entry point logs the call and works on
// the portable world model.
#include <windows.h>

#include "device/VxWLAPI.h"

#include "VxSimControl.h"
#include "framework/VxString.h"
#include "world/SimWorld.h"

#include <cstring>
#include <fstream>
#include <sstream>

namespace {

SimWorld g_world;
HMODULE g_hModule = nullptr;

std::string ModuleFolder()
{
    char path[MAX_PATH] = "";
    const DWORD n = ::GetModuleFileNameA(g_hModule, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return std::string();
    std::string s(path, n);
    const size_t slash = s.find_last_of('\\');
    return slash == std::string::npos ? std::string() : s.substr(0, slash + 1);
}

bool ReadFile(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    text = ss.str();
    return true;
}

// The scenario beside the library, or the built-in world.
void LoadDefaultScenario()
{
    std::string text;
    g_world.Reset(ReadFile(ModuleFolder() + "VxWLSim.ini", text) ? SimScenario::FromIni(text) : SimScenario());
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_hModule = hInstance;
        ::DisableThreadLibraryCalls(hInstance);
        LoadDefaultScenario();
    }
    return TRUE;
}

extern "C" int VXWLAPI_CALL VXWL_Initial(const char* appName, HWND hWnd)
{
    g_world.LogCall(VxFormat("VXWL_Initial(%s)", appName ? appName : ""));
    g_world.Initial(appName ? appName : "", reinterpret_cast<std::uintptr_t>(hWnd));
    return VXWL_ERROR_SUCCESS;
}

extern "C" int VXWLAPI_CALL VXWL_DeInitial(void)
{
    g_world.LogCall("VXWL_DeInitial()");
    g_world.DeInitial();
    return VXWL_ERROR_SUCCESS;
}

extern "C" int VXWLAPI_CALL VXWL_GetWinOS(void)
{
    g_world.LogCall("VXWL_GetWinOS()");
    return g_world.WinOS();
}

extern "C" int VXWLAPI_CALL VXWL_DetectUserAdmin(void)
{
    g_world.LogCall("VXWL_DetectUserAdmin()");
    return g_world.IsAdmin() ? 1 : 0;
}

// Control interface

extern "C" int VXWLAPI_CALL VxSim_Reset(const char* scenarioPath)
{
    if (!scenarioPath) {
        g_world.Reset(SimScenario());
        return 1;
    }
    std::string text;
    if (!ReadFile(scenarioPath, text))
        return 0;
    g_world.Reset(SimScenario::FromIni(text));
    return 1;
}

extern "C" void VXWLAPI_CALL VxSim_SetWinOS(int code)
{
    g_world.SetWinOS(code);
}

extern "C" void VXWLAPI_CALL VxSim_SetUserAdmin(int admin)
{
    g_world.SetAdmin(admin != 0);
}

extern "C" int VXWLAPI_CALL VxSim_GetCallLog(char* buffer, int size)
{
    const std::string log = g_world.CallLog();
    if (buffer && size > 0)
        VxCopyText(buffer, static_cast<size_t>(size), log.c_str());
    return static_cast<int>(log.size());
}

extern "C" void VXWLAPI_CALL VxSim_ClearCallLog(void)
{
    g_world.ClearCallLog();
}
