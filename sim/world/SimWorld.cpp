// The world's machinery: clock and timed events, outputs, stored settings, the radio
// environment and the association state machine. The entry points are in SimEntries.cpp.
#include "world/SimWorld.h"

#include "device/ScanTable.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

bool SimMemoryStore::Read(const std::string& name, std::vector<uint8_t>& data)
{
    auto it = m_values.find(name);
    if (it == m_values.end())
        return false;
    data = it->second;
    return true;
}

void SimMemoryStore::Write(const std::string& name, const std::vector<uint8_t>& data)
{
    m_values[name] = data;
}

SimWorld::SimWorld()
{
    Load(SimScenario());
}

void SimWorld::SetStore(SimStore* store)
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    m_store = store ? store : &m_memoryStore;
}

void SimWorld::SetRealClock(std::function<uint64_t()> ms)
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    m_realClock = std::move(ms);
}

void SimWorld::SetLowMemory(std::function<void*(size_t)> alloc, std::function<void(void*)> free)
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    m_lowAlloc = std::move(alloc);
    m_lowFree = std::move(free);
}

void SimWorld::Reset(const SimScenario& scenario)
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    m_store->Clear();
    Load(scenario);
    m_calls.clear();
    m_failures.clear();
    m_manualClock = false;
}

void SimWorld::Load(const SimScenario& scenario)
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    ApplyScenario(scenario);
    RestoreStored();
    if (scenario.driverOpMode >= OP_MODE_STATION && scenario.driverOpMode <= OP_MODE_STATION_AP)
        m_opModeDriver = scenario.driverOpMode;
    m_sso.bAvailable = scenario.ssoAvailable ? 1 : 0;
}

void SimWorld::ApplyScenario(const SimScenario& scenario)
{
    m_scenario = scenario;
    m_networks = scenario.networks;
    m_adapters = scenario.adapters;
    m_timed.clear();
    m_outputs.clear();
    m_initialised = false;
    m_appName.clear();
    m_controller = nullptr;
    m_callback = nullptr;
    m_selected.clear();
    m_registered = false;
    m_initPending = scenario.initPolls;
    m_hwRadio = scenario.hwRadio;
    m_swRadio = true;
    m_zeroConfigByTool = false;
    m_opModeStored = m_opModeDriver = OP_MODE_STATION;
    m_wirelessMode = scenario.nSupport ? (scenario.aSupport ? VX_WMODE_ABGN : VX_WMODE_BGN)
                                       : (scenario.aSupport ? VX_WMODE_ABG : VX_WMODE_BG);
    m_region = 1;
    m_scanTable.clear();
    m_scanned = false;
    m_scanning = false;
    m_link = Link();
    ++m_linkGen;
    m_upSince = 0;
    m_txBytes = m_rxBytes = 0;
    m_authId.clear();
    m_authPassword.clear();
    m_authDomain.clear();
    m_icvError = false;
    m_current = WLANPROFILE{};
    m_profiles.clear();
    m_activeProfile.clear();
    m_advCfg = ADVANCE_CONFIG_DATA{};
    m_advCfg.WirelessMode = m_wirelessMode;
    m_advCfg.CountryRegion = 1;
    m_advOid = ADVANCE_OID{};
    m_staConfig = RT_802_11_STA_CONFIG{};
    m_staConfig.HwRadioStatus = m_hwRadio ? 1 : 0;
    m_ccx2 = 0;
    m_psMode = 0;
    m_wpsFlag = 0;
    m_wpsModeStored = WPS_MODE{};
    m_wpsProfileStored = WPS_PROFILE{};
    m_softAp = VX_SOFTAP_CONFIG{};
    m_softAp.MaxPeers = 20;
    m_baCap = VX_BA_CAP{};
    m_baCap.MpduAggregation = 1;
    m_baCap.AutoBA = 1;
    m_baCap.MmpsMode = 3;
    m_baCapWord = VxPackBACap(m_baCap);
    for (int& a : m_ackPolicy)
        a = 1;
    m_wmm = VX_WMM_SETTING{};
    m_wmm.bWMMEnable = 1;
    m_wmmMac[0] = '\0';
    m_wmmTimeout = 0;
    std::memset(m_dls, 0, sizeof m_dls);
    m_sso = VX_SSO_RECORD{};
    m_ssoProfile.clear();
    m_pacLists.clear();
    m_systemProfiles.clear();
    m_wpsStatus = 0;
    m_wpsResult = WPS_PROFILE{};
    m_wpsChannel = 0;
    m_hwPbcPressed = false;
    m_hosted = false;
    m_wapiCerts.clear();
}

// ---------------------------------------------------------------------------------------
// Stored settings
// ---------------------------------------------------------------------------------------

void SimWorld::Persist(const std::string& name, const void* data, size_t size)
{
    const uint8_t* p = static_cast<const uint8_t*>(data);
    m_store->Write(name, std::vector<uint8_t>(p, p + size));
}

template <typename T>
bool SimWorld::Restore(const std::string& name, T& value)
{
    std::vector<uint8_t> data;
    if (!m_store->Read(name, data) || data.size() != sizeof value)
        return false;
    std::memcpy(&value, data.data(), sizeof value);
    return true;
}

void SimWorld::PersistProfiles()
{
    std::vector<uint8_t> bytes(m_profiles.size() * sizeof(WLANPROFILE));
    if (!m_profiles.empty())
        std::memcpy(bytes.data(), m_profiles.data(), bytes.size());
    m_store->Write("Profiles", bytes);
    m_store->Write("ActiveProfile", std::vector<uint8_t>(m_activeProfile.begin(), m_activeProfile.end()));
}

