// The entry points of the simulated library, one member each, named as the exports.
#include "world/SimWorld.h"

#include "device/ScanTable.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#define LOCK std::lock_guard<std::recursive_mutex> lock_(m_lock)

namespace {

constexpr int kOk = VXWL_ERROR_SUCCESS;
constexpr int kFail = -1;

void CopyText(char* dst, size_t size, const std::string& src)
{
    if (!dst || size == 0)
        return;
    const size_t n = std::min(size - 1, src.size());
    std::memcpy(dst, src.data(), n);
    std::memset(dst + n, 0, size - n);
}

std::string Text(const char* s, size_t max) { return s ? std::string(s, strnlen(s, max)) : std::string(); }

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string ProfileName(const WLANPROFILE& p) { return Text(p.strProfileName, sizeof p.strProfileName); }

int FrequencyToChannelKHz(uint32_t kHz)
{
    if (kHz >= 2412000 && kHz <= 2472000 && (kHz - 2407000) % 5000 == 0)
        return static_cast<int>((kHz - 2407000) / 5000);
    if (kHz == 2484000)
        return 14;
    if (kHz >= 5170000 && kHz <= 5865000 && (kHz - 5000000) % 5000 == 0)
        return static_cast<int>((kHz - 5000000) / 5000);
    return -1;
}

bool IsTkip(int e) { return e == VX_ENCRY_TKIP || e == VX_ENCRY_TKIP_KEY_ABSENT || e == VX_ENCRY_TKIP_MFP; }
bool IsAes(int e) { return e == VX_ENCRY_AES || e == VX_ENCRY_AES_KEY_ABSENT || e == VX_ENCRY_AES_MFP; }

const char kProfileFileMagic[8] = {'V', 'X', 'P', 'R', 'O', 'F', '1', '\n'};

} // namespace

// ---------------------------------------------------------------------------------------
// Session, environment, adapter selection
// ---------------------------------------------------------------------------------------

int SimWorld::VXWL_Initial(const char* appName, VXWL_HWND hWnd)
{
    LOCK;
    m_appName = Text(appName, 256);
    LogCall("VXWL_Initial(" + m_appName + ")");
    m_initialised = true;
    m_controller = hWnd;
    return kOk;
}

int SimWorld::VXWL_DeInitial()
{
    LOCK;
    m_initialised = false;
    m_controller = nullptr;
    m_callback = nullptr;
    m_registered = false;
    m_timed.clear();
    m_outputs.clear();
    return kOk;
}

int SimWorld::VXWL_Release()
{
    LOCK;
    m_registered = false;
    return kOk;
}

int SimWorld::VXWL_GetAvailableAdapters(void* list, uint32_t bufferSize)
{
    LOCK;
    std::vector<const SimAdapter*> present;
    for (const SimAdapter& a : m_adapters)
        if (a.present)
            present.push_back(&a);
    const uint32_t count = static_cast<uint32_t>(present.size());
    if (!list || bufferSize < VxAdapterListSize(count)) {
        if (list && bufferSize >= VX_ADAPTER_LIST_HEADER)
            VxWriteU32(static_cast<uint8_t*>(list), count);
        return VXWL_ERROR_BUFFER_TOO_SMALL;
    }
    uint8_t* out = static_cast<uint8_t*>(list);
    VxWriteU32(out, count);
    for (uint32_t i = 0; i < count; ++i) {
        VX_ADAPTER rec{};
        CopyText(rec.szName, sizeof rec.szName, present[i]->name);
        std::memcpy(rec.szHardwareId, present[i]->hardwareId.data(),
                    std::min(sizeof rec.szHardwareId, present[i]->hardwareId.size()));
        CopyText(rec.szAdapterId, sizeof rec.szAdapterId, present[i]->adapterId);
        CopyText(rec.szLocation, sizeof rec.szLocation, present[i]->location);
        CopyText(rec.szManufacturer, sizeof rec.szManufacturer, present[i]->manufacturer);
        rec.nAdapterClass = present[i]->adapterClass;
        std::memcpy(out + VX_ADAPTER_LIST_HEADER + i * sizeof rec, &rec, sizeof rec);
    }
    return kOk;
}

int SimWorld::VXWL_AdapterSelect(const VX_ADAPTER* adapter, VXWL_CALLBACK callback, VXWL_HWND hWnd)
{
    LOCK;
    if (!adapter)
        return kFail;
    const std::string name = Text(adapter->szName, sizeof adapter->szName);
    for (const SimAdapter& a : m_adapters)
        if (a.present && a.name == name) {
            if (m_selected != name)
                DropLink(VX_EVENT_LINK_DOWN, false);
            m_selected = name;
            m_callback = callback;
            if (m_zeroConfigByTool) { // this utility takes the adapter back
                m_scenario.zeroConfig = 0;
                m_zeroConfigByTool = false;
            }
            m_registered = true;
            if (hWnd)
                m_controller = hWnd;
            return kOk;
        }
    return kFail;
}

int SimWorld::VXWL_IsDeviceExist(const char* adapterName)
{
    LOCK;
    const std::string name = Text(adapterName, 64);
    for (const SimAdapter& a : m_adapters)
        if (a.present && a.name == name)
            return 1;
    return 0;
}

int SimWorld::VXWL_QueryInitState(int* done)
{
    LOCK;
    if (!done)
        return kFail;
    *done = m_initPending > 0 ? 0 : 1;
    if (m_initPending > 0)
        --m_initPending;
    return kOk;
}

int SimWorld::VXWL_GetWinOS() { LOCK; return m_scenario.winOs; }
int SimWorld::VXWL_IsWow64() { LOCK; return m_scenario.wow64 ? 1 : 0; }
int SimWorld::VXWL_DetectUserAdmin() { LOCK; return m_scenario.admin ? 1 : 0; }
int SimWorld::VXWL_IsAllowStandardUserSetProfile() { LOCK; return m_scenario.allowStdProfile ? 1 : 0; }
int SimWorld::VXWL_IsAllowStandardUserSetAdvance() { LOCK; return m_scenario.allowStdAdvance ? 1 : 0; }
int SimWorld::VXWL_DetectMoreThanOneUser() { LOCK; return m_scenario.moreThanOneUser ? 1 : 0; }
int SimWorld::VXWL_IsZeroConfig() { LOCK; return m_scenario.zeroConfig; }
int SimWorld::VXWL_IsWpaCapable() { LOCK; return m_registered && AdapterUsable() ? 1 : 0; }
int SimWorld::VXWL_CheckMSConfigService() { LOCK; return m_scenario.msConfigService ? 1 : 0; }

int SimWorld::VXWL_RunOnceInitConfigTool(int* choice)
{
    LOCK;
    if (choice && m_scenario.runOnceToolResult != 1)
        *choice = m_scenario.runOnceToolChoice;
    const int r = m_scenario.runOnceToolResult;
    m_scenario.runOnceToolResult = 1; // once
    return r;
}

int SimWorld::VXWL_RunOnceInitConfigTxBurst() { LOCK; return kOk; }

int SimWorld::VXWL_ReadNetCfgInstanceID(char* id)
{
    LOCK;
    for (const SimAdapter& a : m_adapters)
        if (a.name == m_selected) {
            CopyText(id, 256, a.adapterId);
            return kOk;
        }
    CopyText(id, 256, "");
    return kFail;
}

int SimWorld::VXWL_WriteRegValue(const char* name, int type, const void* data, int size)
{
    LOCK;
    const std::string n = Text(name, 256);
    if (n == "NetworkType" && type == VXWL_REG_TEXT && m_scenario.winOs < VX_OS_VISTA) {
        // Handing the adapter to the system's service.
        m_scenario.zeroConfig = VX_ZERO_CONFIG_SYSTEM;
        m_zeroConfigByTool = true;
    } else if (n == "CurProfile" && type == VXWL_REG_TEXT) {
        m_activeProfile = data ? Text(static_cast<const char*>(data), static_cast<size_t>(std::max(size, 0))) : "";
        PersistProfiles();
    } else if (n == "CCX2Control" && type == VXWL_REG_DWORD && data && size == 4) {
        std::memcpy(&m_ccx2, data, 4);
        Persist("CCX2Control", m_ccx2);
    } else if (data && size > 0) {
        const uint8_t* p = static_cast<const uint8_t*>(data);
        m_store->Write("Reg:" + n, std::vector<uint8_t>(p, p + size));
    }
    return kOk;
}

