// The simulated adapter's world: what the stand-in device library reports and remembers.
// Portable; the export layer (VxWLAPI.cpp) forwards every entry point to the member of the
// same name and delivers the world's outputs (callbacks, posted messages, scan completions)
// from a thread of its own.
#pragma once

#include "device/VxWLAPI.h"
#include "world/SimIE.h"

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

struct SimNetwork {
    std::string ssid;
    uint8_t bssid[6] = {};
    int channel = 1;
    int rssi = -50;           // dBm
    bool hidden = false;      // the beacon carries no SSID
    bool adhoc = false;       // an IBSS
    SimSecurity security = SimSecurity::Open;
    SimCipher cipher = SimCipher::None;
    std::string key;          // WEP key (5/13 characters or 10/26 hex digits) or passphrase
    int wepKeyIndex = 1;      // 1-based
    bool sharedKey = false;   // WEP with shared-key authentication
    int eapMethod = VX_EAP_PEAP;
    std::map<std::string, std::string> users; // 802.1X identity -> password
    std::vector<std::string> mustChange;      // identities whose password has expired
    bool ht = false;
    bool ht40 = false;
    bool wps = false;
    bool wpsPbcActive = false; // the push button of the access point is pressed
    std::string wpsPin;
    bool cckm = false;
    int beacon = 100;
    uint8_t ipNet = 1;        // the network's addresses are 192.168.<ipNet>.x

    bool Is5GHz() const { return channel > 14; }
};

struct SimAdapter {
    std::string name;
    std::string hardwareId;
    std::string adapterId;
    std::string location;
    std::string manufacturer;
    int adapterClass = 4;
    bool present = true;
};

struct SimScenario {
    // System answers
    int winOs = 12;
    bool admin = true;
    bool wow64 = false;
    bool allowStdProfile = true;
    bool allowStdAdvance = false;
    bool moreThanOneUser = false;
    bool msConfigService = true;
    bool eapHost = true;
    int zeroConfig = 0;
    bool ssoAvailable = false; // first word of the single-sign-on record
    int runOnceToolResult = 1;
    int runOnceToolChoice = 1;
    // Adapter capabilities
    bool aSupport = true;
    bool nSupport = true;
    bool bw40bg = true;
    bool bw40a = true;
    uint32_t antenna = 0x22;
    bool tdls = false;
    bool apMode = true;
    int deviceModel = 4;
    int initPolls = 0;        // QueryInitState answers "not done" this many times
    int driverOpMode = -1;    // the driver's operation mode at start; -1: the stored mode
    bool hwRadio = true;      // the hardware radio switch
    uint8_t eeprom[2] = {1, 2};
    uint8_t firmware[2] = {3, 4};
    uint8_t mac[6] = {0x00, 0x0C, 0x43, 0x30, 0x52, 0x77};
    std::string driverName = "drivers\\vxwlan.sys";
    std::string driverDesc = "Vx 802.11n Wireless LAN Card";
    bool ieee80211h = false;
    bool repositTime = false;
    // Timing, in ms
    int scanMs = 1500;
    int stepMs = 300;

    std::vector<SimAdapter> adapters;
    std::vector<SimNetwork> networks;

    // The built-in world.
    SimScenario();
    // A scenario file's text; missing keys keep the built-in values, and [NetworkN] or
    // [AdapterN] sections replace the built-in networks or adapters ([NoNetworks] or
    // [NoAdapters] leave none). For example:
    //   [System]   WinOS=8  Admin=0  Wow64=0  ZeroConfig=0  MSConfigService=1  EapHost=1
    //              SSOAvailable=0  MoreThanOneUser=0  RunOnceTool=1  RunOnceChoice=1 ...
    //   [Adapter]  DeviceModel=4  InitPolls=2  80211A=1  80211N=1  Antenna=0x22  MAC=00:0C:43:30:52:77
    //              DriverOpMode=-1  HwRadio=1  DriverName=...  DriverDesc=...
    //   [Timing]   ScanMs=1500  StepMs=300
    //   [Adapter1] Name=...  HardwareId=...  AdapterId=...  Location=...  Manufacturer=...
    //              Class=4  Present=1
    //   [Network1] SSID=HomeWPA2  BSSID=02:00:00:00:00:03  Channel=6  Rssi=-42
    //              Security=Open|WEP|WPA-PSK|WPA2-PSK|WPA-WPA2-PSK|WPA|WPA2|WPA-None|WAPI-PSK
    //              Cipher=TKIP|AES|TKIP+AES  Key=<WEP key or passphrase>  KeyIndex=1  SharedKey=0
    //              EAP=PEAP|TLS|TTLS|EAP-FAST|MD5|LEAP  Users=alice:wonderland;bob:builder!
    //              (a "!" after the password: it has expired and must be changed)
    //              Hidden=0  AdHoc=0  HT=1  HT40=1  WPS=1  WpsPin=12345670  CCKM=0  Beacon=100
    static SimScenario FromIni(const std::string& text);
    // Sets one value by its scenario-file name ("System.WinOS", "Timing.ScanMs", ...).
    bool SetValue(const std::string& name, const std::string& value);
};

