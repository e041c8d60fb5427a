#include "device/ScanTable.h"
#include "world/SimWorld.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

void VXWLAPI_CALL NoCallback(uint32_t, void*, char*) {}
void VXWLAPI_CALL NoScanCallback() {}

VXWL_HWND Window() { return reinterpret_cast<VXWL_HWND>(static_cast<uintptr_t>(0x1234)); }

// A world with the built-in scenario, a manual clock and a selected adapter.
struct SimFixture : ::testing::Test {
    SimWorld world;
    std::vector<uint32_t> callbacks;
    std::vector<uint32_t> posts;
    int scansDone = 0;

    SimFixture()
    {
        world.Reset(SimScenario());
        world.SetManualClock(true);
        world.VXWL_Initial("Ombrel", Window());
        world.VXWL_AdapterSelect(&Adapter(), NoCallback, Window());
    }
    static VX_ADAPTER& Adapter()
    {
        static VX_ADAPTER a{};
        std::snprintf(a.szName, sizeof a.szName, "%s", SimScenario().adapters[0].name.c_str());
        return a;
    }
    void Advance(uint64_t ms)
    {
        world.AdvanceClock(ms);
        for (const SimOutput& o : world.TakeOutputs()) {
            if (o.kind == SimOutput::Callback)
                callbacks.push_back(o.code);
            else if (o.kind == SimOutput::Post)
                posts.push_back(o.code);
            else
                ++scansDone;
        }
    }
    VX_LINK_STATUS Status()
    {
        VX_LINK_STATUS s{};
        EXPECT_TRUE(world.VXWL_QueryWLANStatus(&s, VX_LINK_SELECTOR{1, 1, 1, 1, 1}) & 0xFF);
        return s;
    }
    std::vector<uint8_t> Table()
    {
        std::vector<uint8_t> t(VX_SCAN_TABLE_SIZE);
        uint32_t size = VX_SCAN_TABLE_SIZE;
        EXPECT_EQ(VXWL_ERROR_SUCCESS, world.VXWL_SiteSurveyQuery(t.data(), &size));
        return t;
    }
    static WLANPROFILE Profile(const char* ssid, int auth, int encr)
    {
        WLANPROFILE p{};
        const VX_SSID s = VxMakeSsid(ssid);
        p.SsidLength = s.SsidLength;
        std::memcpy(p.Ssid, s.Ssid, 32);
        p.enumNetworkType = VX_NETWORK_INFRA;
        p.enumAuthenMode = auth;
        p.enumEncryStatus = encr;
        p.wepDefaultKey = 1;
        return p;
    }
};

} // namespace

TEST(SimScenarioFile, OverridesTheBuiltInWorld)
{
    const SimScenario defaults = SimScenario::FromIni("");
    EXPECT_EQ(12, defaults.winOs);
    EXPECT_TRUE(defaults.admin);
    EXPECT_EQ(8u, defaults.networks.size());

    const SimScenario s = SimScenario::FromIni("; an XP machine\n[System]\nWinOS = 8\nadmin=0\n"
                                               "[Network1]\nSSID=Lab\nBSSID=02:11:22:33:44:55\nChannel=40\n"
                                               "Security=WPA2\nUsers=bob:builder;eve:x\nEAP=TTLS\n"
                                               "[Adapter1]\nName=Card A\nPresent=0\n[Adapter2]\nName=Card B\n");
    EXPECT_EQ(8, s.winOs);
    EXPECT_FALSE(s.admin);
    ASSERT_EQ(1u, s.networks.size());
    EXPECT_EQ("Lab", s.networks[0].ssid);
    EXPECT_EQ(0x55, s.networks[0].bssid[5]);
    EXPECT_EQ(SimSecurity::WPA2_EAP, s.networks[0].security);
    EXPECT_EQ(SimCipher::AES, s.networks[0].cipher);
    EXPECT_EQ(VX_EAP_TTLS, s.networks[0].eapMethod);
    EXPECT_EQ("builder", s.networks[0].users.at("bob"));
    ASSERT_EQ(2u, s.adapters.size());
    EXPECT_FALSE(s.adapters[0].present);
}