// PAC lists: per list the name length (u32), the name, the count (u32) and the entries.
void SimWorld::PersistPacLists()
{
    std::vector<uint8_t> bytes;
    auto put32 = [&](uint32_t v) {
        const uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
        bytes.insert(bytes.end(), b, b + 4);
    };
    for (const auto& list : m_pacLists) {
        put32(static_cast<uint32_t>(list.first.size()));
        bytes.insert(bytes.end(), list.first.begin(), list.first.end());
        put32(static_cast<uint32_t>(list.second.size()));
        const uint8_t* p = reinterpret_cast<const uint8_t*>(list.second.data());
        bytes.insert(bytes.end(), p, p + list.second.size() * sizeof(VX_PAC_ENTRY));
    }
    m_store->Write("PacLists", bytes);
}

void SimWorld::RestoreStored()
{
    std::vector<uint8_t> data;
    if (m_store->Read("PacLists", data)) {
        size_t pos = 0;
        auto get32 = [&](uint32_t& v) {
            if (data.size() - pos < 4)
                return false;
            v = VxReadU32(data.data() + pos);
            pos += 4;
            return true;
        };
        uint32_t n = 0, count = 0;
        while (pos < data.size() && get32(n) && n <= data.size() - pos) {
            const std::string name(reinterpret_cast<const char*>(data.data() + pos), n);
            pos += n;
            if (!get32(count) || count > VX_PAC_LIST_MAX || count * sizeof(VX_PAC_ENTRY) > data.size() - pos)
                break;
            std::vector<VX_PAC_ENTRY> entries(count);
            if (count)
                std::memcpy(entries.data(), data.data() + pos, count * sizeof(VX_PAC_ENTRY));
            pos += count * sizeof(VX_PAC_ENTRY);
            m_pacLists[name] = entries;
        }
    }
    if (m_store->Read("Profiles", data) && data.size() % sizeof(WLANPROFILE) == 0) {
        m_profiles.resize(data.size() / sizeof(WLANPROFILE));
        if (!data.empty())
            std::memcpy(m_profiles.data(), data.data(), data.size());
    }
    if (m_store->Read("ActiveProfile", data))
        m_activeProfile.assign(data.begin(), data.end());
    uint32_t word = 0;
    if (Restore("RadioOn", word))
        m_swRadio = word != 0;
    int32_t mode = 0;
    if (Restore("OpMode", mode))
        m_opModeStored = m_opModeDriver = mode;
    Restore("AdvanceConfig", m_advCfg);
    Restore("CCX2Control", m_ccx2);
    Restore("WpsFlag", m_wpsFlag);
    Restore("WpsMode", m_wpsModeStored);
    Restore("WpsProfile", m_wpsProfileStored);
    Restore("SoftAP", m_softAp);
    Restore("BACap", m_baCapWord);
    Restore("AckPolicy", m_ackPolicy);
    Restore("WmmMac", m_wmmMac);
    m_wmmMac[sizeof m_wmmMac - 1] = '\0';
    Restore("WmmTimeout", m_wmmTimeout);
    Restore("SSO", m_sso);
    Restore("WmmSetting", m_wmm);
}

// ---------------------------------------------------------------------------------------
// Clock, events, outputs
// ---------------------------------------------------------------------------------------

uint64_t SimWorld::NowMs() const
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    if (m_manualClock || !m_realClock)
        return m_manualNow;
    return m_realClock();
}

void SimWorld::SetManualClock(bool manual)
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    if (manual == m_manualClock)
        return;
    // Pending events keep their distance from now.
    const uint64_t before = NowMs();
    m_manualClock = manual;
    if (manual)
        m_manualNow = before;
    const uint64_t after = NowMs();
    for (Timed& t : m_timed)
        t.due = t.due - before + after;
    if (m_upSince)
        m_upSince = m_upSince - before + after;
}

void SimWorld::AdvanceClock(uint64_t ms)
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    if (!m_manualClock)
        return;
    // Step through the events so that each runs at its own time.
    const uint64_t target = m_manualNow + ms;
    for (;;) {
        uint64_t next = target;
        for (const Timed& t : m_timed)
            next = std::min(next, std::max(t.due, m_manualNow));
        m_manualNow = next;
        RunDueEvents();
        if (m_manualNow >= target)
            break;
    }
}

void SimWorld::Schedule(uint64_t delayMs, std::function<void()> run)
{
    m_timed.push_back(Timed{NowMs() + delayMs, ++m_seq, std::move(run)});
}

void SimWorld::RunDueEvents()
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    for (;;) {
        const uint64_t now = NowMs();
        auto due = m_timed.end();
        for (auto it = m_timed.begin(); it != m_timed.end(); ++it)
            if (it->due <= now && (due == m_timed.end() || it->due < due->due ||
                                   (it->due == due->due && it->seq < due->seq)))
                due = it;
        if (due == m_timed.end())
            return;
        std::function<void()> run = std::move(due->run);
        m_timed.erase(due);
        run();
    }
}

std::vector<SimOutput> SimWorld::TakeOutputs()
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    std::vector<SimOutput> out;
    out.swap(m_outputs);
    return out;
}

void SimWorld::Emit(uint32_t code, const void* data, size_t size)
{
    if (!m_callback || !m_registered)
        return;
    SimOutput o;
    o.kind = SimOutput::Callback;
    o.code = code;
    o.callback = m_callback;
    if (data && size) {
        const uint8_t* p = static_cast<const uint8_t*>(data);
        o.data.assign(p, p + size);
    }
    m_outputs.push_back(std::move(o));
}

