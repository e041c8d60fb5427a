#include "device/RecordDump.h"

#include "app/Trace.h"
#include "device/ScanTable.h"

#include <cstring>

namespace {

constexpr int kDumpLevel = 4;

// Text fields are printed within their size, whether terminated or not.
void Text(const char* indent, const char* name, const char* text, size_t size)
{
    VxTraceLevel(kDumpLevel, "[VxUI] %s%s = %.*s\n", indent, name, static_cast<int>(strnlen(text, size)), text);
}

// Secrets: only their length.
void Secret(const char* indent, const char* name, const char* text, size_t size)
{
    VxTraceLevel(kDumpLevel, "[VxUI] %s%s = (%d characters)\n", indent, name, static_cast<int>(strnlen(text, size)));
}

void Int(const char* indent, const char* name, long long value)
{
    VxTraceLevel(kDumpLevel, "[VxUI] %s%s = %lld\n", indent, name, value);
}

void Bytes(const char* indent, const char* name, const uint8_t* bytes, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        VxTraceLevel(kDumpLevel, "[VxUI] %s%s[%d] = 0x%X\n", indent, name, static_cast<int>(i), bytes[i]);
}

void Mac(const char* indent, const char* name, const uint8_t* m)
{
    VxTraceLevel(kDumpLevel, "[VxUI] %s%s = %02X:%02X:%02X:%02X:%02X:%02X\n", indent, name, m[0], m[1], m[2], m[3],
                 m[4], m[5]);
}

void Head(const char* indent, const char* text)
{
    VxTraceLevel(kDumpLevel, "[VxUI] %s%s\n", indent, text);
}

void SecretBytes(const char* indent, const char* name, size_t length)
{
    VxTraceLevel(kDumpLevel, "[VxUI] %s%s = (%d characters)\n", indent, name, static_cast<int>(length));
}

void Ccx2(const char* indent, const CCX2_CONTROL& c)
{
    Int(indent, "Enable", c.Enable);
    Int(indent, "CCKMEnable", c.CCKMEnable);
    Int(indent, "RMEnable", c.RMEnable);
    Int(indent, "DCRMEnable", c.DCRMEnable);
    Int(indent, "CACEnable", c.CACEnable);
    Int(indent, "FastRoamEnable", c.FastRoamEnable);
    Int(indent, "NetworkEAP", c.NetworkEAP);
    Int(indent, "RotateProfile", c.RotateProfile);
    Int(indent, "dBmToRoam", c.dBmToRoam);
    Int(indent, "TuLimit", c.TuLimit);
    Int(indent, "MFP", c.MFP);
    Int(indent, "RFRoamEnable", c.RFRoamEnable);
    Int(indent, "VoiceRate", c.VoiceRate);
}

void Credential(const char* indent, const WPS_CREDENTIAL& c)
{
    Int(indent, "SsidLength", c.SsidLength);
    Text(indent, "SSID", VxSsidString(c.SSID, c.SsidLength).c_str(), VX_SSID_MAX);
    VxTraceLevel(kDumpLevel, "[VxUI] %sAuthType = 0x%X\n", indent, c.AuthType);
    VxTraceLevel(kDumpLevel, "[VxUI] %sEncrType = 0x%X\n", indent, c.EncrType);
    Int(indent, "KeyIndex", c.KeyIndex);
    Int(indent, "KeyLength", c.KeyLength);
    SecretBytes(indent, "Key", c.KeyLength < sizeof c.Key ? c.KeyLength : sizeof c.Key);
    Mac(indent, "MacAddr", c.MacAddr);
}

void BlobKey(const char* name, const RT_BLOB_KEY& key)
{
    VxTraceLevel(kDumpLevel, "[VxUI] \tRT_BLOB_KEY %s:\n", name);
    Int("\t\t", "BlobLength", key.BlobLength);
    const uint32_t n = key.BlobLength < VX_BLOB_KEY_DATA ? key.BlobLength : VX_BLOB_KEY_DATA;
    Bytes("\t\t", "BlobData", key.BlobData, n);
}

} // namespace