int SimWorld::VXWL_OIDSetInfo(uint32_t oid, const void* data, uint32_t size)
{
    LOCK;
    if (oid == VX_OID_INFRASTRUCTURE_MODE || oid == VX_OID_HT_PHYMODE || oid == VX_OID_BA_DELETE ||
        oid == VX_OID_BA_DELETE_OLD)
        return kOk;
    return data || size == 0 ? kOk : kFail;
}

int SimWorld::VXWL_OIDQueryInfo(uint32_t oid, void* data, uint32_t size, uint32_t* returned)
{
    LOCK;
    if (!data)
        return 0;
    auto give = [&](const void* value, uint32_t n) {
        if (size < n)
            return 0;
        std::memcpy(data, value, n);
        if (returned)
            *returned = n;
        return 1;
    };
    if (oid == VX_OID_SNR2) {
        if (!m_link.connected || !m_link.ht)
            return 0;
        const int32_t snr = 20;
        return give(&snr, 4);
    }
    if (oid == VX_OID_LAST_TX || oid == VX_OID_LAST_TX_OLD) {
        uint32_t v = 0;
        if (m_link.connected && m_link.ht)
            v = 15u | (m_link.ht40 ? uint32_t(VX_HTTX_BW40) : 0u) | VX_HTTX_SHORT_GI | (2u << VX_HTTX_PHY_SHIFT);
        else if (m_link.connected)
            v = 7u | (1u << VX_HTTX_PHY_SHIFT);
        return give(&v, 4);
    }
    if (oid == VX_OID_BA_PEERS || oid == VX_OID_BA_PEERS_OLD) {
        VX_BA_PEER_LIST list{};
        if (m_link.connected && m_link.ht) {
            list.Count = 1;
            std::memcpy(list.Peers[0].MacAddr, m_link.bssid, 6);
        }
        return give(&list, sizeof list);
    }
    return 0;
}

int SimWorld::VXWL_GetCurrentDeviceModel(int* model)
{
    LOCK;
    if (!model)
        return 0;
    *model = m_scenario.deviceModel;
    return 1;
}

int SimWorld::VXWL_ReadDriverName(char* path) { LOCK; CopyText(path, 260, m_scenario.driverName); return kOk; }
int SimWorld::VXWL_ReadDriverDesc(char* desc)
{
    LOCK;
    CopyText(desc, VXWL_DRIVER_DESC_MAX, m_scenario.driverDesc);
    return kOk;
}
int SimWorld::VXWL_QueryMacAddrs(uint8_t* mac)
{
    LOCK;
    if (mac)
        std::memcpy(mac, m_scenario.mac, 6);
    return kOk;
}
int SimWorld::VXWL_QueryCurrAddress(uint8_t* mac) { return VXWL_QueryMacAddrs(mac); }
int SimWorld::VXWL_QueryEEPROMVersion(uint8_t* v)
{
    LOCK;
    if (!v)
        return 0;
    std::memcpy(v, m_scenario.eeprom, 2);
    return 1;
}
int SimWorld::VXWL_QueryFWVersion(uint8_t* v)
{
    LOCK;
    if (!v)
        return 0;
    std::memcpy(v, m_scenario.firmware, 2);
    return 1;
}

int SimWorld::VXWL_ReadNetConfig(const VX_ADAPTER* adapter, VX_NET_CONFIG* config)
{
    LOCK;
    if (!config)
        return kFail;
    std::memcpy(config->IpAddress, m_link.ip, 4);
    std::memcpy(config->Gateway, m_link.gateway, 4);
    return kOk;
}

int SimWorld::VXWL_RenewIPAddr()
{
    LOCK;
    AssignAddress();
    return kOk;
}

int SimWorld::VXWL_BackupStationSetting() { LOCK; return kOk; }

// ---------------------------------------------------------------------------------------
// Operation mode and radio
// ---------------------------------------------------------------------------------------

int SimWorld::VXWL_ReadOpMode() { LOCK; return m_opModeStored; }
int SimWorld::VXWL_QueryOPMode() { LOCK; return m_opModeDriver; }

int SimWorld::VXWL_SetAndWriteOPMode(int mode)
{
    LOCK;
    if (mode < OP_MODE_STATION || mode > OP_MODE_STATION_AP || (mode != OP_MODE_STATION && !m_scenario.apMode))
        return 0;
    m_opModeStored = m_opModeDriver = mode;
    Persist("OpMode", static_cast<int32_t>(mode));
    return 1;
}

int SimWorld::VXWL_IsSupportAPMode() { LOCK; return m_scenario.apMode ? 1 : 0; }
int SimWorld::VXWL_ReadRadioStatus() { LOCK; return m_swRadio ? 1 : 0; }

int SimWorld::VXWL_SetAndWriteRadioState(int on)
{
    LOCK;
    const bool want = on != 0;
    Persist("RadioOn", static_cast<uint32_t>(want ? 1 : 0));
    if (want == m_swRadio)
        return 1;
    const bool wasOn = RadioOn();
    m_swRadio = want;
    if (!want)
        DropLink(m_hwRadio ? VX_EVENT_SW_RADIO_OFF : VX_EVENT_HW_RADIO_OFF, true);
    else if (m_link.event == VX_EVENT_SW_RADIO_OFF)
        m_link.event = VX_EVENT_LINK_DOWN;
    if (wasOn != RadioOn())
        Post(RadioOn() ? VXWL_MSG_RADIO_ON : VXWL_MSG_RADIO_OFF);
    return 1;
}

int SimWorld::VXWL_QueryHWAndSWRadioState(int* hw, int* sw)
{
    LOCK;
    if (hw)
        *hw = m_hwRadio ? 1 : 0;
    if (sw)
        *sw = m_swRadio ? 1 : 0;
    return kOk;
}

// ---------------------------------------------------------------------------------------
// Link status and counters
// ---------------------------------------------------------------------------------------

int SimWorld::VXWL_QueryWLANStatus(VX_LINK_STATUS* s, VX_LINK_SELECTOR sel)
{
    LOCK;
    if (!s || !AdapterUsable())
        return 0;
    if (m_initPending > 0) {
        s->ConnectState = VxStatus_NoDriverState;
        return 1;
    }
    s->ConnectState = m_link.connected ? VxStatus_Connected : VxStatus_Disconnected;
    s->StatusEvent = !m_hwRadio ? VX_EVENT_HW_RADIO_OFF : !m_swRadio ? VX_EVENT_SW_RADIO_OFF : m_link.event;
    const bool associated = m_link.associated || m_link.connected;
    if (sel.bAssociation) {
        s->NetworkType = m_link.networkType;
        if (associated) {
            s->SsidLength = m_link.ssid.SsidLength;
            std::memcpy(s->Ssid, m_link.ssid.Ssid, VxClampSsidLength(m_link.ssid.SsidLength));
            std::memcpy(s->Bssid, m_link.bssid, 6);
            s->FrequencyKHz = m_link.frequency;
            s->AuthMode = m_link.auth;
            s->Encryption = m_link.encryption;
        }
        if (m_link.connected) {
            std::memcpy(s->IpAddress, m_link.ip, 4);
            std::memcpy(s->SubnetMask, m_link.mask, 4);
            std::memcpy(s->Gateway, m_link.gateway, 4);
        }
    }
    int rssi = m_link.rssi;
    if (m_link.network >= 0 && m_link.network < static_cast<int>(m_networks.size()))
        rssi = CurrentRssi(m_networks[static_cast<size_t>(m_link.network)]);
    if (sel.bSignal) {
        if (associated) {
            s->Ant0Dbm = rssi;
            s->Ant0Percent = VXWL_RssiToPercent(rssi);
            s->Ant1Present = m_link.ht ? 1 : 0;
            s->Ant1Dbm = m_link.ht ? rssi - 3 : -200;
            s->Ant1Percent = m_link.ht ? VXWL_RssiToPercent(rssi - 3) : 0;
            s->Ant2Dbm = -200;
            s->Snr0 = rssi + 95;
            s->Snr1 = m_link.ht ? rssi + 92 : 0;
            s->LinkQuality = static_cast<uint32_t>(std::max(0, std::min(100, 2 * (rssi + 100))));
        } else {
            s->Ant0Dbm = s->Ant1Dbm = s->Ant2Dbm = -200;
        }
    }
    if (sel.bExtra && m_link.connected) {
        s->LastTxRate = m_link.ht ? 0 : 108;
        const double rate = m_link.ht ? (m_link.ht40 ? 300.0 : 130.0) : 54.0;
        s->TxRateMbps = rate;
        s->RxRateMbps = rate;
        s->TxPowerPercent = 100;
        s->HtCentralChannel = m_link.ht ? static_cast<uint32_t>(FrequencyToChannelKHz(m_link.frequency) + (m_link.ht40 ? 2 : 0)) : 0;
        if (m_link.ht)
            s->HtTxSetting = static_cast<uint16_t>(15u | (m_link.ht40 ? uint32_t(VX_HTTX_BW40) : 0u) | VX_HTTX_SHORT_GI |
                                                   (2u << VX_HTTX_PHY_SHIFT));
        else
            s->HtTxSetting = static_cast<uint16_t>(7u | (1u << VX_HTTX_PHY_SHIFT));
    }
    if (sel.bCounters) {
        const uint64_t up = ConnectedMs();
        const uint64_t tx = m_txBytes + up * 1500 / 1000;
        const uint64_t rx = m_rxBytes + (m_link.wepBadKey ? 0 : up * 5000 / 1000);
        s->TxBytes = static_cast<uint32_t>(tx);
        s->RxBytes = static_cast<uint32_t>(rx);
        VX_802_11_STATISTICS& st = s->Statistics;
        st.Length = sizeof st;
        st.TransmittedFragmentCount = tx / 500;
        st.MulticastTransmittedFrameCount = tx / 20000;
        st.FailedCount = tx / 200000;
        st.RetryCount = tx / 10000;
        st.MultipleRetryCount = tx / 40000;
        st.RTSSuccessCount = tx / 50000;
        st.RTSFailureCount = tx / 500000;
        st.ACKFailureCount = tx / 100000;
        st.FrameDuplicateCount = rx / 300000;
        st.ReceivedFragmentCount = rx / 500;
        st.MulticastReceivedFrameCount = rx / 20000;
        st.FCSErrorCount = rx / 100000;
        st.WEPICVErrorCount = m_link.wepBadKey ? up / 100 : 0;
        s->RxFramesOk64 = rx / 500;
        s->RxFramesOk32 = static_cast<uint32_t>(rx / 500);
        s->RxNoBuffer = static_cast<uint32_t>(rx / 1000000);
    }
    return 1;
}