void SimWorld::Post(uint32_t msg, uintptr_t wParam, intptr_t lParam)
{
    if (!m_controller)
        return;
    SimOutput o;
    o.kind = SimOutput::Post;
    o.code = msg;
    o.wParam = wParam;
    o.lParam = lParam;
    o.window = m_controller;
    m_outputs.push_back(std::move(o));
}

void SimWorld::OnCallbackReply(uint32_t code, const char* reply)
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    if (!reply)
        return;
    const std::string text(reply, strnlen(reply, VXWL_CALLBACK_REPLY_SIZE));
    if ((code & 0xFF) != RS_CBS_CHANGE_PASSWORD_REQUEST || m_passwordChangeGen != m_linkGen)
        return;
    m_passwordChangeGen = 0;
    const int index = m_passwordChangeNetwork;
    if (index < 0 || index >= static_cast<int>(m_networks.size()))
        return;
    SimNetwork& n = m_networks[static_cast<size_t>(index)];
    auto expired = std::find(n.mustChange.begin(), n.mustChange.end(), m_authId);
    // The old password back (a cancelled prompt) or nothing: the server refuses the identity.
    if (text.empty() || text == n.users[m_authId]) {
        Emit(RS_CBS_AU_STATUS_CLIENT_IDENTITY_REJECTED);
        DropLink(VX_EVENT_AUTH_FAIL, false);
        return;
    }
    n.users[m_authId] = text;
    if (expired != n.mustChange.end())
        n.mustChange.erase(expired);
    m_authPassword = text;
    Emit(RS_CBS_CHANGE_PASSWORD_SUCCESS);
    AuthenticationSucceeded();
}

void SimWorld::AuthenticationSucceeded()
{
    Emit(RS_CBS_AU_STATUS_AUTHENTICATED);
    LinkUp();
    Emit(RS_CBS_AU_STATUS_MEDIA_CONNECT);
    Emit(RS_CBS_PORT_SECURED);
}

// ---------------------------------------------------------------------------------------
// Control
// ---------------------------------------------------------------------------------------

void SimWorld::FailNextCall(const std::string& name, int result)
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    m_failures[name] = result;
}

bool SimWorld::TakeFailure(const char* name, int& result)
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    auto it = m_failures.find(name);
    if (it == m_failures.end())
        return false;
    result = it->second;
    m_failures.erase(it);
    return true;
}

void SimWorld::LogCall(const std::string& line)
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    if (m_calls.size() >= 20000)
        m_calls.erase(m_calls.begin(), m_calls.begin() + 10000);
    m_calls.push_back(line);
}

std::string SimWorld::CallLog() const
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    std::string out;
    for (const std::string& c : m_calls)
        out += c + "\n";
    return out;
}

void SimWorld::ClearCallLog()
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    m_calls.clear();
}

int SimWorld::WinOS() const
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    return m_scenario.winOs;
}

void SimWorld::SetWinOS(int code)
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    m_scenario.winOs = code;
}

bool SimWorld::IsAdmin() const
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    return m_scenario.admin;
}

void SimWorld::SetAdmin(bool admin)
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    m_scenario.admin = admin;
}

bool SimWorld::IsInitialised() const
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    return m_initialised;
}

VXWL_HWND SimWorld::ControllerWindow() const
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    return m_controller;
}

bool SimWorld::IsLinked() const
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    return m_link.connected;
}

bool SimWorld::SetScenarioValue(const std::string& name, const std::string& value)
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    std::string key = name;
    for (char& c : key)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (key == "adapter.wpsbutton") {
        if (value != "0")
            PressAdapterWpsButton();
        return true;
    }
    const bool hwRadio = m_scenario.hwRadio;
    if (!m_scenario.SetValue(name, value))
        return false;
    // Values that describe the running driver take effect at once.
    if (key == "adapter.initpolls")
        m_initPending = m_scenario.initPolls;
    else if (key == "adapter.driveropmode" && m_scenario.driverOpMode >= OP_MODE_STATION &&
             m_scenario.driverOpMode <= OP_MODE_STATION_AP)
        m_opModeDriver = m_scenario.driverOpMode;
    else if (key == "adapter.hwradio" && hwRadio != m_scenario.hwRadio)
        SetHardwareRadio(m_scenario.hwRadio);
    else if (key == "system.ssoavailable")
        m_sso.bAvailable = m_scenario.ssoAvailable ? 1 : 0;
    return true;
}

bool SimWorld::SetAdapterPresent(int index, bool present)
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    if (index < 0 || index >= static_cast<int>(m_adapters.size()))
        return false;
    m_adapters[index].present = present;
    if (!present && m_adapters[index].name == m_selected) {
        DropLink(VX_EVENT_LINK_DOWN, true);
        m_registered = false;
    }
    if (present && m_adapters[index].name == m_selected)
        Post(VXWL_MSG_RECONNECT);
    return true;
}

void SimWorld::SetHardwareRadio(bool on)
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    if (on == m_hwRadio)
        return;
    const bool wasOn = RadioOn();
    m_hwRadio = on;
    m_staConfig.HwRadioStatus = on ? 1 : 0;
    if (!on)
        DropLink(VX_EVENT_HW_RADIO_OFF, true);
    else if (m_link.event == VX_EVENT_HW_RADIO_OFF)
        m_link.event = m_swRadio ? VX_EVENT_LINK_DOWN : VX_EVENT_SW_RADIO_OFF;
    if (wasOn != RadioOn())
        Post(RadioOn() ? VXWL_MSG_RADIO_ON : VXWL_MSG_RADIO_OFF);
}