TEST_F(SimFixture, AdapterListUsesTheBufferProtocolAndFollowsRemoval)
{
    SimScenario two;
    two.adapters.push_back(two.adapters[0]);
    two.adapters[1].name = "Second card";
    world.Reset(two);
    std::vector<uint8_t> small(VxAdapterListSize(1));
    EXPECT_EQ(VXWL_ERROR_BUFFER_TOO_SMALL, world.VXWL_GetAvailableAdapters(small.data(), uint32_t(small.size())));
    EXPECT_EQ(2u, VxReadU32(small.data()));
    std::vector<uint8_t> big(VxAdapterListSize(2));
    ASSERT_EQ(VXWL_ERROR_SUCCESS, world.VXWL_GetAvailableAdapters(big.data(), uint32_t(big.size())));
    const VX_ADAPTER* second = reinterpret_cast<const VX_ADAPTER*>(big.data() + 4 + sizeof(VX_ADAPTER));
    EXPECT_STREQ("Second card", second->szName);

    ASSERT_EQ(VXWL_ERROR_SUCCESS, world.VXWL_AdapterSelect(second, NoCallback, Window()));
    EXPECT_EQ(1, world.VXWL_IsWpaCapable());
    world.VXWL_Release();
    EXPECT_EQ(0, world.VXWL_IsWpaCapable());
    world.VXWL_AdapterSelect(second, NoCallback, Window());
    world.SetAdapterPresent(1, false);
    EXPECT_EQ(0, world.VXWL_IsDeviceExist("Second card"));
    EXPECT_EQ(1, world.VXWL_IsDeviceExist(two.adapters[0].name.c_str()));
    EXPECT_EQ(VXWL_ERROR_SUCCESS, world.VXWL_GetAvailableAdapters(small.data(), uint32_t(small.size())));
    EXPECT_EQ(1u, VxReadU32(small.data()));
    world.SetAdapterPresent(1, true);
    EXPECT_EQ(1, world.VXWL_IsDeviceExist("Second card"));
}

TEST_F(SimFixture, ScanTakesTimeAndReportsEntriesWhoseElementsMatchTheNetwork)
{
    world.VXWL_SiteSurveyScan(NoScanCallback);
    Advance(1000);
    EXPECT_EQ(0, scansDone);
    Advance(600);
    EXPECT_EQ(1, scansDone);

    uint32_t size = 100;
    std::vector<uint8_t> t(VX_SCAN_TABLE_SIZE);
    EXPECT_EQ(VXWL_ERROR_BUFFER_TOO_SMALL, world.VXWL_SiteSurveyQuery(t.data(), &size));
    EXPECT_GT(size, 100u);
    t = Table();

    struct Expect {
        uint8_t last;
        const char* ssid;
        uint32_t auth, encr, wps, ht, infra, privacy;
    };
    const Expect expected[] = {
        {1, "OpenCafe", 0, 0, 0, 0, 1, 0},
        {2, "WepLab", 0, 0, 0, 0, 1, 1},
        {3, "HomeWPA2", VX_IE_AUTH_WPA2_PSK, VX_IE_ENCR_AES, 0, 1, 1, 1},
        {4, "OfficeWPA", VX_IE_AUTH_WPA_PSK, VX_IE_ENCR_TKIP, 0, 0, 1, 1},
        {5, "CorpEAP", VX_IE_AUTH_WPA2, VX_IE_ENCR_AES, 0, 1, 1, 1},
        {6, "", VX_IE_AUTH_WPA2_PSK, VX_IE_ENCR_AES, 0, 0, 1, 1},
        {7, "PeerGroup", 0, 0, 0, 0, 0, 0},
        {8, "WpsRouter", VX_IE_AUTH_WPA2_PSK, VX_IE_ENCR_AES, 1, 1, 1, 1},
    };
    VxScanTableReader r(t.data(), t.size());
    VxScanTableReader::Entry e;
    size_t i = 0;
    while (r.Next(e)) {
        ASSERT_LT(i, std::size(expected));
        const Expect& x = expected[i++];
        SCOPED_TRACE(x.ssid);
        EXPECT_TRUE(e.usable);
        EXPECT_EQ(x.last, uint8_t(e.bss->MacAddress[5]));
        EXPECT_EQ(x.ssid, VxSsidString(e.bss->Ssid, e.bss->SsidLength));
        EXPECT_EQ(x.infra, uint32_t(e.bss->InfrastructureMode));
        EXPECT_EQ(x.privacy, uint32_t(e.bss->Privacy));
        EXPECT_EQ(uint32_t(world.VXWL_ChannelToFrequency(world.VXWL_FrequencyToChannel(e.bss->Configuration.DSConfig))),
                  uint32_t(e.bss->Configuration.DSConfig));
        VX_PARSED_IE ie{};
        EXPECT_EQ(VXWL_ERROR_SUCCESS, world.VXWL_ParseInfoElement(e.bss, &ie));
        EXPECT_EQ(x.auth, ie.AuthFlags);
        EXPECT_EQ(x.encr, ie.EncrFlags);
        EXPECT_EQ(x.wps, ie.bWPS);
        EXPECT_EQ(x.ht, ie.bHTCapable);
        EXPECT_EQ(100, ie.BeaconInterval);
        if (x.wps) {
            EXPECT_STREQ("1.0", ie.WpsVersion);
        }
        if (x.ht) {
            EXPECT_EQ(0xFF, ie.SupportedMCSSet[0]);
        }
    }
    EXPECT_EQ(std::size(expected), i);

    // Only channels of the wireless mode are reported.
    ADVANCE_OID oid{};
    oid.phyMode.WirelessMode = VX_WMODE_BGN;
    oid.CountryRegIndex11BG = 1;
    world.VXWL_SetAdvanceSetting(oid);
    world.VXWL_SiteSurveyScan(NoScanCallback);
    Advance(2000);
    t = Table();
    EXPECT_EQ(6u, VxScanTableReader(t.data(), t.size()).CountEntries());
}

