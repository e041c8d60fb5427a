// Scenarios: the built-in world and scenario files.
#include "world/SimIni.h"
#include "world/SimWorld.h"

#include "framework/VxString.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool Flag(const std::string& v) { return !v.empty() && v != "0" && Lower(v) != "no" && Lower(v) != "false"; }

SimNetwork Net(const char* ssid, uint8_t last, int channel, int rssi, SimSecurity sec, SimCipher cipher,
               const char* key)
{
    SimNetwork n;
    n.ssid = ssid;
    const uint8_t mac[6] = {0x02, 0x00, 0x00, 0x00, 0x00, last};
    std::memcpy(n.bssid, mac, 6);
    n.channel = channel;
    n.rssi = rssi;
    n.security = sec;
    n.cipher = cipher;
    n.key = key ? key : "";
    n.ipNet = last;
    return n;
}

bool ParseSecurity(const std::string& text, SimSecurity& sec)
{
    static const struct {
        const char* name;
        SimSecurity sec;
    } names[] = {{"open", SimSecurity::Open},         {"wep", SimSecurity::WEP},
                 {"wpa-psk", SimSecurity::WPA_PSK},   {"wpa2-psk", SimSecurity::WPA2_PSK},
                 {"wpa-wpa2-psk", SimSecurity::WPA_MIXED_PSK}, {"wpa", SimSecurity::WPA_EAP},
                 {"wpa2", SimSecurity::WPA2_EAP},     {"wpa-none", SimSecurity::WPA_NONE},
                 {"wapi-psk", SimSecurity::WAPI_PSK}};
    for (const auto& n : names)
        if (Lower(text) == n.name) {
            sec = n.sec;
            return true;
        }
    return false;
}

SimCipher ParseCipher(const std::string& text, SimSecurity sec)
{
    const std::string t = Lower(text);
    if (t == "tkip")
        return SimCipher::TKIP;
    if (t == "aes")
        return SimCipher::AES;
    if (t == "tkip+aes")
        return SimCipher::TKIP_AES;
    switch (sec) {
    case SimSecurity::Open:
        return SimCipher::None;
    case SimSecurity::WEP:
        return SimCipher::WEP;
    case SimSecurity::WPA_PSK:
    case SimSecurity::WPA_EAP:
    case SimSecurity::WPA_NONE:
        return SimCipher::TKIP;
    default:
        return SimCipher::AES;
    }
}

int ParseEap(const std::string& text)
{
    static const char* names[] = {"peap", "tls", "ttls", "eap-fast", "md5", "leap"};
    for (int i = 0; i < 6; ++i)
        if (Lower(text) == names[i])
            return i;
    return VX_EAP_PEAP;
}

} // namespace

bool SimParseMac(const std::string& text, uint8_t mac[6])
{
    unsigned v[6];
    char sep[5];
    if (std::sscanf(text.c_str(), "%2x%c%2x%c%2x%c%2x%c%2x%c%2x", &v[0], &sep[0], &v[1], &sep[1], &v[2], &sep[2],
                    &v[3], &sep[3], &v[4], &sep[4], &v[5]) != 11)
        return false;
    for (int i = 0; i < 6; ++i)
        mac[i] = static_cast<uint8_t>(v[i]);
    return true;
}

bool SimNetworkFromValues(const std::map<std::string, std::string>& values, SimNetwork& n)
{
    auto get = [&](const char* key, const std::string& def = "") {
        auto it = values.find(key);
        return it == values.end() ? def : it->second;
    };
    if (!SimParseMac(get("bssid"), n.bssid))
        return false;
    n.ssid = get("ssid").substr(0, VX_SSID_MAX);
    n.channel = VxAtoi(get("channel", "1").c_str());
    n.rssi = VxAtoi(get("rssi", "-50").c_str());
    n.hidden = Flag(get("hidden"));
    n.adhoc = Flag(get("adhoc"));
    if (!ParseSecurity(get("security", "open"), n.security))
        n.security = SimSecurity::Open;
    n.cipher = ParseCipher(get("cipher"), n.security);
    n.key = get("key");
    n.wepKeyIndex = VxAtoi(get("keyindex", "1").c_str());
    n.sharedKey = Flag(get("sharedkey"));
    n.eapMethod = ParseEap(get("eap", "peap"));
    // Users = id:password;id:password
    const std::string users = get("users");
    size_t start = 0;
    while (start < users.size()) {
        size_t end = users.find(';', start);
        if (end == std::string::npos)
            end = users.size();
        const std::string pair = users.substr(start, end - start);
        const size_t colon = pair.find(':');
        if (colon != std::string::npos) {
            std::string password = pair.substr(colon + 1);
            if (!password.empty() && password.back() == '!') {
                password.pop_back();
                n.mustChange.push_back(pair.substr(0, colon));
            }
            n.users[pair.substr(0, colon)] = password;
        }
        start = end + 1;
    }
    n.ht = Flag(get("ht"));
    n.ht40 = Flag(get("ht40"));
    n.wps = Flag(get("wps"));
    n.wpsPin = get("wpspin");
    n.cckm = Flag(get("cckm"));
    n.beacon = VxAtoi(get("beacon", "100").c_str());
    n.ipNet = static_cast<uint8_t>(VxAtoi(get("ipnet", std::to_string(n.bssid[5])).c_str()));
    return true;
}