bool SimWorld::AddNetwork(const SimNetwork& network)
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    for (const SimNetwork& n : m_networks)
        if (std::memcmp(n.bssid, network.bssid, 6) == 0)
            return false;
    m_networks.push_back(network);
    return true;
}

bool SimWorld::RemoveNetwork(const uint8_t bssid[6])
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    for (size_t i = 0; i < m_networks.size(); ++i) {
        if (std::memcmp(m_networks[i].bssid, bssid, 6) != 0)
            continue;
        if (m_link.network == static_cast<int>(i))
            DropLink(VX_EVENT_LINK_DOWN, true);
        else if (m_link.network > static_cast<int>(i))
            --m_link.network;
        m_networks.erase(m_networks.begin() + static_cast<std::ptrdiff_t>(i));
        return true;
    }
    return false;
}

bool SimWorld::SetNetworkValue(const uint8_t bssid[6], const std::string& key, const std::string& value)
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    for (size_t i = 0; i < m_networks.size(); ++i) {
        SimNetwork& n = m_networks[i];
        if (std::memcmp(n.bssid, bssid, 6) != 0)
            continue;
        std::string lower = key;
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (lower == "rssi") {
            n.rssi = std::atoi(value.c_str());
            return true;
        }
        if (lower == "key") {
            n.key = value;
            return true;
        }
        if (lower == "ssid") {
            n.ssid = value.substr(0, VX_SSID_MAX);
            return true;
        }
        if (lower == "channel") {
            n.channel = std::atoi(value.c_str());
            if (m_link.network == static_cast<int>(i))
                DropLink(VX_EVENT_LINK_DOWN, true);
            return true;
        }
        if (lower == "wpsbutton") {
            n.wpsPbcActive = value != "0";
            return true;
        }
        return false;
    }
    return false;
}

void SimWorld::PressWpsButton(const uint8_t bssid[6])
{
    SetNetworkValue(bssid, "wpsbutton", "1");
}

void SimWorld::PressAdapterWpsButton()
{
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    m_hwPbcPressed = true;
}

// ---------------------------------------------------------------------------------------
// Radio environment
// ---------------------------------------------------------------------------------------

namespace {

void Range(std::vector<uint8_t>& out, int from, int to, int step)
{
    for (int c = from; c <= to; c += step)
        out.push_back(static_cast<uint8_t>(c));
}

std::vector<uint8_t> Channels24(int index)
{
    std::vector<uint8_t> c;
    switch (index) {
    case 0: Range(c, 1, 11, 1); break;
    case 2: Range(c, 10, 11, 1); break;
    case 3: Range(c, 10, 13, 1); break;
    case 4: c.push_back(14); break;
    case 5: Range(c, 1, 14, 1); break;
    case 6: Range(c, 3, 9, 1); break;
    case 7: Range(c, 5, 13, 1); break;
    default: Range(c, 1, 13, 1); break;
    }
    return c;
}

std::vector<uint8_t> Channels5(int index)
{
    std::vector<uint8_t> c;
    auto low = [&] { Range(c, 36, 64, 4); };
    auto mid = [&] { Range(c, 100, 140, 4); };
    switch (index) {
    case 1: low(); mid(); break;
    case 2: low(); break;
    case 3: Range(c, 52, 64, 4); Range(c, 149, 161, 4); break;
    case 4: Range(c, 149, 165, 4); break;
    case 5: Range(c, 149, 161, 4); break;
    case 6: Range(c, 36, 48, 4); break;
    case 7: low(); mid(); Range(c, 149, 165, 4); break;
    case 8: Range(c, 52, 64, 4); break;
    case 9: low(); Range(c, 100, 116, 4); Range(c, 132, 140, 4); Range(c, 149, 165, 4); break;
    case 10: Range(c, 36, 48, 4); Range(c, 149, 165, 4); break;
    case 11: low(); Range(c, 100, 120, 4); Range(c, 149, 161, 4); break;
    case 12: low(); mid(); break;
    case 13: Range(c, 52, 64, 4); mid(); Range(c, 149, 161, 4); break;
    case 14: low(); Range(c, 100, 116, 4); c.push_back(136); c.push_back(140); Range(c, 149, 165, 4); break;
    case 15: Range(c, 149, 173, 4); break;
    case 16: low(); mid(); Range(c, 149, 173, 4); break;
    default: low(); Range(c, 149, 165, 4); break;
    }
    return c;
}

bool Has24(int mode) { return mode != VX_WMODE_A && mode != VX_WMODE_AN; }
bool Has5(int mode) { return mode == VX_WMODE_A || mode == VX_WMODE_AN || mode == VX_WMODE_ABG || mode == VX_WMODE_ABGN; }

uint32_t ChannelKHz(int channel)
{
    if (channel >= 1 && channel <= 13)
        return 2407000u + 5000u * static_cast<uint32_t>(channel);
    if (channel == 14)
        return 2484000u;
    if (channel >= 34 && channel <= 173)
        return 5000000u + 5000u * static_cast<uint32_t>(channel);
    return 0;
}

} // namespace

std::vector<uint8_t> SimWorld::ChannelsFor(int wirelessMode) const
{
    std::vector<uint8_t> out;
    if (Has24(wirelessMode)) {
        const std::vector<uint8_t> c = Channels24(m_region & 0x7F);
        out.insert(out.end(), c.begin(), c.end());
    }
    if (Has5(wirelessMode) && m_scenario.aSupport) {
        const std::vector<uint8_t> c = Channels5((m_region >> 8) & 0x7F);
        out.insert(out.end(), c.begin(), c.end());
    }
    if (out.size() > VXWL_CHANNEL_LIST_MAX)
        out.resize(VXWL_CHANNEL_LIST_MAX);
    return out;
}

