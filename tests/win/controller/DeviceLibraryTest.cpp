// The device library binding and the stand-in library, loaded as the utility loads them.
#include "app/Trace.h"
#include "device/ScanTable.h"
#include "device/VxLowMemory.h"
#include "device/VxWLLib.h"
#include "harness/MessagePump.h"
#include "harness/TraceCapture.h"
#include "VxSimControl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace {

std::string TestFolder()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path);
    return s.substr(0, s.find_last_of('\\') + 1);
}

// What the library reported through its callbacks, and on which thread.
struct Events {
    std::mutex lock;
    std::vector<uint32_t> codes;
    std::vector<DWORD> threads;
    int scansDone = 0;
    DWORD scanThread = 0;

    std::vector<uint32_t> Codes()
    {
        std::lock_guard<std::mutex> l(lock);
        return codes;
    }
    void Clear()
    {
        std::lock_guard<std::mutex> l(lock);
        codes.clear();
        threads.clear();
    }
};
Events g_events;
const char* g_newPassword = ""; // the answer to a password change request

void VXWLAPI_CALL OnEvent(uint32_t code, void*, char* reply)
{
    if ((code & 0xFF) == RS_CBS_CHANGE_PASSWORD_REQUEST && reply)
        std::snprintf(reply, VXWL_CALLBACK_REPLY_SIZE, "%s", g_newPassword);
    std::lock_guard<std::mutex> l(g_events.lock);
    g_events.codes.push_back(code & 0xFF);
    g_events.threads.push_back(::GetCurrentThreadId());
}

void VXWLAPI_CALL OnScanFinished()
{
    std::lock_guard<std::mutex> l(g_events.lock);
    ++g_events.scansDone;
    g_events.scanThread = ::GetCurrentThreadId();
}

// A window that records the messages posted to it.
class MessageWindow {
public:
    MessageWindow()
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "VxDeviceTestWindow";
        ::RegisterClassA(&wc);
        m_hWnd = ::CreateWindowA(wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
        ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~MessageWindow() { ::DestroyWindow(m_hWnd); }
    HWND m_hWnd;
    std::vector<UINT> m_messages;

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT msg, WPARAM w, LPARAM l)
    {
        auto* self = reinterpret_cast<MessageWindow*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
        if (self && msg >= WM_USER)
            self->m_messages.push_back(msg);
        return ::DefWindowProcA(hWnd, msg, w, l);
    }
};

class DeviceLibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_events.Clear();
        g_events.scansDone = 0;
        ASSERT_TRUE(m_lib.Load((TestFolder() + "VxUI.exe").c_str()));
        ASSERT_TRUE(m_sim.Bind(::GetModuleHandleA(m_lib.LibraryPath())));
        m_sim.Reset(nullptr);
        m_sim.SetManualClock(1);
    }
    void TearDown() override
    {
        m_lib.VXWL_DeInitial();
        m_lib.Release();
    }
    // Initialises the library and selects the first adapter, as the controller does.
    void Start()
    {
        m_lib.VXWL_Initial("Ombrel", m_window.m_hWnd);
        std::vector<uint8_t> list(VxAdapterListSize(1));
        int r = m_lib.VXWL_GetAvailableAdapters(list.data(), static_cast<uint32_t>(list.size()));
        if (r == VXWL_ERROR_BUFFER_TOO_SMALL) {
            list.resize(VxAdapterListSize(VxReadU32(list.data())));
            r = m_lib.VXWL_GetAvailableAdapters(list.data(), static_cast<uint32_t>(list.size()));
        }
        ASSERT_EQ(VXWL_ERROR_SUCCESS, r);
        ASSERT_GE(VxReadU32(list.data()), 1u);
        std::memcpy(&m_lib.m_adapter, list.data() + VX_ADAPTER_LIST_HEADER, sizeof m_lib.m_adapter);
        ASSERT_EQ(VXWL_ERROR_SUCCESS, m_lib.VXWL_AdapterSelect(&m_lib.m_adapter, OnEvent, m_window.m_hWnd));
        ASSERT_NE(0, m_lib.VXWL_IsDeviceExist(m_lib.m_adapter.szName));
    }
    VX_LINK_STATUS Status()
    {
        VX_LINK_STATUS s{};
        EXPECT_NE(0, m_lib.VXWL_QueryWLANStatus(&s, VX_LINK_SELECTOR{1, 1, 1, 1, 1}) & 0xFF);
        return s;
    }

    VXWLLIB m_lib;
    VxSimControl m_sim;
    MessageWindow m_window;
};

