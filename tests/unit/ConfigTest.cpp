#include "app/VxConfig.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

// An in-memory configuration file: "Section/Key" -> value.
struct FakeIni {
    std::map<std::string, std::string> values;
    VxIniReader Reader() const
    {
        return [this](const char* section, const char* key, const char* def) {
            auto it = values.find(std::string(section) + "/" + key);
            return it == values.end() ? std::string(def) : it->second;
        };
    }
};

VXUI_CONFIG Load(const std::map<std::string, std::string>& values, int winOs = 12, bool admin = false)
{
    FakeIni ini{values};
    return VxLoadConfig(ini.Reader(), winOs, admin);
}

std::vector<int> Buttons(const VXUI_CONFIG& c)
{
    return std::vector<int>(c.aButtonSequence, c.aButtonSequence + c.nButtonCount);
}

} // namespace

TEST(Config, DefaultsWhenTheFileIsMissing)
{
    const VXUI_CONFIG c = Load({});
    EXPECT_TRUE(c.bEAPFastEnhancement);
    EXPECT_TRUE(c.bActiveProfileIcon);
    EXPECT_TRUE(c.bShowCountryRegion);
    EXPECT_FALSE(c.bTxRate);
    EXPECT_FALSE(c.bHTSetting);
    EXPECT_EQ(60, c.nRetryConnectTimer);
    EXPECT_EQ(60, c.nWPSRotatePeriod);
    EXPECT_EQ(0, c.nDebugMode);
    EXPECT_STREQ("Kestrova_WLAN_USB_Utility", c.szSoftAPUIName);
    EXPECT_STREQ("Kestrova WLAN", c.szShortCutFolderName);
    EXPECT_STREQ("Kestrova Wireless Utility", c.szShortCutIconName);
    EXPECT_TRUE(c.bSsoEAPFAST);
    EXPECT_TRUE(c.bSsoLEAP);
    EXPECT_FALSE(c.bSsoPEAP);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), Buttons(c));
}

struct TimerCase {
    const char* value;
    int seconds;
};

TEST(Config, TimerIntervals)
{
    const TimerCase cases[] = {
        {"abc", 60}, {"5", 5}, {"0", 60}, {"-3", 60}, {"", 60}, {" 12s", 12},
        // Capped so that the millisecond count fits the timer's range.
        {"99999999", 2147483}, {"2147483", 2147483},
    };
    for (const TimerCase& t : cases) {
        const VXUI_CONFIG c = Load({{"Advance/RetryConnectTimer", t.value}, {"Settings/WPSRotatePeriod", t.value}});
        EXPECT_EQ(t.seconds, c.nRetryConnectTimer) << "RetryConnectTimer=" << t.value;
        EXPECT_EQ(t.seconds, c.nWPSRotatePeriod) << "WPSRotatePeriod=" << t.value;
    }
}

struct FlagCase {
    const char* value; // nullptr: key missing
    bool expected;
};

TEST(Config, FlagRuleIsAPlainComparisonWithZero)
{
    const FlagCase cases[] = {{nullptr, false}, {"0", false}, {"1", true}, {"", true}, {"00", true}, {"no", true}};
    for (const FlagCase& f : cases) {
        std::map<std::string, std::string> values;
        if (f.value)
            values["SSO/PEAP"] = f.value;
        EXPECT_EQ(f.expected, Load(values).bSsoPEAP) << (f.value ? f.value : "(missing)");
    }
    // A flag whose default is "1" is false only when written as "0".
    EXPECT_FALSE(Load({{"SSO/LEAP", "0"}}).bSsoLEAP);
    EXPECT_TRUE(Load({{"SSO/LEAP", "false"}}).bSsoLEAP);
}

TEST(Config, Select11nDialogForcesTxRateAndHtSetting)
{
    const VXUI_CONFIG on = Load({{"Advance/Select11nDialog", "1"}, {"Advance/TxRate", "0"}, {"Advance/HT Setting", "0"}});
    EXPECT_TRUE(on.bTxRate);
    EXPECT_TRUE(on.bHTSetting);
    const VXUI_CONFIG off = Load({{"Advance/Select11nDialog", "0"}, {"Advance/TxRate", "0"}});
    EXPECT_FALSE(off.bTxRate);
    EXPECT_FALSE(off.bHTSetting);
}

struct ButtonCase {
    const char* value;
    int winOs;
    bool admin;
    std::vector<int> buttons;
};

