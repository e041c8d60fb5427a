#include "device/VxWLLib.h"

#include "app/Trace.h"

VXWLLIB VXWLAPI;

namespace {

uint64_t SystemTime()
{
    FILETIME ft;
    ::GetSystemTimeAsFileTime(&ft);
    return uint64_t(ft.dwHighDateTime) << 32 | ft.dwLowDateTime;
}

} // namespace

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
    m_pRepository.reset(new VxScanRepository([this] { return m_repositoryClock ? m_repositoryClock() : SystemTime(); }));
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
    m_pRepository.reset();
}

void VXWLLIB::SetRepositoryClock(VxScanRepository::Clock clock)
{
    m_repositoryClock = std::move(clock);
}

void VXWLLIB::MergeScanRepository(uint8_t* list)
{
    if (!m_pRepository || !list)
        return;
    VxScanDeviceQueries device;
    device.allowedChannels = [this] {
        int mode = 0;
        VXWL_QueryWirelessMode(&mode);
        const int adhoc = VXWL_ConvertPhyModeToAdHocMode(mode);
        uint8_t channels[VXWL_CHANNEL_LIST_MAX] = {};
        int count = 0;
        VXWL_GetAvailableChannels(1, mode, adhoc, channels, &count, 1);
        if (count < 0)
            count = 0;
        if (count > VXWL_CHANNEL_LIST_MAX)
            count = VXWL_CHANNEL_LIST_MAX;
        return std::vector<uint8_t>(channels, channels + count);
    };
    device.frequencyToChannel = [this](uint32_t kHz) { return VXWL_FrequencyToChannel(kHz); };
    device.checkBssidRepositTime = [this] { return VXWL_CheckBssidRepositTime() != 0; };
    m_pRepository->Merge(list, VX_SCAN_TABLE_SIZE, device);
}