// An infrastructure profile for the network named `ssid`, unencrypted until the caller says more.
WLANPROFILE InfraProfile(const char* ssid)
{
    WLANPROFILE p{};
    const VX_SSID s = VxMakeSsid(ssid);
    p.SsidLength = s.SsidLength;
    std::memcpy(p.Ssid, s.Ssid, sizeof p.Ssid);
    p.enumNetworkType = VX_NETWORK_INFRA;
    p.enumEncryStatus = VX_ENCRY_NONE;
    return p;
}

} // namespace

TEST(DeviceLibraryExports, EveryEntryPointIsExportedUndecorated)
{
    HMODULE hLib = ::LoadLibraryA((TestFolder() + "VxWLAPI.dll").c_str());
    ASSERT_NE(nullptr, hLib);
    ASSERT_EQ(180, VXWL_ENTRY_POINT_COUNT);
    std::vector<std::string> missing;
    for (const char* name : VXWL_ENTRY_POINT_NAMES)
        if (!::GetProcAddress(hLib, name))
            missing.push_back(name);
    EXPECT_EQ(std::vector<std::string>{}, missing);
    ::FreeLibrary(hLib);
}

TEST(DeviceLibraryBinding, MissingLibraryFailsWithItsPath)
{
    const std::string folder = TestFolder() + "nolib\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    VXWLLIB lib;
    EXPECT_FALSE(lib.Load((folder + "VxUI.exe").c_str()));
    EXPECT_EQ(folder + "VxWLAPI.dll", lib.LibraryPath());
    EXPECT_FALSE(lib.IsLoaded());
    EXPECT_EQ(nullptr, lib.ScanRepository());
    // Every call through the empty binding fails without touching its buffers.
    VX_LINK_STATUS s;
    std::memset(&s, 0xCD, sizeof s);
    EXPECT_EQ(0, lib.VXWL_QueryWLANStatus(&s, VX_LINK_SELECTOR{1, 1, 1, 1, 1}));
    EXPECT_EQ(0xCDu, reinterpret_cast<uint8_t*>(&s)[0]);
    EXPECT_EQ(VXWL_ERROR_NOT_EXPORTED, lib.VXWL_Initial("Ombrel", nullptr));
    EXPECT_EQ(-1, lib.VXWL_FrequencyToChannel(2437000));
    EXPECT_EQ(0, lib.VXWL_IsWpaCapable());
    ::RemoveDirectoryA(folder.c_str());
}

TEST(DeviceLibraryBinding, MissingOptionalEntryPointsAreEmptySlotsThatFailSafely)
{
    VXWLLIB lib;
    ASSERT_TRUE(lib.Load((TestFolder() + "trim\\VxUI.exe").c_str()));
    EXPECT_TRUE(lib.Has_VXWL_SetWEPKey());
    EXPECT_TRUE(lib.Has_VXWL_QueryWLANStatus());
    EXPECT_FALSE(lib.Has_VXWL_GetWAPICertInfo());
    EXPECT_FALSE(lib.Has_VXWL_ReadAckPolicy());
    EXPECT_FALSE(lib.Has_VXWL_QueryAntennaNumber());

    TraceCapture trace;
    VX_WAPI_CERT_INFO info;
    std::memset(&info, 0xCD, sizeof info);
    EXPECT_EQ(VXWL_ERROR_NOT_EXPORTED, lib.VXWL_GetWAPICertInfo("x.cer", &info, 1));
    EXPECT_EQ(0xCDu, static_cast<uint8_t>(info.szIssuedTo[0]));
    int be = 7, bk = 7, vi = 7, vo = 7;
    EXPECT_EQ(0, lib.VXWL_ReadAckPolicy(&be, &bk, &vi, &vo));
    EXPECT_EQ(7, be);
    EXPECT_TRUE(trace.Contains("[VxUI] VXWL_GetWAPICertInfo() is not exported by the device library\n"));
    lib.Release();
    EXPECT_FALSE(lib.Has_VXWL_QueryWLANStatus());
}

TEST_F(DeviceLibraryTest, FailingEntryPointReportsItsResultAndLeavesTheRecord)
{
    Start();
    m_sim.FailNextCall("VXWL_QueryWLANStatus", 0);
    VX_LINK_STATUS s;
    std::memset(&s, 0xCD, sizeof s);
    EXPECT_EQ(0, m_lib.VXWL_QueryWLANStatus(&s, VX_LINK_SELECTOR{1, 0, 0, 0, 0}));
    EXPECT_EQ(0xCDu, reinterpret_cast<uint8_t*>(&s)[0]);
    EXPECT_EQ(VxStatus_Disconnected, Status().ConnectState);

    m_sim.FailNextCall("VXWL_SetAndWriteRadioState", 0);
    EXPECT_EQ(0, m_lib.VXWL_SetAndWriteRadioState(0));
    EXPECT_EQ(1, m_lib.VXWL_ReadRadioStatus());
}

