#include "app/Trace.h"
#include "device/RecordDump.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string g_dump;
void Capture(const char* text) { g_dump += text; }

struct DeviceDump : ::testing::Test {
    DeviceDump()
    {
        g_dump.clear();
        VxSetTraceSink(Capture);
    }
    ~DeviceDump() override
    {
        VxSetTraceSink(nullptr);
        VxSetTraceLevel(0);
    }
};

} // namespace

TEST_F(DeviceDump, ProfileDumpFormatWithSecretsAsLengths)
{
    WLANPROFILE p{};
    p.bBssid = 1;
    p.SsidLength = 200; // longer than the field: only 32 bytes are printed
    std::memset(p.Ssid, 'S', sizeof p.Ssid);
    const uint8_t mac[6] = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    std::memcpy(p.Bssid, mac, 6);
    std::memcpy(p.chPskKey, "very-secret-passphrase", 22);
    std::memcpy(p.WEPKey1, "12345", 5);
    std::memcpy(p.chPassword, "pw!", 3);
    std::memset(p.chID, 'i', sizeof p.chID); // not terminated
    p.configSta.EnableTxBurst = 1;
    p.CA_cert.BlobLength = 2;
    p.CA_cert.BlobData[1] = 0xAB;

    VxSetTraceLevel(3);
    VxDumpWlanProfile(p);
    EXPECT_EQ("", g_dump);

    VxSetTraceLevel(4);
    VxDumpWlanProfile(p);
    EXPECT_EQ(0u, g_dump.find("[VxUI] struct WLANPROFILE:\n[VxUI] \tbBssid = 1\n[VxUI] \tSsidLength = 200\n"));
    EXPECT_NE(std::string::npos, g_dump.find("[VxUI] \tSsid = " + std::string(32, 'S') + "\n"));
    EXPECT_NE(std::string::npos, g_dump.find("[VxUI] \tBssid = 00:1A:2B:3C:4D:5E\n"));
    EXPECT_NE(std::string::npos, g_dump.find("[VxUI] \tRT_802_11_STA_CONFIG configSta:\n[VxUI] \t\tEnableTxBurst = 1\n"));
    EXPECT_NE(std::string::npos, g_dump.find("[VxUI] \t\tBlobLength = 2\n[VxUI] \t\tBlobData[0] = 0x0\n"
                                             "[VxUI] \t\tBlobData[1] = 0xAB\n[VxUI] \tRT_BLOB_KEY user_cert:"));
    EXPECT_NE(std::string::npos, g_dump.find("[VxUI] \tchID = " + std::string(128, 'i') + "\n"));
    EXPECT_NE(std::string::npos, g_dump.find("[VxUI] \tchPskKey = (22 characters)\n"));
    EXPECT_NE(std::string::npos, g_dump.find("[VxUI] \tWEPKey1 = (5 characters)\n"));
    EXPECT_EQ(std::string::npos, g_dump.find("very-secret"));
    EXPECT_EQ(std::string::npos, g_dump.find("12345"));
    EXPECT_EQ(std::string::npos, g_dump.find("pw!"));
    EXPECT_NE(std::string::npos, g_dump.find("[VxUI] \tbCacheUserInfo = 0\n"));
}

TEST_F(DeviceDump, WpsRecordsHidePinAndKeysAndStayWithinTheTable)
{
    VxSetTraceLevel(4);
    WPS_MODE m{};
    std::memcpy(m.PIN, "12345670", 8); // not terminated
    m.SsidLength = 4;
    std::memcpy(m.WpsSSID, "Home", 4);
    VxDumpWpsMode(m);
    WPS_PROFILE p{};
    p.ProfileCnt = 200;
    std::memcpy(p.Profile[7].Key, "wps-passphrase", 14);
    p.Profile[7].KeyLength = 14;
    VxDumpWpsProfile(p);
    EXPECT_NE(std::string::npos, g_dump.find("[VxUI] \tPIN = (8 characters)\n"));
    EXPECT_NE(std::string::npos, g_dump.find("[VxUI] \tWpsSSID = Home\n"));
    EXPECT_NE(std::string::npos, g_dump.find("[VxUI] \tWPS_CREDENTIAL Profile[7]:\n"));
    EXPECT_EQ(std::string::npos, g_dump.find("Profile[8]"));
    EXPECT_NE(std::string::npos, g_dump.find("[VxUI] \t\tKey = (14 characters)\n"));
    EXPECT_EQ(std::string::npos, g_dump.find("12345670"));
    EXPECT_EQ(std::string::npos, g_dump.find("wps-passphrase"));

    g_dump.clear();
    ADVANCE_CONFIG_DATA d{};
    d.TransmitSetting.MCS = 33;
    d.CCX2Control.dBmToRoam = 70;
    VxDumpAdvanceConfigData(d);
    EXPECT_NE(std::string::npos, g_dump.find("[VxUI] \tCCX2_CONTROL CCX2Control:\n"));
    EXPECT_NE(std::string::npos, g_dump.find("[VxUI] \t\tdBmToRoam = 70\n"));
    EXPECT_NE(std::string::npos, g_dump.find("[VxUI] \tTRANSMIT_SETTING TransmitSetting:\n"));
    EXPECT_NE(std::string::npos, g_dump.find("[VxUI] \t\tMCS = 33\n"));
}