namespace {

struct ConnectCase {
    const char* name;
    WLANPROFILE profile;
    const char* id;
    const char* password;
    bool linked;
    uint32_t event;
    std::vector<uint32_t> callbacks;
};

WLANPROFILE WithPsk(WLANPROFILE p, const char* key)
{
    std::snprintf(p.chPskKey, sizeof p.chPskKey, "%s", key);
    p.nPskKeyLen = static_cast<int>(std::strlen(key));
    return p;
}

WLANPROFILE WithWep(WLANPROFILE p, const char* key, int type)
{
    std::snprintf(p.WEPKey1, sizeof p.WEPKey1, "%s", key);
    p.WEPKey1Type = type;
    return p;
}

WLANPROFILE Eap(const char* ssid, int method)
{
    WLANPROFILE p = SimFixture::Profile(ssid, VX_AUTH_WPA2, VX_ENCRY_AES);
    p.b8021X = 1;
    p.enumAuthenProtocol = method;
    return p;
}

WLANPROFILE AdHoc(const char* ssid)
{
    WLANPROFILE p = SimFixture::Profile(ssid, VX_AUTH_OPEN, VX_ENCRY_NONE);
    p.enumNetworkType = VX_NETWORK_ADHOC;
    p.lFreq = 2457000;
    return p;
}

} // namespace