// Parses a network from key/value pairs of a scenario section; false when it has no BSSID.
bool SimNetworkFromValues(const std::map<std::string, std::string>& values, SimNetwork& out);
bool SimParseMac(const std::string& text, uint8_t mac[6]);

// Where the library keeps its stored settings (the registry in the DLL, memory in tests).
class SimStore {
public:
    virtual ~SimStore() = default;
    virtual bool Read(const std::string& name, std::vector<uint8_t>& data) = 0;
    virtual void Write(const std::string& name, const std::vector<uint8_t>& data) = 0;
    virtual void Clear() = 0;
};

class SimMemoryStore : public SimStore {
public:
    bool Read(const std::string& name, std::vector<uint8_t>& data) override;
    void Write(const std::string& name, const std::vector<uint8_t>& data) override;
    void Clear() override { m_values.clear(); }

private:
    std::map<std::string, std::vector<uint8_t>> m_values;
};

// Something the export layer delivers from its own thread.
struct SimOutput {
    enum Kind { Callback, Post, ScanDone } kind = Callback;
    uint32_t code = 0;        // callback code or message
    std::vector<uint8_t> data;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
    VXWL_CALLBACK callback = nullptr;
    VXWL_SCAN_CALLBACK scanCallback = nullptr;
    VXWL_HWND window = nullptr;
};

class SimWorld {
public:
    SimWorld();

    // Setup and control
    void SetStore(SimStore* store);                     // not owned; a memory store by default
    void SetRealClock(std::function<uint64_t()> ms);    // milliseconds
    // Memory for certificate blobs handed out through 32-bit addresses (none by default:
    // certificates are then listed without their blob).
    void SetLowMemory(std::function<void*(size_t)> alloc, std::function<void(void*)> free);
    void Reset(const SimScenario& scenario);            // clears the stored settings too
    void Load(const SimScenario& scenario);             // keeps the stored settings
    void SetManualClock(bool manual);
    void AdvanceClock(uint64_t ms);                     // manual clock only
    uint64_t NowMs() const;
    void RunDueEvents();
    std::vector<SimOutput> TakeOutputs();
    void OnCallbackReply(uint32_t code, const char* reply);

    bool SetAdapterPresent(int index, bool present);
    void SetHardwareRadio(bool on);
    bool AddNetwork(const SimNetwork& network);
    bool RemoveNetwork(const uint8_t bssid[6]);
    bool SetNetworkValue(const uint8_t bssid[6], const std::string& key, const std::string& value);
    bool SetScenarioValue(const std::string& name, const std::string& value);
    void PressWpsButton(const uint8_t bssid[6]);
    // The adapter's own push button: reported once, and the driver runs a PBC session.
    void PressAdapterWpsButton();

    // The next call of the entry point returns `result` without any effect.
    void FailNextCall(const std::string& name, int result);
    bool TakeFailure(const char* name, int& result);

    void LogCall(const std::string& line);
    std::string CallLog() const;
    void ClearCallLog();

    // Shortcuts for tests and the control interface.
    int WinOS() const;
    void SetWinOS(int code);
    bool IsAdmin() const;
    void SetAdmin(bool admin);
    bool IsInitialised() const;
    VXWL_HWND ControllerWindow() const;
    bool IsLinked() const;

    // One member per entry point, with the entry point's name and prototype.
#define SIM_DECLARE_ENTRY(ret, name, params, args, missing) ret name params;
    VXWL_ENTRY_POINTS(SIM_DECLARE_ENTRY)
#undef SIM_DECLARE_ENTRY

private:
    struct Timed {
        uint64_t due;
        uint64_t seq;
        std::function<void()> run;
    };
    enum class Outcome { Ok, WepBadKey, AssocFail, AuthFail, PskFail, EapRejected, EapTimeout };

    struct Link {
        uint32_t state = VxStatus_Disconnected;
        uint32_t event = VX_EVENT_LINK_DOWN;
        bool associated = false; // the BSSID is known
        bool connected = false;  // the port is open
        int network = -1;        // index into m_networks, -1 for an IBSS of our own
        VX_SSID ssid{};
        uint8_t bssid[6] = {};
        uint32_t networkType = VX_NETWORK_INFRA;
        uint32_t frequency = 0;
        int auth = 0;
        int encryption = VX_ENCRY_NONE;
        bool wepBadKey = false;
        int rssi = -50;
        bool ht = false;
        bool ht40 = false;
        uint8_t ip[4] = {};
        uint8_t mask[4] = {};
        uint8_t gateway[4] = {};
    };

    void Schedule(uint64_t delayMs, std::function<void()> run);
    void Emit(uint32_t code, const void* data = nullptr, size_t size = 0);
    void Post(uint32_t msg, uintptr_t wParam = 0, intptr_t lParam = 0);