int SimWorld::VXWL_ResetCounter()
{
    LOCK;
    m_txBytes = m_rxBytes = 0;
    if (m_upSince)
        m_upSince = NowMs();
    return kOk;
}

int SimWorld::VXWL_RssiToPercent(int dbm)
{
    if (dbm >= -50)
        return 100;
    if (dbm <= -100)
        return 0;
    return 2 * (dbm + 100);
}

int SimWorld::VXWL_QueryAPIPAddress(VX_AP_IP_INFO* info)
{
    LOCK;
    if (!info || !m_link.connected || m_link.networkType == VX_NETWORK_ADHOC)
        return 0;
    std::memcpy(info->IpAddress, m_link.gateway, 4);
    CopyText(info->szName, sizeof info->szName, "AP-" + VxSsidString(m_link.ssid.Ssid, m_link.ssid.SsidLength));
    return 1;
}

int SimWorld::VXWL_QueryPrivateMsg(uint32_t* value)
{
    LOCK;
    if (value)
        *value = m_icvError ? 1u : 0u;
    return kOk;
}

int SimWorld::VXWL_IsWAPIConnecting() { LOCK; return 0; }
int SimWorld::VXWL_GetWAPIProgress() { LOCK; return m_link.connected && m_link.auth >= VX_AUTH_WAPI_PSK ? 100 : 0; }
int SimWorld::VXWL_CheckIEEE80211H() { LOCK; return m_scenario.ieee80211h ? 1 : 0; }

// ---------------------------------------------------------------------------------------
// Scanning and channels
// ---------------------------------------------------------------------------------------

int SimWorld::VXWL_SiteSurveyScan(VXWL_SCAN_CALLBACK finished)
{
    LOCK;
    if (!AdapterUsable() || !RadioOn()) {
        Post(VXWL_MSG_SCAN_FAILED);
        return kFail;
    }
    m_scanning = true;
    Schedule(static_cast<uint64_t>(std::max(1, m_scenario.scanMs)), [this, finished] {
        m_scanning = false;
        BuildScanTable();
        if (finished) {
            SimOutput o;
            o.kind = SimOutput::ScanDone;
            o.scanCallback = finished;
            m_outputs.push_back(o);
        }
    });
    return kOk;
}

int SimWorld::VXWL_SiteSurveyQuery(uint8_t* table, uint32_t* size)
{
    LOCK;
    if (!size)
        return kFail;
    if (!m_scanned)
        BuildScanTable(); // the driver's own background scan
    if (!AdapterUsable() || !RadioOn()) {
        m_scanTable.assign(VX_SCAN_TABLE_HEADER, 0);
    }
    const uint32_t needed = static_cast<uint32_t>(m_scanTable.size());
    if (!table || *size < needed) {
        *size = needed;
        return VXWL_ERROR_BUFFER_TOO_SMALL;
    }
    std::memcpy(table, m_scanTable.data(), needed);
    *size = needed;
    return kOk;
}

int SimWorld::VXWL_ParseInfoElement(const VX_BSSID_EX* entry, VX_PARSED_IE* parsed)
{
    if (!entry || !parsed)
        return kFail;
    const uint32_t length = entry->Length;
    if (length < VX_BSSID_EX_HEADER || entry->IELength > length - VX_BSSID_EX_HEADER)
        return kFail;
    SimParseIEs(entry->IEs, entry->IELength, *parsed);
    return kOk;
}

int SimWorld::VXWL_FrequencyToChannel(uint32_t kHz) { return FrequencyToChannelKHz(kHz); }

int SimWorld::VXWL_ChannelToFrequency(int channel)
{
    if (channel >= 1 && channel <= 13)
        return 2407000 + 5000 * channel;
    if (channel == 14)
        return 2484000;
    if (channel >= 34 && channel <= 173)
        return 5000000 + 5000 * channel;
    return 0;
}

int SimWorld::VXWL_GetAvailableChannels(int networkType, int wirelessMode, int adhocMode, uint8_t* channels,
                                        int* count, int flag)
{
    LOCK;
    if (!count)
        return kFail;
    std::vector<uint8_t> list = ChannelsFor(wirelessMode);
    if (networkType == VX_NETWORK_ADHOC) // ad hoc networks stay off the radar channels
        list.erase(std::remove_if(list.begin(), list.end(), [](uint8_t c) { return c >= 52 && c <= 140; }),
                   list.end());
    if (channels)
        std::memcpy(channels, list.data(), list.size());
    *count = static_cast<int>(list.size());
    return kOk;
}

int SimWorld::VXWL_QueryWirelessMode(int* mode)
{
    LOCK;
    if (!mode)
        return kFail;
    *mode = m_wirelessMode;
    return kOk;
}

int SimWorld::VXWL_ConvertPhyModeToAdHocMode(int mode) { return mode; }
int SimWorld::VXWL_CheckBssidRepositTime() { LOCK; return m_scenario.repositTime ? 1 : 0; }

int SimWorld::VXWL_FlushBSSIDList(int phyModeFrom, int phyModeTo)
{
    LOCK;
    m_scanTable.assign(VX_SCAN_TABLE_HEADER, 0);
    m_scanned = true;
    return kOk;
}

// ---------------------------------------------------------------------------------------
// Association, authentication, credentials
// ---------------------------------------------------------------------------------------

int SimWorld::VXWL_SetWLANProfile(const WLANPROFILE* profile)
{
    LOCK;
    if (!profile)
        return kFail;
    Connect(*profile);
    return kOk;
}

void SimWorld::ConnectBySsid(const VX_SSID& ssid, const uint8_t* bssid)
{
    WLANPROFILE p = m_current;
    if (bssid) {
        p.bBssid = 1;
        std::memcpy(p.Bssid, bssid, 6);
    } else {
        p.bBssid = 0;
        p.SsidLength = VxClampSsidLength(ssid.SsidLength);
        std::memset(p.Ssid, 0, sizeof p.Ssid);
        std::memcpy(p.Ssid, ssid.Ssid, p.SsidLength);
    }
    Connect(p);
}

int SimWorld::VXWL_SetSSID(VX_SSID ssid)
{
    LOCK;
    ConnectBySsid(ssid, nullptr);
    return kOk;
}

int SimWorld::VXWL_SetBSSID(const uint8_t* bssid)
{
    LOCK;
    if (!bssid)
        return kFail;
    ConnectBySsid(VX_SSID{}, bssid);
    return kOk;
}

int SimWorld::VXWL_Disassociate()
{
    LOCK;
    DropLink(VX_EVENT_LINK_DOWN, false);
    return kOk;
}