TEST_F(SimFixture, ConnectsWithTheRightCredentialsOnly)
{
    const uint32_t start = RS_CBS_AU_STATUS_START, up = RS_CBS_AU_STATUS_LINK_UP,
                   down = RS_CBS_AU_STATUS_LINK_DOWN, media = RS_CBS_AU_STATUS_MEDIA_CONNECT,
                   secured = RS_CBS_PORT_SECURED, authing = RS_CBS_AU_STATUS_AUTHENTICATING,
                   authed = RS_CBS_AU_STATUS_AUTHENTICATED, rejected = RS_CBS_AU_STATUS_CLIENT_IDENTITY_REJECTED,
                   timeout = RS_CBS_AU_STATUS_AUTH_TIMEOUT, icv = RS_CBS_ICV_ERROR;
    const ConnectCase cases[] = {
        {"open", Profile("OpenCafe", VX_AUTH_OPEN, VX_ENCRY_NONE), "", "", true, VX_EVENT_LINK_UP, {start, up, media}},
        {"open with WEP", Profile("OpenCafe", VX_AUTH_OPEN, VX_ENCRY_WEP), "", "", false, VX_EVENT_ASSOC_FAIL, {start, down}},
        {"WEP ASCII key", WithWep(Profile("WepLab", VX_AUTH_OPEN, VX_ENCRY_WEP), "vxwep", 1), "", "", true,
         VX_EVENT_LINK_UP, {start, up, media}},
        {"WEP same key in hex", WithWep(Profile("WepLab", VX_AUTH_OPEN, VX_ENCRY_WEP), "7678776570", 0), "", "", true,
         VX_EVENT_LINK_UP, {start, up, media}},
        {"WEP wrong key", WithWep(Profile("WepLab", VX_AUTH_OPEN, VX_ENCRY_WEP), "wrong", 1), "", "", true,
         VX_EVENT_LINK_UP, {start, up, media, icv}},
        {"WEP shared wrong key", WithWep(Profile("WepLab", VX_AUTH_SHARED, VX_ENCRY_WEP), "wrong", 1), "", "", false,
         VX_EVENT_AUTH_FAIL, {start, down}},
        {"WPA2-PSK", WithPsk(Profile("HomeWPA2", VX_AUTH_WPA2_PSK, VX_ENCRY_AES), "vx-passphrase"), "", "", true,
         VX_EVENT_LINK_UP, {start, up, media, secured}},
        {"WPA2-PSK wrong passphrase", WithPsk(Profile("HomeWPA2", VX_AUTH_WPA2_PSK, VX_ENCRY_AES), "vx-passphrasf"),
         "", "", false, VX_EVENT_4WAY_TIMEOUT, {start, up, down}},
        {"WPA2-PSK with TKIP", WithPsk(Profile("HomeWPA2", VX_AUTH_WPA2_PSK, VX_ENCRY_TKIP), "vx-passphrase"), "", "",
         false, VX_EVENT_ASSOC_FAIL, {start, down}},
        {"WPA-PSK", WithPsk(Profile("OfficeWPA", VX_AUTH_WPA_PSK, VX_ENCRY_TKIP), "office-pass"), "", "", true,
         VX_EVENT_LINK_UP, {start, up, media, secured}},
        {"hidden by SSID", WithPsk(Profile("HiddenNet", VX_AUTH_WPA2_PSK, VX_ENCRY_AES), "hidden-pass"), "", "", true,
         VX_EVENT_LINK_UP, {start, up, media, secured}},
        {"802.1X", Eap("CorpEAP", VX_EAP_PEAP), "alice", "wonderland", true, VX_EVENT_LINK_UP,
         {start, up, authing, authed, media, secured}},
        {"802.1X wrong password", Eap("CorpEAP", VX_EAP_PEAP), "alice", "nope", false, VX_EVENT_AUTH_FAIL,
         {start, up, authing, rejected}},
        {"802.1X unknown identity", Eap("CorpEAP", VX_EAP_PEAP), "mallory", "wonderland", false, VX_EVENT_AUTH_FAIL,
         {start, up, authing, rejected}},
        {"802.1X without identity", Eap("CorpEAP", VX_EAP_PEAP), "", "", false, VX_EVENT_AUTH_FAIL,
         {start, up, authing, timeout}},
        {"ad hoc join", AdHoc("PeerGroup"), "", "", true, VX_EVENT_LINK_UP, {start, up, media}},
        {"ad hoc start", AdHoc("NewGroup"), "", "", true, VX_EVENT_LINK_UP, {start, up, media}},
        {"unknown network", Profile("Nowhere", VX_AUTH_OPEN, VX_ENCRY_NONE), "", "", false, VX_EVENT_LINK_DOWN, {start}},
    };
    for (const ConnectCase& c : cases) {
        SCOPED_TRACE(c.name);
        world.VXWL_Disassociate();
        Advance(10);
        callbacks.clear();
        WLANPROFILE p = c.profile;
        std::snprintf(p.chID, sizeof p.chID, "%s", c.id);
        std::snprintf(p.chPassword, sizeof p.chPassword, "%s", c.password);
        world.VXWL_SetWLANProfile(&p);
        Advance(3000);
        const VX_LINK_STATUS s = Status();
        EXPECT_EQ(c.linked, VxLinkIsConnected(s));
        EXPECT_EQ(c.event, s.StatusEvent);
        std::vector<uint32_t> got(callbacks.begin(), callbacks.begin() + std::min(callbacks.size(), c.callbacks.size()));
        EXPECT_EQ(c.callbacks, got);
        if (c.linked) {
            EXPECT_EQ(p.enumAuthenMode, s.AuthMode);
            if (p.enumNetworkType == VX_NETWORK_INFRA) {
                EXPECT_TRUE(VxSsidEqual(s.Ssid, s.SsidLength, p.Ssid, p.SsidLength));
            }
        }
    }
}