void VxDumpWlanProfile(const WLANPROFILE& p)
{
    if (VxGetTraceLevel() < kDumpLevel)
        return;
    const char* t = "\t";
    const char* tt = "\t\t";
    Head("", "struct WLANPROFILE:");
    Int(t, "bBssid", p.bBssid);
    Int(t, "SsidLength", p.SsidLength);
    Text(t, "Ssid", VxSsidString(p.Ssid, p.SsidLength).c_str(), VX_SSID_MAX);
    Mac(t, "Bssid", p.Bssid);
    Int(t, "enumNetworkType", p.enumNetworkType);
    Int(t, "enumPreamType", p.enumPreamType);
    Int(t, "lRtsThre", p.lRtsThre);
    Int(t, "lFragThre", p.lFragThre);
    Int(t, "enumAuthenMode", p.enumAuthenMode);
    Int(t, "enumEncryStatus", p.enumEncryStatus);
    Int(t, "lTxPower", p.lTxPower);
    Secret(t, "WEPKey1", p.WEPKey1, sizeof p.WEPKey1);
    Int(t, "WEPKey1Type", p.WEPKey1Type);
    Secret(t, "WEPKey2", p.WEPKey2, sizeof p.WEPKey2);
    Int(t, "WEPKey2Type", p.WEPKey2Type);
    Secret(t, "WEPKey3", p.WEPKey3, sizeof p.WEPKey3);
    Int(t, "WEPKey3Type", p.WEPKey3Type);
    Secret(t, "WEPKey4", p.WEPKey4, sizeof p.WEPKey4);
    Int(t, "WEPKey4Type", p.WEPKey4Type);
    Int(t, "wepDefaultKey", p.wepDefaultKey);
    Int(t, "enumPSMode", p.enumPSMode);
    Int(t, "bACCam", p.bACCam);
    Int(t, "lFreq", p.lFreq);
    Int(t, "bDisassociate", p.bDisassociate);
    Int(t, "bUseDiagnostic", p.bUseDiagnostic);
    Int(t, "bSetAdvance", p.bSetAdvance);
    Int(t, "bSetOidFromProfilePageSetting", p.bSetOidFromProfilePageSetting);
    Bytes(t, "aryRates", p.aryRates, sizeof p.aryRates);
    Head(t, "RT_802_11_TX_RATES arySupDesRates:");
    Int(tt, "SupRateLen", p.arySupDesRates.SupRateLen);
    const uint8_t rates = p.arySupDesRates.SupRateLen < sizeof p.arySupDesRates.SupRate
                              ? p.arySupDesRates.SupRateLen
                              : static_cast<uint8_t>(sizeof p.arySupDesRates.SupRate);
    Bytes(tt, "SupRate", p.arySupDesRates.SupRate, rates);
    Head(t, "RT_802_11_STA_CONFIG configSta:");
    Int(tt, "EnableTxBurst", p.configSta.EnableTxBurst);
    Int(tt, "EnableTurboRate", p.configSta.EnableTurboRate);
    Int(tt, "UseBGProtection", p.configSta.UseBGProtection);
    Int(tt, "UseShortSlotTime", p.configSta.UseShortSlotTime);
    Int(tt, "AdhocMode", p.configSta.AdhocMode);
    Int(tt, "HwRadioStatus", p.configSta.HwRadioStatus);
    Int(tt, "Reserved", p.configSta.Reserved);
    Int(tt, "SystemErrorBitmap", p.configSta.SystemErrorBitmap);
    VxTraceLevel(kDumpLevel, "[VxUI] \tCCX2Control = 0x%X\n", p.CCX2Control.word);
    Int(t, "nCountryRegion", p.nCountryRegion);
    Int(t, "b8021X", p.b8021X);
    Int(t, "enumAuthenProtocol", p.enumAuthenProtocol);
    Int(t, "enumTunnel", p.enumTunnel);
    Int(t, "enumProvisioningTunnel", p.enumProvisioningTunnel);
    Int(t, "nSessionResumption", p.nSessionResumption);
    Int(t, "bClientCert", p.bClientCert);
    Int(t, "bClientCertInSmartCard", p.bClientCertInSmartCard);
    Int(t, "bServerCert", p.bServerCert);
    Int(t, "bPAC", p.bPAC);
    Int(t, "bProvision", p.bProvision);
    Text(t, "chPACfilepath", p.chPACfilepath, sizeof p.chPACfilepath);
    Int(t, "bIntermediateCert", p.bIntermediateCert);
    Int(t, "nServerNameRule", p.nServerNameRule);
    Text(t, "chID", p.chID, sizeof p.chID);
    Secret(t, "chPassword", p.chPassword, sizeof p.chPassword);
    Text(t, "chServerName", p.chServerName, sizeof p.chServerName);
    Text(t, "chDomainName", p.chDomainName, sizeof p.chDomainName);
    Secret(t, "chPskKey", p.chPskKey, sizeof p.chPskKey);
    Int(t, "nIDModeIndex", p.nIDModeIndex);
    Int(t, "nPskKeyLen", p.nPskKeyLen);
    Int(t, "nPskKeyType", p.nPskKeyType);
    Int(t, "nPasswordMode", p.nPasswordMode);
    BlobKey("CA_cert", p.CA_cert);
    BlobKey("user_cert", p.user_cert);
    const uint32_t blob = p.dwLenEapFastConfigBlob < VX_EAP_FAST_BLOB_SIZE ? p.dwLenEapFastConfigBlob
                                                                          : VX_EAP_FAST_BLOB_SIZE;
    Bytes(t, "pEapFastConfigBlob", p.pEapFastConfigBlob, blob);
    Int(t, "dwLenEapFastConfigBlob", p.dwLenEapFastConfigBlob);
    Head(t, "PROF_SSO ssoInfo:");
    Int(tt, "bUseSSO", p.ssoInfo.bUseSSO);
    Int(tt, "bAllowMachine", p.ssoInfo.bAllowMachine);
    Int(tt, "nLogon", p.ssoInfo.nLogon);
    Text(t, "chUserCertPath", p.chUserCertPath, sizeof p.chUserCertPath);
    Text(t, "chASCertPath", p.chASCertPath, sizeof p.chASCertPath);
    Secret(t, "chPin", p.chPin, sizeof p.chPin);
    Int(t, "bIsWPS", p.bIsWPS);
    Int(t, "bUseFragThre", p.bUseFragThre);
    Int(t, "bUseRTSThre", p.bUseRTSThre);
    Text(t, "strProfileName", p.strProfileName, sizeof p.strProfileName);
    Int(t, "nProfileID", p.nProfileID);
    Int(t, "bCacheUserInfo", p.bCacheUserInfo);
}