    // Stored settings
    void Persist(const std::string& name, const void* data, size_t size);
    template <typename T>
    void Persist(const std::string& name, const T& value) { Persist(name, &value, sizeof value); }
    template <typename T>
    bool Restore(const std::string& name, T& value);
    void PersistProfiles();
    void PersistPacLists();
    void RestoreStored();
    void ApplyScenario(const SimScenario& scenario);

    // Radio environment
    bool RadioOn() const { return m_hwRadio && m_swRadio; }
    bool AdapterUsable() const;
    std::vector<uint8_t> ChannelsFor(int wirelessMode) const;
    bool ChannelAllowed(int channel) const;
    bool Visible(const SimNetwork& n) const;
    int CurrentRssi(const SimNetwork& n) const;
    void BuildScanTable();
    std::vector<uint8_t> EntryFor(const SimNetwork& n) const;

    // Association
    int FindNetwork(const WLANPROFILE& p) const;
    int IndexOf(const uint8_t bssid[6]) const;
    Outcome Check(const SimNetwork& n, const WLANPROFILE& p) const;
    void Connect(const WLANPROFILE& p);
    void ConnectBySsid(const VX_SSID& ssid, const uint8_t* bssid);
    void DropLink(uint32_t event, bool announce);
    void LinkUp();
    void IcvTick(uint64_t gen);
    void AuthenticationSucceeded();
    void AssignAddress();
    uint64_t ConnectedMs() const;

    mutable std::recursive_mutex m_lock;
    SimMemoryStore m_memoryStore;
    SimStore* m_store = &m_memoryStore;
    std::function<uint64_t()> m_realClock;
    bool m_manualClock = false;
    uint64_t m_manualNow = 0;
    uint64_t m_seq = 0;
    std::vector<Timed> m_timed;
    std::vector<SimOutput> m_outputs;
    std::vector<std::string> m_calls;
    std::map<std::string, int> m_failures;

    SimScenario m_scenario;
    std::vector<SimNetwork> m_networks;
    std::vector<SimAdapter> m_adapters;

    // Session
    bool m_initialised = false;
    std::string m_appName;
    VXWL_HWND m_controller = nullptr;
    VXWL_CALLBACK m_callback = nullptr;
    std::string m_selected;   // selected adapter name
    bool m_registered = false;
    bool m_zeroConfigByTool = false; // the system service took the adapter over
    int m_initPending = 0;

    // Radio, modes
    bool m_hwRadio = true;
    bool m_swRadio = true;
    int m_opModeStored = OP_MODE_STATION;
    int m_opModeDriver = OP_MODE_STATION;
    int m_wirelessMode = VX_WMODE_ABGN;
    int m_region = 1;         // bits 0-6 2.4 GHz index, 8-14 5 GHz index

    // Scanning
    std::vector<uint8_t> m_scanTable;
    bool m_scanned = false;
    bool m_scanning = false;

    // Link
    Link m_link;
    uint64_t m_linkGen = 0;
    uint64_t m_upSince = 0;
    uint64_t m_txBytes = 0, m_rxBytes = 0; // accumulated before m_upSince
    std::string m_authId, m_authPassword, m_authDomain;
    bool m_icvError = false;
    uint64_t m_passwordChangeGen = 0; // the link waiting for a new password (0: none)
    int m_passwordChangeNetwork = -1;
    WLANPROFILE m_current{};  // the last applied profile

    // Stored settings
    std::vector<WLANPROFILE> m_profiles;
    std::string m_activeProfile;
    ADVANCE_CONFIG_DATA m_advCfg{};
    ADVANCE_OID m_advOid{};
    RT_802_11_STA_CONFIG m_staConfig{};
    uint32_t m_ccx2 = 0;
    int m_psMode = 0;
    int m_wpsFlag = 0;
    WPS_MODE m_wpsModeStored{};
    WPS_PROFILE m_wpsProfileStored{};
    VX_SOFTAP_CONFIG m_softAp{};
    uint32_t m_baCapWord = 0;
    VX_BA_CAP m_baCap{};
    int m_ackPolicy[4] = {1, 1, 1, 1};
    VX_WMM_SETTING m_wmm{};
    char m_wmmMac[VX_NAME_SIZE] = "";
    int m_wmmTimeout = 0;
    VX_DLS_ENTRY m_dls[VX_DLS_TABLE_SIZE] = {};
    VX_SSO_RECORD m_sso{};
    std::string m_ssoProfile;
    std::map<std::string, std::vector<VX_PAC_ENTRY>> m_pacLists;
    std::vector<std::string> m_systemProfiles; // SSIDs of system WLAN profiles made by connects
    // WPS run
    int m_wpsStatus = 0;
    bool m_wpsPin = false;
    WPS_PROFILE m_wpsResult{};
    int m_wpsChannel = 0;
    bool m_hwPbcPressed = false; // reported once by VXWL_QueryWPSHwPbc
    // Hosted network
    bool m_hosted = false;
    // WAPI certificates
    std::vector<VX_WAPI_CERT_ENTRY> m_wapiCerts;
    // 802.1X certificate stores
    std::function<void*(size_t)> m_lowAlloc;
    std::function<void(void*)> m_lowFree;
};