TEST_F(SimFixture, WrongWepKeyGivesDecryptionErrorsAndNoTraffic)
{
    WLANPROFILE p = WithWep(Profile("WepLab", VX_AUTH_OPEN, VX_ENCRY_WEP), "wrong", 1);
    world.VXWL_SetWLANProfile(&p);
    Advance(10000);
    uint32_t value = 0;
    world.VXWL_QueryPrivateMsg(&value);
    EXPECT_EQ(1u, value & 1);
    EXPECT_GE(std::count(callbacks.begin(), callbacks.end(), uint32_t(RS_CBS_ICV_ERROR)), 3);
    const VX_LINK_STATUS s = Status();
    EXPECT_EQ(0u, s.RxBytes);
    EXPECT_GT(s.TxBytes, 0u);
    // The right keys end the errors.
    WLANPROFILE right = WithWep(p, "vxwep", 1);
    world.VXWL_SetWEPKey(&right);
    world.VXWL_QueryPrivateMsg(&value);
    EXPECT_EQ(0u, value);
}

TEST_F(SimFixture, CountersAdvanceWhileConnectedAndReset)
{
    WLANPROFILE p = Profile("OpenCafe", VX_AUTH_OPEN, VX_ENCRY_NONE);
    world.VXWL_SetWLANProfile(&p);
    Advance(1000);
    const VX_LINK_STATUS a = Status();
    Advance(10000);
    const VX_LINK_STATUS b = Status();
    EXPECT_GT(b.TxBytes, a.TxBytes);
    EXPECT_GT(b.RxBytes, a.RxBytes);
    EXPECT_GT(b.Statistics.TransmittedFragmentCount, a.Statistics.TransmittedFragmentCount);
    EXPECT_EQ(192, b.IpAddress[0]);
    EXPECT_EQ(1, b.Gateway[3]);
    world.VXWL_ResetCounter();
    EXPECT_EQ(0u, Status().RxBytes);
}

TEST_F(SimFixture, RadioChangesPostMessagesAndDropTheLink)
{
    WLANPROFILE p = Profile("OpenCafe", VX_AUTH_OPEN, VX_ENCRY_NONE);
    world.VXWL_SetWLANProfile(&p);
    Advance(2000);
    ASSERT_TRUE(VxLinkIsConnected(Status()));
    callbacks.clear();
    EXPECT_EQ(1, world.VXWL_SetAndWriteRadioState(0));
    Advance(10);
    EXPECT_EQ(std::vector<uint32_t>{VXWL_MSG_RADIO_OFF}, posts);
    EXPECT_EQ((std::vector<uint32_t>{RS_CBS_AU_STATUS_LINK_DOWN, RS_CBS_AU_STATUS_MEDIA_DISCONNECT}), callbacks);
    EXPECT_EQ(VX_EVENT_SW_RADIO_OFF, Status().StatusEvent);
    EXPECT_EQ(0, world.VXWL_ReadRadioStatus());
    world.VXWL_SiteSurveyScan(NoScanCallback);
    Advance(10);
    EXPECT_EQ(VXWL_MSG_SCAN_FAILED, posts.back());

    posts.clear();
    world.VXWL_SetAndWriteRadioState(1);
    world.SetHardwareRadio(false);
    Advance(10);
    EXPECT_EQ((std::vector<uint32_t>{VXWL_MSG_RADIO_ON, VXWL_MSG_RADIO_OFF}), posts);
    EXPECT_EQ(VX_EVENT_HW_RADIO_OFF, Status().StatusEvent);
    int hw = 1, sw = 0;
    world.VXWL_QueryHWAndSWRadioState(&hw, &sw);
    EXPECT_EQ(0, hw);
    EXPECT_EQ(1, sw);
}

TEST_F(SimFixture, NetworkVanishingDropsTheLink)
{
    WLANPROFILE p = Profile("OpenCafe", VX_AUTH_OPEN, VX_ENCRY_NONE);
    world.VXWL_SetWLANProfile(&p);
    Advance(2000);
    callbacks.clear();
    const uint8_t cafe[6] = {2, 0, 0, 0, 0, 1};
    EXPECT_TRUE(world.RemoveNetwork(cafe));
    Advance(10);
    EXPECT_FALSE(VxLinkIsConnected(Status()));
    EXPECT_EQ(RS_CBS_AU_STATUS_LINK_DOWN, callbacks.at(0));
}

