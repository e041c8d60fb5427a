// The utility configuration file: every key, its default and how it is parsed.
// Portable: the file itself is read through a reader function (the Windows build uses
// the private-profile reader).
#pragma once

#include <functional>
#include <string>

// Returns the value of section/key, or `def` when the key is missing.
using VxIniReader = std::function<std::string(const char* section, const char* key, const char* def)>;

// Values keep at most this many characters (a 64-byte field with its terminator).
constexpr int VX_CONFIG_VALUE_MAX = 63;
constexpr int VX_MAX_BUTTONS = 13;
// Timer intervals in seconds must fit a millisecond count of the timer's range.
constexpr int VX_MAX_TIMER_SECONDS = 2147483;

struct VXUI_CONFIG {
    // [Advance]
    bool bEAPFastEnhancement = true;
    bool bOpenFile = false;
    bool bTxRate = false;
    bool bBgProtection = false;
    bool bHTSetting = false;
    bool bSupportPhyModeinWps = false;
    bool bActiveProfileIcon = true;
    int nRetryConnectTimer = 60;
    bool bSelect11nDialog = false;
    bool bRenewIPStatus = false;
    bool bTDLSControl = false;
    bool bACKPolicyCoexMode11nPage = false;
    // [AuthEncry]
    bool bSupportWAPI = false;
    bool bShowPassword = false;
    bool bWPA2PSKForAdhocXP = false;
    // [CountryRegion]
    bool bShowCountryRegion = true;
    // [Custom]
    char szSoftAPUIName[VX_CONFIG_VALUE_MAX + 1] = "Kestrova_WLAN_USB_Utility";
    char szShortCutFolderName[VX_CONFIG_VALUE_MAX + 1] = "Kestrova WLAN";
    char szShortCutIconName[VX_CONFIG_VALUE_MAX + 1] = "Kestrova Wireless Utility";
    // [Settings]
    bool bProhibitWEPonHT = false;
    bool bProhibitTKIPonHT = false;
    int nDebugMode = 0;
    int nWPSRotatePeriod = 60;
    // [Statistics]
    bool bRTSSuccessCount = false;
    bool bRTSFailureCount = false;
    // [SSO] methods allowed for single sign-on
    bool bSsoPEAP = false;
    bool bSsoTLSSmartCard = false;
    bool bSsoTTLS = false;
    bool bSsoMD5 = false;
    bool bSsoOpenNone = false;
    bool bSsoOpenWEP = false;
    bool bSsoSharedWEP = false;
    bool bSsoWPAPSK = false;
    bool bSsoWPA2PSK = false;
    bool bSsoEAPFAST = true;
    bool bSsoLEAP = true;
    // [UI Button]
    int aButtonSequence[VX_MAX_BUTTONS] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    int nButtonCount = VX_MAX_BUTTONS;
    bool bCCXForWin7 = false;
    // [WPS]
    bool bWPSAssociateIE = false;
    bool bWPSProbeIE = false;
};

// Reads every key. `winOs` and `isAdmin` decide whether button 12 may stay in the sequence.
VXUI_CONFIG VxLoadConfig(const VxIniReader& read, int winOs, bool isAdmin);

// Re-reads only [Settings] DebugMode.
int VxReadDebugMode(const VxIniReader& read);

// The configuration file of a program: everything after the last dot of its full path
// becomes "ini".
std::string VxConfigPathForProgram(const std::string& programPath);

// Parsing rules, exposed for the callers that read single values.
bool VxParseFlag(const std::string& value);
int VxParseNumber(const std::string& value);
// A timer interval in seconds: 0 or less becomes 60, and it is capped to the timer range.
int VxParseTimerSeconds(const std::string& value);
// "Button Sequence": empty gives 0..12; otherwise the listed numbers in order, 12 kept only
// for administrators on codes above 11, at most 13 entries. Returns the entry count.
int VxParseButtonSequence(const std::string& value, int winOs, bool isAdmin, int (&out)[VX_MAX_BUTTONS]);

// The single-sign-on method rule: whether a profile with these settings may take part.
bool VxIsSsoMethodAllowed(const VXUI_CONFIG& cfg, bool b8021X, int eapMethod, int authMode, int encryption);
