#include "app/VxConfig.h"

#include "framework/VxString.h"


namespace {

// Every value passes through a 64-byte field.
std::string Cut(std::string s)
{
    if (s.size() > static_cast<size_t>(VX_CONFIG_VALUE_MAX))
        s.resize(VX_CONFIG_VALUE_MAX);
    return s;
}

struct Reader {
    const VxIniReader& read;
    std::string Text(const char* section, const char* key, const char* def) const
    {
        return Cut(read(section, key, def));
    }
    bool Flag(const char* section, const char* key, const char* def) const
    {
        return VxParseFlag(Text(section, key, def));
    }
    int Number(const char* section, const char* key, const char* def) const
    {
        return VxParseNumber(Text(section, key, def));
    }
    void CopyText(char (&dst)[VX_CONFIG_VALUE_MAX + 1], const char* section, const char* key, const char* def) const
    {
        VxCopyText(dst, sizeof dst, Text(section, key, def).c_str());
    }
};

} // namespace

bool VxParseFlag(const std::string& value)
{
    return value != "0";
}

int VxParseNumber(const std::string& value)
{
    return VxAtoi(value.c_str());
}

int VxParseTimerSeconds(const std::string& value)
{
    const int n = VxParseNumber(value);
    if (n <= 0)
        return 60;
    return n > VX_MAX_TIMER_SECONDS ? VX_MAX_TIMER_SECONDS : n;
}

int VxParseButtonSequence(const std::string& value, int winOs, bool isAdmin, int (&out)[VX_MAX_BUTTONS])
{
    if (value.empty()) {
        for (int i = 0; i < VX_MAX_BUTTONS; ++i)
            out[i] = i;
        return VX_MAX_BUTTONS;
    }
    const bool allow12 = winOs > 11 && isAdmin;
    int count = 0;
    size_t start = 0;
    while (count < VX_MAX_BUTTONS && start <= value.size()) {
        size_t comma = value.find(',', start);
        if (comma == std::string::npos)
            comma = value.size();
        const int n = VxParseNumber(value.substr(start, comma - start));
        if (n != 12 || allow12)
            out[count++] = n;
        start = comma + 1;
    }
    return count;
}