TEST_F(SimFixture, StoredSettingsSurviveARestartAndAResetClearsThem)
{
    SimMemoryStore store;
    SimWorld a;
    a.SetStore(&store);
    a.Reset(SimScenario());
    WLANPROFILE p = Profile("HomeWPA2", VX_AUTH_WPA2_PSK, VX_ENCRY_AES);
    std::snprintf(p.strProfileName, sizeof p.strProfileName, "Home");
    a.VXWL_WriteProfile("Home", &p);
    a.VXWL_CopyProfileToCurrentSetting("home");
    a.VXWL_SetAndWriteRadioState(0);
    a.VXWL_SetAndWriteOPMode(OP_MODE_STATION_AP);
    VX_PAC_ENTRY pac[2] = {};
    std::snprintf(pac[1].szFileName, sizeof pac[1].szFileName, "corp.pac");
    VX_PAC_LIST_DESC desc{2, 0};
    const bool addressable = desc.SetEntries(pac); // natively the stack may lie above 4 GB
    if (addressable)
        a.VXWL_WritePACList(&desc, "Home");

    SimWorld b;
    b.SetStore(&store);
    b.Load(SimScenario());
    char name[VX_NAME_SIZE] = "old text";
    b.VXWL_ReadActiveProfileName(name);
    EXPECT_STREQ("Home", name);
    int count = 0;
    b.VXWL_ReadProfileList(nullptr, &count);
    EXPECT_EQ(1, count);
    EXPECT_EQ(0, b.VXWL_ReadRadioStatus());
    EXPECT_EQ(OP_MODE_STATION_AP, b.VXWL_ReadOpMode());
    EXPECT_EQ(VXWL_ERROR_DUPLICATE_PROFILE, b.VXWL_CheckDuplicatedProfileName("HOME"));
    if (addressable) {
        VX_PAC_ENTRY back[4] = {};
        int pacCount = 4;
        b.VXWL_ReadPACList(back, &pacCount, "Home");
        EXPECT_EQ(2, pacCount);
        EXPECT_STREQ("corp.pac", back[1].szFileName);
    }

    // Renaming through the write key keeps the active name in step.
    std::snprintf(p.strProfileName, sizeof p.strProfileName, "House");
    b.VXWL_WriteProfile("Home", &p);
    b.VXWL_ReadActiveProfileName(name);
    EXPECT_STREQ("House", name);
    b.VXWL_ResetToDefaultConnecctionSetting();
    b.VXWL_ReadActiveProfileName(name);
    EXPECT_STREQ("", name);

    b.Reset(SimScenario());
    SimWorld c;
    c.SetStore(&store);
    c.Load(SimScenario());
    c.VXWL_ReadProfileList(nullptr, &count);
    EXPECT_EQ(0, count);
    EXPECT_EQ(1, c.VXWL_ReadRadioStatus());
}

TEST_F(SimFixture, InjectedFailureHitsTheNextCallOnly)
{
    world.FailNextCall("VXWL_SetAndWriteRadioState", 0);
    int result = 1;
    EXPECT_TRUE(world.TakeFailure("VXWL_SetAndWriteRadioState", result));
    EXPECT_EQ(0, result);
    EXPECT_FALSE(world.TakeFailure("VXWL_SetAndWriteRadioState", result));
}

TEST_F(SimFixture, DriverInitialisationAndEapHostWindow)
{
    SimScenario late;
    late.initPolls = 2;
    world.Reset(late);
    world.SetManualClock(true);
    world.VXWL_Initial("Ombrel", Window());
    world.VXWL_AdapterSelect(&Adapter(), NoCallback, Window());
    int done = 1;
    world.VXWL_QueryInitState(&done);
    EXPECT_EQ(0, done);
    EXPECT_EQ(VxStatus_NoDriverState, Status().ConnectState);
    world.VXWL_QueryInitState(&done);
    world.VXWL_QueryInitState(&done);
    EXPECT_EQ(1, done);
    EXPECT_EQ(VxStatus_Disconnected, Status().ConnectState);

    world.VXWL_StartEapHostPeerInvokeConfigUI("", nullptr, nullptr);
    Advance(1000);
    EXPECT_EQ((std::vector<uint32_t>{VXWL_MSG_ENABLE_MAIN, VXWL_MSG_CONNECT_SURVEY}), posts);
}

