// The device API library VxWLAPI.dll: calling convention, result codes, callbacks and the
// 180 entry points. Included by the utility (through the binding object VXWLLIB) and by the
// simulated library. Portable: no <windows.h>; the records are in device/VxWLRecords.h.
//
// Decisions on points the library's documentation leaves open are noted at the declaration
// they concern.
#pragma once

#include "device/VxWLRecords.h"

#include <cstdint>

// Every entry point and both callbacks use the Windows API convention (the library's exports
// are undecorated names in its .def file).
#if defined(_WIN32)
#define VXWLAPI_CALL __stdcall
#else
#define VXWLAPI_CALL
#endif

// The controller window, as the system declares it (STRICT handles).
struct HWND__;
typedef HWND__* VXWL_HWND;

// UTF-16 text (VXWL_WlanSendS64Start only).
#if defined(_WIN32)
typedef wchar_t VXWL_WCHAR;
#else
typedef char16_t VXWL_WCHAR;
#endif

// ---------------------------------------------------------------------------------------
// Result codes (32-bit signed)
// ---------------------------------------------------------------------------------------

#define VXWL_ERROR_SUCCESS 1
#define VXWL_ERROR_BUFFER_TOO_SMALL (-10)     // the count or size field holds what is needed
#define VXWL_ERROR_IMPORT_MANY_PROFILES (-14) // the import file holds more than one profile
#define VXWL_ERROR_IMPORT_NO_PROFILE (-15)    // the import file holds no profile
#define VXWL_ERROR_DUPLICATE_PROFILE (-16)
// Returned by the binding, never by the library: the library does not export the entry point.
#define VXWL_ERROR_NOT_EXPORTED (-99)

// ---------------------------------------------------------------------------------------
// Callbacks
// ---------------------------------------------------------------------------------------

// Event callback registered with VXWL_AdapterSelect (the controller's rsCallBackFunc); may be
// called on a thread of the library. Only the low byte of `code` counts. `reply` is a text buffer of at least
// VXWL_CALLBACK_REPLY_SIZE bytes that the utility fills for the codes that ask for a value.
typedef void(VXWLAPI_CALL* VXWL_CALLBACK)(uint32_t code, void* data, char* reply);
constexpr int VXWL_CALLBACK_REPLY_SIZE = 256;

// Callback codes.
enum : uint32_t {
    RS_CBS_FAST_SAVE_PAC = 2,                      // data: VX_PAC_BLOB_SIZE bytes
    RS_CBS_CHANGE_PASSWORD_SUCCESS = 3,
    RS_CBS_AU_STATUS_LINK_DOWN = 4,
    RS_CBS_AU_STATUS_START = 5,
    RS_CBS_AU_STATUS_LINK_UP = 6,
    RS_CBS_AU_STATUS_AUTHENTICATING = 7,
    RS_CBS_AU_STATUS_AUTHENTICATED = 14,
    RS_CBS_AU_STATUS_FAST_PROVISIONING_SUCCESS = 15,
    RS_CBS_AU_STATUS_CLIENT_IDENTITY_REJECTED = 16,
    RS_CBS_AU_STATUS_AUTH_TIMEOUT = 17,
    RS_CBS_CHANGE_PASSWORD_REQUEST = 20,           // reply: the new password
    RS_CBS_FAST_PAC_AID_INFO = 21,                 // data: text of up to 128 bytes
    RS_CBS_FAST_INVALID_PAC_OPAQUE = 22,
    RS_CBS_FAST_LOAD_PAC = 23,                     // reply: the PAC file path
    RS_CCX_DIAG_PROFILE = 25,                      // data: 32-bit flag
    RS_CCX_AIRONET_MSG_STR = 26,                   // data: 256-byte text
    RS_CBS_AU_STATUS_MEDIA_CONNECT = 29,
    RS_CBS_AU_STATUS_MEDIA_DISCONNECT = 30,
    RS_CBS_ICV_ERROR = 31,
    RS_CBS_PORT_SECURED = 32,
};

// Scan-finished callback handed to VXWL_SiteSurveyScan (the site survey page's
// FuncScanFinished): called once when the started scan ends, possibly on a thread of the
// library.
typedef void(VXWLAPI_CALL* VXWL_SCAN_CALLBACK)(void);