// Scan, read the table, connect to the built-in WPA2-PSK network and read the link.
TEST_F(DeviceLibraryTest, ScanAndConnectToTheWpa2PersonalNetwork)
{
    Start();
    ASSERT_NE(nullptr, m_lib.ScanRepository());
    m_lib.VXWL_SiteSurveyScan(OnScanFinished);
    m_sim.AdvanceClock(2000);
    ASSERT_EQ(1, g_events.scansDone);
    EXPECT_NE(::GetCurrentThreadId(), g_events.scanThread);

    std::vector<uint8_t> table(VX_SCAN_TABLE_SIZE);
    uint32_t size = VX_SCAN_FIRST_QUERY_SIZE;
    int r = m_lib.VXWL_SiteSurveyQuery(table.data(), &size);
    if (r == VXWL_ERROR_BUFFER_TOO_SMALL)
        r = m_lib.VXWL_SiteSurveyQuery(table.data(), &size);
    ASSERT_EQ(VXWL_ERROR_SUCCESS, r);
    m_lib.MergeScanRepository(table.data());
    EXPECT_EQ(VxReadU32(table.data()), m_lib.ScanRepository()->Count());

    // The network's entry and its parsed elements.
    const VX_BSSID_EX* home = nullptr;
    VxScanTableReader reader(table.data(), table.size());
    VxScanTableReader::Entry e;
    while (reader.Next(e))
        if (e.usable && VxSsidString(e.bss->Ssid, e.bss->SsidLength) == "HomeWPA2")
            home = e.bss;
    ASSERT_NE(nullptr, home);
    VX_PARSED_IE ie{};
    m_lib.VXWL_ParseInfoElement(home, &ie);
    EXPECT_EQ(uint32_t(VX_IE_AUTH_WPA2_PSK), uint32_t(ie.AuthFlags));
    EXPECT_EQ(uint32_t(VX_IE_ENCR_AES), uint32_t(ie.EncrFlags));
    EXPECT_EQ(6, m_lib.VXWL_FrequencyToChannel(home->Configuration.DSConfig));

    WLANPROFILE p{};
    p.SsidLength = home->SsidLength;
    std::memcpy(p.Ssid, home->Ssid, sizeof p.Ssid);
    p.enumNetworkType = VX_NETWORK_INFRA;
    p.lFreq = static_cast<int32_t>(home->Configuration.DSConfig);
    p.enumAuthenMode = VX_AUTH_WPA2_PSK;
    p.enumEncryStatus = VX_ENCRY_AES;
    auto connect = [&](const char* passphrase) {
        m_lib.VXWL_StopAuth();
        WLANPROFILE q = p;
        std::snprintf(q.chPskKey, sizeof q.chPskKey, "%s", passphrase);
        q.nPskKeyLen = static_cast<int32_t>(std::strlen(passphrase));
        g_events.Clear();
        m_lib.VXWL_SetWLANProfile(&q);
        m_sim.AdvanceClock(3000);
    };

    connect("vx-passphrase");
    VX_LINK_STATUS s = Status();
    EXPECT_TRUE(VxLinkIsConnected(s));
    EXPECT_EQ(VxStatus_Connected, s.ConnectState);
    EXPECT_EQ("HomeWPA2", VxSsidString(s.Ssid, s.SsidLength));
    EXPECT_EQ(0, std::memcmp(s.Bssid, home->MacAddress, 6));
    EXPECT_EQ(uint32_t(home->Configuration.DSConfig), uint32_t(s.FrequencyKHz));
    EXPECT_EQ(uint32_t(home->InfrastructureMode), uint32_t(s.NetworkType));
    EXPECT_EQ(VX_AUTH_WPA2_PSK, s.AuthMode);
    EXPECT_EQ(VX_ENCRY_AES, s.Encryption);
    EXPECT_EQ(192, s.IpAddress[0]);
    EXPECT_EQ((std::vector<uint32_t>{RS_CBS_AU_STATUS_START, RS_CBS_AU_STATUS_LINK_UP,
                                     RS_CBS_AU_STATUS_MEDIA_CONNECT, RS_CBS_PORT_SECURED}),
              g_events.Codes());
    for (DWORD thread : g_events.threads)
        EXPECT_NE(::GetCurrentThreadId(), thread);
    m_sim.AdvanceClock(5000);
    EXPECT_GT(Status().RxBytes, s.RxBytes);

    m_lib.VXWL_Disassociate();
    connect("not-the-passphrase");
    s = Status();
    EXPECT_FALSE(VxLinkIsConnected(s));
    EXPECT_EQ(VxStatus_Disconnected, s.ConnectState);
    EXPECT_EQ(VX_EVENT_4WAY_TIMEOUT, s.StatusEvent);
    EXPECT_EQ((std::vector<uint32_t>{RS_CBS_AU_STATUS_START, RS_CBS_AU_STATUS_LINK_UP, RS_CBS_AU_STATUS_LINK_DOWN}),
              g_events.Codes());
}