VXUI_CONFIG VxLoadConfig(const VxIniReader& read, int winOs, bool isAdmin)
{
    const Reader r{read};
    VXUI_CONFIG c;
    c.bEAPFastEnhancement = r.Flag("Advance", "EAPFastEnhancement", "1");
    c.bOpenFile = r.Flag("Advance", "OpenFile", "0");
    c.bTxRate = r.Flag("Advance", "TxRate", "0");
    c.bBgProtection = r.Flag("Advance", "BgProtection", "0");
    c.bHTSetting = r.Flag("Advance", "HT Setting", "0");
    c.bSupportPhyModeinWps = r.Flag("Advance", "SupportPhyModeinWps", "0");
    c.bActiveProfileIcon = r.Flag("Advance", "ActiveProfileIcon", "1");
    c.nRetryConnectTimer = VxParseTimerSeconds(r.Text("Advance", "RetryConnectTimer", "60"));
    c.bSelect11nDialog = r.Flag("Advance", "Select11nDialog", "0");
    c.bRenewIPStatus = r.Flag("Advance", "RenewIPStatus", "0");
    c.bTDLSControl = r.Flag("Advance", "TDLSControl", "0");
    c.bACKPolicyCoexMode11nPage = r.Flag("Advance", "ACKPolicy_CoexMode_11nPage", "0");
    if (c.bSelect11nDialog) {
        c.bTxRate = true;
        c.bHTSetting = true;
    }

    c.bSupportWAPI = r.Flag("AuthEncry", "SupportWAPI", "0");
    c.bShowPassword = r.Flag("AuthEncry", "ShowPassword", "0");
    c.bWPA2PSKForAdhocXP = r.Flag("AuthEncry", "WPA2PSKForAdhocXP", "0");

    c.bShowCountryRegion = r.Flag("CountryRegion", "ShowCountryRegion", "1");

    r.CopyText(c.szSoftAPUIName, "Custom", "SoftAP_UIName", "Kestrova_WLAN_USB_Utility");
    r.CopyText(c.szShortCutFolderName, "Custom", "ShortCut_FolderName", "Kestrova WLAN");
    r.CopyText(c.szShortCutIconName, "Custom", "ShortCut_IconName", "Kestrova Wireless Utility");

    c.bProhibitWEPonHT = r.Flag("Settings", "ProhibitWEPonHT", "0");
    c.bProhibitTKIPonHT = r.Flag("Settings", "ProhibitTKIPonHT", "0");
    c.nDebugMode = r.Number("Settings", "DebugMode", "0");
    c.nWPSRotatePeriod = VxParseTimerSeconds(r.Text("Settings", "WPSRotatePeriod", "60"));

    c.bRTSSuccessCount = r.Flag("Statistics", "RTSSuccessCount", "0");
    c.bRTSFailureCount = r.Flag("Statistics", "RTSFailureCount", "0");

    c.bSsoPEAP = r.Flag("SSO", "PEAP", "0");
    c.bSsoTLSSmartCard = r.Flag("SSO", "TLS_SmartCard", "0");
    c.bSsoTTLS = r.Flag("SSO", "TTLS", "0");
    c.bSsoMD5 = r.Flag("SSO", "MD5", "0");
    c.bSsoOpenNone = r.Flag("SSO", "Open-None", "0");
    c.bSsoOpenWEP = r.Flag("SSO", "Open-WEP", "0");
    c.bSsoSharedWEP = r.Flag("SSO", "Shared-WEP", "0");
    c.bSsoWPAPSK = r.Flag("SSO", "WPA-PSK", "0");
    c.bSsoWPA2PSK = r.Flag("SSO", "WPA2-PSK", "0");
    c.bSsoEAPFAST = r.Flag("SSO", "EAP-FAST", "1");
    c.bSsoLEAP = r.Flag("SSO", "LEAP", "1");

    c.nButtonCount = VxParseButtonSequence(r.Text("UI Button", "Button Sequence", ""), winOs, isAdmin,
                                           c.aButtonSequence);
    c.bCCXForWin7 = r.Flag("UI Button", "CCXForWin7", "0");

    c.bWPSAssociateIE = r.Flag("WPS", "WPS_AssociateIE", "0");
    c.bWPSProbeIE = r.Flag("WPS", "WPS_ProbeIE", "0");
    return c;
}

int VxReadDebugMode(const VxIniReader& read)
{
    return VxParseNumber(Cut(read("Settings", "DebugMode", "0")));
}

std::string VxConfigPathForProgram(const std::string& programPath)
{
    const size_t dot = programPath.rfind('.');
    if (dot == std::string::npos)
        return programPath + ".ini";
    return programPath.substr(0, dot + 1) + "ini";
}

bool VxIsSsoMethodAllowed(const VXUI_CONFIG& c, bool b8021X, int eapMethod, int authMode, int encryption)
{
    if (b8021X) {
        switch (eapMethod) {
        case 0: if (c.bSsoPEAP) return true; break;
        case 1: if (c.bSsoTLSSmartCard) return true; break;
        case 2: if (c.bSsoTTLS) return true; break;
        case 3: if (c.bSsoEAPFAST) return true; break;
        case 4: if (c.bSsoMD5) return true; break;
        case 5: if (c.bSsoLEAP) return true; break;
        default: break;
        }
    }
    if (authMode == 0 && encryption == 1 && c.bSsoOpenNone)
        return true;
    if (authMode == 0 && encryption == 0 && c.bSsoOpenWEP)
        return true;
    if (authMode == 1 && encryption == 0 && c.bSsoSharedWEP)
        return true;
    if (authMode == 4 && c.bSsoWPAPSK)
        return true;
    if (authMode == 7 && c.bSsoWPA2PSK)
        return true;
    return false;
}