bool SimWorld::ChannelAllowed(int channel) const
{
    const std::vector<uint8_t> c = ChannelsFor(m_wirelessMode);
    return std::find(c.begin(), c.end(), static_cast<uint8_t>(channel)) != c.end();
}

bool SimWorld::AdapterUsable() const
{
    for (const SimAdapter& a : m_adapters)
        if (a.name == m_selected)
            return a.present;
    return false;
}

bool SimWorld::Visible(const SimNetwork& n) const
{
    return RadioOn() && ChannelAllowed(n.channel);
}

int SimWorld::CurrentRssi(const SimNetwork& n) const
{
    // A slow wobble of a few dB around the network's level.
    const uint64_t t = NowMs() / 1000 + n.bssid[5];
    return n.rssi + static_cast<int>(t % 5) - 2;
}

std::vector<uint8_t> SimWorld::EntryFor(const SimNetwork& n) const
{
    SimIEInput in;
    in.beaconPeriod = static_cast<uint16_t>(n.beacon);
    in.privacy = n.security != SimSecurity::Open;
    in.ibss = n.adhoc;
    in.ssid = n.hidden ? std::string() : n.ssid;
    in.channel = n.channel;
    in.security = n.security;
    in.cipher = n.cipher;
    in.ht = n.ht;
    in.ht40 = n.ht40;
    in.streams = static_cast<int>((m_scenario.antenna >> 4) & 0xF) > 0 ? 2 : 1;
    in.wps = n.wps;
    in.wpsPbcOnly = n.wpsPin.empty();
    in.wpsSelectedRegistrar = n.wpsPbcActive;
    in.cckm = n.cckm;
    if (n.Is5GHz())
        in.rates = {0x8C, 0x12, 0x98, 0x24, 0xB0, 0x48, 0x60, 0x6C};
    else
        in.rates = {0x82, 0x84, 0x8B, 0x96, 0x0C, 0x12, 0x18, 0x24, 0x30, 0x48, 0x60, 0x6C};
    const std::vector<uint8_t> ies = SimBuildIEs(in);

    std::vector<uint8_t> entry(VX_BSSID_EX_HEADER + ies.size(), 0);
    VX_BSSID_EX* e = reinterpret_cast<VX_BSSID_EX*>(entry.data());
    e->Length = static_cast<uint32_t>(entry.size());
    std::memcpy(e->MacAddress, n.bssid, 6);
    if (!n.hidden) {
        e->SsidLength = static_cast<uint32_t>(std::min<size_t>(n.ssid.size(), VX_SSID_MAX));
        std::memcpy(e->Ssid, n.ssid.data(), e->SsidLength);
    }
    e->Privacy = in.privacy ? 1 : 0;
    e->Rssi = CurrentRssi(n);
    e->NetworkTypeInUse = n.Is5GHz() ? VX_NET_TYPE_OFDM5 : VX_NET_TYPE_OFDM24;
    e->Configuration.Length = sizeof(VX_802_11_CONFIGURATION);
    e->Configuration.BeaconPeriod = static_cast<uint32_t>(n.beacon);
    e->Configuration.DSConfig = ChannelKHz(n.channel);
    e->InfrastructureMode = n.adhoc ? VX_INFRA_IBSS : VX_INFRA_BSS;
    const size_t rates = std::min<size_t>(in.rates.size(), sizeof e->SupportedRates);
    std::memcpy(e->SupportedRates, in.rates.data(), rates);
    e->IELength = static_cast<uint32_t>(ies.size());
    std::memcpy(entry.data() + VX_BSSID_EX_HEADER, ies.data(), ies.size());
    return entry;
}

void SimWorld::BuildScanTable()
{
    m_scanTable.assign(VX_SCAN_TABLE_HEADER, 0);
    uint32_t count = 0;
    if (AdapterUsable() && RadioOn())
        for (const SimNetwork& n : m_networks) {
            if (!Visible(n) || count >= VX_SCAN_MAX_ENTRIES)
                continue;
            const std::vector<uint8_t> entry = EntryFor(n);
            if (m_scanTable.size() + entry.size() > VX_SCAN_TABLE_SIZE)
                break;
            m_scanTable.insert(m_scanTable.end(), entry.begin(), entry.end());
            ++count;
        }
    VxWriteU32(m_scanTable.data(), count);
    m_scanned = true;
}

// ---------------------------------------------------------------------------------------
// Association
// ---------------------------------------------------------------------------------------