int SimWorld::VXWL_StopAuth() { LOCK; return kOk; }

int SimWorld::VXWL_SetWEPKey(const WLANPROFILE* profile)
{
    LOCK;
    if (!profile)
        return kFail;
    // New keys for the running WEP link: a fitting key ends the decryption errors.
    if (m_link.connected && m_link.network >= 0 && m_link.wepBadKey &&
        Check(m_networks[static_cast<size_t>(m_link.network)], *profile) == Outcome::Ok) {
        m_link.wepBadKey = false;
        m_icvError = false;
        ++m_linkGen;
    }
    return kOk;
}

int SimWorld::VXWL_SetAuthMode(int mode) { LOCK; return kOk; }

int SimWorld::VXWL_WriteIDnPasswd(const char* id, const char* password)
{
    LOCK;
    const std::string i = Text(id, VX_NAME_SIZE);
    if (!i.empty())
        m_authId = i;
    m_authPassword = Text(password, VX_NAME_SIZE);
    return kOk;
}

int SimWorld::VXWL_WriteDomainName(const char* domain) { LOCK; m_authDomain = Text(domain, VX_NAME_SIZE); return kOk; }

int SimWorld::VXWL_FastPacSave(const uint8_t* data, const char* pacPath, const char* aid)
{
    LOCK;
    if (data)
        m_store->Write("PAC:" + Text(aid, VX_NAME_SIZE), std::vector<uint8_t>(data, data + VX_PAC_BLOB_SIZE));
    return kOk;
}

int SimWorld::VXWL_FastPacLoad(char* path, int size, const char* identity, int flag)
{
    LOCK;
    if (path && size > 0)
        CopyText(path, static_cast<size_t>(size), "C:\\PAC\\" + (Text(identity, VX_NAME_SIZE).empty() ? std::string("default") : Text(identity, VX_NAME_SIZE)) + ".pac");
    return kOk;
}

int SimWorld::VXWL_ReadCCX2Cont(uint32_t* word)
{
    LOCK;
    if (!word)
        return kFail;
    *word = m_ccx2;
    return kOk;
}

int SimWorld::VXWL_SetCCXInfo(int fastRoam, uint32_t ccx2Word) { LOCK; return kOk; }

int SimWorld::VXWL_QueryCCXInfo(uint32_t* flags)
{
    LOCK;
    if (!flags)
        return 0;
    *flags = 0;
    if (m_link.connected && m_link.auth == VX_AUTH_CCKM)
        *flags |= VX_CCXINFO_CCKM;
    if (m_link.connected && (m_current.CCX2Control.word & VX_CCX_MFP_BIT))
        *flags |= VX_CCXINFO_MFP;
    return 1;
}

// ---------------------------------------------------------------------------------------
// Newer-system WLAN wrappers, EAP host
// ---------------------------------------------------------------------------------------

int SimWorld::VXWL_WlanConnect(const char* profileName, const VX_SSID* ssid, int connectMode, int dot11Auth,
                               int dot11Cipher, int dot11BssType)
{
    LOCK;
    const std::string name = Text(profileName, VX_NAME_SIZE);
    for (const WLANPROFILE& p : m_profiles)
        if (SameName(ProfileName(p), name)) {
            Connect(p);
            return kOk;
        }
    if (ssid) {
        ConnectBySsid(*ssid, nullptr);
        return kOk;
    }
    return kFail;
}

int SimWorld::VXWL_WlanDisconnect() { return VXWL_Disassociate(); }
int SimWorld::VXWL_WlanConvertNdis2Dot11AuthType(int authMode)
{
    // dot11 authentication: 1 open, 2 shared, 3 WPA, 4 WPA-PSK, 5 WPA-None, 6 RSNA, 7 RSNA-PSK
    switch (authMode) {
    case VX_AUTH_SHARED: return 2;
    case VX_AUTH_WPA: return 3;
    case VX_AUTH_WPA_PSK: return 4;
    case VX_AUTH_WPA_NONE: return 5;
    case VX_AUTH_WPA2: return 6;
    case VX_AUTH_WPA2_PSK: return 7;
    default: return 1;
    }
}
int SimWorld::VXWL_WlanConvertNdis2Dot11EncryptType(int encryption)
{
    // dot11 cipher: 0 none, 1 WEP40, 2 TKIP, 4 CCMP
    if (encryption == VX_ENCRY_WEP)
        return 1;
    if (IsTkip(encryption))
        return 2;
    if (IsAes(encryption))
        return 4;
    return 0;
}
int SimWorld::VXWL_WlanConvertNdis2Dot11NetworkType(int networkType) { return networkType == VX_NETWORK_ADHOC ? 2 : 1; }

int SimWorld::VXWL_WlanDeleteAllWindowsProfiles() { LOCK; m_systemProfiles.clear(); return kOk; }
int SimWorld::VXWL_WlanDeleteAllOmbrelWindowsProfiles() { LOCK; m_systemProfiles.clear(); return kOk; }
int SimWorld::VXWL_WlanIsAdhocSupportWPA2AES() { LOCK; return m_scenario.winOs >= VX_OS_WIN7 ? 1 : 0; }

int SimWorld::VXWL_WlanIsCCXDiagnosticProfile(const char* name)
{
    LOCK;
    const std::string n = Text(name, VX_NAME_SIZE);
    for (const WLANPROFILE& p : m_profiles)
        if ((SameName(ProfileName(p), n) || VxSsidString(p.Ssid, p.SsidLength) == n) && p.bUseDiagnostic)
            return 1;
    return 0;
}

int SimWorld::VXWL_WlanIsWindowsProfileExist(const char* ssid)
{
    LOCK;
    const std::string s = Text(ssid, 64);
    return std::find(m_systemProfiles.begin(), m_systemProfiles.end(), s) != m_systemProfiles.end() ? 1 : 0;
}

int SimWorld::VXWL_WlanSendS64Start(const VXWL_WCHAR* ssid)
{
    LOCK;
    const bool ok = m_link.connected;
    Schedule(500, [this, ok] {
        Post(VXWL_MSG_CCX_CONNECTED, 0, ok ? 1 : 0);
        if (ok) {
            Post(VXWL_MSG_CCX_IHV, 1);
            Post(VXWL_MSG_CCX_FINISHED);
        }
    });
    return kOk;
}

int SimWorld::VXWL_WlanSendClientAbort() { LOCK; return kOk; }

int SimWorld::VXWL_WlanBuildIHVMessage(int code, char* text)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "Diagnostic status %d", code);
    CopyText(text, 256, buf);
    return kOk;
}

int SimWorld::VXWL_StartEapHostPeerInvokeConfigUI(const char* profileName, uint8_t* eapConfig,
                                                  uint32_t* eapConfigLength)
{
    LOCK;
    const bool survey = Text(profileName, VX_NAME_SIZE).empty();
    // The configuration window "closes" a moment later.
    Schedule(500, [this, survey] {
        Post(VXWL_MSG_ENABLE_MAIN, 1);
        if (survey)
            Post(VXWL_MSG_CONNECT_SURVEY);
    });
    return kOk;
}

int SimWorld::VXWL_IsEapHostInstalled() { LOCK; return m_scenario.eapHost ? 1 : 0; }

// ---------------------------------------------------------------------------------------
// Profile store, PAC lists, certificates
// ---------------------------------------------------------------------------------------

int SimWorld::VXWL_ReadProfileList(WLANPROFILE* profiles, int* count)
{
    LOCK;
    if (!count)
        return kFail;
    const int n = static_cast<int>(m_profiles.size());
    if (!profiles) {
        *count = n;
        return kOk;
    }
    const int w = std::max(0, std::min(*count, n));
    for (int i = 0; i < w; ++i)
        profiles[i] = m_profiles[static_cast<size_t>(i)];
    *count = w;
    return kOk;
}

int SimWorld::VXWL_ReadProfileData(WLANPROFILE* profile, const char* name)
{
    LOCK;
    const std::string n = Text(name, VX_NAME_SIZE);
    for (const WLANPROFILE& p : m_profiles)
        if (SameName(ProfileName(p), n)) {
            if (profile)
                *profile = p;
            return 1;
        }
    return 0;
}

int SimWorld::VXWL_WriteProfile(const char* writeKey, const WLANPROFILE* profile)
{
    LOCK;
    if (!profile)
        return kFail;
    const std::string key = Text(writeKey, VX_NAME_SIZE);
    bool replaced = false;
    for (WLANPROFILE& p : m_profiles)
        if (SameName(ProfileName(p), key)) {
            p = *profile;
            replaced = true;
            break;
        }
    if (!replaced)
        m_profiles.push_back(*profile);
    if (SameName(m_activeProfile, key))
        m_activeProfile = ProfileName(*profile);
    PersistProfiles();
    return kOk;
}