TEST(Config, ButtonSequence)
{
    const ButtonCase cases[] = {
        {"3,0,12", 12, false, {3, 0}},
        {"3,0,12", 12, true, {3, 0, 12}},
        {"3,0,12", 11, true, {3, 0}},
        {"12", 13, false, {}},
        {" 4, 2 ,x", 12, false, {4, 2, 0}},
        {"1,1,1,1,1,1,1,1,1,1,1,1,1,1,1", 12, false, std::vector<int>(13, 1)},
        // Other numbers are kept as written; the button bar decides what they show.
        {"-1,15,7", 12, false, {-1, 15, 7}},
    };
    for (const ButtonCase& b : cases)
        EXPECT_EQ(b.buttons, Buttons(Load({{"UI Button/Button Sequence", b.value}}, b.winOs, b.admin)))
            << b.value << " os " << b.winOs << " admin " << b.admin;
}

TEST(Config, ValuesKeepAtMost63Characters)
{
    const std::string eighty(80, 'n');
    const VXUI_CONFIG c = Load({{"Custom/SoftAP_UIName", eighty}, {"Custom/ShortCut_IconName", "Icon"}});
    EXPECT_EQ(eighty.substr(0, 63), c.szSoftAPUIName);
    EXPECT_STREQ("Icon", c.szShortCutIconName);
    // The cut applies before parsing: a long list loses its tail.
    std::string list;
    for (int i = 0; i < 30; ++i)
        list += "11,";
    EXPECT_EQ(13, Load({{"UI Button/Button Sequence", list}}).nButtonCount);
    const std::string longNumber = std::string(62, ' ') + "45";
    EXPECT_EQ(4, Load({{"Settings/DebugMode", longNumber}}).nDebugMode);
}

TEST(Config, DebugModeIsReadAgainAlone)
{
    FakeIni ini{{{"Settings/DebugMode", "4"}, {"Advance/TxRate", "1"}}};
    EXPECT_EQ(4, VxReadDebugMode(ini.Reader()));
    ini.values["Settings/DebugMode"] = "x";
    EXPECT_EQ(0, VxReadDebugMode(ini.Reader()));
}

TEST(Config, PathOfTheConfigurationFile)
{
    EXPECT_EQ("C:\\Program Files\\Ombrel\\VxUI.ini", VxConfigPathForProgram("C:\\Program Files\\Ombrel\\VxUI.exe"));
    EXPECT_EQ("C:\\a.b\\Tool.v2.ini", VxConfigPathForProgram("C:\\a.b\\Tool.v2.exe"));
}

struct SsoCase {
    const char* key;
    bool b8021X;
    int eap, auth, encryption;
};

TEST(Config, SingleSignOnMethodRule)
{
    const SsoCase cases[] = {
        {"PEAP", true, 0, 6, 4},       {"TLS_SmartCard", true, 1, 6, 6}, {"TTLS", true, 2, 3, 4},
        {"EAP-FAST", true, 3, 6, 6},   {"MD5", true, 4, 0, 0},           {"LEAP", true, 5, 0, 0},
        {"Open-None", false, 0, 0, 1}, {"Open-WEP", false, 0, 0, 0},     {"Shared-WEP", false, 0, 1, 0},
        {"WPA-PSK", false, 0, 4, 4},   {"WPA2-PSK", false, 0, 7, 6},
    };
    const char* keys[] = {"PEAP", "TLS_SmartCard", "TTLS", "EAP-FAST", "MD5", "LEAP",
                          "Open-None", "Open-WEP", "Shared-WEP", "WPA-PSK", "WPA2-PSK"};
    for (const SsoCase& s : cases) {
        // Only the method's own key allows the profile.
        std::map<std::string, std::string> onlyThis;
        for (const char* k : keys)
            onlyThis[std::string("SSO/") + k] = std::string(k) == s.key ? "1" : "0";
        EXPECT_TRUE(VxIsSsoMethodAllowed(Load(onlyThis), s.b8021X, s.eap, s.auth, s.encryption)) << s.key;
        onlyThis[std::string("SSO/") + s.key] = "0";
        EXPECT_FALSE(VxIsSsoMethodAllowed(Load(onlyThis), s.b8021X, s.eap, s.auth, s.encryption)) << s.key;
    }
    // An EAP method counts only with 802.1X on.
    EXPECT_FALSE(VxIsSsoMethodAllowed(Load({}), false, 3, 6, 6));
    EXPECT_TRUE(VxIsSsoMethodAllowed(Load({}), true, 3, 6, 6));
}
