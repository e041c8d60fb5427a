#include "device/VxWLLib.h"

#include "app/Trace.h"

VXWLLIB VXWLAPI;

VXWLLIB::~VXWLLIB()
{
    if (m_hLib)
        ::FreeLibrary(m_hLib);
}

void VXWLLIB::TraceMissing(const char* name)
{
    VxTrace("[VxUI] %s() is not exported by the device library\n", name);
}

BOOL VXWLLIB::Load(const char* programPath)
{
    char exePath[MAX_PATH + 1] = "";
    if (!programPath) {
        const DWORD n = ::GetModuleFileNameA(nullptr, exePath, MAX_PATH);
        if (n == 0 || n >= MAX_PATH)
            exePath[0] = '\0';
        programPath = exePath;
    }
    const std::string program(programPath);
    const size_t slash = program.find_last_of('\\');
    const std::string folder = slash == std::string::npos ? std::string() : program.substr(0, slash + 1);
    m_strLibPath = folder + "VxWLAPI.dll";
    m_strConfigPath = VxConfigPathForProgram(program);

    if (m_hLib)
        return TRUE;
    if (program.empty() || m_strLibPath.size() >= MAX_PATH)
        return FALSE;
    m_hLib = ::LoadLibraryA(m_strLibPath.c_str());
    if (!m_hLib)
        return FALSE;
    ResolveEntryPoints();
    ReadConfiguration();
    return TRUE;
}

void VXWLLIB::ResolveEntryPoints()
{
#define VXWL_RESOLVE(ret, name, params, args, missing) \
    m_pfn_##name = reinterpret_cast<PFN_##name>(reinterpret_cast<void*>(::GetProcAddress(m_hLib, #name)));
    VXWL_ENTRY_POINTS(VXWL_RESOLVE)
#undef VXWL_RESOLVE
}

VxIniReader VXWLLIB::ConfigReader() const
{
    const std::string path = m_strConfigPath;
    return [path](const char* section, const char* key, const char* def) {
        char value[256] = "";
        ::GetPrivateProfileStringA(section, key, def, value, sizeof value, path.c_str());
        return std::string(value);
    };
}

void VXWLLIB::ReadConfiguration()
{
    // The button rule needs the system code and the user's rights.
    const int winOs = VXWL_GetWinOS();
    const bool isAdmin = VXWL_DetectUserAdmin() != 0;
    static_cast<VXUI_CONFIG&>(*this) = VxLoadConfig(ConfigReader(), winOs, isAdmin);
    VxSetTraceLevel(nDebugMode);
}

void VXWLLIB::ReReadDebugMode()
{
    nDebugMode = VxReadDebugMode(ConfigReader());
    VxSetTraceLevel(nDebugMode);
    VxTrace("[VxUI] Set VXWLAPI.nDebugMode as %d\n", nDebugMode);
}

void VXWLLIB::Release()
{
    VxTrace("[VxUI] --> VXWLLIB::Release\n");
    if (m_hLib) {
        if (::FreeLibrary(m_hLib))
            VxTrace("[VxUI] FreeLibrary() success!\n");
        else
            VxTrace("[VxUI] FreeLibrary() fail! GetLastError() return %d\n", static_cast<int>(::GetLastError()));
        m_hLib = nullptr;
    }
#define VXWL_CLEAR(ret, name, params, args, missing) m_pfn_##name = nullptr;
    VXWL_ENTRY_POINTS(VXWL_CLEAR)
#undef VXWL_CLEAR
}