TEST_F(SimFixture, SystemServiceHandOverAndDriverValuesFromTheScenario)
{
    world.SetWinOS(8);
    world.VXWL_WriteRegValue("NetworkType", VXWL_REG_TEXT, "1", 1);
    EXPECT_EQ(VX_ZERO_CONFIG_SYSTEM, world.VXWL_IsZeroConfig());
    world.VXWL_Release();
    EXPECT_EQ(0, world.VXWL_IsWpaCapable());
    world.VXWL_AdapterSelect(&Adapter(), NoCallback, Window());
    EXPECT_EQ(0, world.VXWL_IsZeroConfig());
    EXPECT_EQ(1, world.VXWL_IsWpaCapable());

    // A driver left in AP mode while the stored mode is station.
    SimScenario s = SimScenario::FromIni("[Adapter]\nDriverOpMode=1\nHwRadio=0\n");
    world.Reset(s);
    EXPECT_EQ(OP_MODE_STATION, world.VXWL_ReadOpMode());
    EXPECT_EQ(OP_MODE_AP, world.VXWL_QueryOPMode());
    int hw = 1, sw = 0;
    world.VXWL_QueryHWAndSWRadioState(&hw, &sw);
    EXPECT_EQ(0, hw);
    EXPECT_TRUE(world.SetScenarioValue("System.SSOAvailable", "1"));
    VX_SSO_RECORD sso{};
    EXPECT_EQ(0, world.VXWL_ReadSSOStatus(&sso));
    EXPECT_EQ(1u, sso.bAvailable);
    EXPECT_TRUE(world.SetScenarioValue("Adapter.InitPolls", "1"));
    int done = 1;
    world.VXWL_QueryInitState(&done);
    EXPECT_EQ(0, done);
    world.VXWL_QueryInitState(&done);
    EXPECT_EQ(1, done);
}

TEST_F(SimFixture, WpsRunsEndWithCredentialsOrTheirFailureCode)
{
    auto run = [&](uint32_t mode, const char* pin) {
        WPS_MODE m{};
        m.WpsMode = mode;
        std::memcpy(m.PIN, pin, std::strlen(pin));
        const uint8_t router[6] = {2, 0, 0, 0, 0, 8};
        std::memcpy(m.Bssid, router, 6);
        world.VXWL_SetWPSMode(m);
        Advance(20000);
        uint32_t status = 0;
        world.VXWL_QueryWPSStatus(&status);
        return status;
    };
    EXPECT_EQ(258u, run(VX_WPS_RUN_PBC, "")); // no access point has its button pressed
    EXPECT_EQ(VX_WPS_STATUS_PIN_BIT | 262u, run(VX_WPS_RUN_PIN, "11111111"));
    EXPECT_EQ(VX_WPS_STATUS_PIN_BIT | 15u, run(VX_WPS_RUN_PIN, "12345670"));
    WPS_PROFILE got{};
    world.VXWL_QueryWPSProfile(&got);
    ASSERT_EQ(1u, got.ProfileCnt);
    EXPECT_EQ("WpsRouter", VxSsidString(got.Profile[0].SSID, got.Profile[0].SsidLength));
    int channel = 0;
    world.VXWL_QueryWPSAPChannel(&channel);
    EXPECT_EQ(9, channel);

    // The credential connects.
    world.VXWL_ConnectWPSProfile(got.Profile[0]);
    Advance(3000);
    EXPECT_TRUE(VxLinkIsConnected(Status()));

    // The adapter's own button: reported once, and the driver runs the session itself.
    const uint8_t router[6] = {2, 0, 0, 0, 0, 8};
    world.PressWpsButton(router);
    world.SetScenarioValue("Adapter.WpsButton", "1");
    int pressed = 0;
    world.VXWL_QueryWPSHwPbc(&pressed);
    EXPECT_EQ(1, pressed);
    world.VXWL_QueryWPSHwPbc(&pressed);
    EXPECT_EQ(0, pressed);
    Advance(20000);
    uint32_t status = 0;
    world.VXWL_QueryWPSStatus(&status);
    EXPECT_EQ(15u, status);
}

TEST_F(SimFixture, CredentialsWrittenDuringTheConnectAreTheOnesSent)
{
    WLANPROFILE p = Eap("CorpEAP", VX_EAP_PEAP);
    std::snprintf(p.chID, sizeof p.chID, "alice");
    world.VXWL_SetWLANProfile(&p); // no password yet
    Advance(100);
    world.VXWL_WriteIDnPasswd("", "wonderland");
    Advance(3000);
    EXPECT_TRUE(VxLinkIsConnected(Status()));
    EXPECT_EQ(0, std::count(callbacks.begin(), callbacks.end(), uint32_t(RS_CBS_AU_STATUS_CLIENT_IDENTITY_REJECTED)));

    // The target vanishing between the steps ends the attempt.
    world.VXWL_Disassociate();
    WLANPROFILE q = Profile("OpenCafe", VX_AUTH_OPEN, VX_ENCRY_NONE);
    world.VXWL_SetWLANProfile(&q);
    const uint8_t cafe[6] = {2, 0, 0, 0, 0, 1};
    world.RemoveNetwork(cafe);
    Advance(3000);
    EXPECT_FALSE(VxLinkIsConnected(Status()));
}