int SimWorld::VXWL_DeleteProfile(const char* name, int keepLink)
{
    LOCK;
    const std::string n = Text(name, VX_NAME_SIZE);
    m_profiles.erase(std::remove_if(m_profiles.begin(), m_profiles.end(),
                                    [&](const WLANPROFILE& p) { return SameName(ProfileName(p), n); }),
                     m_profiles.end());
    if (SameName(m_activeProfile, n))
        m_activeProfile.clear();
    PersistProfiles();
    return kOk;
}

int SimWorld::VXWL_CopyProfileToCurrentSetting(const char* name)
{
    LOCK;
    const std::string n = Text(name, VX_NAME_SIZE);
    for (const WLANPROFILE& p : m_profiles)
        if (SameName(ProfileName(p), n)) {
            m_activeProfile = ProfileName(p);
            PersistProfiles();
            return kOk;
        }
    return kFail;
}

int SimWorld::VXWL_ReadActiveProfileName(char* name) { LOCK; CopyText(name, VX_NAME_SIZE, m_activeProfile); return kOk; }

int SimWorld::VXWL_ResetToDefaultConnecctionSetting()
{
    LOCK;
    m_activeProfile.clear();
    PersistProfiles();
    return kOk;
}

int SimWorld::VXWL_GetNextProfileID(char* id)
{
    LOCK;
    int next = 1;
    for (const WLANPROFILE& p : m_profiles)
        next = std::max(next, p.nProfileID + 1);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d", next > 999 ? 999 : next);
    CopyText(id, VX_NAME_SIZE, buf);
    return kOk;
}

int SimWorld::VXWL_CheckDuplicatedProfileName(const char* name)
{
    LOCK;
    const std::string n = Text(name, VX_NAME_SIZE);
    for (const WLANPROFILE& p : m_profiles)
        if (SameName(ProfileName(p), n))
            return VXWL_ERROR_DUPLICATE_PROFILE;
    return kOk;
}

int SimWorld::VXWL_IsDuplicateProfileID(int id)
{
    LOCK;
    if (m_profiles.size() >= 999)
        return VXWL_PROFILE_ID_EXHAUSTED;
    for (const WLANPROFILE& p : m_profiles)
        if (p.nProfileID == id)
            return VXWL_PROFILE_ID_TAKEN;
    return kOk;
}

int SimWorld::VXWL_ImportProfile(const char* path)
{
    LOCK;
    std::ifstream in(Text(path, 1024), std::ios::binary);
    char magic[8] = {};
    uint32_t count = 0;
    if (!in.read(magic, 8) || std::memcmp(magic, kProfileFileMagic, 8) != 0 ||
        !in.read(reinterpret_cast<char*>(&count), 4) || count == 0)
        return VXWL_ERROR_IMPORT_NO_PROFILE;
    if (count > 1)
        return VXWL_ERROR_IMPORT_MANY_PROFILES;
    WLANPROFILE p{};
    if (!in.read(reinterpret_cast<char*>(&p), sizeof p))
        return VXWL_ERROR_IMPORT_NO_PROFILE;
    for (const WLANPROFILE& q : m_profiles)
        if (SameName(ProfileName(q), ProfileName(p)))
            return VXWL_ERROR_DUPLICATE_PROFILE;
    m_profiles.push_back(p);
    PersistProfiles();
    return kOk;
}

int SimWorld::VXWL_ExportProfile(const char* name, const char* path)
{
    LOCK;
    const std::string n = Text(name, VX_NAME_SIZE);
    for (const WLANPROFILE& p : m_profiles)
        if (SameName(ProfileName(p), n)) {
            std::ofstream out(Text(path, 1024), std::ios::binary | std::ios::trunc);
            const uint32_t count = 1;
            out.write(kProfileFileMagic, 8);
            out.write(reinterpret_cast<const char*>(&count), 4);
            out.write(reinterpret_cast<const char*>(&p), sizeof p);
            return out ? kOk : kFail;
        }
    return kFail;
}

int SimWorld::VXWL_ReadPSMode(int* mode)
{
    LOCK;
    if (mode)
        *mode = m_current.enumPSMode;
    return kOk;
}

int SimWorld::VXWL_ReadPACList(VX_PAC_ENTRY* entries, int* count, const char* profileName)
{
    LOCK;
    if (!count)
        return kFail;
    const std::vector<VX_PAC_ENTRY>& list = m_pacLists[Text(profileName, VX_NAME_SIZE)];
    if (!entries) {
        *count = static_cast<int>(list.size());
        return kOk;
    }
    const int w = std::max(0, std::min(*count, static_cast<int>(list.size())));
    for (int i = 0; i < w; ++i)
        entries[i] = list[static_cast<size_t>(i)];
    *count = w;
    return kOk;
}

int SimWorld::VXWL_WritePACList(const VX_PAC_LIST_DESC* list, const char* profileName)
{
    LOCK;
    if (!list)
        return kFail;
    std::vector<VX_PAC_ENTRY> entries;
    const VX_PAC_ENTRY* p = list->Entries();
    const uint32_t n = std::min<uint32_t>(list->Count, VX_PAC_LIST_MAX);
    if (p)
        entries.assign(p, p + n);
    m_pacLists[Text(profileName, VX_NAME_SIZE)] = entries;
    PersistPacLists();
    return kOk;
}

int SimWorld::VXWL_Read8021XCert(RT_BLOB_KEY* cert, const char* profileName)
{
    LOCK;
    if (!cert)
        return kFail;
    const std::string n = Text(profileName, VX_NAME_SIZE);
    for (const WLANPROFILE& p : m_profiles)
        if (SameName(ProfileName(p), n)) {
            *cert = p.user_cert;
            return kOk;
        }
    *cert = RT_BLOB_KEY{};
    return kOk;
}

int SimWorld::VXWL_EnumCert(const char* store, VX_CERT_ENTRY* entries, int* count)
{
    LOCK;
    if (!count)
        return kFail;
    const std::string s = Text(store, 16);
    struct Cert {
        const char* to;
        const char* by;
        const char* expires;
    };
    static const Cert mine[] = {{"alice", "Corp Issuing CA", "2030/12/31"}, {"old-alice", "Corp Issuing CA", "2009/1/1"}};
    static const Cert roots[] = {{"Corp Root CA", "Corp Root CA", "2035/6/30"}};
    const Cert* list = s == "MY" ? mine : s == "ROOT" ? roots : nullptr;
    const int n = s == "MY" ? 2 : s == "ROOT" ? 1 : 0;
    if (!entries) {
        *count = n;
        return kOk;
    }
    const int w = std::max(0, std::min(*count, n));
    for (int i = 0; i < w; ++i) {
        VX_CERT_ENTRY& e = entries[i];
        e = VX_CERT_ENTRY{};
        CopyText(e.szIssuedTo, sizeof e.szIssuedTo, list[i].to);
        CopyText(e.szIssuedBy, sizeof e.szIssuedBy, list[i].by);
        CopyText(e.szExpiration, sizeof e.szExpiration, list[i].expires);
        CopyText(e.szFriendlyName, sizeof e.szFriendlyName, list[i].to);
        // A stable blob per certificate, in memory the caller can address with 32 bits.
        uint8_t blob[32];
        for (size_t b = 0; b < sizeof blob; ++b)
            blob[b] = static_cast<uint8_t>(list[i].to[b % std::strlen(list[i].to)] + b);
        void* mem = m_lowAlloc ? m_lowAlloc(sizeof blob) : nullptr;
        if (mem && e.SetBlob(mem)) {
            std::memcpy(mem, blob, sizeof blob);
            e.BlobLength = sizeof blob;
        } else if (mem && m_lowFree) {
            m_lowFree(mem);
        }
    }
    *count = w;
    return kOk;
}

int SimWorld::VXWL_FreeCertArray(VX_CERT_ENTRY* entries, int* count)
{
    LOCK;
    if (!entries || !count)
        return kFail;
    for (int i = 0; i < *count; ++i) {
        if (m_lowFree && entries[i].BlobAddress)
            m_lowFree(VxAddress32ToPointer(entries[i].BlobAddress));
        entries[i].BlobAddress = 0;
        entries[i].BlobLength = 0;
    }
    return kOk;
}

// ---------------------------------------------------------------------------------------
// Advanced settings, regulatory, capabilities
// ---------------------------------------------------------------------------------------