namespace {

bool IsPark(const uint8_t* ssid, uint32_t length)
{
    if (length != VX_SSID_MAX)
        return false;
    bool allPark = true, allZero = true;
    for (int i = 0; i < VX_SSID_MAX; ++i) {
        allPark = allPark && ssid[i] == 0x10;
        allZero = allZero && ssid[i] == 0;
    }
    return allPark || allZero;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A WEP key as its bytes: 10/26 hex digits, or 5/13 characters.
std::vector<uint8_t> WepBytes(const std::string& text, bool hexHint)
{
    const bool hex = (text.size() == 10 || text.size() == 26) &&
                     std::all_of(text.begin(), text.end(), [](char c) { return HexValue(c) >= 0; });
    std::vector<uint8_t> out;
    if (hex && (hexHint || text.size() == 10 || text.size() == 26)) {
        for (size_t i = 0; i + 1 < text.size(); i += 2)
            out.push_back(static_cast<uint8_t>(HexValue(text[i]) * 16 + HexValue(text[i + 1])));
        return out;
    }
    return std::vector<uint8_t>(text.begin(), text.end());
}

bool IsTkip(int e) { return e == VX_ENCRY_TKIP || e == VX_ENCRY_TKIP_KEY_ABSENT || e == VX_ENCRY_TKIP_MFP; }
bool IsAes(int e) { return e == VX_ENCRY_AES || e == VX_ENCRY_AES_KEY_ABSENT || e == VX_ENCRY_AES_MFP; }
bool IsNone(int e) { return e == VX_ENCRY_NONE || e == VX_ENCRY_NONE_KEY_ABSENT; }

bool CipherOffered(SimCipher c, int encryption)
{
    if (IsTkip(encryption))
        return c == SimCipher::TKIP || c == SimCipher::TKIP_AES;
    if (IsAes(encryption))
        return c == SimCipher::AES || c == SimCipher::TKIP_AES;
    return false;
}

} // namespace

int SimWorld::FindNetwork(const WLANPROFILE& p) const
{
    static const uint8_t zero[6] = {};
    const bool byBssid = p.bBssid == 1 && std::memcmp(p.Bssid, zero, 6) != 0;
    const bool adhoc = p.enumNetworkType == VX_NETWORK_ADHOC;
    for (size_t i = 0; i < m_networks.size(); ++i) {
        const SimNetwork& n = m_networks[i];
        if (!Visible(n))
            continue;
        if (byBssid) {
            if (std::memcmp(n.bssid, p.Bssid, 6) == 0)
                return static_cast<int>(i);
            continue;
        }
        if (n.adhoc != adhoc)
            continue;
        const uint32_t len = static_cast<uint32_t>(std::min<size_t>(n.ssid.size(), VX_SSID_MAX));
        if (VxSsidEqual(reinterpret_cast<const uint8_t*>(n.ssid.data()), len, p.Ssid, p.SsidLength))
            return static_cast<int>(i);
    }
    return -1;
}

SimWorld::Outcome SimWorld::Check(const SimNetwork& n, const WLANPROFILE& p) const
{
    const int auth = p.enumAuthenMode;
    const int encr = p.enumEncryStatus;
    switch (n.security) {
    case SimSecurity::Open:
        return (auth == VX_AUTH_OPEN || auth == VX_AUTH_AUTO) && IsNone(encr) && !p.b8021X ? Outcome::Ok
                                                                                          : Outcome::AssocFail;
    case SimSecurity::WEP: {
        if (encr != VX_ENCRY_WEP || !(auth == VX_AUTH_OPEN || auth == VX_AUTH_SHARED || auth == VX_AUTH_AUTO))
            return Outcome::AssocFail;
        int index = p.wepDefaultKey;
        if (index < 1 || index > 4)
            index = 1;
        const char* keys[4] = {p.WEPKey1, p.WEPKey2, p.WEPKey3, p.WEPKey4};
        const int types[4] = {p.WEPKey1Type, p.WEPKey2Type, p.WEPKey3Type, p.WEPKey4Type};
        const std::string key(keys[index - 1], strnlen(keys[index - 1], VX_WEP_KEY_SIZE));
        const bool ok = index == n.wepKeyIndex && !key.empty() &&
                        WepBytes(key, types[index - 1] == 0) == WepBytes(n.key, false);
        if (ok)
            return Outcome::Ok;
        return auth == VX_AUTH_SHARED || n.sharedKey ? Outcome::AuthFail : Outcome::WepBadKey;
    }
    case SimSecurity::WPA_PSK:
    case SimSecurity::WPA2_PSK:
    case SimSecurity::WPA_MIXED_PSK:
    case SimSecurity::WPA_NONE:
    case SimSecurity::WAPI_PSK: {
        bool authOk = false;
        switch (n.security) {
        case SimSecurity::WPA_PSK: authOk = auth == VX_AUTH_WPA_PSK; break;
        case SimSecurity::WPA2_PSK: authOk = auth == VX_AUTH_WPA2_PSK; break;
        case SimSecurity::WPA_MIXED_PSK: authOk = auth == VX_AUTH_WPA_PSK || auth == VX_AUTH_WPA2_PSK; break;
        case SimSecurity::WPA_NONE: authOk = auth == VX_AUTH_WPA_NONE || auth == VX_AUTH_WPA2_PSK; break;
        default: authOk = auth == VX_AUTH_WAPI_PSK; break;
        }
        const bool cipherOk = n.security == SimSecurity::WAPI_PSK ? encr == VX_ENCRY_SMS4 : CipherOffered(n.cipher, encr);
        if (!authOk || !cipherOk)
            return Outcome::AssocFail;
        const int len = std::max(0, std::min(p.nPskKeyLen, VX_PSK_KEY_SIZE));
        const std::string key(p.chPskKey, strnlen(p.chPskKey, static_cast<size_t>(len)));
        return key == n.key ? Outcome::Ok : Outcome::PskFail;
    }
    case SimSecurity::WPA_EAP:
    case SimSecurity::WPA2_EAP: {
        const bool wpa2 = n.security == SimSecurity::WPA2_EAP;
        const bool authOk = (wpa2 ? auth == VX_AUTH_WPA2 : auth == VX_AUTH_WPA) || (n.cckm && auth == VX_AUTH_CCKM);
        if (!authOk || !CipherOffered(n.cipher, encr))
            return Outcome::AssocFail;
        if (p.enumAuthenProtocol != n.eapMethod || m_authId.empty())
            return Outcome::EapTimeout;
        if (p.enumAuthenProtocol == VX_EAP_TLS)
            return p.bClientCert && p.user_cert.BlobLength > 0 && n.users.count(m_authId) ? Outcome::Ok
                                                                                          : Outcome::EapRejected;
        auto it = n.users.find(m_authId);
        return it != n.users.end() && it->second == m_authPassword ? Outcome::Ok : Outcome::EapRejected;
    }
    }
    return Outcome::AssocFail;
}

void SimWorld::DropLink(uint32_t event, bool announce)
{
    const bool wasConnected = m_link.connected;
    const bool wasAssociated = m_link.associated;
    if (m_upSince) {
        const uint64_t up = NowMs() - m_upSince;
        m_txBytes += up * 1500 / 1000;
        m_rxBytes += m_link.wepBadKey ? 0 : up * 5000 / 1000;
        m_upSince = 0;
    }
    ++m_linkGen;
    const uint32_t networkType = m_link.networkType;
    m_link = Link();
    m_link.networkType = networkType;
    m_link.event = event;
    m_icvError = false;
    if (announce && (wasAssociated || wasConnected)) {
        Emit(RS_CBS_AU_STATUS_LINK_DOWN);
        if (wasConnected)
            Emit(RS_CBS_AU_STATUS_MEDIA_DISCONNECT);
    }
}

uint64_t SimWorld::ConnectedMs() const
{
    return m_upSince ? NowMs() - m_upSince : 0;
}

void SimWorld::AssignAddress()
{
    if (!m_link.connected)
        return;
    uint8_t net = 1;
    if (m_link.network >= 0)
        net = m_networks[static_cast<size_t>(m_link.network)].ipNet;
    const uint8_t host = static_cast<uint8_t>(100 + m_scenario.mac[5] % 100);
    const uint8_t ip[4] = {192, 168, net, host};
    const uint8_t mask[4] = {255, 255, 255, 0};
    const uint8_t gw[4] = {192, 168, net, 1};
    std::memcpy(m_link.ip, ip, 4);
    std::memcpy(m_link.mask, mask, 4);
    std::memcpy(m_link.gateway, gw, 4);
}

void SimWorld::LinkUp()
{
    m_link.state = VxStatus_Connected;
    m_link.event = VX_EVENT_LINK_UP;
    m_link.connected = true;
    m_upSince = NowMs();
    AssignAddress();
    if (m_scenario.winOs >= VX_OS_VISTA) {
        const std::string ssid = VxSsidString(m_link.ssid.Ssid, m_link.ssid.SsidLength);
        if (std::find(m_systemProfiles.begin(), m_systemProfiles.end(), ssid) == m_systemProfiles.end())
            m_systemProfiles.push_back(ssid);
    }
}

void SimWorld::Connect(const WLANPROFILE& p)
{
    DropLink(VX_EVENT_LINK_DOWN, false);
    m_current = p;
    m_authId.assign(p.chID, strnlen(p.chID, sizeof p.chID));
    m_authPassword.assign(p.chPassword, strnlen(p.chPassword, sizeof p.chPassword));
    m_authDomain.assign(p.chDomainName, strnlen(p.chDomainName, sizeof p.chDomainName));
    m_link.networkType = p.enumNetworkType == VX_NETWORK_ADHOC ? VX_NETWORK_ADHOC : VX_NETWORK_INFRA;
    if (!AdapterUsable())
        return;
    if (!m_hwRadio || !m_swRadio) {
        m_link.event = m_hwRadio ? VX_EVENT_SW_RADIO_OFF : VX_EVENT_HW_RADIO_OFF;
        return;
    }
    static const uint8_t zero[6] = {};
    const bool byBssid = p.bBssid == 1 && std::memcmp(p.Bssid, zero, 6) != 0;
    if (!byBssid && (p.SsidLength == 0 || IsPark(p.Ssid, p.SsidLength)))
        return; // nothing to associate with, or the parking SSID

    const uint64_t gen = m_linkGen;
    const int step = std::max(1, m_scenario.stepMs);
    Emit(RS_CBS_AU_STATUS_START);

    int index = FindNetwork(p);
    if (index < 0) {
        if (p.enumNetworkType != VX_NETWORK_ADHOC)
            return; // nothing to associate with: the link stays down
        // Start an IBSS of our own on the profile's frequency.
        Schedule(step, [this, gen, p] {
            if (gen != m_linkGen)
                return;
            m_link.associated = true;
            m_link.network = -1;
            m_link.ssid.SsidLength = VxClampSsidLength(p.SsidLength);
            std::memcpy(m_link.ssid.Ssid, p.Ssid, m_link.ssid.SsidLength);
            const uint8_t own[6] = {0x02, m_scenario.mac[1], m_scenario.mac[2], m_scenario.mac[3], m_scenario.mac[4],
                                    m_scenario.mac[5]};
            std::memcpy(m_link.bssid, own, 6);
            m_link.networkType = VX_NETWORK_ADHOC;
            m_link.frequency = p.lFreq > 0 ? static_cast<uint32_t>(p.lFreq) : 2437000u;
            m_link.auth = p.enumAuthenMode;
            m_link.encryption = p.enumEncryStatus;
            m_link.rssi = -40;
            Emit(RS_CBS_AU_STATUS_LINK_UP);
            LinkUp();
            Emit(RS_CBS_AU_STATUS_MEDIA_CONNECT);
        });
        return;
    }

    const Outcome outcome = Check(m_networks[static_cast<size_t>(index)], p);
    std::array<uint8_t, 6> target;
    std::memcpy(target.data(), m_networks[static_cast<size_t>(index)].bssid, 6);
    Schedule(step, [this, gen, target, outcome, p] {
        if (gen != m_linkGen)
            return;
        const int index = IndexOf(target.data());
        if (index < 0) { // gone meanwhile
            m_link.event = VX_EVENT_ASSOC_FAIL;
            Emit(RS_CBS_AU_STATUS_LINK_DOWN);
            return;
        }
        const SimNetwork& n = m_networks[static_cast<size_t>(index)];
        if (outcome == Outcome::AssocFail || outcome == Outcome::AuthFail) {
            m_link.event = outcome == Outcome::AuthFail ? VX_EVENT_AUTH_FAIL : VX_EVENT_ASSOC_FAIL;
            Emit(RS_CBS_AU_STATUS_LINK_DOWN);
            return;
        }
        m_link.associated = true;
        m_link.network = index;
        const uint32_t len = static_cast<uint32_t>(std::min<size_t>(n.ssid.size(), VX_SSID_MAX));
        m_link.ssid.SsidLength = len;
        std::memcpy(m_link.ssid.Ssid, n.ssid.data(), len);
        std::memcpy(m_link.bssid, n.bssid, 6);
        m_link.networkType = n.adhoc ? VX_NETWORK_ADHOC : VX_NETWORK_INFRA;
        m_link.frequency = ChannelKHz(n.channel);
        m_link.auth = p.enumAuthenMode;
        m_link.encryption = p.enumEncryStatus;
        m_link.rssi = n.rssi;
        m_link.ht = n.ht;
        m_link.ht40 = n.ht40;
        Emit(RS_CBS_AU_STATUS_LINK_UP);
        const bool eap = n.security == SimSecurity::WPA_EAP || n.security == SimSecurity::WPA2_EAP;
        const int step = std::max(1, m_scenario.stepMs);
        if (eap) {
            Schedule(step, [this, gen, target, step] {
                if (gen != m_linkGen)
                    return;
                Emit(RS_CBS_AU_STATUS_AUTHENTICATING);
                // The identity goes out now: credentials written meanwhile count.
                const int index = IndexOf(target.data());
                const Outcome outcome =
                    index < 0 ? Outcome::EapTimeout : Check(m_networks[static_cast<size_t>(index)], m_current);
                const uint64_t wait = outcome == Outcome::EapTimeout ? 6u * step : 2u * step;
                Schedule(wait, [this, gen, outcome, target] {
                    if (gen != m_linkGen)
                        return;
                    const int index = IndexOf(target.data());
                    if (outcome == Outcome::Ok && index >= 0) {
                        const SimNetwork& n = m_networks[static_cast<size_t>(index)];
                        if (n.eapMethod == VX_EAP_FAST) {
                            // The PAC: loaded when one was saved for this authority, else provisioned.
                            static const char aid[] = "VxPacAuthority";
                            Emit(RS_CBS_FAST_PAC_AID_INFO, aid, sizeof aid);
                            Emit(RS_CBS_FAST_LOAD_PAC);
                            std::vector<uint8_t> saved;
                            if (!m_store->Read(std::string("PAC:") + aid, saved)) {
                                std::vector<uint8_t> pac(VX_PAC_BLOB_SIZE);
                                for (size_t i = 0; i < pac.size(); ++i)
                                    pac[i] = static_cast<uint8_t>(i * 7 + 1);
                                Emit(RS_CBS_FAST_SAVE_PAC, pac.data(), pac.size());
                                Emit(RS_CBS_AU_STATUS_FAST_PROVISIONING_SUCCESS);
                            }
                        }
                        if (std::find(n.mustChange.begin(), n.mustChange.end(), m_authId) != n.mustChange.end()) {
                            // Wait for the new password in the callback's reply.
                            m_passwordChangeGen = m_linkGen;
                            m_passwordChangeNetwork = index;
                            Emit(RS_CBS_CHANGE_PASSWORD_REQUEST);
                            return;
                        }
                        AuthenticationSucceeded();
                        return;
                    }
                    Emit(outcome == Outcome::EapRejected ? RS_CBS_AU_STATUS_CLIENT_IDENTITY_REJECTED
                                                         : RS_CBS_AU_STATUS_AUTH_TIMEOUT);
                    DropLink(VX_EVENT_AUTH_FAIL, false);
                });
            });
            return;
        }
        Schedule(step, [this, gen, outcome, n] {
            if (gen != m_linkGen)
                return;
            if (outcome == Outcome::PskFail) {
                DropLink(VX_EVENT_4WAY_TIMEOUT, false);
                Emit(RS_CBS_AU_STATUS_LINK_DOWN);
                return;
            }
            LinkUp();
            Emit(RS_CBS_AU_STATUS_MEDIA_CONNECT);
            if (n.security != SimSecurity::Open && n.security != SimSecurity::WEP)
                Emit(RS_CBS_PORT_SECURED);
            if (outcome == Outcome::WepBadKey) {
                m_link.wepBadKey = true; // frames from the access point do not decrypt
                IcvTick(gen);
            }
        });
    });
}

int SimWorld::IndexOf(const uint8_t bssid[6]) const
{
    for (size_t i = 0; i < m_networks.size(); ++i)
        if (std::memcmp(m_networks[i].bssid, bssid, 6) == 0)
            return static_cast<int>(i);
    return -1;
}

void SimWorld::IcvTick(uint64_t gen)
{
    if (gen != m_linkGen)
        return;
    m_icvError = true;
    Emit(RS_CBS_ICV_ERROR);
    Schedule(3000, [this, gen] { IcvTick(gen); });
}