TEST_F(SimFixture, ExpiredPasswordAndPacExchangeOfEapFast)
{
    SimNetwork fast;
    std::map<std::string, std::string> values = {{"ssid", "FastLab"},  {"bssid", "02:00:00:00:00:20"},
                                                 {"channel", "1"},     {"security", "WPA2"},
                                                 {"eap", "EAP-FAST"}, {"users", "carol:old-pw!"}};
    ASSERT_TRUE(SimNetworkFromValues(values, fast));
    ASSERT_TRUE(world.AddNetwork(fast));
    WLANPROFILE p = Eap("FastLab", VX_EAP_FAST);
    std::snprintf(p.chID, sizeof p.chID, "carol");
    std::snprintf(p.chPassword, sizeof p.chPassword, "old-pw");

    // First connect: the PAC is provisioned, and the expired password asks for a new one.
    world.VXWL_SetWLANProfile(&p);
    Advance(3000);
    const std::vector<uint32_t> first = {RS_CBS_AU_STATUS_START, RS_CBS_AU_STATUS_LINK_UP,
                                         RS_CBS_AU_STATUS_AUTHENTICATING, RS_CBS_FAST_PAC_AID_INFO,
                                         RS_CBS_FAST_LOAD_PAC, RS_CBS_FAST_SAVE_PAC,
                                         RS_CBS_AU_STATUS_FAST_PROVISIONING_SUCCESS, RS_CBS_CHANGE_PASSWORD_REQUEST};
    EXPECT_EQ(first, callbacks);
    EXPECT_FALSE(VxLinkIsConnected(Status()));
    callbacks.clear();
    world.OnCallbackReply(RS_CBS_CHANGE_PASSWORD_REQUEST, "new-pw");
    Advance(10);
    EXPECT_EQ((std::vector<uint32_t>{RS_CBS_CHANGE_PASSWORD_SUCCESS, RS_CBS_AU_STATUS_AUTHENTICATED,
                                     RS_CBS_AU_STATUS_MEDIA_CONNECT, RS_CBS_PORT_SECURED}),
              callbacks);
    EXPECT_TRUE(VxLinkIsConnected(Status()));

    // With the PAC saved and the new password, the next connect goes straight through.
    const uint8_t pac[VX_PAC_BLOB_SIZE] = {};
    world.VXWL_FastPacSave(pac, "C:\\PAC\\carol.pac", "VxPacAuthority");
    std::snprintf(p.chPassword, sizeof p.chPassword, "new-pw");
    callbacks.clear();
    world.VXWL_SetWLANProfile(&p);
    Advance(3000);
    EXPECT_EQ((std::vector<uint32_t>{RS_CBS_AU_STATUS_START, RS_CBS_AU_STATUS_LINK_UP,
                                     RS_CBS_AU_STATUS_AUTHENTICATING, RS_CBS_FAST_PAC_AID_INFO, RS_CBS_FAST_LOAD_PAC,
                                     RS_CBS_AU_STATUS_AUTHENTICATED, RS_CBS_AU_STATUS_MEDIA_CONNECT,
                                     RS_CBS_PORT_SECURED}),
              callbacks);

    // A cancelled prompt returns the old password: the identity is refused.
    SimNetwork again = fast;
    again.bssid[5] = 0x21;
    again.ssid = "FastLab2";
    world.AddNetwork(again);
    WLANPROFILE q = Eap("FastLab2", VX_EAP_FAST);
    std::snprintf(q.chID, sizeof q.chID, "carol");
    std::snprintf(q.chPassword, sizeof q.chPassword, "old-pw");
    world.VXWL_SetWLANProfile(&q);
    Advance(3000);
    callbacks.clear();
    world.OnCallbackReply(RS_CBS_CHANGE_PASSWORD_REQUEST, "old-pw");
    Advance(10);
    EXPECT_EQ(std::vector<uint32_t>{RS_CBS_AU_STATUS_CLIENT_IDENTITY_REJECTED}, callbacks);
    EXPECT_FALSE(VxLinkIsConnected(Status()));
}
