// Export layer of the stand-in device library: every entry point logs the call, honours an
// injected failure and forwards to the world member of the same name. A thread of the
// library delivers the world's callbacks, posted messages and scan completions.
#include <windows.h>

#include "device/VxLowMemory.h"
#include "device/VxWLAPI.h"

#include "VxSimControl.h"
#include "framework/VxString.h"
#include "world/SimWorld.h"

#include <cstring>
#include <fstream>
#include <sstream>

namespace {

HMODULE g_hModule = nullptr;
SimWorld g_world;

// Stored settings under the stand-in's own key.
const char kStoreKey[] = "Software\\VxWLSim\\Store";

class RegistryStore : public SimStore {
public:
    bool Read(const std::string& name, std::vector<uint8_t>& data) override
    {
        HKEY key;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, kStoreKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        DWORD type = 0, size = 0;
        bool ok = ::RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
                  type == REG_BINARY;
        if (ok) {
            data.resize(size);
            ok = ::RegQueryValueExA(key, name.c_str(), nullptr, &type, size ? data.data() : nullptr, &size) ==
                 ERROR_SUCCESS;
            data.resize(size);
        }
        ::RegCloseKey(key);
        return ok;
    }
    void Write(const std::string& name, const std::vector<uint8_t>& data) override
    {
        HKEY key;
        if (::RegCreateKeyExA(HKEY_CURRENT_USER, kStoreKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return;
        ::RegSetValueExA(key, name.c_str(), 0, REG_BINARY, data.empty() ? nullptr : data.data(),
                         static_cast<DWORD>(data.size()));
        ::RegCloseKey(key);
    }
    void Clear() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, kStoreKey); }
};

RegistryStore g_store;

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

SimScenario ScenarioBesideLibrary()
{
    std::string text;
    return ReadFile(ModuleFolder() + "VxWLSim.ini", text) ? SimScenario::FromIni(text) : SimScenario();
}

// The world is set up on first use, outside the loader lock.
INIT_ONCE g_setup = INIT_ONCE_STATIC_INIT;

BOOL CALLBACK SetUp(PINIT_ONCE, PVOID, PVOID*)
{
    g_world.SetStore(&g_store);
    g_world.SetRealClock([] { return static_cast<uint64_t>(::GetTickCount64()); });
    g_world.SetLowMemory(VxLowAlloc, VxLowFree);
    g_world.Load(ScenarioBesideLibrary());
    return TRUE;
}

void EnsureSetUp()
{
    ::InitOnceExecuteOnce(&g_setup, SetUp, nullptr, nullptr);
}

// ---------------------------------------------------------------------------------------
// The library's event thread
// ---------------------------------------------------------------------------------------

CRITICAL_SECTION g_threadLock;
HANDLE g_thread = nullptr;
HANDLE g_wake = nullptr;
volatile LONG g_stop = 0;
volatile LONG g_requested = 0;
volatile LONG g_delivered = 0;

void Deliver(const std::vector<SimOutput>& outputs)
{
    for (const SimOutput& o : outputs) {
        switch (o.kind) {
        case SimOutput::Callback: {
            char reply[VXWL_CALLBACK_REPLY_SIZE] = "";
            std::vector<uint8_t> data = o.data;
            if (o.callback)
                o.callback(o.code, data.empty() ? nullptr : data.data(), reply);
            g_world.OnCallbackReply(o.code, reply);
            break;
        }
        case SimOutput::Post:
            ::PostMessageA(reinterpret_cast<HWND>(o.window), o.code, static_cast<WPARAM>(o.wParam),
                           static_cast<LPARAM>(o.lParam));
            break;
        case SimOutput::ScanDone:
            if (o.scanCallback)
                o.scanCallback();
            break;
        }
    }
}

DWORD WINAPI EventThread(LPVOID)
{
    while (!g_stop) {
        ::WaitForSingleObject(g_wake, 20);
        const LONG requested = g_requested;
        g_world.RunDueEvents();
        Deliver(g_world.TakeOutputs());
        ::InterlockedExchange(&g_delivered, requested);
    }
    // The thread holds its own reference on the library.
    ::FreeLibraryAndExitThread(g_hModule, 0);
    return 0;
}

void EnsureThread()
{
    ::EnterCriticalSection(&g_threadLock);
    if (!g_thread) {
        HMODULE self = nullptr;
        ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&EventThread), &self);
        g_stop = 0;
        if (!g_wake)
            g_wake = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
        g_thread = ::CreateThread(nullptr, 0, EventThread, nullptr, 0, nullptr);
        if (!g_thread && self)
            ::FreeLibrary(self);
    }
    ::LeaveCriticalSection(&g_threadLock);
}

void StopThread()
{
    ::EnterCriticalSection(&g_threadLock);
    if (g_thread) {
        g_stop = 1;
        ::SetEvent(g_wake);
        ::WaitForSingleObject(g_thread, 5000);
        ::CloseHandle(g_thread);
        g_thread = nullptr;
    }
    ::LeaveCriticalSection(&g_threadLock);
}

// Waits until the thread has delivered everything produced so far.
void Flush()
{
    EnsureThread();
    const LONG request = ::InterlockedIncrement(&g_requested);
    ::SetEvent(g_wake);
    for (int waited = 0; g_delivered < request && waited < 5000; ++waited)
        ::Sleep(1);
}