int SimWorld::VXWL_ReadConfigData(ADVANCE_CONFIG_DATA* data)
{
    LOCK;
    if (!data)
        return 0;
    *data = m_advCfg;
    return 1;
}

int SimWorld::VXWL_ReadAdvanceCfgData(ADVANCE_CONFIG_DATA* data) { return VXWL_ReadConfigData(data) ? kOk : kFail; }

int SimWorld::VXWL_WriteAdvanceCfgData(ADVANCE_CONFIG_DATA data)
{
    LOCK;
    m_advCfg = data;
    Persist("AdvanceConfig", m_advCfg);
    return kOk;
}

int SimWorld::VXWL_SetAdvanceSetting(ADVANCE_OID oid)
{
    LOCK;
    m_advOid = oid;
    if (oid.phyMode.WirelessMode >= 0 && oid.phyMode.WirelessMode <= VX_WMODE_BGN)
        m_wirelessMode = oid.phyMode.WirelessMode;
    m_region = (oid.CountryRegIndex11BG & 0x7F) | (oid.CountryRegIndex11A & 0x7F) << 8;
    m_staConfig.UseBGProtection = static_cast<uint32_t>(oid.nBGProtection);
    m_staConfig.EnableTxBurst = oid.bTXBurst;
    if (m_link.network >= 0 && !ChannelAllowed(m_networks[static_cast<size_t>(m_link.network)].channel))
        DropLink(VX_EVENT_LINK_DOWN, true);
    return kOk;
}

int SimWorld::VXWL_QuerySTAConfig(RT_802_11_STA_CONFIG* config)
{
    LOCK;
    if (!config)
        return kFail;
    *config = m_staConfig;
    config->AdhocMode = static_cast<uint32_t>(m_wirelessMode);
    return kOk;
}

int SimWorld::VXWL_QueryCountryRegion(int* region, int* aBandSettable, int* bgBandSettable)
{
    LOCK;
    if (region)
        *region = m_region;
    if (aBandSettable)
        *aBandSettable = m_scenario.aSupport ? 1 : 0;
    if (bgBandSettable)
        *bgBandSettable = 1;
    return kOk;
}

int SimWorld::VXWL_VerifyCountryRegion()
{
    LOCK;
    if ((m_region & 0x7F) > 7)
        m_region = (m_region & ~0x7F) | 1;
    if (((m_region >> 8) & 0x7F) > 16)
        m_region &= 0x7F;
    return kOk;
}

int SimWorld::VXWL_GetMaxCountryRegion(int* maxBG, int* maxA)
{
    LOCK;
    if (maxBG)
        *maxBG = 7;
    if (maxA)
        *maxA = m_scenario.deviceModel <= 1 ? 8 : m_scenario.deviceModel <= 3 ? 10 : 16;
    return kOk;
}

int SimWorld::VXWL_Is80211ASupport() { LOCK; return m_scenario.aSupport ? 1 : 0; }
int SimWorld::VXWL_Is80211NSupport() { LOCK; return m_scenario.nSupport ? 1 : 0; }
int SimWorld::VXWL_CheckIfAllowBW40InBGBand() { LOCK; return m_scenario.bw40bg ? 1 : 0; }
int SimWorld::VXWL_CheckIfAllowBW40InABand() { LOCK; return m_scenario.bw40a ? 1 : 0; }

int SimWorld::VXWL_QueryAntennaNumber(uint32_t* streams)
{
    LOCK;
    if (!streams)
        return kFail;
    *streams = m_scenario.antenna;
    return kOk;
}

int SimWorld::VXWL_IsSupportTDLS() { LOCK; return m_scenario.tdls ? 1 : 0; }

int SimWorld::VXWL_EnableDLSetup(VX_WMM_SETTING setting) { LOCK; m_wmm.bDLSEnable = setting.bDLSEnable; return kOk; }

// ---------------------------------------------------------------------------------------
// WMM / QoS
// ---------------------------------------------------------------------------------------

int SimWorld::VXWL_QueryAndReadWMMCapability(VX_WMM_SETTING* setting)
{
    LOCK;
    if (!setting)
        return kFail;
    *setting = m_wmm;
    return kOk;
}

int SimWorld::VXWL_UpdateWMMEnable(VX_WMM_SETTING s)
{
    LOCK;
    m_wmm.bDLSEnable = s.bDLSEnable;
    m_wmm.bWMMEnable = s.bWMMEnable;
    m_wmm.bAPSDEnable = s.bAPSDEnable;
    Persist("WmmSetting", m_wmm);
    return kOk;
}

int SimWorld::VXWL_EnableAPSD(VX_WMM_SETTING s)
{
    LOCK;
    m_wmm.bAPSDEnable = s.bAPSDEnable;
    Persist("WmmSetting", m_wmm);
    return kOk;
}

int SimWorld::VXWL_SetAndWriteAPSDSetting(VX_WMM_SETTING s)
{
    LOCK;
    m_wmm.bAPSD_AC_BE = s.bAPSD_AC_BE;
    m_wmm.bAPSD_AC_BK = s.bAPSD_AC_BK;
    m_wmm.bAPSD_AC_VI = s.bAPSD_AC_VI;
    m_wmm.bAPSD_AC_VO = s.bAPSD_AC_VO;
    Persist("WmmSetting", m_wmm);
    return kOk;
}

int SimWorld::VXWL_SetDLSParameter(VX_DLS_ENTRY entry)
{
    LOCK;
    for (VX_DLS_ENTRY& e : m_dls)
        if (e.Valid && std::memcmp(e.MacAddr, entry.MacAddr, 6) == 0) {
            if (!entry.Valid)
                e = VX_DLS_ENTRY{};
            return kOk;
        }
    if (!entry.Valid)
        return kOk;
    for (VX_DLS_ENTRY& e : m_dls)
        if (!e.Valid) {
            e = entry;
            e.Status = m_link.connected ? 2 : 0;
            return kOk;
        }
    return kFail;
}

int SimWorld::VXWL_QueryDLSParameter(VX_DLS_ENTRY* table)
{
    LOCK;
    if (!table)
        return kFail;
    std::memcpy(table, m_dls, sizeof m_dls);
    return kOk;
}

int SimWorld::VXWL_ReadWMMMacAddr(char* mac) { LOCK; CopyText(mac, VX_NAME_SIZE, m_wmmMac); return kOk; }
int SimWorld::VXWL_WriteWMMMacAddr(const char* mac)
{
    LOCK;
    CopyText(m_wmmMac, sizeof m_wmmMac, Text(mac, VX_NAME_SIZE));
    Persist("WmmMac", m_wmmMac);
    return kOk;
}
int SimWorld::VXWL_ReadWMMTimeout() { LOCK; return m_wmmTimeout; }
int SimWorld::VXWL_WriteWMMTimeout(uint16_t timeout)
{
    LOCK;
    m_wmmTimeout = timeout;
    Persist("WmmTimeout", m_wmmTimeout);
    return kOk;
}

// ---------------------------------------------------------------------------------------
// 802.11n block ack, ack policy, coexistence
// ---------------------------------------------------------------------------------------

int SimWorld::VXWL_QueryBACap(VX_BA_CAP* cap)
{
    LOCK;
    if (!cap)
        return kFail;
    *cap = m_baCap;
    return kOk;
}

int SimWorld::VXWL_SetBACap(VX_BA_CAP cap) { LOCK; m_baCap = cap; return kOk; }

int SimWorld::VXWL_ReadBACap(uint32_t* packed)
{
    LOCK;
    if (!packed)
        return 0;
    *packed = m_baCapWord;
    return 1;
}

int SimWorld::VXWL_WriteBACap(uint32_t packed)
{
    LOCK;
    m_baCapWord = packed;
    Persist("BACap", m_baCapWord);
    return kOk;
}

int SimWorld::VXWL_QueryBATable(VX_BA_TABLE* table)
{
    LOCK;
    if (!table)
        return 0;
    *table = VX_BA_TABLE{};
    if (m_link.connected && m_link.ht && m_baCap.AutoBA) {
        table->OriginatorCount = 1;
        std::memcpy(table->Originator[0].MacAddr, m_link.bssid, 6);
        table->Originator[0].TidBitmap = 1;
        table->Originator[0].WindowSize[0] = 64;
        table->RecipientCount = 1;
        table->Recipient[0] = table->Originator[0];
    }
    return 1;
}

int SimWorld::VXWL_AddIMMEBA(VX_BA_REQUEST request) { LOCK; return kOk; }