SimScenario::SimScenario()
{
    SimAdapter a;
    a.name = "Vx 802.11n USB Wireless LAN Card";
    a.hardwareId = "USB\\VID_148F&PID_3072";
    a.adapterId = "{6D1C8A4E-3C1B-4E8F-9A7B-2F5E1D0C4B3A}";
    a.location = "Port_#0001.Hub_#0004";
    a.manufacturer = "Vx Wireless";
    a.adapterClass = 4;
    adapters.push_back(a);

    networks.push_back(Net("OpenCafe", 0x01, 1, -48, SimSecurity::Open, SimCipher::None, nullptr));
    networks.push_back(Net("WepLab", 0x02, 11, -60, SimSecurity::WEP, SimCipher::WEP, "vxwep"));
    SimNetwork home = Net("HomeWPA2", 0x03, 6, -42, SimSecurity::WPA2_PSK, SimCipher::AES, "vx-passphrase");
    home.ht = true;
    home.ht40 = true;
    networks.push_back(home);
    networks.push_back(Net("OfficeWPA", 0x04, 3, -67, SimSecurity::WPA_PSK, SimCipher::TKIP, "office-pass"));
    SimNetwork corp = Net("CorpEAP", 0x05, 36, -55, SimSecurity::WPA2_EAP, SimCipher::AES, nullptr);
    corp.eapMethod = VX_EAP_PEAP;
    corp.users["alice"] = "wonderland";
    corp.ht = true;
    networks.push_back(corp);
    SimNetwork hidden = Net("HiddenNet", 0x06, 44, -58, SimSecurity::WPA2_PSK, SimCipher::AES, "hidden-pass");
    hidden.hidden = true;
    networks.push_back(hidden);
    SimNetwork adhoc = Net("PeerGroup", 0x07, 10, -70, SimSecurity::Open, SimCipher::None, nullptr);
    adhoc.adhoc = true;
    networks.push_back(adhoc);
    SimNetwork wps = Net("WpsRouter", 0x08, 9, -52, SimSecurity::WPA2_PSK, SimCipher::AES, "wps-passphrase");
    wps.wps = true;
    wps.wpsPin = "12345670";
    wps.ht = true;
    networks.push_back(wps);
}

bool SimScenario::SetValue(const std::string& name, const std::string& value)
{
    const std::string key = Lower(name);
    const int v = VxAtoi(value.c_str());
    struct IntKey {
        const char* name;
        int* target;
    };
    const IntKey ints[] = {{"system.winos", &winOs},
                           {"system.zeroconfig", &zeroConfig},
                           {"system.runoncetool", &runOnceToolResult},
                           {"system.runoncechoice", &runOnceToolChoice},
                           {"adapter.devicemodel", &deviceModel},
                           {"adapter.initpolls", &initPolls},
                           {"adapter.driveropmode", &driverOpMode},
                           {"timing.scanms", &scanMs},
                           {"timing.stepms", &stepMs}};
    for (const IntKey& k : ints)
        if (key == k.name) {
            *k.target = v;
            return true;
        }
    struct BoolKey {
        const char* name;
        bool* target;
    };
    const BoolKey bools[] = {{"system.admin", &admin},
                             {"system.wow64", &wow64},
                             {"system.allowstandarduserprofile", &allowStdProfile},
                             {"system.allowstandarduseradvance", &allowStdAdvance},
                             {"system.morethanoneuser", &moreThanOneUser},
                             {"system.msconfigservice", &msConfigService},
                             {"system.eaphost", &eapHost},
                             {"system.ieee80211h", &ieee80211h},
                             {"system.repositorytime", &repositTime},
                             {"system.ssoavailable", &ssoAvailable},
                             {"adapter.80211a", &aSupport},
                             {"adapter.80211n", &nSupport},
                             {"adapter.bw40bg", &bw40bg},
                             {"adapter.bw40a", &bw40a},
                             {"adapter.tdls", &tdls},
                             {"adapter.apmode", &apMode},
                             {"adapter.hwradio", &hwRadio}};
    for (const BoolKey& k : bools)
        if (key == k.name) {
            *k.target = v != 0;
            return true;
        }
    if (key == "adapter.antenna") {
        antenna = static_cast<uint32_t>(std::strtoul(value.c_str(), nullptr, 0));
        return true;
    }
    if (key == "adapter.mac")
        return SimParseMac(value, mac);
    if (key == "adapter.drivername") {
        driverName = value;
        return true;
    }
    if (key == "adapter.driverdesc") {
        driverDesc = value.substr(0, VXWL_DRIVER_DESC_MAX - 1);
        return true;
    }
    return false;
}

