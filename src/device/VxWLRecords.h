// Records exchanged with the device library VxWLAPI.dll. They are wire formats: fixed-width
// little-endian fields, packed exactly as laid out here, identical in the 32-bit and the
// 64-bit build (every size and offset is checked below).
//
// Portable: no <windows.h>. Used by the utility, the simulated library and native tests.
//
// Pointers inside records: the library is a 32-bit library, so the two records that carry an
// address (VX_CERT_ENTRY::BlobAddress and VX_PAC_LIST_DESC::EntriesAddress) hold it in a
// 32-bit field. The accessors below convert; in a 64-bit build the memory handed through such
// a field must lie below 4 GB (see device/VxLowMemory.h), and the setters refuse any other
// address.
#pragma once

#include <cstddef>
#include <cstdint>

#define VX_RECORD_CHECK(type, field, offset) \
    static_assert(offsetof(type, field) == (offset), #type "::" #field " must be at offset " #offset)

#pragma pack(push, 1)

// ---------------------------------------------------------------------------------------
// Enumerations
// ---------------------------------------------------------------------------------------

// enumAuthenMode
enum VxAuthMode : int32_t {
    VX_AUTH_OPEN = 0,
    VX_AUTH_SHARED = 1,
    VX_AUTH_AUTO = 2, // shown as Open
    VX_AUTH_WPA = 3,
    VX_AUTH_WPA_PSK = 4,
    VX_AUTH_WPA_NONE = 5,
    VX_AUTH_WPA2 = 6,
    VX_AUTH_WPA2_PSK = 7,
    VX_AUTH_WAPI_PSK = 10,
    VX_AUTH_WAPI_CERT = 11,
    VX_AUTH_CCKM = 13,
    VX_AUTH_CCX = 14, // only in stored profiles
};

// enumEncryStatus
enum VxEncryption : int32_t {
    VX_ENCRY_WEP = 0,
    VX_ENCRY_NONE = 1,
    VX_ENCRY_NONE_KEY_ABSENT = 2,
    VX_ENCRY_WEP_NOT_SUPPORTED = 3,
    VX_ENCRY_TKIP = 4,
    VX_ENCRY_TKIP_KEY_ABSENT = 5,
    VX_ENCRY_AES = 6,
    VX_ENCRY_AES_KEY_ABSENT = 7,
    VX_ENCRY_SMS4 = 9,
    VX_ENCRY_TKIP_MFP = 10, // reach the library only on codes >= 10; on older systems the
    VX_ENCRY_AES_MFP = 11,  // utility turns them into 4 / 6 plus the CCX MFP bit
};

// enumAuthenProtocol (EAP method)
enum VxEapMethod : int32_t {
    VX_EAP_PEAP = 0,
    VX_EAP_TLS = 1,
    VX_EAP_TTLS = 2,
    VX_EAP_FAST = 3,
    VX_EAP_MD5 = 4,
    VX_EAP_LEAP = 5,
};

// enumTunnel / enumProvisioningTunnel (EAP type numbers)
enum VxEapTunnel : int32_t {
    VX_TUNNEL_EAP_MD5 = 4,
    VX_TUNNEL_GTC = 6,
    VX_TUNNEL_TLS = 13,
    VX_TUNNEL_MSCHAPV2 = 26,
    VX_TUNNEL_MSCHAP = 71,
    VX_TUNNEL_CHAP = 72,
    VX_TUNNEL_PAP = 73,
};

// enumNetworkType
enum VxNetworkType : int32_t {
    VX_NETWORK_ADHOC = 0,
    VX_NETWORK_INFRA = 1,
    VX_NETWORK_AUTO = 2,
};

// Operating-system code classes (VXWL_GetWinOS).
enum : int32_t {
    VX_OS_WIN2000_XP = 6, // 6..9: Zero Configuration service
    VX_OS_VISTA = 10,     // 10..11: WLAN AutoConfig service
    VX_OS_WIN7 = 12,      // 12 and above: hosted network
};

// Operation modes (VXWL_QueryOPMode, VXWL_ReadOpMode).
enum : int32_t {
    OP_MODE_STATION = 0,
    OP_MODE_AP = 1,
    OP_MODE_STATION_AP = 2,
};

// VXWL_IsZeroConfig(): the system's wireless service controls the adapter.
enum : int32_t { VX_ZERO_CONFIG_SYSTEM = 2 };

// Wireless modes (VXWL_QueryWirelessMode).
enum VxWirelessMode : int32_t {
    VX_WMODE_BG = 0,     // 2.4 GHz
    VX_WMODE_B = 1,      // device only
    VX_WMODE_A = 2,      // 5 GHz
    VX_WMODE_ABG = 3,    // dual band
    VX_WMODE_G = 4,      // device only
    VX_WMODE_ABGN = 5,   // 802.11n dual band
    VX_WMODE_N = 6,      // device only
    VX_WMODE_GN = 7,     // device only
    VX_WMODE_AN = 8,     // 802.11n 5 GHz
    VX_WMODE_BGN = 9,    // 802.11n 2.4 GHz
};

// ---------------------------------------------------------------------------------------
// SSID record (SetSSID by value; also inside the connection request state)
// ---------------------------------------------------------------------------------------

constexpr int VX_SSID_MAX = 32;

struct VX_SSID {
    uint32_t SsidLength; // 0..32
    uint8_t Ssid[32];    // not terminated when 32 long
};
static_assert(sizeof(VX_SSID) == 36, "VX_SSID");
VX_RECORD_CHECK(VX_SSID, Ssid, 4);

// ---------------------------------------------------------------------------------------
// Profile record and its embedded records
// ---------------------------------------------------------------------------------------

struct RT_802_11_STA_CONFIG {
    uint32_t EnableTxBurst;
    uint32_t EnableTurboRate;
    uint32_t UseBGProtection;
    uint32_t UseShortSlotTime;
    uint32_t AdhocMode;
    uint32_t HwRadioStatus; // 0 = hardware radio off
    uint32_t Reserved;
    uint32_t SystemErrorBitmap;
};
static_assert(sizeof(RT_802_11_STA_CONFIG) == 32, "RT_802_11_STA_CONFIG");
VX_RECORD_CHECK(RT_802_11_STA_CONFIG, AdhocMode, 16);
VX_RECORD_CHECK(RT_802_11_STA_CONFIG, HwRadioStatus, 20);
VX_RECORD_CHECK(RT_802_11_STA_CONFIG, SystemErrorBitmap, 28);

struct RT_802_11_TX_RATES {
    uint8_t SupRateLen;
    uint8_t SupRate[27]; // SupRateLen valid bytes; the rest reserved
};
static_assert(sizeof(RT_802_11_TX_RATES) == 28, "RT_802_11_TX_RATES");

constexpr int VX_BLOB_KEY_DATA = 152;

struct RT_BLOB_KEY {
    uint32_t BlobLength; // valid bytes of BlobData
    uint8_t BlobData[VX_BLOB_KEY_DATA];
};
static_assert(sizeof(RT_BLOB_KEY) == 156, "RT_BLOB_KEY");

union PROF_SSO {
    uint32_t word;
    struct {
        uint32_t bUseSSO : 1;
        uint32_t bAllowMachine : 1;
        uint32_t nLogon : 1;
        uint32_t reserved : 29; // zero
    };
};
static_assert(sizeof(PROF_SSO) == 4, "PROF_SSO");

// CCX switches; stored by the library ("CCX2Control"), also at WLANPROFILE offset 448.
union CCX2_CONTROL {
    uint32_t word;
    struct {
        uint32_t Enable : 1;         // bit 0
        uint32_t CCKMEnable : 1;     // bit 1
        uint32_t RMEnable : 1;       // bit 2
        uint32_t DCRMEnable : 1;     // bit 3
        uint32_t CACEnable : 1;      // bit 4
        uint32_t FastRoamEnable : 1; // bit 5
        uint32_t NetworkEAP : 1;     // bit 6
        uint32_t RotateProfile : 1;  // bit 7
        uint32_t dBmToRoam : 8;      // bits 8-15, dBm below zero
        uint32_t TuLimit : 10;       // bits 16-25, ms
        uint32_t MFP : 1;            // bit 26
        uint32_t RFRoamEnable : 1;   // bit 27
        uint32_t VoiceRate : 1;      // bit 28
        uint32_t Unused : 3;
    };
};
static_assert(sizeof(CCX2_CONTROL) == 4, "CCX2_CONTROL");
constexpr uint32_t VX_CCX_MFP_BIT = 1u << 26;
constexpr uint32_t VX_CCX_ROTATE_PROFILE_BIT = 1u << 7;

constexpr int VX_NAME_SIZE = 128;      // names travel in zero-filled 128-byte buffers
constexpr int VX_WEP_KEY_SIZE = 64;
constexpr int VX_PSK_KEY_SIZE = 64;
constexpr int VX_EAP_FAST_BLOB_SIZE = 3000;

struct WLANPROFILE {
    uint32_t bBssid;          // 1: connect to Bssid only (an all-zero Bssid matches like an SSID profile)
    uint32_t SsidLength;      // 0..32
    uint8_t Ssid[32];         // not terminated when 32 long
    uint8_t Bssid[6];
    uint8_t Reserved1[2];
    int32_t enumNetworkType;  // VxNetworkType
    int32_t enumPreamType;    // 2 Auto, 0 Long
    int32_t lRtsThre;
    int32_t lFragThre;
    int32_t enumAuthenMode;   // VxAuthMode
    int32_t enumEncryStatus;  // VxEncryption
    int32_t lTxPower;
    char WEPKey1[VX_WEP_KEY_SIZE];
    int32_t WEPKey1Type;      // 0 hex, 1 ASCII
    char WEPKey2[VX_WEP_KEY_SIZE];
    int32_t WEPKey2Type;
    char WEPKey3[VX_WEP_KEY_SIZE];
    int32_t WEPKey3Type;
    char WEPKey4[VX_WEP_KEY_SIZE];
    int32_t WEPKey4Type;
    int32_t wepDefaultKey;    // transmit key, 1-based (1..4) in every profile the library receives
    int32_t enumPSMode;       // 0 CAM, else PSM
    uint32_t bACCam;
    int32_t lFreq;            // centre frequency in kHz (VXWL_ChannelToFrequency)
    uint32_t bDisassociate;
    uint32_t bUseDiagnostic;
    uint32_t bSetAdvance;
    uint32_t bSetOidFromProfilePageSetting;
    uint8_t aryRates[8];
    RT_802_11_TX_RATES arySupDesRates;
    RT_802_11_STA_CONFIG configSta;
    CCX2_CONTROL CCX2Control;
    int32_t nCountryRegion;   // 802.11a region * 256 + 802.11b/g region
    uint32_t b8021X;
    int32_t enumAuthenProtocol;     // VxEapMethod
    int32_t enumTunnel;             // VxEapTunnel
    int32_t enumProvisioningTunnel; // VxEapTunnel
    int32_t nSessionResumption;
    uint32_t bClientCert;
    uint32_t bClientCertInSmartCard;
    uint32_t bServerCert;
    uint32_t bPAC;
    uint32_t bProvision;
    char chPACfilepath[256];
    uint32_t bIntermediateCert;
    int32_t nServerNameRule;  // 0 exact, 1 domain suffix
    char chID[VX_NAME_SIZE];
    char chPassword[VX_NAME_SIZE];
    char chServerName[VX_NAME_SIZE];
    char chDomainName[VX_NAME_SIZE];
    char chPskKey[VX_PSK_KEY_SIZE]; // nPskKeyLen bytes valid
    int32_t nIDModeIndex;
    int32_t nPskKeyLen;
    int32_t nPskKeyType;
    int32_t nPasswordMode;    // 0 soft token, 1 static, 2 Windows logon, 3 prompt
    RT_BLOB_KEY CA_cert;
    RT_BLOB_KEY user_cert;
    uint8_t pEapFastConfigBlob[VX_EAP_FAST_BLOB_SIZE];
    uint32_t dwLenEapFastConfigBlob;
    PROF_SSO ssoInfo;
    char chUserCertPath[256];
    char chASCertPath[256];
    char chPin[VX_NAME_SIZE];
    uint32_t bIsWPS;
    uint32_t bUseFragThre;
    uint32_t bUseRTSThre;
    char strProfileName[VX_NAME_SIZE];
    int32_t nProfileID;
    uint32_t bCacheUserInfo;
};
static_assert(sizeof(WLANPROFILE) == 5460, "WLANPROFILE");
VX_RECORD_CHECK(WLANPROFILE, SsidLength, 4);
VX_RECORD_CHECK(WLANPROFILE, Ssid, 8);
VX_RECORD_CHECK(WLANPROFILE, Bssid, 40);
VX_RECORD_CHECK(WLANPROFILE, enumNetworkType, 48);
VX_RECORD_CHECK(WLANPROFILE, enumPreamType, 52);
VX_RECORD_CHECK(WLANPROFILE, lRtsThre, 56);
VX_RECORD_CHECK(WLANPROFILE, lFragThre, 60);
VX_RECORD_CHECK(WLANPROFILE, enumAuthenMode, 64);
VX_RECORD_CHECK(WLANPROFILE, enumEncryStatus, 68);
VX_RECORD_CHECK(WLANPROFILE, lTxPower, 72);
VX_RECORD_CHECK(WLANPROFILE, WEPKey1, 76);
VX_RECORD_CHECK(WLANPROFILE, WEPKey1Type, 140);
VX_RECORD_CHECK(WLANPROFILE, WEPKey2, 144);
VX_RECORD_CHECK(WLANPROFILE, WEPKey2Type, 208);
VX_RECORD_CHECK(WLANPROFILE, WEPKey3, 212);
VX_RECORD_CHECK(WLANPROFILE, WEPKey3Type, 276);
VX_RECORD_CHECK(WLANPROFILE, WEPKey4, 280);
VX_RECORD_CHECK(WLANPROFILE, WEPKey4Type, 344);
VX_RECORD_CHECK(WLANPROFILE, wepDefaultKey, 348);
VX_RECORD_CHECK(WLANPROFILE, enumPSMode, 352);
VX_RECORD_CHECK(WLANPROFILE, bACCam, 356);
VX_RECORD_CHECK(WLANPROFILE, lFreq, 360);
VX_RECORD_CHECK(WLANPROFILE, bDisassociate, 364);
VX_RECORD_CHECK(WLANPROFILE, bUseDiagnostic, 368);
VX_RECORD_CHECK(WLANPROFILE, bSetAdvance, 372);
VX_RECORD_CHECK(WLANPROFILE, bSetOidFromProfilePageSetting, 376);
VX_RECORD_CHECK(WLANPROFILE, aryRates, 380);
VX_RECORD_CHECK(WLANPROFILE, arySupDesRates, 388);
VX_RECORD_CHECK(WLANPROFILE, configSta, 416);
VX_RECORD_CHECK(WLANPROFILE, CCX2Control, 448);
VX_RECORD_CHECK(WLANPROFILE, nCountryRegion, 452);
VX_RECORD_CHECK(WLANPROFILE, b8021X, 456);
VX_RECORD_CHECK(WLANPROFILE, enumAuthenProtocol, 460);
VX_RECORD_CHECK(WLANPROFILE, enumTunnel, 464);
VX_RECORD_CHECK(WLANPROFILE, enumProvisioningTunnel, 468);
VX_RECORD_CHECK(WLANPROFILE, nSessionResumption, 472);
VX_RECORD_CHECK(WLANPROFILE, bClientCert, 476);
VX_RECORD_CHECK(WLANPROFILE, bClientCertInSmartCard, 480);
VX_RECORD_CHECK(WLANPROFILE, bServerCert, 484);
VX_RECORD_CHECK(WLANPROFILE, bPAC, 488);
VX_RECORD_CHECK(WLANPROFILE, bProvision, 492);
VX_RECORD_CHECK(WLANPROFILE, chPACfilepath, 496);
VX_RECORD_CHECK(WLANPROFILE, bIntermediateCert, 752);
VX_RECORD_CHECK(WLANPROFILE, nServerNameRule, 756);
VX_RECORD_CHECK(WLANPROFILE, chID, 760);
VX_RECORD_CHECK(WLANPROFILE, chPassword, 888);
VX_RECORD_CHECK(WLANPROFILE, chServerName, 1016);
VX_RECORD_CHECK(WLANPROFILE, chDomainName, 1144);
VX_RECORD_CHECK(WLANPROFILE, chPskKey, 1272);
VX_RECORD_CHECK(WLANPROFILE, nIDModeIndex, 1336);
VX_RECORD_CHECK(WLANPROFILE, nPskKeyLen, 1340);
VX_RECORD_CHECK(WLANPROFILE, nPskKeyType, 1344);
VX_RECORD_CHECK(WLANPROFILE, nPasswordMode, 1348);
VX_RECORD_CHECK(WLANPROFILE, CA_cert, 1352);
VX_RECORD_CHECK(WLANPROFILE, user_cert, 1508);
VX_RECORD_CHECK(WLANPROFILE, pEapFastConfigBlob, 1664);
VX_RECORD_CHECK(WLANPROFILE, dwLenEapFastConfigBlob, 4664);
VX_RECORD_CHECK(WLANPROFILE, ssoInfo, 4668);
VX_RECORD_CHECK(WLANPROFILE, chUserCertPath, 4672);
VX_RECORD_CHECK(WLANPROFILE, chASCertPath, 4928);
VX_RECORD_CHECK(WLANPROFILE, chPin, 5184);
VX_RECORD_CHECK(WLANPROFILE, bIsWPS, 5312);
VX_RECORD_CHECK(WLANPROFILE, bUseFragThre, 5316);
VX_RECORD_CHECK(WLANPROFILE, bUseRTSThre, 5320);
VX_RECORD_CHECK(WLANPROFILE, strProfileName, 5324);
VX_RECORD_CHECK(WLANPROFILE, nProfileID, 5452);
VX_RECORD_CHECK(WLANPROFILE, bCacheUserInfo, 5456);

// ---------------------------------------------------------------------------------------
// Link status (VXWL_QueryWLANStatus)
// ---------------------------------------------------------------------------------------

// Connection state at offset 0.
enum : uint32_t {
    VxStatus_NoDriverState = 0,
    VxStatus_Disconnected = 2,
    VxStatus_Connected = 3,
};

// Status event code at offset 4.
enum : uint32_t {
    VX_EVENT_LINK_UP = 0,
    VX_EVENT_LINK_DOWN = 1,
    VX_EVENT_HW_RADIO_OFF = 2,
    VX_EVENT_SW_RADIO_OFF = 3,
    VX_EVENT_AUTH_FAIL = 4,
    VX_EVENT_AUTH_FAIL_KEYS = 5,
    VX_EVENT_ASSOC_FAIL = 6,
    VX_EVENT_EAP_MIC_FAILURE = 7,
    VX_EVENT_4WAY_TIMEOUT = 8,
    VX_EVENT_GROUP_KEY_TIMEOUT = 9,
    VX_EVENT_EAP_SUCCESS = 10,
};

// The selector: five 32-bit flags passed by value; each asks for one group of fields.
struct VX_LINK_SELECTOR {
    uint32_t bState;       // state and event code (also read with all flags 0)
    uint32_t bAssociation; // SSID, BSSID, network type, frequency, security, IP configuration
    uint32_t bSignal;      // antenna signal, SNR, quality
    uint32_t bExtra;       // rates, HT setting, central channel, transmit power
    uint32_t bCounters;    // byte counters, statistics block, RX-OK, drops
};
static_assert(sizeof(VX_LINK_SELECTOR) == 20, "VX_LINK_SELECTOR");

// Layout of the NDIS 802.11 statistics block: a length, 4 bytes of alignment, 24 counters.
struct VX_802_11_STATISTICS {
    uint32_t Length;
    uint32_t Pad;
    uint64_t TransmittedFragmentCount; // block offset 8
    uint64_t MulticastTransmittedFrameCount;
    uint64_t FailedCount;              // 24
    uint64_t RetryCount;               // 32
    uint64_t MultipleRetryCount;
    uint64_t RTSSuccessCount;          // 48
    uint64_t RTSFailureCount;          // 56
    uint64_t ACKFailureCount;
    uint64_t FrameDuplicateCount;      // 72
    uint64_t ReceivedFragmentCount;
    uint64_t MulticastReceivedFrameCount;
    uint64_t FCSErrorCount;            // 96
    uint64_t TKIPLocalMICFailures;
    uint64_t TKIPICVErrorCount;
    uint64_t TKIPCounterMeasuresInvoked;
    uint64_t TKIPReplays;
    uint64_t CCMPFormatErrors;
    uint64_t CCMPReplays;
    uint64_t CCMPDecryptErrors;
    uint64_t FourWayHandshakeFailures;
    uint64_t WEPUndecryptableCount;
    uint64_t WEPICVErrorCount;
    uint64_t DecryptSuccessCount;
    uint64_t DecryptFailureCount;
};
static_assert(sizeof(VX_802_11_STATISTICS) == 200, "VX_802_11_STATISTICS");
VX_RECORD_CHECK(VX_802_11_STATISTICS, TransmittedFragmentCount, 8);
VX_RECORD_CHECK(VX_802_11_STATISTICS, FailedCount, 24);
VX_RECORD_CHECK(VX_802_11_STATISTICS, RetryCount, 32);
VX_RECORD_CHECK(VX_802_11_STATISTICS, RTSSuccessCount, 48);
VX_RECORD_CHECK(VX_802_11_STATISTICS, RTSFailureCount, 56);
VX_RECORD_CHECK(VX_802_11_STATISTICS, FrameDuplicateCount, 72);
VX_RECORD_CHECK(VX_802_11_STATISTICS, FCSErrorCount, 96);
VX_RECORD_CHECK(VX_802_11_STATISTICS, DecryptFailureCount, 192);

// HT transmit setting of the last frame (16 bits).
enum : uint16_t {
    VX_HTTX_MCS_MASK = 0x007F,
    VX_HTTX_BW40 = 0x0080,
    VX_HTTX_SHORT_GI = 0x0100,
    VX_HTTX_STBC_SHIFT = 9,
    VX_HTTX_PHY_SHIFT = 14, // 0 CCK, 1 OFDM, 2 HT mixed, 3 HT greenfield
};

struct VX_LINK_STATUS {
    uint32_t ConnectState;    // VxStatus_...
    uint32_t StatusEvent;     // VX_EVENT_...
    uint32_t SsidLength;
    uint8_t Ssid[32];         // zero beyond SsidLength
    uint8_t Bssid[6];         // all zero: not associated
    uint8_t Reserved1[2];
    uint32_t NetworkType;     // 0 ad hoc, else infrastructure (equals the scan entry's InfrastructureMode)
    int32_t Ant0Dbm;          // -200 = not available
    int32_t Ant0Percent;
    uint32_t Ant1Present;
    int32_t Ant1Dbm;
    int32_t Ant1Percent;
    uint32_t Ant2Present;
    int32_t Ant2Dbm;
    int32_t Ant2Percent;
    int32_t Snr0;             // 0 or 44 = not available
    int32_t Snr1;
    uint8_t Reserved2[20];
    uint32_t FrequencyKHz;    // equals the scan entry's DSConfig
    uint8_t Reserved3[16];
    int32_t AuthMode;         // VxAuthMode
    int32_t Encryption;       // VxEncryption
    uint32_t LastTxRate;      // 500 kb/s units
    uint32_t LinkQuality;     // percent, not capped
    uint32_t TxBytes;         // wrap at 32 bits
    uint32_t RxBytes;
    uint32_t HtCentralChannel;
    uint8_t Reserved4[4];
    double TxRateMbps;
    double RxRateMbps;
    uint8_t Reserved5[16];
    uint32_t TxPowerPercent;
    uint16_t HtTxSetting;     // VX_HTTX_...
    uint8_t Reserved6[2];
    VX_802_11_STATISTICS Statistics;
    uint64_t RxFramesOk64;    // newer systems
    uint32_t RxFramesOk32;    // older systems
    uint32_t RxNoBuffer;
    uint8_t Reserved7[4];
    uint8_t IpAddress[4];     // first byte = first dotted number
    uint8_t SubnetMask[4];
    uint8_t Gateway[4];
    uint8_t Reserved8[104];
};
static_assert(sizeof(VX_LINK_STATUS) == 544, "VX_LINK_STATUS");
VX_RECORD_CHECK(VX_LINK_STATUS, StatusEvent, 4);
VX_RECORD_CHECK(VX_LINK_STATUS, SsidLength, 8);
VX_RECORD_CHECK(VX_LINK_STATUS, Ssid, 12);
VX_RECORD_CHECK(VX_LINK_STATUS, Bssid, 44);
VX_RECORD_CHECK(VX_LINK_STATUS, NetworkType, 52);
VX_RECORD_CHECK(VX_LINK_STATUS, Ant0Dbm, 56);
VX_RECORD_CHECK(VX_LINK_STATUS, Ant0Percent, 60);
VX_RECORD_CHECK(VX_LINK_STATUS, Ant1Present, 64);
VX_RECORD_CHECK(VX_LINK_STATUS, Ant1Dbm, 68);
VX_RECORD_CHECK(VX_LINK_STATUS, Ant1Percent, 72);
VX_RECORD_CHECK(VX_LINK_STATUS, Ant2Present, 76);
VX_RECORD_CHECK(VX_LINK_STATUS, Ant2Dbm, 80);
VX_RECORD_CHECK(VX_LINK_STATUS, Ant2Percent, 84);
VX_RECORD_CHECK(VX_LINK_STATUS, Snr0, 88);
VX_RECORD_CHECK(VX_LINK_STATUS, Snr1, 92);
VX_RECORD_CHECK(VX_LINK_STATUS, FrequencyKHz, 116);
VX_RECORD_CHECK(VX_LINK_STATUS, AuthMode, 136);
VX_RECORD_CHECK(VX_LINK_STATUS, Encryption, 140);
VX_RECORD_CHECK(VX_LINK_STATUS, LastTxRate, 144);
VX_RECORD_CHECK(VX_LINK_STATUS, LinkQuality, 148);
VX_RECORD_CHECK(VX_LINK_STATUS, TxBytes, 152);
VX_RECORD_CHECK(VX_LINK_STATUS, RxBytes, 156);
VX_RECORD_CHECK(VX_LINK_STATUS, HtCentralChannel, 160);
VX_RECORD_CHECK(VX_LINK_STATUS, TxRateMbps, 168);
VX_RECORD_CHECK(VX_LINK_STATUS, RxRateMbps, 176);
VX_RECORD_CHECK(VX_LINK_STATUS, TxPowerPercent, 200);
VX_RECORD_CHECK(VX_LINK_STATUS, HtTxSetting, 204);
VX_RECORD_CHECK(VX_LINK_STATUS, Statistics, 208);
VX_RECORD_CHECK(VX_LINK_STATUS, RxFramesOk64, 408);
VX_RECORD_CHECK(VX_LINK_STATUS, RxFramesOk32, 416);
VX_RECORD_CHECK(VX_LINK_STATUS, RxNoBuffer, 420);
VX_RECORD_CHECK(VX_LINK_STATUS, IpAddress, 428);
VX_RECORD_CHECK(VX_LINK_STATUS, SubnetMask, 432);
VX_RECORD_CHECK(VX_LINK_STATUS, Gateway, 436);

// The link counts as connected when the state is 3, the event is not "hardware radio off"
// and the BSSID is not all zero.
inline bool VxLinkIsConnected(const VX_LINK_STATUS& s)
{
    if (s.ConnectState != VxStatus_Connected || s.StatusEvent == VX_EVENT_HW_RADIO_OFF)
        return false;
    for (uint8_t b : s.Bssid)
        if (b)
            return true;
    return false;
}

// ---------------------------------------------------------------------------------------
// Adapter record and list (VXWL_GetAvailableAdapters, VXWL_AdapterSelect)
// ---------------------------------------------------------------------------------------

struct VX_ADAPTER {
    char szName[64];          // also friendly name and description; the selection key
    char szHardwareId[64];    // not necessarily terminated
    char szReserved1[264];
    char szReserved2[128];
    char szAdapterId[256];    // handed to the diagnostic library
    char szLocation[256];
    char szManufacturer[256];
    int32_t nAdapterClass;
    uint8_t Reserved[8];
};
static_assert(sizeof(VX_ADAPTER) == 1300, "VX_ADAPTER");
VX_RECORD_CHECK(VX_ADAPTER, szHardwareId, 64);
VX_RECORD_CHECK(VX_ADAPTER, szReserved1, 128);
VX_RECORD_CHECK(VX_ADAPTER, szReserved2, 392);
VX_RECORD_CHECK(VX_ADAPTER, szAdapterId, 520);
VX_RECORD_CHECK(VX_ADAPTER, szLocation, 776);
VX_RECORD_CHECK(VX_ADAPTER, szManufacturer, 1032);
VX_RECORD_CHECK(VX_ADAPTER, nAdapterClass, 1288);
VX_RECORD_CHECK(VX_ADAPTER, Reserved, 1292);

// The list buffer: a 32-bit count followed by that many records.
constexpr uint32_t VX_ADAPTER_LIST_HEADER = 4;
inline uint32_t VxAdapterListSize(uint32_t count) { return VX_ADAPTER_LIST_HEADER + count * sizeof(VX_ADAPTER); }

// ---------------------------------------------------------------------------------------
// Scan table and scan-result entry (VXWL_SiteSurveyQuery)
// ---------------------------------------------------------------------------------------

constexpr uint32_t VX_SCAN_TABLE_SIZE = 65536;       // the caller's buffer
constexpr uint32_t VX_SCAN_FIRST_QUERY_SIZE = 15364; // size of the first query
constexpr uint32_t VX_SCAN_MAX_ENTRIES = 1024;
constexpr uint32_t VX_SCAN_TABLE_HEADER = 4;         // the entry count

struct VX_FH_CONFIG {
    uint32_t Length;
    uint32_t HopPattern;
    uint32_t HopSet;
    uint32_t DwellTime;
};
static_assert(sizeof(VX_FH_CONFIG) == 16, "VX_FH_CONFIG");

struct VX_802_11_CONFIGURATION {
    uint32_t Length;
    uint32_t BeaconPeriod;
    uint32_t ATIMWindow;
    uint32_t DSConfig;        // centre frequency in kHz
    VX_FH_CONFIG FHConfig;
};
static_assert(sizeof(VX_802_11_CONFIGURATION) == 32, "VX_802_11_CONFIGURATION");

// NetworkTypeInUse
enum : uint32_t {
    VX_NET_TYPE_FH = 0,
    VX_NET_TYPE_DS = 1,        // 11b
    VX_NET_TYPE_OFDM5 = 2,     // 11a
    VX_NET_TYPE_OFDM24 = 3,    // 11g
    VX_NET_TYPE_AUTO = 4,
};

// InfrastructureMode
enum : uint32_t {
    VX_INFRA_IBSS = 0,
    VX_INFRA_BSS = 1,
    VX_INFRA_AUTO = 2,
};

// One scan-result entry; IELength bytes of fixed beacon fields and information elements
// follow the header. Length covers the whole entry.
struct VX_BSSID_EX {
    uint32_t Length;
    uint8_t MacAddress[6];
    uint8_t Reserved[2];
    uint32_t SsidLength;      // 0 = hidden network
    uint8_t Ssid[32];
    uint32_t Privacy;
    int32_t Rssi;             // dBm
    uint32_t NetworkTypeInUse;
    VX_802_11_CONFIGURATION Configuration;
    uint32_t InfrastructureMode;
    uint8_t SupportedRates[16]; // 500 kb/s units, bit 7 = basic, 0 ends the list
    uint32_t IELength;
    uint8_t IEs[1];
};
constexpr uint32_t VX_BSSID_EX_HEADER = 116; // bytes before the IEs
VX_RECORD_CHECK(VX_BSSID_EX, MacAddress, 4);
VX_RECORD_CHECK(VX_BSSID_EX, SsidLength, 12);
VX_RECORD_CHECK(VX_BSSID_EX, Ssid, 16);
VX_RECORD_CHECK(VX_BSSID_EX, Privacy, 48);
VX_RECORD_CHECK(VX_BSSID_EX, Rssi, 52);
VX_RECORD_CHECK(VX_BSSID_EX, NetworkTypeInUse, 56);
VX_RECORD_CHECK(VX_BSSID_EX, Configuration, 60);
VX_RECORD_CHECK(VX_BSSID_EX, InfrastructureMode, 92);
VX_RECORD_CHECK(VX_BSSID_EX, SupportedRates, 96);
VX_RECORD_CHECK(VX_BSSID_EX, IELength, 112);
VX_RECORD_CHECK(VX_BSSID_EX, IEs, VX_BSSID_EX_HEADER);
static_assert(offsetof(VX_802_11_CONFIGURATION, DSConfig) + 60 == 72, "DSConfig at entry offset 72");

// Fixed beacon fields at the start of the IEs: timestamp, beacon interval, capability.
constexpr uint32_t VX_IE_FIXED_FIELDS = 12;

// ---------------------------------------------------------------------------------------
// Parsed information elements (VXWL_ParseInfoElement), 376 bytes, zeroed by the caller
// ---------------------------------------------------------------------------------------

enum : uint32_t {
    VX_IE_AUTH_WPA = 1,
    VX_IE_AUTH_WPA_PSK = 2,
    VX_IE_AUTH_WPA_NONE = 4,
    VX_IE_AUTH_WPA2 = 8,
    VX_IE_AUTH_WPA2_PSK = 16,
    VX_IE_AUTH_WPA2_NONE = 32,
    VX_IE_AUTH_WAPI_PSK = 64,
    VX_IE_AUTH_WAPI_CERT = 128,
};
enum : uint32_t {
    VX_IE_ENCR_WEP = 1,
    VX_IE_ENCR_TKIP = 2,
    VX_IE_ENCR_AES = 4,
    VX_IE_ENCR_SMS4 = 8,
};

// Texts are zero-terminated within their field.
struct VX_PARSED_IE {
    uint32_t AuthFlags;       // VX_IE_AUTH_...
    uint32_t EncrFlags;       // VX_IE_ENCR_...
    uint32_t bCCKM;
    uint32_t bCMIC;
    uint32_t bCKIP;
    uint32_t bWPS;            // a WPS element is present
    char WpsConfigMethods[8];
    char WpsDevicePasswordId[8]; // "0x0004" = push button only; "Unknown"
    char WpsSelectedRegistrar[8];
    char WpsState[16];
    char WpsVersion[24];
    char WpsApSetupLocked[44]; // the AP-setup-locked text; also shown in the UUID-E row
    char WpsRfBands[16];       // shown in the RF-bands row
    uint32_t bHTCapable;      // HT capabilities present
    uint8_t SecondaryChannelOffset;
    uint8_t Reserved1[3];
    uint32_t bHTInfoExchangeSupport;
    uint32_t bMobilityDomain;
    uint32_t bHighThroughput; // 1: maximum rate computed at 40 MHz
    uint32_t bHTCapability;
    uint32_t bLDPC;
    uint8_t SupportedChannelWidthSet;
    uint8_t SMPowerSave;
    uint8_t Reserved2[2];
    uint32_t bGreenfield;
    uint32_t bShortGI20;      // read for the 40 MHz maximum rate
    uint32_t bShortGI40;      // read for the 20 MHz maximum rate
    uint32_t bTxSTBC;
    uint8_t RxSTBC;
    uint8_t Reserved3[3];
    uint32_t bHTDelayedBlockAck;
    uint8_t MaxAMSDULength;
    uint8_t Reserved4[3];
    uint32_t bDSSSCCKIn40;
    uint32_t bPSMPSupport;
    uint32_t bHTCapPSMPSupport;
    uint32_t bMaxAMSDULength;
    uint32_t bFortyMHzIntolerant;
    uint32_t bLSIGTXOPProtection;
    uint8_t MaxRxAMPDUFactor;
    uint8_t MinMPDUStartSpacing;
    uint8_t Reserved5[2];
    uint32_t bTxMCSSetDefined;
    uint32_t bTxRxMCSSetNotEqual;
    uint8_t TxMaxSpatialStreams;
    uint8_t Reserved6[3];
    uint32_t bTxUnequalModulation;
    uint32_t bDSSCCKModeIn40;
    uint32_t bHTInfoPSMPSupport;
    uint8_t Reserved7[8];
    uint32_t bHTCSupport;
    uint32_t bRDResponder;
    uint8_t PrimaryChannel;
    uint8_t HTInfoSecondaryChannelOffset;
    uint8_t STAChannelWidth;
    uint8_t Reserved8;
    uint32_t bRIFSMode;
    uint32_t bPSMPSTAsOnly;
    uint8_t ServiceIntervalGranularity;
    uint8_t OperatingMode;
    uint8_t Reserved9[2];
    uint32_t bNonGreenfieldSTAsPresent;
    uint32_t bTransmitBurstLimit;
    uint32_t bOBSSNonHTSTAsPresent;
    uint32_t bDualBeacon;
    uint32_t bDualCTSProtection;
    uint32_t bSecondaryBeacon;
    uint32_t bLSIGTXOPFullSupport;
    uint32_t bPCOActive;
    uint32_t bPCOPhase;
    uint32_t bBasicMCSSet;
    uint32_t BasicMCSSet[4];
    uint8_t SupportedMCSSet[16]; // bit j of byte i = MCS 8i + j
    uint8_t Reserved10[8];
    uint16_t BeaconInterval;
    uint8_t Reserved11[2];
};
static_assert(sizeof(VX_PARSED_IE) == 376, "VX_PARSED_IE");
VX_RECORD_CHECK(VX_PARSED_IE, bWPS, 20);
VX_RECORD_CHECK(VX_PARSED_IE, WpsConfigMethods, 24);
VX_RECORD_CHECK(VX_PARSED_IE, WpsDevicePasswordId, 32);
VX_RECORD_CHECK(VX_PARSED_IE, WpsSelectedRegistrar, 40);
VX_RECORD_CHECK(VX_PARSED_IE, WpsState, 48);
VX_RECORD_CHECK(VX_PARSED_IE, WpsVersion, 64);
VX_RECORD_CHECK(VX_PARSED_IE, WpsApSetupLocked, 88);
VX_RECORD_CHECK(VX_PARSED_IE, WpsRfBands, 132);
VX_RECORD_CHECK(VX_PARSED_IE, bHTCapable, 148);
VX_RECORD_CHECK(VX_PARSED_IE, SecondaryChannelOffset, 152);
VX_RECORD_CHECK(VX_PARSED_IE, bHTInfoExchangeSupport, 156);
VX_RECORD_CHECK(VX_PARSED_IE, bHighThroughput, 164);
VX_RECORD_CHECK(VX_PARSED_IE, bLDPC, 172);
VX_RECORD_CHECK(VX_PARSED_IE, SupportedChannelWidthSet, 176);
VX_RECORD_CHECK(VX_PARSED_IE, SMPowerSave, 177);
VX_RECORD_CHECK(VX_PARSED_IE, bGreenfield, 180);
VX_RECORD_CHECK(VX_PARSED_IE, bShortGI20, 184);
VX_RECORD_CHECK(VX_PARSED_IE, bShortGI40, 188);
VX_RECORD_CHECK(VX_PARSED_IE, bTxSTBC, 192);
VX_RECORD_CHECK(VX_PARSED_IE, RxSTBC, 196);
VX_RECORD_CHECK(VX_PARSED_IE, bHTDelayedBlockAck, 200);
VX_RECORD_CHECK(VX_PARSED_IE, MaxAMSDULength, 204);
VX_RECORD_CHECK(VX_PARSED_IE, bDSSSCCKIn40, 208);
VX_RECORD_CHECK(VX_PARSED_IE, bLSIGTXOPProtection, 228);
VX_RECORD_CHECK(VX_PARSED_IE, MaxRxAMPDUFactor, 232);
VX_RECORD_CHECK(VX_PARSED_IE, MinMPDUStartSpacing, 233);
VX_RECORD_CHECK(VX_PARSED_IE, bTxMCSSetDefined, 236);
VX_RECORD_CHECK(VX_PARSED_IE, bTxRxMCSSetNotEqual, 240);
VX_RECORD_CHECK(VX_PARSED_IE, TxMaxSpatialStreams, 244);
VX_RECORD_CHECK(VX_PARSED_IE, bTxUnequalModulation, 248);
VX_RECORD_CHECK(VX_PARSED_IE, bHTInfoPSMPSupport, 256);
VX_RECORD_CHECK(VX_PARSED_IE, bHTCSupport, 268);
VX_RECORD_CHECK(VX_PARSED_IE, bRDResponder, 272);
VX_RECORD_CHECK(VX_PARSED_IE, PrimaryChannel, 276);
VX_RECORD_CHECK(VX_PARSED_IE, HTInfoSecondaryChannelOffset, 277);
VX_RECORD_CHECK(VX_PARSED_IE, STAChannelWidth, 278);
VX_RECORD_CHECK(VX_PARSED_IE, bRIFSMode, 280);
VX_RECORD_CHECK(VX_PARSED_IE, bPSMPSTAsOnly, 284);
VX_RECORD_CHECK(VX_PARSED_IE, ServiceIntervalGranularity, 288);
VX_RECORD_CHECK(VX_PARSED_IE, OperatingMode, 289);
VX_RECORD_CHECK(VX_PARSED_IE, bNonGreenfieldSTAsPresent, 292);
VX_RECORD_CHECK(VX_PARSED_IE, bBasicMCSSet, 328);
VX_RECORD_CHECK(VX_PARSED_IE, BasicMCSSet, 332);
VX_RECORD_CHECK(VX_PARSED_IE, SupportedMCSSet, 348);
VX_RECORD_CHECK(VX_PARSED_IE, BeaconInterval, 372);

// ---------------------------------------------------------------------------------------
// Advanced settings
// ---------------------------------------------------------------------------------------

union TRANSMIT_SETTING {
    uint32_t word;
    struct {
        uint32_t PhyMode : 4;    // wireless-mode value
        uint32_t MCS : 7;        // 33 Auto, 77 Force Short GI
        uint32_t BW : 1;
        uint32_t ShortGI : 1;
        uint32_t STBC : 1;
        uint32_t TRANSNO : 2;    // always 2
        uint32_t HTMODE : 1;     // 0 mixed, 1 greenfield
        uint32_t EXTCHA : 2;
        uint32_t LEGACYMODE : 2; // HT mode 2 / 3 (HTMODE then 0)
        uint32_t Unused : 11;
    };
};
static_assert(sizeof(TRANSMIT_SETTING) == 4, "TRANSMIT_SETTING");

// Stored advanced configuration (VXWL_ReadConfigData, VXWL_ReadAdvanceCfgData,
// VXWL_WriteAdvanceCfgData).
struct ADVANCE_CONFIG_DATA {
    int32_t BGProtection;     // 0 Auto, 1 On, 2 Off
    CCX2_CONTROL CCX2Control;
    int32_t CountryRegion;    // 2.4 GHz region index
    int32_t CountryRegionABand; // 5 GHz region index
    uint32_t ShowAuthStatus;
    TRANSMIT_SETTING TransmitSetting;
    int32_t TransRate;        // index in the TX-rate list
    uint32_t TXBurst;
    int32_t WirelessMode;
    uint32_t EnableTcpWindowSize;
};
static_assert(sizeof(ADVANCE_CONFIG_DATA) == 40, "ADVANCE_CONFIG_DATA");
VX_RECORD_CHECK(ADVANCE_CONFIG_DATA, CCX2Control, 4);
VX_RECORD_CHECK(ADVANCE_CONFIG_DATA, CountryRegionABand, 12);
VX_RECORD_CHECK(ADVANCE_CONFIG_DATA, TransmitSetting, 20);
VX_RECORD_CHECK(ADVANCE_CONFIG_DATA, WirelessMode, 32);
VX_RECORD_CHECK(ADVANCE_CONFIG_DATA, EnableTcpWindowSize, 36);

struct VX_ADVANCE_PHY_MODE {
    int32_t WirelessMode;
    uint8_t Zero1;
    uint8_t HtMode;
    uint8_t Zero2;
    uint8_t Mcs;
    uint8_t Bw;
    uint8_t Stbc;
    uint8_t ShortGI;
    uint8_t Zero3;
};
static_assert(sizeof(VX_ADVANCE_PHY_MODE) == 12, "VX_ADVANCE_PHY_MODE");

// Live advanced settings (VXWL_SetAdvanceSetting by value).
struct ADVANCE_OID {
    VX_ADVANCE_PHY_MODE phyMode;
    int32_t nBGProtection;
    uint32_t bTXBurst;
    int32_t CountryRegIndex11BG;
    int32_t CountryRegIndex11A;
    int32_t RTphyMode;
    int32_t nTXRate;
};
static_assert(sizeof(ADVANCE_OID) == 36, "ADVANCE_OID");
VX_RECORD_CHECK(ADVANCE_OID, nBGProtection, 12);
VX_RECORD_CHECK(ADVANCE_OID, RTphyMode, 28);
VX_RECORD_CHECK(ADVANCE_OID, nTXRate, 32);

// HT PHY record for OID 0x0DF1013B.
struct VX_HT_PHY {
    int32_t PhyMode;
    uint8_t TRANSNO;
    uint8_t HTMODE;
    uint8_t EXTCHA;
    uint8_t MCS;
    uint8_t BW;
    uint8_t STBC;
    uint8_t ShortGI;
    uint8_t Pad;
};
static_assert(sizeof(VX_HT_PHY) == 12, "VX_HT_PHY");

// OIDs the utility uses.
enum : uint32_t {
    VX_OID_INFRASTRUCTURE_MODE = 0x0D810108, // 4-byte value 1
    VX_OID_HT_PHYMODE = 0x0DF1013B,          // VX_HT_PHY
    VX_OID_BA_DELETE_OLD = 0x0DF1013A,       // VX_BA_REQUEST, codes < 10
    VX_OID_BA_DELETE = 0xFF8C0027,           // VX_BA_REQUEST, codes >= 10
    VX_OID_SNR2 = 0x0D7101C0,                // 4 bytes
    VX_OID_LAST_TX_OLD = 0x0D71011C,         // 4 bytes, low 16 bits = HT transmit setting
    VX_OID_LAST_TX = 0xFF0C0021,
    VX_OID_BA_PEERS_OLD = 0x0D71010B,        // VX_BA_PEER_LIST
    VX_OID_BA_PEERS = 0xFF0C0029,
};

// Block-ack-capable peers (OID query, 324 bytes).
struct VX_BA_PEER {
    uint8_t MacAddr[6];
    uint8_t Reserved[4];
};
static_assert(sizeof(VX_BA_PEER) == 10, "VX_BA_PEER");
constexpr int VX_BA_PEER_MAX = 32;
struct VX_BA_PEER_LIST {
    uint32_t Count;           // 0..32
    VX_BA_PEER Peers[VX_BA_PEER_MAX];
};
static_assert(sizeof(VX_BA_PEER_LIST) == 324, "VX_BA_PEER_LIST");

// ---------------------------------------------------------------------------------------
// QoS, direct link, block ack
// ---------------------------------------------------------------------------------------

// Each setter fills only its own fields; the library treats the others as "don't care".
struct VX_WMM_SETTING {
    uint32_t bDLSEnable;
    uint32_t bWMMEnable;
    uint32_t bAPSDEnable;
    uint32_t bAPSD_AC_BE;
    uint32_t bAPSD_AC_BK;
    uint32_t bAPSD_AC_VI;
    uint32_t bAPSD_AC_VO;
    uint32_t Reserved;
};
static_assert(sizeof(VX_WMM_SETTING) == 32, "VX_WMM_SETTING");

struct VX_DLS_ENTRY {
    uint16_t TimeOut;         // seconds: 0 or 21..65535
    uint16_t Zero;
    uint8_t MacAddr[6];
    uint8_t Status;           // 2 = up
    uint8_t Valid;            // 1 set up, 0 tear down
};
static_assert(sizeof(VX_DLS_ENTRY) == 12, "VX_DLS_ENTRY");
constexpr int VX_DLS_TABLE_SIZE = 4;

struct VX_BA_CAP {
    uint8_t Byte0;            // carried through
    uint8_t Byte1;            // carried through
    uint8_t MpduAggregation;  // 1 on, 2 off
    uint8_t MpduDensity;      // 0..7
    uint8_t AmsduEnable;      // 1 / 0
    uint8_t AmsduSize;        // 0 = 3839, 1 = 7935
    uint8_t MmpsMode;         // 3 off, 0 static, 1 dynamic
    uint8_t AutoBA;           // 1 automatic set-up, 0 manual
};
static_assert(sizeof(VX_BA_CAP) == 8, "VX_BA_CAP");

// Packed word of VXWL_ReadBACap / VXWL_WriteBACap.
inline uint32_t VxPackBACap(const VX_BA_CAP& c)
{
    return uint32_t(c.Byte0) | uint32_t(c.Byte1) << 8 | uint32_t(c.AutoBA & 1) << 16 |
           uint32_t(c.MpduAggregation & 3) << 17 | uint32_t(c.MpduDensity & 7) << 19 |
           uint32_t(c.AmsduEnable & 1) << 22 | uint32_t(c.AmsduSize & 1) << 23 | uint32_t(c.MmpsMode & 3) << 24;
}
inline VX_BA_CAP VxUnpackBACap(uint32_t w)
{
    VX_BA_CAP c{};
    c.Byte0 = uint8_t(w);
    c.Byte1 = uint8_t(w >> 8);
    c.AutoBA = (w >> 16) & 1;
    c.MpduAggregation = (w >> 17) & 3;
    c.MpduDensity = (w >> 19) & 7;
    c.AmsduEnable = (w >> 22) & 1;
    c.AmsduSize = (w >> 23) & 1;
    c.MmpsMode = (w >> 24) & 3;
    return c;
}

struct VX_BA_ENTRY {
    uint8_t MacAddr[6];
    uint16_t TidBitmap;       // bit t = agreement for TID t
    uint8_t WindowSize[8];    // per TID
};
static_assert(sizeof(VX_BA_ENTRY) == 16, "VX_BA_ENTRY");

// VXWL_QueryBATable: both counts first, then the originator and the recipient entries.
constexpr int VX_BA_TABLE_MAX = 32;
struct VX_BA_TABLE {
    uint32_t OriginatorCount; // 0..32
    uint32_t RecipientCount;  // 0..32
    VX_BA_ENTRY Originator[VX_BA_TABLE_MAX];
    VX_BA_ENTRY Recipient[VX_BA_TABLE_MAX];
};
static_assert(sizeof(VX_BA_TABLE) == 1032, "VX_BA_TABLE");
VX_RECORD_CHECK(VX_BA_TABLE, Recipient, 520);

struct VX_BA_REQUEST {
    uint8_t Side;             // 0 originator, 1 recipient
    uint8_t MacAddr[6];
    uint8_t TID;              // 0..7
    uint8_t WindowSize;       // add; default 32
    uint8_t Unset1;
    uint16_t Zero;
    uint8_t All;              // delete: all TIDs
    uint8_t Unset2;
};
static_assert(sizeof(VX_BA_REQUEST) == 14, "VX_BA_REQUEST");
VX_RECORD_CHECK(VX_BA_REQUEST, TID, 7);
VX_RECORD_CHECK(VX_BA_REQUEST, Zero, 10);
VX_RECORD_CHECK(VX_BA_REQUEST, All, 12);

// ---------------------------------------------------------------------------------------
// WPS
// ---------------------------------------------------------------------------------------

enum : uint32_t {
    VX_WPS_RUN_PIN = 0x10000000,
    VX_WPS_RUN_PBC = 0x20000000,
    VX_WPS_STATUS_PIN_BIT = 0x10000000, // in the status word
    VX_WPS_STATUS_CODE_MASK = 0x0FFFFFFF,
};

struct WPS_MODE {
    uint32_t WpsMode;         // VX_WPS_RUN_...; 0 in the stored copy
    char PIN[8];              // ASCII digits, not terminated when 8 long
    uint32_t SsidLength;
    uint8_t WpsSSID[32];
    uint8_t Bssid[6];
    uint8_t Channel;
    uint8_t ConfigMode;       // run: 1 enrollee, 2 registrar; stored: 0 enrollee, 1 registrar
};
static_assert(sizeof(WPS_MODE) == 56, "WPS_MODE");
VX_RECORD_CHECK(WPS_MODE, PIN, 4);
VX_RECORD_CHECK(WPS_MODE, SsidLength, 12);
VX_RECORD_CHECK(WPS_MODE, WpsSSID, 16);
VX_RECORD_CHECK(WPS_MODE, Bssid, 48);
VX_RECORD_CHECK(WPS_MODE, Channel, 54);
VX_RECORD_CHECK(WPS_MODE, ConfigMode, 55);

struct WPS_CREDENTIAL {
    uint32_t SsidLength;
    uint8_t SSID[32];
    uint32_t AuthType;        // 0x01 open, 0x02 WPA-PSK, 0x04 shared, 0x08 WPA, 0x10 WPA2, 0x20 WPA2-PSK
    uint32_t EncrType;        // 0x01 none, 0x02 WEP, 0x04 TKIP, 0x08 AES
    uint32_t KeyIndex;        // 0-based; bit 31 ignored for display
    uint32_t KeyLength;
    uint8_t Key[64];
    uint8_t MacAddr[6];
    uint8_t Pad[2];
};
static_assert(sizeof(WPS_CREDENTIAL) == 124, "WPS_CREDENTIAL");
VX_RECORD_CHECK(WPS_CREDENTIAL, AuthType, 36);
VX_RECORD_CHECK(WPS_CREDENTIAL, KeyLength, 48);
VX_RECORD_CHECK(WPS_CREDENTIAL, Key, 52);
VX_RECORD_CHECK(WPS_CREDENTIAL, MacAddr, 116);

constexpr int VX_WPS_MAX_CREDENTIALS = 8;
struct WPS_PROFILE {
    uint32_t ProfileCnt;      // 0..8 (clamp before use)
    WPS_CREDENTIAL Profile[VX_WPS_MAX_CREDENTIALS];
};
static_assert(sizeof(WPS_PROFILE) == 996, "WPS_PROFILE");

// ---------------------------------------------------------------------------------------
// Soft AP
// ---------------------------------------------------------------------------------------

struct VX_SOFTAP_CONFIG {
    uint32_t SsidLength;      // 0..32
    uint8_t Ssid[32];
    uint32_t Channel;
    char Key[64];             // passphrase (>= 8) or 64 hex digits
    uint32_t KeyLength;       // 0..64
    uint32_t MaxPeers;        // 1..32
    uint8_t Unset1[4];
    uint8_t IpAddress[4];     // hosted network, read only
    uint8_t Unset2[24];
};
static_assert(sizeof(VX_SOFTAP_CONFIG) == 144, "VX_SOFTAP_CONFIG");
VX_RECORD_CHECK(VX_SOFTAP_CONFIG, Channel, 36);
VX_RECORD_CHECK(VX_SOFTAP_CONFIG, Key, 40);
VX_RECORD_CHECK(VX_SOFTAP_CONFIG, KeyLength, 104);
VX_RECORD_CHECK(VX_SOFTAP_CONFIG, MaxPeers, 108);
VX_RECORD_CHECK(VX_SOFTAP_CONFIG, IpAddress, 116);

struct VX_HOSTED_PEER {
    uint8_t MacAddr[6];
    uint8_t Reserved[2];
    uint32_t AuthState;       // 1 = authenticated
};
static_assert(sizeof(VX_HOSTED_PEER) == 12, "VX_HOSTED_PEER");
constexpr int VX_HOSTED_PEER_MAX = 50;

struct VX_HOSTED_STATUS {
    uint32_t State;           // 1 = Bssid valid
    uint8_t Reserved1[16];
    uint8_t Bssid[6];
    uint8_t Reserved2[10];
    uint32_t PeerCount;       // clamp to 50
    VX_HOSTED_PEER Peers[VX_HOSTED_PEER_MAX];
};
static_assert(sizeof(VX_HOSTED_STATUS) == 640, "VX_HOSTED_STATUS");
VX_RECORD_CHECK(VX_HOSTED_STATUS, Bssid, 20);
VX_RECORD_CHECK(VX_HOSTED_STATUS, PeerCount, 36);
VX_RECORD_CHECK(VX_HOSTED_STATUS, Peers, 40);

// ---------------------------------------------------------------------------------------
// CCX
// ---------------------------------------------------------------------------------------

enum : uint16_t { VX_CAC_ADDTS = 1, VX_CAC_DELTS = 2, VX_CAC_RESET = 3 };
struct VX_CAC_CMD {
    uint16_t Command;
    uint16_t Value;           // 1
    uint8_t Reserved[152];
};
static_assert(sizeof(VX_CAC_CMD) == 156, "VX_CAC_CMD");

// VXWL_QueryCCXInfo flags.
enum : uint32_t { VX_CCXINFO_CCKM = 0x2, VX_CCXINFO_MFP = 0x4000000 };

// VXWL_ReadNetConfig.
struct VX_NET_CONFIG {
    uint8_t Reserved1[4];
    uint8_t IpAddress[4];
    uint8_t Reserved2[4];
    uint8_t Gateway[4];
    uint8_t Reserved3[16];
};
static_assert(sizeof(VX_NET_CONFIG) == 32, "VX_NET_CONFIG");
VX_RECORD_CHECK(VX_NET_CONFIG, IpAddress, 4);
VX_RECORD_CHECK(VX_NET_CONFIG, Gateway, 12);

// ---------------------------------------------------------------------------------------
// Single sign-on
// ---------------------------------------------------------------------------------------

struct VX_SSO_RECORD {
    uint32_t bAvailable;      // read only
    uint32_t bEnabled;
    uint8_t Reserved[4];
    char szCredentialMode[128]; // "0" logon, "1" profile, other = prompt
    char szLogonLibrary[128];
    char szDriverDesc[256];
    char szProfile[384];
    char szPersistent[128];   // "1" on
};
static_assert(sizeof(VX_SSO_RECORD) == 1036, "VX_SSO_RECORD");
VX_RECORD_CHECK(VX_SSO_RECORD, szCredentialMode, 12);
VX_RECORD_CHECK(VX_SSO_RECORD, szLogonLibrary, 140);
VX_RECORD_CHECK(VX_SSO_RECORD, szDriverDesc, 268);
VX_RECORD_CHECK(VX_SSO_RECORD, szProfile, 524);
VX_RECORD_CHECK(VX_SSO_RECORD, szPersistent, 908);

// ---------------------------------------------------------------------------------------
// Certificates and PAC lists
// ---------------------------------------------------------------------------------------

inline void* VxAddress32ToPointer(uint32_t address)
{
    return reinterpret_cast<void*>(static_cast<uintptr_t>(address));
}
// False when the pointer does not fit in 32 bits (the field is then left as it was).
inline bool VxPointerToAddress32(const void* p, uint32_t& address)
{
    const uintptr_t v = reinterpret_cast<uintptr_t>(p);
    if (v > 0xFFFFFFFFu)
        return false;
    address = static_cast<uint32_t>(v);
    return true;
}

// VXWL_EnumCert; the blob is owned by the library until VXWL_FreeCertArray.
struct VX_CERT_ENTRY {
    char szIssuedTo[256];
    char szIssuedBy[256];
    char szExpiration[256];   // "Y/M/D"
    char szFriendlyName[256];
    uint32_t BlobLength;      // <= 152
    uint32_t BlobAddress;     // 32-bit address of the blob bytes
    uint8_t Unused[8];

    const uint8_t* Blob() const { return static_cast<const uint8_t*>(VxAddress32ToPointer(BlobAddress)); }
    bool SetBlob(const void* p) { return VxPointerToAddress32(p, BlobAddress); }
};
static_assert(sizeof(VX_CERT_ENTRY) == 1040, "VX_CERT_ENTRY");
VX_RECORD_CHECK(VX_CERT_ENTRY, BlobLength, 1024);
VX_RECORD_CHECK(VX_CERT_ENTRY, BlobAddress, 1028);

struct VX_PAC_ENTRY {
    uint32_t bSelected;
    char szFileName[256];
    char szPath[256];
};
static_assert(sizeof(VX_PAC_ENTRY) == 516, "VX_PAC_ENTRY");
constexpr int VX_PAC_LIST_MAX = 51;

// VXWL_WritePACList.
struct VX_PAC_LIST_DESC {
    uint32_t Count;
    uint32_t EntriesAddress;  // 32-bit address of Count VX_PAC_ENTRY records

    VX_PAC_ENTRY* Entries() const { return static_cast<VX_PAC_ENTRY*>(VxAddress32ToPointer(EntriesAddress)); }
    bool SetEntries(const VX_PAC_ENTRY* p) { return VxPointerToAddress32(p, EntriesAddress); }
};
static_assert(sizeof(VX_PAC_LIST_DESC) == 8, "VX_PAC_LIST_DESC");

// Data of callback 2 (RS_CBS_FAST_SAVE_PAC), handed on to VXWL_FastPacSave.
constexpr int VX_PAC_BLOB_SIZE = 1040;

// WAPI certificate information (VXWL_GetWAPICertInfo).
struct VX_WAPI_CERT_INFO {
    char szIssuedTo[256];
    char szIssuedBy[256];
    char szExpiration[256];
    uint8_t Reserved[272];
};
static_assert(sizeof(VX_WAPI_CERT_INFO) == 1040, "VX_WAPI_CERT_INFO");

// Installed WAPI certificate (VXWL_EnumSystemCertificate, 32 of them at most).
constexpr int VX_WAPI_CERT_MAX = 32;
struct VX_WAPI_CERT_ENTRY {
    uint32_t TimeFormat;      // nonzero: the time fields are raw bytes; 0: "YYMMDDHHMMSSZ" texts
    char szSubject[256];
    char szIssuer[256];
    uint8_t NotBefore[32];
    uint8_t NotAfter[32];
    uint32_t CertLength;
    uint8_t Cert[7880];
};
static_assert(sizeof(VX_WAPI_CERT_ENTRY) == 8464, "VX_WAPI_CERT_ENTRY");
VX_RECORD_CHECK(VX_WAPI_CERT_ENTRY, NotBefore, 516);
VX_RECORD_CHECK(VX_WAPI_CERT_ENTRY, CertLength, 580);

// WAPI certificate buffer (VXWL_LoadX509..., VXWL_SetupX509...).
struct VX_WAPI_CERT_BUF {
    uint16_t Identifier;
    uint16_t Length;          // valid bytes of Data
    uint8_t Data[4092];
};
static_assert(sizeof(VX_WAPI_CERT_BUF) == 4096, "VX_WAPI_CERT_BUF");

// VXWL_QueryAPIPAddress: 4 address bytes, then the access point's name.
struct VX_AP_IP_INFO {
    uint8_t IpAddress[4];
    char szName[256];
};
static_assert(sizeof(VX_AP_IP_INFO) == 260, "VX_AP_IP_INFO");

// Ping result of the diagnostic library's test call (a 1024-byte buffer). The 16-bit values
// are stored high byte first.
constexpr int VX_DIAG_RESULT_SIZE = 1024;
struct VX_DIAG_RESULT {
    uint8_t IpVersion;        // 4 or 6
    uint8_t IpAddress[4];
    uint8_t MacAddress[6];
    uint8_t PacketsSent;
    uint8_t PacketsReceived[2];
    uint8_t MinReplyMs[2];
    uint8_t MaxReplyMs[2];
    uint8_t Reserved[VX_DIAG_RESULT_SIZE - 18];

    static uint16_t BigEndian16(const uint8_t (&b)[2]) { return static_cast<uint16_t>(b[0] << 8 | b[1]); }
};
static_assert(sizeof(VX_DIAG_RESULT) == VX_DIAG_RESULT_SIZE, "VX_DIAG_RESULT");
VX_RECORD_CHECK(VX_DIAG_RESULT, MacAddress, 5);
VX_RECORD_CHECK(VX_DIAG_RESULT, PacketsSent, 11);
VX_RECORD_CHECK(VX_DIAG_RESULT, PacketsReceived, 12);
VX_RECORD_CHECK(VX_DIAG_RESULT, MinReplyMs, 14);
VX_RECORD_CHECK(VX_DIAG_RESULT, MaxReplyMs, 16);

#pragma pack(pop)