int SimWorld::VXWL_ReadAckPolicy(int* be, int* bk, int* vi, int* vo)
{
    LOCK;
    if (!be || !bk || !vi || !vo)
        return 0;
    *be = m_ackPolicy[0];
    *bk = m_ackPolicy[1];
    *vi = m_ackPolicy[2];
    *vo = m_ackPolicy[3];
    return 1;
}

int SimWorld::VXWL_WriteAckPolicy(int be, int bk, int vi, int vo)
{
    LOCK;
    m_ackPolicy[0] = be;
    m_ackPolicy[1] = bk;
    m_ackPolicy[2] = vi;
    m_ackPolicy[3] = vo;
    Persist("AckPolicy", m_ackPolicy);
    return kOk;
}

int SimWorld::VXWL_SetAckPolicy(int be, int bk, int vi, int vo) { LOCK; return kOk; }
int SimWorld::VXWL_SetCoexMode(const char* mode) { LOCK; return kOk; }

// ---------------------------------------------------------------------------------------
// WPS
// ---------------------------------------------------------------------------------------

int SimWorld::VXWL_ReadWPSFlag(int* flag)
{
    LOCK;
    if (!flag)
        return kFail;
    *flag = m_wpsFlag;
    return kOk;
}

int SimWorld::VXWL_WriteWPSFlag(int flag)
{
    LOCK;
    m_wpsFlag = flag;
    Persist("WpsFlag", m_wpsFlag);
    return kOk;
}

int SimWorld::VXWL_ReadWPSProfile(WPS_MODE* mode, WPS_PROFILE* profile)
{
    LOCK;
    if (mode)
        *mode = m_wpsModeStored;
    if (profile)
        *profile = m_wpsProfileStored;
    return kOk;
}

int SimWorld::VXWL_WriteWPSProfile(WPS_MODE mode, WPS_PROFILE profile)
{
    LOCK;
    m_wpsModeStored = mode;
    m_wpsProfileStored = profile;
    Persist("WpsMode", m_wpsModeStored);
    Persist("WpsProfile", m_wpsProfileStored);
    return kOk;
}

int SimWorld::VXWL_SetWPSMode(WPS_MODE mode)
{
    LOCK;
    m_wpsPin = mode.WpsMode == VX_WPS_RUN_PIN;
    const std::string pin(mode.PIN, strnlen(mode.PIN, sizeof mode.PIN));
    const int step = std::max(1, m_scenario.stepMs) * 2;
    m_wpsStatus = 2;
    m_wpsResult = WPS_PROFILE{};
    // Find the access point of the run.
    int target = -1, pbcCount = 0;
    for (size_t i = 0; i < m_networks.size(); ++i) {
        const SimNetwork& n = m_networks[i];
        if (!n.wps || !Visible(n))
            continue;
        if (m_wpsPin && std::memcmp(n.bssid, mode.Bssid, 6) == 0)
            target = static_cast<int>(i);
        if (!m_wpsPin && n.wpsPbcActive) {
            ++pbcCount;
            target = static_cast<int>(i);
        }
    }
    int result = 15;
    if (!m_wpsPin && pbcCount == 0)
        result = 258;
    else if (!m_wpsPin && pbcCount > 1)
        result = 257;
    else if (m_wpsPin && (target < 0 || m_networks[static_cast<size_t>(target)].wpsPin != pin))
        result = target < 0 ? 513 : 262;
    static const int progress[] = {3, 4, 5, 6, 17, 18, 19, 21, 22, 23, 24, 25, 26, 27};
    int delay = 0;
    for (int code : progress) {
        delay += step;
        if (result != 15 && code > 17)
            break;
        Schedule(static_cast<uint64_t>(delay), [this, code] {
            if (m_wpsStatus != 0)
                m_wpsStatus = code;
        });
    }
    Schedule(static_cast<uint64_t>(delay + step), [this, result, target] {
        if (m_wpsStatus == 0)
            return;
        m_wpsStatus = result;
        if (result != 15 || target < 0)
            return;
        const SimNetwork& n = m_networks[static_cast<size_t>(target)];
        m_wpsResult.ProfileCnt = 1;
        WPS_CREDENTIAL& c = m_wpsResult.Profile[0];
        c.SsidLength = static_cast<uint32_t>(std::min<size_t>(n.ssid.size(), VX_SSID_MAX));
        std::memcpy(c.SSID, n.ssid.data(), c.SsidLength);
        c.AuthType = n.security == SimSecurity::WPA_PSK ? 0x02 : 0x20;
        c.EncrType = n.cipher == SimCipher::TKIP ? 0x04 : 0x08;
        c.KeyLength = static_cast<uint32_t>(std::min<size_t>(n.key.size(), sizeof c.Key));
        std::memcpy(c.Key, n.key.data(), c.KeyLength);
        std::memcpy(c.MacAddr, n.bssid, 6);
        m_wpsChannel = n.channel;
    });
    return kOk;
}

int SimWorld::VXWL_SetWPSProfile(WPS_PROFILE profile) { LOCK; return m_wpsStatus != 0 ? 1 : 0; }
int SimWorld::VXWL_SetWPSAssociateIE(int flag) { LOCK; return kOk; }
int SimWorld::VXWL_SetWPSProbeReqIE(int flag) { LOCK; return kOk; }
int SimWorld::VXWL_SetWPSAutoSelect(int flag) { LOCK; return kOk; }
int SimWorld::VXWL_SetPreferWPSAPPhyType(int preference) { LOCK; return kOk; }

int SimWorld::VXWL_QueryWPSStatus(uint32_t* status)
{
    LOCK;
    if (!status)
        return kFail;
    *status = static_cast<uint32_t>(m_wpsStatus) | (m_wpsPin && m_wpsStatus ? VX_WPS_STATUS_PIN_BIT : 0u);
    return kOk;
}

int SimWorld::VXWL_QueryWPSProfile(WPS_PROFILE* profile)
{
    LOCK;
    if (!profile)
        return kFail;
    *profile = m_wpsResult;
    return kOk;
}

int SimWorld::VXWL_QueryWPSAPChannel(int* channel)
{
    LOCK;
    if (!channel)
        return kFail;
    *channel = m_wpsChannel;
    return kOk;
}

int SimWorld::VXWL_QueryWPSHwPbc(int* pressed)
{
    LOCK;
    if (!pressed)
        return kFail;
    *pressed = m_hwPbcPressed ? 1 : 0;
    if (m_hwPbcPressed) {
        m_hwPbcPressed = false;
        WPS_MODE run{};
        run.WpsMode = VX_WPS_RUN_PBC;
        run.ConfigMode = 1;
        VXWL_SetWPSMode(run);
    }
    return kOk;
}

int SimWorld::VXWL_WPSDisconnect()
{
    LOCK;
    m_wpsStatus = 0;
    DropLink(VX_EVENT_LINK_DOWN, false);
    return kOk;
}

int SimWorld::VXWL_ConnectWPSProfile(WPS_CREDENTIAL c)
{
    LOCK;
    WLANPROFILE p{};
    p.SsidLength = VxClampSsidLength(c.SsidLength);
    std::memcpy(p.Ssid, c.SSID, p.SsidLength);
    p.enumNetworkType = VX_NETWORK_INFRA;
    p.enumAuthenMode = c.AuthType == 0x20 || c.AuthType == 0x22 ? VX_AUTH_WPA2_PSK
                       : c.AuthType == 0x02                     ? VX_AUTH_WPA_PSK
                                                                : VX_AUTH_OPEN;
    p.enumEncryStatus = c.EncrType == 0x08 ? VX_ENCRY_AES : c.EncrType == 0x04 || c.EncrType == 0x0C ? VX_ENCRY_TKIP
                        : c.EncrType == 0x02                                                           ? VX_ENCRY_WEP
                                                                                                       : VX_ENCRY_NONE;
    const uint32_t keyLength = std::min<uint32_t>(c.KeyLength, sizeof c.Key);
    if (p.enumEncryStatus == VX_ENCRY_WEP) {
        std::memcpy(p.WEPKey1, c.Key, std::min<uint32_t>(keyLength, sizeof p.WEPKey1 - 1));
        p.WEPKey1Type = 1;
        p.wepDefaultKey = 1;
    } else {
        std::memcpy(p.chPskKey, c.Key, keyLength);
        p.nPskKeyLen = static_cast<int32_t>(keyLength);
    }
    p.bIsWPS = 1;
    Connect(p);
    return kOk;
}

// ---------------------------------------------------------------------------------------
// Soft AP / hosted network
// ---------------------------------------------------------------------------------------