TEST_F(DeviceLibraryTest, RadioChangesArePostedToTheControllerWindow)
{
    Start();
    EXPECT_EQ(1, m_lib.VXWL_SetAndWriteRadioState(0));
    m_sim.SetHardwareRadio(0);
    m_lib.VXWL_SetAndWriteRadioState(1);
    m_sim.SetHardwareRadio(1);
    m_sim.AdvanceClock(10);
    EXPECT_TRUE(PumpUntil([&] { return m_window.m_messages.size() >= 2; }, 2000));
    EXPECT_EQ((std::vector<UINT>{VXWL_MSG_RADIO_OFF, VXWL_MSG_RADIO_ON}), m_window.m_messages);
}

TEST_F(DeviceLibraryTest, AdapterRemovalIsSeenAndStoredSettingsLiveInTheRegistry)
{
    Start();
    EXPECT_EQ(1, m_sim.SetAdapterPresent(0, 0));
    EXPECT_EQ(0, m_lib.VXWL_IsDeviceExist(m_lib.m_adapter.szName));
    std::vector<uint8_t> list(VxAdapterListSize(1));
    EXPECT_EQ(VXWL_ERROR_SUCCESS, m_lib.VXWL_GetAvailableAdapters(list.data(), static_cast<uint32_t>(list.size())));
    EXPECT_EQ(0u, VxReadU32(list.data()));
    m_sim.SetAdapterPresent(0, 1);
    EXPECT_NE(0, m_lib.VXWL_IsDeviceExist(m_lib.m_adapter.szName));

    WLANPROFILE p{};
    std::snprintf(p.strProfileName, sizeof p.strProfileName, "Office");
    m_lib.VXWL_WriteProfile("Office", &p);
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\VxWLSim\\Store", 0, KEY_READ, &key));
    DWORD size = 0;
    EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(key, "Profiles", nullptr, nullptr, nullptr, &size));
    EXPECT_EQ(sizeof(WLANPROFILE), size);
    ::RegCloseKey(key);
    m_sim.Reset(nullptr);
    EXPECT_NE(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\VxWLSim\\Store", 0, KEY_READ, &key));
}

TEST_F(DeviceLibraryTest, CertificateBlobsAreAddressedWith32Bits)
{
    Start();
    VX_CERT_ENTRY first[2] = {}, second[2] = {};
    int count = 0;
    m_lib.VXWL_EnumCert("MY", nullptr, &count);
    ASSERT_EQ(2, count);
    m_lib.VXWL_EnumCert("MY", first, &count);
    m_lib.VXWL_EnumCert("MY", second, &count);
    for (int i = 0; i < 2; ++i) {
        ASSERT_NE(nullptr, first[i].Blob());
        ASSERT_GT(first[i].BlobLength, 0u);
        ASSERT_LE(first[i].BlobLength, uint32_t(VX_BLOB_KEY_DATA));
        EXPECT_EQ(0, std::memcmp(first[i].Blob(), second[i].Blob(), first[i].BlobLength));
    }
    m_lib.VXWL_FreeCertArray(first, &count);
    m_lib.VXWL_FreeCertArray(second, &count);
    EXPECT_EQ(0u, first[0].BlobAddress);

    // The utility's side of such records.
    void* low = VxLowAlloc(51 * sizeof(VX_PAC_ENTRY));
    ASSERT_NE(nullptr, low);
    VX_PAC_LIST_DESC desc{};
    EXPECT_TRUE(desc.SetEntries(static_cast<VX_PAC_ENTRY*>(low)));
    EXPECT_EQ(low, desc.Entries());
    EXPECT_EQ(0u, static_cast<uint8_t*>(low)[100]);
    VxLowFree(low);
}