bool Same(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

} // namespace

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_hModule = hInstance;
        ::DisableThreadLibraryCalls(hInstance);
        ::InitializeCriticalSection(&g_threadLock);
    }
    return TRUE;
}

// Every entry point: log ("VXWL_Name()"; VXWL_Initial logs its application name), injected failure, the world's member; the event thread runs from
// the first call to VXWL_DeInitial.
#define SIM_EXPORT(ret, name, params, args, missing)                                            \
    extern "C" ret VXWLAPI_CALL name params                                                      \
    {                                                                                            \
        EnsureSetUp();                                                                           \
        if (!Same(#name, "VXWL_Initial"))                                                        \
            g_world.LogCall(#name "()");                                                         \
        int failed = 0;                                                                          \
        if (g_world.TakeFailure(#name, failed))                                                  \
            return failed;                                                                       \
        if (!Same(#name, "VXWL_DeInitial"))                                                      \
            EnsureThread();                                                                      \
        const ret result = g_world.name args;                                                    \
        if (Same(#name, "VXWL_DeInitial"))                                                       \
            StopThread();                                                                        \
        else                                                                                     \
            ::SetEvent(g_wake);                                                                  \
        return result;                                                                           \
    }
VXWL_ENTRY_POINTS(SIM_EXPORT)
#undef SIM_EXPORT

// ---------------------------------------------------------------------------------------
// Control interface
// ---------------------------------------------------------------------------------------

extern "C" int VXWLAPI_CALL VxSim_Reset(const char* scenarioPath)
{
    EnsureSetUp();
    SimScenario scenario;
    if (scenarioPath) {
        std::string text;
        if (!ReadFile(scenarioPath, text))
            return 0;
        scenario = SimScenario::FromIni(text);
    }
    g_world.Reset(scenario);
    return 1;
}

extern "C" void VXWLAPI_CALL VxSim_SetWinOS(int code)
{
    EnsureSetUp();
    g_world.SetWinOS(code);
}

extern "C" void VXWLAPI_CALL VxSim_SetUserAdmin(int admin)
{
    EnsureSetUp();
    g_world.SetAdmin(admin != 0);
}

extern "C" int VXWLAPI_CALL VxSim_GetCallLog(char* buffer, int size)
{
    EnsureSetUp();
    const std::string log = g_world.CallLog();
    if (buffer && size > 0)
        VxCopyText(buffer, static_cast<size_t>(size), log.c_str());
    return static_cast<int>(log.size());
}

extern "C" void VXWLAPI_CALL VxSim_ClearCallLog(void)
{
    EnsureSetUp();
    g_world.ClearCallLog();
}

extern "C" int VXWLAPI_CALL VxSim_SetOption(const char* name, const char* value)
{
    EnsureSetUp();
    return name && value && g_world.SetScenarioValue(name, value) ? 1 : 0;
}

extern "C" int VXWLAPI_CALL VxSim_SetAdapterPresent(int index, int present)
{
    EnsureSetUp();
    const bool ok = g_world.SetAdapterPresent(index, present != 0);
    Flush();
    return ok ? 1 : 0;
}

extern "C" void VXWLAPI_CALL VxSim_SetHardwareRadio(int on)
{
    EnsureSetUp();
    g_world.SetHardwareRadio(on != 0);
    Flush();
}

extern "C" int VXWLAPI_CALL VxSim_AddNetwork(const char* definition)
{
    EnsureSetUp();
    if (!definition)
        return 0;
    std::map<std::string, std::string> values;
    std::istringstream in(definition);
    std::string line;
    while (std::getline(in, line)) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string key = CString(line.substr(0, eq)).Trim().str();
        for (char& c : key)
            c = static_cast<char>(::tolower(static_cast<unsigned char>(c)));
        values[key] = CString(line.substr(eq + 1)).Trim().str();
    }
    SimNetwork n;
    return SimNetworkFromValues(values, n) && g_world.AddNetwork(n) ? 1 : 0;
}

extern "C" int VXWLAPI_CALL VxSim_RemoveNetwork(const char* bssid)
{
    EnsureSetUp();
    uint8_t mac[6];
    const bool ok = bssid && SimParseMac(bssid, mac) && g_world.RemoveNetwork(mac);
    Flush();
    return ok ? 1 : 0;
}

extern "C" int VXWLAPI_CALL VxSim_SetNetworkValue(const char* bssid, const char* key, const char* value)
{
    EnsureSetUp();
    uint8_t mac[6];
    const bool ok = bssid && key && value && SimParseMac(bssid, mac) && g_world.SetNetworkValue(mac, key, value);
    Flush();
    return ok ? 1 : 0;
}

extern "C" void VXWLAPI_CALL VxSim_FailNextCall(const char* entryPoint, int result)
{
    EnsureSetUp();
    if (entryPoint)
        g_world.FailNextCall(entryPoint, result);
}

extern "C" void VXWLAPI_CALL VxSim_SetManualClock(int manual)
{
    EnsureSetUp();
    g_world.SetManualClock(manual != 0);
}

extern "C" void VXWLAPI_CALL VxSim_AdvanceClock(unsigned int ms)
{
    EnsureSetUp();
    g_world.AdvanceClock(ms);
    Flush();
}