SimScenario SimScenario::FromIni(const std::string& text)
{
    const SimIni ini = SimIni::Parse(text);
    SimScenario s;
    static const char* systemKeys[] = {"WinOS", "ZeroConfig", "RunOnceTool", "RunOnceChoice", "Admin", "Wow64",
                                       "AllowStandardUserProfile", "AllowStandardUserAdvance", "MoreThanOneUser",
                                       "MSConfigService", "EapHost", "IEEE80211H", "RepositoryTime",
                                       "SSOAvailable"};
    for (const char* k : systemKeys)
        if (ini.Has("System", k))
            s.SetValue(std::string("system.") + k, ini.Get("System", k));
    static const char* adapterKeys[] = {"DeviceModel", "InitPolls", "80211A", "80211N", "BW40BG", "BW40A",
                                        "TDLS", "APMode", "Antenna", "MAC", "DriverName", "DriverDesc",
                                        "DriverOpMode", "HwRadio"};
    for (const char* k : adapterKeys)
        if (ini.Has("Adapter", k))
            s.SetValue(std::string("adapter.") + k, ini.Get("Adapter", k));
    for (const char* k : {"ScanMs", "StepMs"})
        if (ini.Has("Timing", k))
            s.SetValue(std::string("timing.") + k, ini.Get("Timing", k));

    static const char* adapterFields[] = {"name", "hardwareid", "adapterid", "location", "manufacturer", "class",
                                          "present"};
    std::vector<SimAdapter> adapters;
    for (int i = 1; i <= 8; ++i) {
        const std::string sec = "Adapter" + std::to_string(i);
        if (!ini.HasSection(sec))
            continue;
        SimAdapter a;
        a.name = ini.Get(sec, adapterFields[0]).substr(0, 63);
        a.hardwareId = ini.Get(sec, adapterFields[1]).substr(0, 64);
        a.adapterId = ini.Get(sec, adapterFields[2]).substr(0, 255);
        a.location = ini.Get(sec, adapterFields[3]).substr(0, 255);
        a.manufacturer = ini.Get(sec, adapterFields[4]).substr(0, 255);
        a.adapterClass = ini.GetInt(sec, adapterFields[5], 4);
        a.present = ini.GetInt(sec, adapterFields[6], 1) != 0;
        adapters.push_back(a);
    }
    if (!adapters.empty() || ini.HasSection("NoAdapters"))
        s.adapters = adapters;

    static const char* netFields[] = {"ssid", "bssid", "channel", "rssi", "hidden", "adhoc", "security", "cipher",
                                      "key", "keyindex", "sharedkey", "eap", "users", "ht", "ht40", "wps",
                                      "wpspin", "cckm", "beacon", "ipnet"};
    std::vector<SimNetwork> networks;
    for (int i = 1; i <= 64; ++i) {
        const std::string sec = "Network" + std::to_string(i);
        if (!ini.HasSection(sec))
            continue;
        std::map<std::string, std::string> values;
        for (const char* f : netFields)
            if (ini.Has(sec, f))
                values[f] = ini.Get(sec, f);
        SimNetwork n;
        if (SimNetworkFromValues(values, n))
            networks.push_back(n);
    }
    if (!networks.empty() || ini.HasSection("NoNetworks"))
        s.networks = networks;
    return s;
}