TEST_F(DeviceLibraryTest, RecordsPassedByValueArriveWhole)
{
    Start();
    WPS_MODE mode{};
    mode.ConfigMode = 1;
    mode.Channel = 9;
    std::memcpy(mode.PIN, "12345670", 8);
    WPS_PROFILE profile{};
    profile.ProfileCnt = 8;
    profile.Profile[7].KeyLength = 5;
    std::memcpy(profile.Profile[7].Key, "abcde", 5);
    m_lib.VXWL_WriteWPSProfile(mode, profile);
    WPS_MODE mode2{};
    WPS_PROFILE profile2{};
    m_lib.VXWL_ReadWPSProfile(&mode2, &profile2);
    EXPECT_EQ(0, std::memcmp(&mode, &mode2, sizeof mode));
    EXPECT_EQ(0, std::memcmp(&profile, &profile2, sizeof profile));

    ADVANCE_CONFIG_DATA cfg{};
    cfg.EnableTcpWindowSize = 1;
    cfg.WirelessMode = VX_WMODE_BGN;
    cfg.TransmitSetting.MCS = 33;
    m_lib.VXWL_WriteAdvanceCfgData(cfg);
    ADVANCE_CONFIG_DATA cfg2{};
    EXPECT_EQ(1, m_lib.VXWL_ReadConfigData(&cfg2));
    EXPECT_EQ(0, std::memcmp(&cfg, &cfg2, sizeof cfg));

    // Connect by profile, park the adapter with the SSID record, come back by BSSID.
    WLANPROFILE p = InfraProfile("OpenCafe");
    m_lib.VXWL_SetWLANProfile(&p);
    m_sim.AdvanceClock(2000);
    ASSERT_TRUE(VxLinkIsConnected(Status()));
    VX_SSID park{};
    park.SsidLength = 32;
    std::memset(park.Ssid, 0x10, sizeof park.Ssid);
    m_lib.VXWL_SetSSID(park);
    m_sim.AdvanceClock(2000);
    EXPECT_FALSE(VxLinkIsConnected(Status()));
    const uint8_t bssid[6] = {0x02, 0, 0, 0, 0, 0x01};
    m_lib.VXWL_SetBSSID(bssid);
    m_sim.AdvanceClock(2000);
    const VX_LINK_STATUS s = Status();
    EXPECT_TRUE(VxLinkIsConnected(s));
    EXPECT_EQ(0, std::memcmp(bssid, s.Bssid, 6));
}

TEST_F(DeviceLibraryTest, OnTheRealClockScansAndConnectsReportByThemselves)
{
    m_sim.SetManualClock(0);
    m_sim.SetOption("Timing.ScanMs", "200");
    m_sim.SetOption("Timing.StepMs", "50");
    Start();
    m_lib.VXWL_SiteSurveyScan(OnScanFinished);
    EXPECT_TRUE(PumpUntil([] { return g_events.scansDone == 1; }, 3000));
    WLANPROFILE p = InfraProfile("OpenCafe");
    m_lib.VXWL_SetWLANProfile(&p);
    EXPECT_TRUE(PumpUntil([] { return g_events.Codes().size() >= 3; }, 3000));
    EXPECT_TRUE(VxLinkIsConnected(Status()));
}

TEST_F(DeviceLibraryTest, PasswordChangeAnswersThroughTheCallbackReply)
{
    Start();
    ASSERT_EQ(1, m_sim.AddNetwork("SSID=Expired\nBSSID=02:00:00:00:00:30\nChannel=6\nSecurity=WPA2\n"
                                  "EAP=PEAP\nUsers=carol:old-pw!\n"));
    WLANPROFILE p = InfraProfile("Expired");
    p.enumAuthenMode = VX_AUTH_WPA2;
    p.enumEncryStatus = VX_ENCRY_AES;
    p.b8021X = 1;
    p.enumAuthenProtocol = VX_EAP_PEAP;
    std::snprintf(p.chID, sizeof p.chID, "carol");
    std::snprintf(p.chPassword, sizeof p.chPassword, "old-pw");
    g_newPassword = "new-pw";
    m_lib.VXWL_SetWLANProfile(&p);
    m_sim.AdvanceClock(3000);
    m_sim.AdvanceClock(10); // what the reply started
    g_newPassword = "";
    const std::vector<uint32_t> codes = g_events.Codes();
    ASSERT_GE(codes.size(), 2u);
    EXPECT_EQ(RS_CBS_PORT_SECURED, codes.back());
    EXPECT_NE(codes.end(), std::find(codes.begin(), codes.end(), uint32_t(RS_CBS_CHANGE_PASSWORD_SUCCESS)));
    EXPECT_TRUE(VxLinkIsConnected(Status()));
}