int SimWorld::VXWL_ReadExtAPConfig(VX_SOFTAP_CONFIG* config)
{
    LOCK;
    if (!config)
        return kFail;
    *config = m_softAp;
    if (m_hosted) {
        const uint8_t ip[4] = {192, 168, 173, 1};
        std::memcpy(config->IpAddress, ip, 4);
    }
    return kOk;
}

int SimWorld::VXWL_WriteExtAPConfig(VX_SOFTAP_CONFIG config)
{
    LOCK;
    std::memset(config.IpAddress, 0, sizeof config.IpAddress);
    m_softAp = config;
    Persist("SoftAP", m_softAp);
    return kOk;
}

int SimWorld::VXWL_HostedNetworkSetup(VX_SOFTAP_CONFIG config)
{
    LOCK;
    if (!m_scenario.apMode || config.SsidLength == 0 || config.SsidLength > VX_SSID_MAX || config.KeyLength < 8 ||
        config.KeyLength > 64)
        return kFail;
    m_hosted = true;
    return kOk;
}

int SimWorld::VXWL_HostedNetworkStartICS() { LOCK; return m_hosted ? kOk : kFail; }
int SimWorld::VXWL_HostedNetworkStopUsing() { LOCK; m_hosted = false; return kOk; }

int SimWorld::VXWL_HostedNetworkQueryStatus(VX_HOSTED_STATUS* status)
{
    LOCK;
    if (!status)
        return kFail;
    *status = VX_HOSTED_STATUS{};
    if (!m_hosted)
        return kOk;
    status->State = 1;
    std::memcpy(status->Bssid, m_scenario.mac, 6);
    status->Bssid[0] |= 0x02;
    return kOk;
}

// ---------------------------------------------------------------------------------------
// CCX
// ---------------------------------------------------------------------------------------

int SimWorld::VXWL_SetACMCmd(VX_CAC_CMD command) { LOCK; return kOk; }

int SimWorld::VXWL_StartDiagTest()
{
    LOCK;
    const bool ok = m_link.connected;
    Schedule(500, [this, ok] {
        Post(VXWL_MSG_CCX_CONNECTED, 0, ok ? 1 : 0);
        if (ok)
            Post(VXWL_MSG_CCX_FINISHED);
    });
    return kOk;
}

int SimWorld::VXWL_StopDiagTest() { LOCK; return kOk; }

// ---------------------------------------------------------------------------------------
// Single sign-on
// ---------------------------------------------------------------------------------------

int SimWorld::VXWL_ReadSSOStatus(VX_SSO_RECORD* record)
{
    LOCK;
    if (!record)
        return kFail;
    *record = m_sso;
    CopyText(record->szLogonLibrary, sizeof record->szLogonLibrary, "OmbrelGina.DLL");
    CopyText(record->szDriverDesc, sizeof record->szDriverDesc, m_scenario.driverDesc);
    return 0; // success
}

int SimWorld::VXWL_WriteSSOSetting(VX_SSO_RECORD record)
{
    LOCK;
    const uint32_t available = m_sso.bAvailable;
    m_sso = record;
    m_sso.bAvailable = available;
    Persist("SSO", m_sso);
    return kOk;
}

int SimWorld::VXWL_ReadSSOCurrProfileName(char* name)
{
    LOCK;
    CopyText(name, VX_NAME_SIZE, m_ssoProfile);
    return m_ssoProfile.empty() ? 0 : 1;
}

int SimWorld::VXWL_WriteSSOSavePassword(int mode) { LOCK; return kOk; }
int SimWorld::VXWL_WriteSSOEnablePersConn(int value)
{
    LOCK;
    CopyText(m_sso.szPersistent, sizeof m_sso.szPersistent, value ? "1" : "0");
    Persist("SSO", m_sso);
    return kOk;
}
int SimWorld::VXWL_ResetSSOFeature()
{
    LOCK;
    m_sso.bEnabled = 0;
    Persist("SSO", m_sso);
    return kOk;
}
int SimWorld::VXWL_WriteSSOReleaseSUP() { LOCK; return kOk; }
int SimWorld::VXWL_WriteSSOProfileAndFunc(const char* profileName, const char* ssoName, int notEligible)
{
    LOCK;
    m_ssoProfile = notEligible ? std::string() : Text(profileName, VX_NAME_SIZE);
    return kOk;
}

// ---------------------------------------------------------------------------------------
// WAPI certificates
// ---------------------------------------------------------------------------------------

namespace {

int LoadCertificate(const char* path, VX_WAPI_CERT_BUF* cert)
{
    if (!path || !cert)
        return kFail;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return kFail;
    std::ostringstream ss;
    ss << in.rdbuf();
    const std::string bytes = ss.str();
    if (bytes.empty() || bytes.size() > sizeof cert->Data)
        return kFail;
    *cert = VX_WAPI_CERT_BUF{};
    cert->Identifier = 1;
    cert->Length = static_cast<uint16_t>(bytes.size());
    std::memcpy(cert->Data, bytes.data(), bytes.size());
    return 0;
}

} // namespace

int SimWorld::VXWL_LoadX509UserCertificate(const char* path, VX_WAPI_CERT_BUF* cert) { LOCK; return LoadCertificate(path, cert); }
int SimWorld::VXWL_LoadX509ASCertificate(const char* path, VX_WAPI_CERT_BUF* cert) { LOCK; return LoadCertificate(path, cert); }

int SimWorld::VXWL_SetupX509UserCertificate(const char* path, VX_WAPI_CERT_BUF* cert)
{
    LOCK;
    if (LoadCertificate(path, cert) != 0 || m_wapiCerts.size() >= VX_WAPI_CERT_MAX)
        return kFail;
    VX_WAPI_CERT_ENTRY e{};
    std::string name = Text(path, 1024);
    const size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name = name.substr(slash + 1);
    CopyText(e.szSubject, sizeof e.szSubject, name);
    CopyText(e.szIssuer, sizeof e.szIssuer, "WAPI AS");
    std::memcpy(e.NotBefore, "100101000000Z", 13);
    std::memcpy(e.NotAfter, "301231235959Z", 13);
    e.CertLength = cert->Length;
    std::memcpy(e.Cert, cert->Data, cert->Length);
    m_wapiCerts.push_back(e);
    return 0;
}

int SimWorld::VXWL_SetupX509ASCertificate(const char* path, VX_WAPI_CERT_BUF* cert)
{
    return VXWL_SetupX509UserCertificate(path, cert);
}

int SimWorld::VXWL_EnumSystemCertificate(VX_WAPI_CERT_ENTRY* entries, int* count)
{
    LOCK;
    if (!count)
        return kFail;
    const int n = static_cast<int>(m_wapiCerts.size());
    if (!entries) {
        *count = n;
        return 0;
    }
    const int w = std::max(0, std::min(*count, n));
    for (int i = 0; i < w; ++i)
        entries[i] = m_wapiCerts[static_cast<size_t>(i)];
    *count = w;
    return 0;
}

int SimWorld::VXWL_GetCertificateManagerParam(const VX_WAPI_CERT_ENTRY* entry, char* subject, char* issuer,
                                              uint8_t* notBefore, uint8_t* notAfter)
{
    if (!entry)
        return kFail;
    CopyText(subject, 256, Text(entry->szSubject, sizeof entry->szSubject));
    CopyText(issuer, 256, Text(entry->szIssuer, sizeof entry->szIssuer));
    if (notBefore)
        std::memcpy(notBefore, entry->NotBefore, sizeof entry->NotBefore);
    if (notAfter)
        std::memcpy(notAfter, entry->NotAfter, sizeof entry->NotAfter);
    return kOk;
}

int SimWorld::VXWL_DeleteCertificate(int index)
{
    LOCK;
    if (index < 0 || index >= static_cast<int>(m_wapiCerts.size()))
        return kFail;
    m_wapiCerts.erase(m_wapiCerts.begin() + index);
    return kOk;
}

int SimWorld::VXWL_GetWAPICertInfo(const char* path, VX_WAPI_CERT_INFO* info, int flag)
{
    LOCK;
    if (!info)
        return kFail;
    VX_WAPI_CERT_BUF buf;
    if (LoadCertificate(path, &buf) != 0)
        return kFail;
    *info = VX_WAPI_CERT_INFO{};
    std::string name = Text(path, 256);
    const size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name = name.substr(slash + 1);
    CopyText(info->szIssuedTo, sizeof info->szIssuedTo, name);
    CopyText(info->szIssuedBy, sizeof info->szIssuedBy, "WAPI AS");
    CopyText(info->szExpiration, sizeof info->szExpiration, "2030/12/31");
    return kOk;
}