// Messages the library posts to the controller window given to VXWL_Initial. Radio on / off
// follow every change of the software or hardware radio; VXWL_MSG_RECONNECT follows a driver
// restart (the adapter back, a resume). Media connect and decryption errors arrive as the
// callbacks RS_CBS_AU_STATUS_MEDIA_CONNECT and RS_CBS_ICV_ERROR (the utility posts 0x8003 and
// 0x8001 to itself); the library does not post them as well.
enum : uint32_t {
    VXWL_MSG_SCAN_FAILED = 0x401,       // WM_USER+1
    VXWL_MSG_RADIO_ON = 0x402,          // WM_USER+2
    VXWL_MSG_RADIO_OFF = 0x403,         // WM_USER+3
    VXWL_MSG_CCX_CONNECTED = 0x404,     // WM_USER+4, lParam nonzero connected / 0 failed
    VXWL_MSG_CCX_FINISHED = 0x405,      // WM_USER+5
    VXWL_MSG_CCX_IHV = 0x406,           // WM_USER+6, wParam = IHV message code
    VXWL_MSG_CCX_NOT_RUN = 0x407,       // WM_USER+7
    VXWL_MSG_RECONNECT = 0x408,         // WM_USER+8
    VXWL_MSG_ENABLE_MAIN = 0x40B,       // WM_USER+11, wParam 1 enable / other disable
    VXWL_MSG_CONNECT_SURVEY = 0x40C,    // WM_USER+12
    VXWL_MSG_ICV_ERROR = 0x8001,
    VXWL_MSG_MEDIA_CONNECT = 0x8003,
};

// Other constants of the calls.
enum : int32_t {
    VXWL_REG_TEXT = 1,                  // VXWL_WriteRegValue types
    VXWL_REG_DWORD = 4,
    VXWL_CONNECT_MODE_PROFILE = 0,      // VXWL_WlanConnect: connect by the named profile
    VXWL_PROFILE_ID_TAKEN = 0,          // VXWL_IsDuplicateProfileID
    VXWL_PROFILE_ID_EXHAUSTED = 3,
};
constexpr int VXWL_DRIVER_DESC_MAX = 128; // VXWL_ReadDriverDesc writes at most 127 chars + NUL
constexpr int VXWL_CHANNEL_LIST_MAX = 64; // VXWL_GetAvailableChannels buffer

// ---------------------------------------------------------------------------------------
// Entry points: X(return type, name, parameter list, argument list, result when missing).
//
// Every entry point returns a 32-bit int; where the caller ignores the result the library
// returns VXWL_ERROR_SUCCESS. A missing export behaves as a failed call: the binding returns
// the last column without touching any output buffer (VXWL_ERROR_NOT_EXPORTED, or 0 for
// the Is / Check / Detect questions and the calls whose success is "nonzero").
// "[opt]" marks the entry points callers test for presence before use.
// Readers without their own convention return 1 on success.
// ---------------------------------------------------------------------------------------

#define VXWL_E VXWL_ERROR_NOT_EXPORTED