void VxDumpAdvanceConfigData(const ADVANCE_CONFIG_DATA& d)
{
    if (VxGetTraceLevel() < kDumpLevel)
        return;
    Head("", "struct ADVANCE_CONFIG_DATA:");
    Int("\t", "BGProtection", d.BGProtection);
    Head("\t", "CCX2_CONTROL CCX2Control:");
    Ccx2("\t\t", d.CCX2Control);
    Int("\t", "CountryRegion", d.CountryRegion);
    Int("\t", "CountryRegionABand", d.CountryRegionABand);
    Int("\t", "ShowAuthStatus", d.ShowAuthStatus);
    Head("\t", "TRANSMIT_SETTING TransmitSetting:");
    const TRANSMIT_SETTING& t = d.TransmitSetting;
    Int("\t\t", "PhyMode", t.PhyMode);
    Int("\t\t", "MCS", t.MCS);
    Int("\t\t", "BW", t.BW);
    Int("\t\t", "ShortGI", t.ShortGI);
    Int("\t\t", "STBC", t.STBC);
    Int("\t\t", "TRANSNO", t.TRANSNO);
    Int("\t\t", "HTMODE", t.HTMODE);
    Int("\t\t", "EXTCHA", t.EXTCHA);
    Int("\t\t", "LEGACYMODE", t.LEGACYMODE);
    Int("\t", "TransRate", d.TransRate);
    Int("\t", "TXBurst", d.TXBurst);
    Int("\t", "WirelessMode", d.WirelessMode);
    Int("\t", "EnableTcpWindowSize", d.EnableTcpWindowSize);
}

void VxDumpAdvanceOid(const ADVANCE_OID& o)
{
    if (VxGetTraceLevel() < kDumpLevel)
        return;
    Head("", "struct ADVANCE_OID:");
    Head("\t", "phyMode:");
    Int("\t\t", "WirelessMode", o.phyMode.WirelessMode);
    Int("\t\t", "HtMode", o.phyMode.HtMode);
    Int("\t\t", "Mcs", o.phyMode.Mcs);
    Int("\t\t", "Bw", o.phyMode.Bw);
    Int("\t\t", "Stbc", o.phyMode.Stbc);
    Int("\t\t", "ShortGI", o.phyMode.ShortGI);
    Int("\t", "nBGProtection", o.nBGProtection);
    Int("\t", "bTXBurst", o.bTXBurst);
    Int("\t", "CountryRegIndex11BG", o.CountryRegIndex11BG);
    Int("\t", "CountryRegIndex11A", o.CountryRegIndex11A);
    Int("\t", "RTphyMode", o.RTphyMode);
    Int("\t", "nTXRate", o.nTXRate);
}

void VxDumpCcx2Control(const CCX2_CONTROL& c)
{
    if (VxGetTraceLevel() < kDumpLevel)
        return;
    Head("", "struct CCX2_CONTROL:");
    Ccx2("\t", c);
}

void VxDumpWpsMode(const WPS_MODE& m)
{
    if (VxGetTraceLevel() < kDumpLevel)
        return;
    Head("", "struct WPS_MODE:");
    VxTraceLevel(kDumpLevel, "[VxUI] \tWpsMode = 0x%X\n", m.WpsMode);
    SecretBytes("\t", "PIN", strnlen(m.PIN, sizeof m.PIN));
    Int("\t", "SsidLength", m.SsidLength);
    Text("\t", "WpsSSID", VxSsidString(m.WpsSSID, m.SsidLength).c_str(), VX_SSID_MAX);
    Mac("\t", "Bssid", m.Bssid);
    Int("\t", "Channel", m.Channel);
    Int("\t", "ConfigMode", m.ConfigMode);
}

void VxDumpWpsCredential(const WPS_CREDENTIAL& c)
{
    if (VxGetTraceLevel() < kDumpLevel)
        return;
    Head("", "struct WPS_CREDENTIAL:");
    Credential("\t", c);
}

void VxDumpWpsProfile(const WPS_PROFILE& p)
{
    if (VxGetTraceLevel() < kDumpLevel)
        return;
    Head("", "struct WPS_PROFILE:");
    Int("\t", "ProfileCnt", p.ProfileCnt);
    const uint32_t n = p.ProfileCnt < VX_WPS_MAX_CREDENTIALS ? p.ProfileCnt : VX_WPS_MAX_CREDENTIALS;
    for (uint32_t i = 0; i < n; ++i) {
        VxTraceLevel(kDumpLevel, "[VxUI] \tWPS_CREDENTIAL Profile[%u]:\n", i);
        Credential("\t\t", p.Profile[i]);
    }
}