#define VXWL_ENTRY_POINTS(X)                                                                   \
    /* Session, environment, adapter selection */                                             \
    X(int, VXWL_Initial, (const char* appName, VXWL_HWND hWnd), (appName, hWnd), VXWL_E)        \
    X(int, VXWL_DeInitial, (void), (), VXWL_E) /* [opt] */                                     \
    X(int, VXWL_Release, (void), (), VXWL_E) /* [opt] IsWpaCapable is 0 until AdapterSelect */ \
    /* bufferSize in bytes (first call 4 + 1300); -10: count field = adapters present */     \
    X(int, VXWL_GetAvailableAdapters, (void* list, uint32_t bufferSize), (list, bufferSize), VXWL_E) \
    X(int, VXWL_AdapterSelect, (const VX_ADAPTER* adapter, VXWL_CALLBACK callback, VXWL_HWND hWnd), \
      (adapter, callback, hWnd), VXWL_E)                                                        \
    /* the adapter name (offset 0 of the adapter record) */                                   \
    X(int, VXWL_IsDeviceExist, (const char* adapterName), (adapterName), 0)                    \
    X(int, VXWL_QueryInitState, (int* done), (done), VXWL_E)                                  \
    X(int, VXWL_GetWinOS, (void), (), 0) /* [opt] */                                          \
    X(int, VXWL_IsWow64, (void), (), 0)                                                       \
    X(int, VXWL_DetectUserAdmin, (void), (), 0)                                               \
    X(int, VXWL_IsAllowStandardUserSetProfile, (void), (), 0)                                 \
    X(int, VXWL_IsAllowStandardUserSetAdvance, (void), (), 0)                                 \
    X(int, VXWL_DetectMoreThanOneUser, (void), (), 0)                                         \
    X(int, VXWL_IsZeroConfig, (void), (), 0)                                                  \
    X(int, VXWL_IsWpaCapable, (void), (), 0) /* [opt] */                                      \
    X(int, VXWL_CheckMSConfigService, (void), (), 0)                                          \
    /* 1 = nothing to do (also when missing); else *choice says which tool takes over */      \
    X(int, VXWL_RunOnceInitConfigTool, (int* choice), (choice), VXWL_ERROR_SUCCESS)            \
    X(int, VXWL_RunOnceInitConfigTxBurst, (void), (), VXWL_E)                                 \
    X(int, VXWL_ReadNetCfgInstanceID, (char* id /*256*/), (id), VXWL_E)                        \
    X(int, VXWL_WriteRegValue, (const char* name, int type, const void* data, int size),       \
      (name, type, data, size), VXWL_E)                                                         \
    X(int, VXWL_OIDSetInfo, (uint32_t oid, const void* data, uint32_t size), (oid, data, size), VXWL_E) \
    X(int, VXWL_OIDQueryInfo, (uint32_t oid, void* data, uint32_t size, uint32_t* returned),   \
      (oid, data, size, returned), 0)                                                           \
    X(int, VXWL_GetCurrentDeviceModel, (int* model), (model), 0)                              \
    X(int, VXWL_ReadDriverName, (char* path /*260*/), (path), VXWL_E)                          \
    X(int, VXWL_ReadDriverDesc, (char* desc /*128*/), (desc), VXWL_E)                          \
    X(int, VXWL_QueryMacAddrs, (uint8_t* mac /*6*/), (mac), VXWL_E)                            \
    X(int, VXWL_QueryCurrAddress, (uint8_t* mac /*6*/), (mac), VXWL_E)                         \
    X(int, VXWL_QueryEEPROMVersion, (uint8_t* version /*2*/), (version), 0)                    \
    X(int, VXWL_QueryFWVersion, (uint8_t* version /*2*/), (version), 0)                        \
    X(int, VXWL_ReadNetConfig, (const VX_ADAPTER* adapter, VX_NET_CONFIG* config), (adapter, config), VXWL_E) \
    X(int, VXWL_RenewIPAddr, (void), (), VXWL_E) /* called on a worker thread; may block */    \
    X(int, VXWL_BackupStationSetting, (void), (), VXWL_E)                                     \
    /* Operation mode and radio */                                                            \
    X(int, VXWL_ReadOpMode, (void), (), 0)                                                    \
    X(int, VXWL_QueryOPMode, (void), (), 0) /* [opt] */                                       \
    X(int, VXWL_SetAndWriteOPMode, (int mode), (mode), 0)                                     \
    X(int, VXWL_IsSupportAPMode, (void), (), 0)                                               \
    X(int, VXWL_ReadRadioStatus, (void), (), 0)                                               \
    X(int, VXWL_SetAndWriteRadioState, (int on), (on), 0)                                     \
    X(int, VXWL_QueryHWAndSWRadioState, (int* hw, int* sw), (hw, sw), VXWL_E)                  \
    /* Link status and counters; success = nonzero low byte */                                \
    X(int, VXWL_QueryWLANStatus, (VX_LINK_STATUS* status, VX_LINK_SELECTOR selector), (status, selector), 0) \
    X(int, VXWL_ResetCounter, (void), (), VXWL_E)                                             \
    X(int, VXWL_RssiToPercent, (int dbm), (dbm), 0)                                           \
    X(int, VXWL_QueryAPIPAddress, (VX_AP_IP_INFO* info), (info), 0)                            \
    X(int, VXWL_QueryPrivateMsg, (uint32_t* value), (value), VXWL_E)                           \
    X(int, VXWL_IsWAPIConnecting, (void), (), 0)                                              \
    X(int, VXWL_GetWAPIProgress, (void), (), 0)                                               \
    X(int, VXWL_CheckIEEE80211H, (void), (), 0)                                               \
    /* Scanning and channels */                                                               \
    X(int, VXWL_SiteSurveyScan, (VXWL_SCAN_CALLBACK finished), (finished), VXWL_E)             \
    /* *size in/out: the buffer's size; on -10 the size needed */                             \
    X(int, VXWL_SiteSurveyQuery, (uint8_t* table, uint32_t* size), (table, size), VXWL_E)      \
    X(int, VXWL_ParseInfoElement, (const VX_BSSID_EX* entry, VX_PARSED_IE* parsed), (entry, parsed), VXWL_E) \
    X(int, VXWL_FrequencyToChannel, (uint32_t kHz), (kHz), -1) /* -1 = no channel */          \
    X(int, VXWL_ChannelToFrequency, (int channel), (channel), 0)                              \
    /* the six-argument form; callers without a network type or flag pass 1 */                \
    X(int, VXWL_GetAvailableChannels,                                                          \
      (int networkType, int wirelessMode, int adhocMode, uint8_t* channels /*64*/, int* count, int flag), \
      (networkType, wirelessMode, adhocMode, channels, count, flag), VXWL_E)                    \
    X(int, VXWL_QueryWirelessMode, (int* mode), (mode), VXWL_E)                                \
    X(int, VXWL_ConvertPhyModeToAdHocMode, (int mode), (mode), VXWL_E)                         \
    X(int, VXWL_CheckBssidRepositTime, (void), (), 0)                                         \
    /* clears the driver's scan table */                                                     \
    X(int, VXWL_FlushBSSIDList, (int phyModeFrom, int phyModeTo), (phyModeFrom, phyModeTo), VXWL_E) \
    /* Association, authentication, credentials */                                            \
    /* the connect call; encryptions 10 / 11 (MFP) are accepted and reported back on codes    \
       >= 10; an SSID length of 0 (without a BSSID) associates with nothing */                \
    X(int, VXWL_SetWLANProfile, (const WLANPROFILE* profile), (profile), VXWL_E)               \
    /* length 32 of 0x10 bytes (park) and length 32 of zero bytes: disassociate and stay */   \
    X(int, VXWL_SetSSID, (VX_SSID ssid), (ssid), VXWL_E)                                       \
    X(int, VXWL_SetBSSID, (const uint8_t* bssid /*6*/), (bssid), VXWL_E)                        \
    X(int, VXWL_Disassociate, (void), (), VXWL_E)                                             \
    X(int, VXWL_StopAuth, (void), (), VXWL_E)                                                 \
    X(int, VXWL_SetWEPKey, (const WLANPROFILE* profile), (profile), VXWL_E) /* [opt] */       \
    X(int, VXWL_SetAuthMode, (int mode), (mode), VXWL_E)                                      \
    X(int, VXWL_WriteIDnPasswd, (const char* id /*128*/, const char* password /*128*/), (id, password), VXWL_E) \
    X(int, VXWL_WriteDomainName, (const char* domain /*128*/), (domain), VXWL_E)               \
    X(int, VXWL_FastPacSave, (const uint8_t* data /*1040*/, const char* pacPath /*256*/, const char* aid /*128*/), \
      (data, pacPath, aid), VXWL_E)                                                             \
    X(int, VXWL_FastPacLoad, (char* path, int size, const char* identity, int flag),           \
      (path, size, identity, flag), VXWL_E)                                                     \
    X(int, VXWL_ReadCCX2Cont, (uint32_t* word), (word), VXWL_E)                                \
    X(int, VXWL_SetCCXInfo, (int fastRoam, uint32_t ccx2Word), (fastRoam, ccx2Word), VXWL_E)    \
    X(int, VXWL_QueryCCXInfo, (uint32_t* flags), (flags), 0)                                   \
    /* Newer-system WLAN wrappers, EAP host */                                                \
    /* profile name = the active profile, SSID from the link status, mode                     \
       VXWL_CONNECT_MODE_PROFILE, then the converted dot11 values */                          \
    X(int, VXWL_WlanConnect,                                                                   \
      (const char* profileName, const VX_SSID* ssid, int connectMode, int dot11Auth, int dot11Cipher, int dot11BssType), \
      (profileName, ssid, connectMode, dot11Auth, dot11Cipher, dot11BssType), VXWL_E)          \
    X(int, VXWL_WlanDisconnect, (void), (), VXWL_E)                                           \
    /* pure conversions: the result is the dot11 enumeration value (auth 1 open, 2 shared,    \
       3 WPA, 4 WPA-PSK, 5 WPA-None, 6 RSNA, 7 RSNA-PSK; cipher 0 none, 1 WEP, 2 TKIP,          \
       4 CCMP; BSS type 1 infrastructure, 2 independent) */                                   \
    X(int, VXWL_WlanConvertNdis2Dot11AuthType, (int authMode), (authMode), VXWL_E)            \
    X(int, VXWL_WlanConvertNdis2Dot11EncryptType, (int encryption), (encryption), VXWL_E)     \
    X(int, VXWL_WlanConvertNdis2Dot11NetworkType, (int networkType), (networkType), VXWL_E)   \
    X(int, VXWL_WlanDeleteAllWindowsProfiles, (void), (), VXWL_E)                             \
    X(int, VXWL_WlanDeleteAllOmbrelWindowsProfiles, (void), (), VXWL_E)                       \
    X(int, VXWL_WlanIsAdhocSupportWPA2AES, (void), (), 0)                                     \
    X(int, VXWL_WlanIsCCXDiagnosticProfile, (const char* name /*128*/), (name), 0)             \
    X(int, VXWL_WlanIsWindowsProfileExist, (const char* ssid /*64*/), (ssid), 0)               \
    X(int, VXWL_WlanSendS64Start, (const VXWL_WCHAR* ssid /*2048 bytes*/), (ssid), VXWL_E)     \
    X(int, VXWL_WlanSendClientAbort, (void), (), VXWL_E)                                      \
    X(int, VXWL_WlanBuildIHVMessage, (int code, char* text /*256*/), (code, text), VXWL_E)     \
    /* the EAP host configuration is the profile's EAP-FAST blob and its length; the library \
       posts VXWL_MSG_ENABLE_MAIN (1) when its UI closes, and VXWL_MSG_CONNECT_SURVEY too     \
       when the name is empty */                                                              \
    X(int, VXWL_StartEapHostPeerInvokeConfigUI,                                                \
      (const char* profileName, uint8_t* eapConfig /*3000*/, uint32_t* eapConfigLength),        \
      (profileName, eapConfig, eapConfigLength), VXWL_E)                                        \
    X(int, VXWL_IsEapHostInstalled, (void), (), 0)                                            \
    /* Profile store, PAC lists, certificates. Array readers: a null array asks for the      \
       count; otherwise *count in = capacity, out = records written */                        \
    X(int, VXWL_ReadProfileList, (WLANPROFILE* profiles, int* count), (profiles, count), VXWL_E) \
    /* 1 = found, 0 = no such profile */                                                      \
    X(int, VXWL_ReadProfileData, (WLANPROFILE* profile, const char* name /*128*/), (profile, name), VXWL_E) \
    /* replaces the profile stored under writeKey (a rename when the record's name differs) */ \
    X(int, VXWL_WriteProfile, (const char* writeKey /*128*/, const WLANPROFILE* profile), (writeKey, profile), VXWL_E) \
    /* keepLink 1: the link uses this SSID under another profile; the link is never dropped */ \
    X(int, VXWL_DeleteProfile, (const char* name /*128*/, int keepLink), (name, keepLink), VXWL_E) \
    X(int, VXWL_CopyProfileToCurrentSetting, (const char* name /*128*/), (name), VXWL_E)       \
    X(int, VXWL_ReadActiveProfileName, (char* name /*128*/), (name), VXWL_E)                   \
    /* clears the active profile name (exact spelling of the export) */                      \
    X(int, VXWL_ResetToDefaultConnecctionSetting, (void), (), VXWL_E)                         \
    X(int, VXWL_GetNextProfileID, (char* id /*128*/), (id), VXWL_E)                            \
    X(int, VXWL_CheckDuplicatedProfileName, (const char* name), (name), 0) /* -16 = taken */  \
    /* VXWL_PROFILE_ID_TAKEN, VXWL_PROFILE_ID_EXHAUSTED, other = free */                      \
    X(int, VXWL_IsDuplicateProfileID, (int id), (id), VXWL_PROFILE_ID_TAKEN)                   \
    /* -14 / -15 / -16, other = imported */                                                   \
    X(int, VXWL_ImportProfile, (const char* path), (path), VXWL_ERROR_IMPORT_NO_PROFILE)       \
    X(int, VXWL_ExportProfile, (const char* name /*128*/, const char* path), (name, path), VXWL_E) \
    X(int, VXWL_ReadPSMode, (int* mode), (mode), VXWL_E)                                       \
    X(int, VXWL_ReadPACList, (VX_PAC_ENTRY* entries, int* count, const char* profileName),     \
      (entries, count, profileName), VXWL_E)                                                    \
    X(int, VXWL_WritePACList, (const VX_PAC_LIST_DESC* list, const char* profileName), (list, profileName), VXWL_E) \
    X(int, VXWL_Read8021XCert, (RT_BLOB_KEY* cert, const char* profileName /*128*/), (cert, profileName), VXWL_E) \
    /* store "MY" or "ROOT"; blobs stay the library's until VXWL_FreeCertArray */             \
    X(int, VXWL_EnumCert, (const char* store, VX_CERT_ENTRY* entries, int* count), (store, entries, count), VXWL_E) \
    X(int, VXWL_FreeCertArray, (VX_CERT_ENTRY* entries, int* count), (entries, count), VXWL_E) \
    /* Advanced settings, regulatory, capabilities */                                         \
    X(int, VXWL_ReadConfigData, (ADVANCE_CONFIG_DATA* data), (data), 0) /* 0: use live values */ \
    X(int, VXWL_ReadAdvanceCfgData, (ADVANCE_CONFIG_DATA* data), (data), VXWL_E) /* same record */ \
    X(int, VXWL_WriteAdvanceCfgData, (ADVANCE_CONFIG_DATA data), (data), VXWL_E)               \
    X(int, VXWL_SetAdvanceSetting, (ADVANCE_OID oid), (oid), VXWL_E)                           \
    X(int, VXWL_QuerySTAConfig, (RT_802_11_STA_CONFIG* config), (config), VXWL_E)              \
    /* region: bits 0-6 2.4 GHz index, bits 8-14 5 GHz index; then the two settable flags */  \
    X(int, VXWL_QueryCountryRegion, (int* region, int* aBandSettable, int* bgBandSettable),    \
      (region, aBandSettable, bgBandSettable), VXWL_E)                                          \
    X(int, VXWL_VerifyCountryRegion, (void), (), VXWL_E)                                      \
    X(int, VXWL_GetMaxCountryRegion, (int* maxBG, int* maxA), (maxBG, maxA), VXWL_E)           \
    X(int, VXWL_Is80211ASupport, (void), (), 0)                                               \
    X(int, VXWL_Is80211NSupport, (void), (), 0)                                               \
    X(int, VXWL_CheckIfAllowBW40InBGBand, (void), (), 0)                                      \
    X(int, VXWL_CheckIfAllowBW40InABand, (void), (), 0)                                       \
    X(int, VXWL_QueryAntennaNumber, (uint32_t* streams), (streams), VXWL_E) /* [opt] */       \
    X(int, VXWL_IsSupportTDLS, (void), (), 0)                                                 \
    X(int, VXWL_EnableDLSetup, (VX_WMM_SETTING setting), (setting), VXWL_E)                    \
    /* WMM / QoS */                                                                           \
    X(int, VXWL_QueryAndReadWMMCapability, (VX_WMM_SETTING* setting), (setting), VXWL_E)       \
    X(int, VXWL_UpdateWMMEnable, (VX_WMM_SETTING setting), (setting), VXWL_E)                  \
    X(int, VXWL_EnableAPSD, (VX_WMM_SETTING setting), (setting), VXWL_E)                       \
    X(int, VXWL_SetAndWriteAPSDSetting, (VX_WMM_SETTING setting), (setting), VXWL_E)           \
    X(int, VXWL_SetDLSParameter, (VX_DLS_ENTRY entry), (entry), VXWL_E)                        \
    X(int, VXWL_QueryDLSParameter, (VX_DLS_ENTRY* table /*4*/), (table), VXWL_E)               \
    X(int, VXWL_ReadWMMMacAddr, (char* mac /*128*/), (mac), VXWL_E)                            \
    X(int, VXWL_WriteWMMMacAddr, (const char* mac /*128*/), (mac), VXWL_E)                     \
    X(int, VXWL_ReadWMMTimeout, (void), (), 0) /* returns the timeout */                      \
    X(int, VXWL_WriteWMMTimeout, (uint16_t timeout), (timeout), VXWL_E)                        \
    /* 802.11n block ack, ack policy, coexistence */                                          \
    /* the live capability; the page itself reads the stored word (VXWL_ReadBACap) */       \
    X(int, VXWL_QueryBACap, (VX_BA_CAP* cap), (cap), VXWL_E)                                   \
    X(int, VXWL_SetBACap, (VX_BA_CAP cap), (cap), VXWL_E)                                      \
    X(int, VXWL_ReadBACap, (uint32_t* packed), (packed), 0)                                    \
    X(int, VXWL_WriteBACap, (uint32_t packed), (packed), VXWL_E)                               \
    X(int, VXWL_QueryBATable, (VX_BA_TABLE* table), (table), 0)                                \
    X(int, VXWL_AddIMMEBA, (VX_BA_REQUEST request), (request), VXWL_E)                         \
    X(int, VXWL_ReadAckPolicy, (int* be, int* bk, int* vi, int* vo), (be, bk, vi, vo), 0) /* [opt] */ \
    X(int, VXWL_WriteAckPolicy, (int be, int bk, int vi, int vo), (be, bk, vi, vo), VXWL_E) /* [opt] */ \
    X(int, VXWL_SetAckPolicy, (int be, int bk, int vi, int vo), (be, bk, vi, vo), VXWL_E) /* [opt] */ \
    X(int, VXWL_SetCoexMode, (const char* mode), (mode), VXWL_E)                               \
    /* WPS */                                                                                 \
    X(int, VXWL_ReadWPSFlag, (int* flag), (flag), VXWL_E)                                      \
    X(int, VXWL_WriteWPSFlag, (int flag), (flag), VXWL_E)                                      \
    /* the header first, as in VXWL_WriteWPSProfile */                                      \
    X(int, VXWL_ReadWPSProfile, (WPS_MODE* mode, WPS_PROFILE* profile), (mode, profile), VXWL_E) \
    X(int, VXWL_WriteWPSProfile, (WPS_MODE mode, WPS_PROFILE profile), (mode, profile), VXWL_E) \
    X(int, VXWL_SetWPSMode, (WPS_MODE mode), (mode), VXWL_E)                                   \
    X(int, VXWL_SetWPSProfile, (WPS_PROFILE profile), (profile), 0) /* nonzero: run started */ \
    X(int, VXWL_SetWPSAssociateIE, (int flag), (flag), VXWL_E)                                 \
    X(int, VXWL_SetWPSProbeReqIE, (int flag), (flag), VXWL_E)                                  \
    X(int, VXWL_SetWPSAutoSelect, (int flag), (flag), VXWL_E)                                  \
    X(int, VXWL_SetPreferWPSAPPhyType, (int preference), (preference), VXWL_E)                 \
    X(int, VXWL_QueryWPSStatus, (uint32_t* status), (status), VXWL_E)                          \
    X(int, VXWL_QueryWPSProfile, (WPS_PROFILE* profile), (profile), VXWL_E)                    \
    X(int, VXWL_QueryWPSAPChannel, (int* channel), (channel), VXWL_E) /* a channel number */  \
    X(int, VXWL_QueryWPSHwPbc, (int* pressed), (pressed), VXWL_E)                              \
    X(int, VXWL_WPSDisconnect, (void), (), VXWL_E)                                            \
    X(int, VXWL_ConnectWPSProfile, (WPS_CREDENTIAL credential), (credential), VXWL_E)          \
    /* Soft AP / hosted network */                                                            \
    X(int, VXWL_ReadExtAPConfig, (VX_SOFTAP_CONFIG* config), (config), VXWL_E)                 \
    X(int, VXWL_WriteExtAPConfig, (VX_SOFTAP_CONFIG config), (config), VXWL_E)                 \
    X(int, VXWL_HostedNetworkSetup, (VX_SOFTAP_CONFIG config), (config), VXWL_E)               \
    X(int, VXWL_HostedNetworkStartICS, (void), (), VXWL_E)                                    \
    X(int, VXWL_HostedNetworkStopUsing, (void), (), VXWL_E)                                   \
    X(int, VXWL_HostedNetworkQueryStatus, (VX_HOSTED_STATUS* status), (status), VXWL_E)        \
    /* CCX */                                                                                 \
    X(int, VXWL_SetACMCmd, (VX_CAC_CMD command), (command), VXWL_E)                            \
    X(int, VXWL_StartDiagTest, (void), (), VXWL_E)                                            \
    X(int, VXWL_StopDiagTest, (void), (), VXWL_E)                                             \
    /* Single sign-on; VXWL_ReadSSOStatus returns 0 on success */                             \
    X(int, VXWL_ReadSSOStatus, (VX_SSO_RECORD* record), (record), VXWL_E)                      \
    X(int, VXWL_WriteSSOSetting, (VX_SSO_RECORD record), (record), VXWL_E)                     \
    X(int, VXWL_ReadSSOCurrProfileName, (char* name /*128*/), (name), VXWL_E)                  \
    X(int, VXWL_WriteSSOSavePassword, (int mode), (mode), VXWL_E)                              \
    X(int, VXWL_WriteSSOEnablePersConn, (int value), (value), VXWL_E)                          \
    X(int, VXWL_ResetSSOFeature, (void), (), VXWL_E)                                          \
    X(int, VXWL_WriteSSOReleaseSUP, (void), (), VXWL_E)                                       \
    X(int, VXWL_WriteSSOProfileAndFunc, (const char* profileName, const char* ssoName, int notEligible), \
      (profileName, ssoName, notEligible), VXWL_E) /* [opt] */                                 \
    /* WAPI certificates; the load, setup and enumerate calls return 0 on success */          \
    X(int, VXWL_LoadX509UserCertificate, (const char* path, VX_WAPI_CERT_BUF* cert), (path, cert), VXWL_E) \
    X(int, VXWL_LoadX509ASCertificate, (const char* path, VX_WAPI_CERT_BUF* cert), (path, cert), VXWL_E) \
    X(int, VXWL_SetupX509UserCertificate, (const char* path, VX_WAPI_CERT_BUF* cert), (path, cert), VXWL_E) \
    X(int, VXWL_SetupX509ASCertificate, (const char* path, VX_WAPI_CERT_BUF* cert), (path, cert), VXWL_E) \
    /* *count in = capacity (32), out = certificates written */                               \
    X(int, VXWL_EnumSystemCertificate, (VX_WAPI_CERT_ENTRY* entries, int* count), (entries, count), VXWL_E) \
    X(int, VXWL_GetCertificateManagerParam,                                                    \
      (const VX_WAPI_CERT_ENTRY* entry, char* subject /*256*/, char* issuer /*256*/, uint8_t* notBefore /*32*/, uint8_t* notAfter /*32*/), \
      (entry, subject, issuer, notBefore, notAfter), VXWL_E)                                    \
    X(int, VXWL_DeleteCertificate, (int index), (index), VXWL_E)                               \
    X(int, VXWL_GetWAPICertInfo, (const char* path /*256*/, VX_WAPI_CERT_INFO* info, int flag), \
      (path, info, flag), VXWL_E) /* [opt] */

// Function-pointer types PFN_<name>.
#define VXWL_DECLARE_PFN(ret, name, params, args, missing) typedef ret(VXWLAPI_CALL* PFN_##name) params;
VXWL_ENTRY_POINTS(VXWL_DECLARE_PFN)
#undef VXWL_DECLARE_PFN

// Every exported name, in declaration order.
#define VXWL_NAME_ENTRY(ret, name, params, args, missing) #name,
constexpr const char* VXWL_ENTRY_POINT_NAMES[] = {VXWL_ENTRY_POINTS(VXWL_NAME_ENTRY)};
#undef VXWL_NAME_ENTRY
constexpr int VXWL_ENTRY_POINT_COUNT = sizeof(VXWL_ENTRY_POINT_NAMES) / sizeof(VXWL_ENTRY_POINT_NAMES[0]);

#ifdef VXWLAPI_EXPORTS
// The library's own definitions are checked against these declarations.
#define VXWL_DECLARE_EXPORT(ret, name, params, args, missing) extern "C" ret VXWLAPI_CALL name params;
VXWL_ENTRY_POINTS(VXWL_DECLARE_EXPORT)
#undef VXWL_DECLARE_EXPORT
#endif
