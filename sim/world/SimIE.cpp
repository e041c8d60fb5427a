#include "world/SimIE.h"

#include <cstdio>
#include <cstring>

namespace {

const uint8_t kWpaOui[3] = {0x00, 0x50, 0xF2};
const uint8_t kCcxOui[3] = {0x00, 0x40, 0x96};

void Element(std::vector<uint8_t>& out, uint8_t id, const std::vector<uint8_t>& body)
{
    out.push_back(id);
    out.push_back(static_cast<uint8_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
}

void Put16(std::vector<uint8_t>& b, uint16_t v)
{
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}

void PutBE16(std::vector<uint8_t>& b, uint16_t v)
{
    b.push_back(uint8_t(v >> 8));
    b.push_back(uint8_t(v));
}

// Suite selectors: 2 TKIP, 4 CCMP; key management 1 802.1X, 2 PSK.
std::vector<uint8_t> SecurityBody(const uint8_t oui[3], bool wpa1, SimCipher cipher, bool psk)
{
    std::vector<uint8_t> b;
    if (wpa1)
        b.insert(b.end(), {0x00, 0x50, 0xF2, 0x01});
    Put16(b, 1); // version
    const uint8_t group = cipher == SimCipher::AES ? 4 : 2;
    b.insert(b.end(), {oui[0], oui[1], oui[2], group});
    std::vector<uint8_t> pairwise;
    if (cipher == SimCipher::TKIP || cipher == SimCipher::TKIP_AES)
        pairwise.push_back(2);
    if (cipher == SimCipher::AES || cipher == SimCipher::TKIP_AES)
        pairwise.push_back(4);
    Put16(b, static_cast<uint16_t>(pairwise.size()));
    for (uint8_t s : pairwise)
        b.insert(b.end(), {oui[0], oui[1], oui[2], s});
    Put16(b, 1);
    b.insert(b.end(), {oui[0], oui[1], oui[2], static_cast<uint8_t>(psk ? 2 : 1)});
    if (!wpa1)
        Put16(b, 0); // RSN capabilities
    return b;
}

void Text(char* field, size_t size, const char* text)
{
    std::snprintf(field, size, "%s", text);
}

} // namespace

std::vector<uint8_t> SimBuildIEs(const SimIEInput& in)
{
    std::vector<uint8_t> out(8, 0); // timestamp
    Put16(out, in.beaconPeriod);
    uint16_t cap = in.ibss ? 0x0002 : 0x0001;
    if (in.privacy)
        cap |= 0x0010;
    Put16(out, cap);

    Element(out, 0, std::vector<uint8_t>(in.ssid.begin(), in.ssid.end()));
    std::vector<uint8_t> rates(in.rates.begin(), in.rates.end());
    if (rates.size() > 8)
        rates.resize(8);
    Element(out, 1, rates);
    Element(out, 3, {static_cast<uint8_t>(in.channel)});
    if (in.rates.size() > 8)
        Element(out, 50, std::vector<uint8_t>(in.rates.begin() + 8, in.rates.end()));

    const uint8_t rsnOui[3] = {0x00, 0x0F, 0xAC};
    switch (in.security) {
    case SimSecurity::WPA_PSK:
        Element(out, 221, SecurityBody(kWpaOui, true, in.cipher, true));
        break;
    case SimSecurity::WPA_EAP:
        Element(out, 221, SecurityBody(kWpaOui, true, in.cipher, false));
        break;
    case SimSecurity::WPA2_PSK:
        Element(out, 48, SecurityBody(rsnOui, false, in.cipher, true));
        break;
    case SimSecurity::WPA2_EAP:
        Element(out, 48, SecurityBody(rsnOui, false, in.cipher, false));
        break;
    case SimSecurity::WPA_MIXED_PSK:
        Element(out, 221, SecurityBody(kWpaOui, true, in.cipher, true));
        Element(out, 48, SecurityBody(rsnOui, false, in.cipher, true));
        break;
    case SimSecurity::WPA_NONE: {
        std::vector<uint8_t> b = SecurityBody(kWpaOui, true, in.cipher, true);
        b[b.size() - 1] = 0; // key management "none"
        Element(out, 221, b);
        break;
    }
    case SimSecurity::WAPI_PSK:
        Element(out, 68, {0x01, 0x00, 0x01, 0x00, 0x00, 0x14, 0x72, 0x02});
        break;
    default:
        break;
    }
    if (in.cckm)
        Element(out, 221, {kCcxOui[0], kCcxOui[1], kCcxOui[2], 0x03, 0x03});

    if (in.ht) {
        std::vector<uint8_t> cap26(26, 0);
        uint16_t info = 0x000C; // SM power save disabled
        if (in.ht40)
            info |= 0x0002;
        info |= 0x0020 | (in.ht40 ? 0x0040 : 0); // short GI 20 / 40
        cap26[0] = uint8_t(info);
        cap26[1] = uint8_t(info >> 8);
        cap26[2] = 0x17; // A-MPDU factor 3, spacing 5
        for (int i = 0; i < in.streams && i < 4; ++i)
            cap26[3 + i] = 0xFF;
        cap26[15] = 0x01; // Tx MCS set defined
        Element(out, 45, cap26);
        std::vector<uint8_t> info22(22, 0);
        info22[0] = static_cast<uint8_t>(in.channel);
        info22[1] = in.ht40 ? 0x05 : 0x00; // secondary above, any width
        Element(out, 61, info22);
    }
    if (in.wps) {
        std::vector<uint8_t> b{kWpaOui[0], kWpaOui[1], kWpaOui[2], 0x04};
        auto attr = [&](uint16_t type, const std::vector<uint8_t>& v) {
            PutBE16(b, type);
            PutBE16(b, static_cast<uint16_t>(v.size()));
            b.insert(b.end(), v.begin(), v.end());
        };
        attr(0x104A, {0x10});                                  // version 1.0
        attr(0x1044, {0x02});                                  // configured
        if (in.wpsSelectedRegistrar) {
            attr(0x1041, {0x01});
            attr(0x1012, {0x00, static_cast<uint8_t>(in.wpsPbcOnly ? 0x04 : 0x00)}); // device password id
        }
        attr(0x1008, {0x00, static_cast<uint8_t>(in.wpsPbcOnly ? 0x80 : 0x84)}); // config methods
        attr(0x103C, {static_cast<uint8_t>(in.channel > 14 ? 0x02 : 0x01)});     // RF bands
        Element(out, 221, b);
    }
    return out;
}

void SimParseIEs(const uint8_t* ies, uint32_t length, VX_PARSED_IE& r)
{
    if (!ies || length < VX_IE_FIXED_FIELDS)
        return;
    r.BeaconInterval = static_cast<uint16_t>(ies[8] | ies[9] << 8);
    uint32_t pos = VX_IE_FIXED_FIELDS;
    auto suites = [&](const uint8_t* b, uint32_t n, bool wpa1) {
        // version(2) group(4) count(2) pairwise(4n) count(2) akm(4n)
        if (n < 8)
            return;
        uint32_t p = 2;
        auto cipherFlag = [&](uint8_t s) {
            if (s == 2)
                r.EncrFlags |= VX_IE_ENCR_TKIP;
            else if (s == 4)
                r.EncrFlags |= VX_IE_ENCR_AES;
            else if (s == 1 || s == 5)
                r.EncrFlags |= VX_IE_ENCR_WEP;
        };
        p += 4;
        const uint32_t pc = b[p] | b[p + 1] << 8;
        p += 2;
        for (uint32_t i = 0; i < pc && p + 4 <= n; ++i, p += 4)
            cipherFlag(b[p + 3]);
        if (p + 2 > n)
            return;
        const uint32_t ac = b[p] | b[p + 1] << 8;
        p += 2;
        for (uint32_t i = 0; i < ac && p + 4 <= n; ++i, p += 4) {
            const uint8_t akm = b[p + 3];
            if (akm == 1)
                r.AuthFlags |= wpa1 ? VX_IE_AUTH_WPA : VX_IE_AUTH_WPA2;
            else if (akm == 2)
                r.AuthFlags |= wpa1 ? VX_IE_AUTH_WPA_PSK : VX_IE_AUTH_WPA2_PSK;
            else if (akm == 0)
                r.AuthFlags |= wpa1 ? VX_IE_AUTH_WPA_NONE : VX_IE_AUTH_WPA2_NONE;
        }
    };
    while (pos + 2 <= length) {
        const uint8_t id = ies[pos];
        const uint32_t n = ies[pos + 1];
        const uint8_t* b = ies + pos + 2;
        if (pos + 2 + n > length)
            break;
        if (id == 48) {
            suites(b, n, false);
        } else if (id == 68) {
            r.AuthFlags |= VX_IE_AUTH_WAPI_PSK;
            r.EncrFlags |= VX_IE_ENCR_SMS4;
        } else if (id == 45 && n >= 26) {
            const uint16_t info = static_cast<uint16_t>(b[0] | b[1] << 8);
            r.bHTCapable = 1;
            r.bHTCapability = 1;
            r.bLDPC = info & 0x0001;
            r.SupportedChannelWidthSet = (info >> 1) & 1;
            r.bHighThroughput = (info >> 1) & 1;
            r.SMPowerSave = (info >> 2) & 3;
            r.bGreenfield = (info >> 4) & 1;
            r.bShortGI20 = (info >> 5) & 1;
            r.bShortGI40 = (info >> 6) & 1;
            r.bTxSTBC = (info >> 7) & 1;
            r.RxSTBC = (info >> 8) & 3;
            r.bHTDelayedBlockAck = (info >> 10) & 1;
            r.bMaxAMSDULength = (info >> 11) & 1;
            r.MaxAMSDULength = (info >> 11) & 1;
            r.bDSSSCCKIn40 = (info >> 12) & 1;
            r.bPSMPSupport = (info >> 13) & 1;
            r.bHTCapPSMPSupport = (info >> 13) & 1;
            r.bFortyMHzIntolerant = (info >> 14) & 1;
            r.bLSIGTXOPProtection = (info >> 15) & 1;
            r.MaxRxAMPDUFactor = b[2] & 3;
            r.MinMPDUStartSpacing = (b[2] >> 2) & 7;
            std::memcpy(r.SupportedMCSSet, b + 3, 16);
            r.bTxMCSSetDefined = b[15] & 1;
            r.bTxRxMCSSetNotEqual = (b[15] >> 1) & 1;
            r.TxMaxSpatialStreams = (b[15] >> 2) & 3;
            r.bTxUnequalModulation = (b[15] >> 4) & 1;
        } else if (id == 61 && n >= 22) {
            r.PrimaryChannel = b[0];
            r.HTInfoSecondaryChannelOffset = b[1] & 3;
            r.SecondaryChannelOffset = b[1] & 3;
            r.STAChannelWidth = (b[1] >> 2) & 1;
            r.bRIFSMode = (b[1] >> 3) & 1;
            r.bPSMPSTAsOnly = (b[1] >> 4) & 1;
            r.ServiceIntervalGranularity = (b[1] >> 5) & 7;
            r.OperatingMode = b[2] & 3;
            r.bNonGreenfieldSTAsPresent = (b[2] >> 2) & 1;
            r.bTransmitBurstLimit = (b[2] >> 3) & 1;
            r.bOBSSNonHTSTAsPresent = (b[2] >> 4) & 1;
            r.bDualBeacon = (b[4] >> 6) & 1;
            r.bDualCTSProtection = (b[4] >> 7) & 1;
            r.bSecondaryBeacon = b[5] & 1;
            r.bLSIGTXOPFullSupport = (b[5] >> 1) & 1;
            r.bPCOActive = (b[5] >> 2) & 1;
            r.bPCOPhase = (b[5] >> 3) & 1;
            for (int w = 0; w < 4; ++w)
                r.BasicMCSSet[w] = uint32_t(b[6 + 4 * w]) | uint32_t(b[7 + 4 * w]) << 8 |
                                   uint32_t(b[8 + 4 * w]) << 16 | uint32_t(b[9 + 4 * w]) << 24;
            r.bBasicMCSSet = (r.BasicMCSSet[0] | r.BasicMCSSet[1] | r.BasicMCSSet[2] | r.BasicMCSSet[3]) != 0;
        } else if (id == 221 && n >= 4 && std::memcmp(b, kWpaOui, 3) == 0 && b[3] == 1) {
            suites(b + 4, n - 4, true);
        } else if (id == 221 && n >= 4 && std::memcmp(b, kCcxOui, 3) == 0 && b[3] == 3) {
            r.bCCKM = 1;
        } else if (id == 221 && n >= 4 && std::memcmp(b, kWpaOui, 3) == 0 && b[3] == 4) {
            r.bWPS = 1;
            Text(r.WpsDevicePasswordId, sizeof r.WpsDevicePasswordId, "Unknown");
            for (uint32_t p = 4; p + 4 <= n;) {
                const uint16_t type = static_cast<uint16_t>(b[p] << 8 | b[p + 1]);
                const uint16_t len = static_cast<uint16_t>(b[p + 2] << 8 | b[p + 3]);
                const uint8_t* v = b + p + 4;
                if (p + 4 + len > n)
                    break;
                char text[16];
                if (type == 0x104A && len >= 1) {
                    std::snprintf(text, sizeof text, "%d.%d", v[0] >> 4, v[0] & 15);
                    Text(r.WpsVersion, sizeof r.WpsVersion, text);
                } else if (type == 0x1044 && len >= 1) {
                    Text(r.WpsState, sizeof r.WpsState, v[0] == 2 ? "Configured" : "Unconfigured");
                } else if (type == 0x1041 && len >= 1) {
                    Text(r.WpsSelectedRegistrar, sizeof r.WpsSelectedRegistrar, v[0] ? "TRUE" : "FALSE");
                } else if (type == 0x1012 && len >= 2) {
                    std::snprintf(text, sizeof text, "0x%04X", v[0] << 8 | v[1]);
                    Text(r.WpsDevicePasswordId, sizeof r.WpsDevicePasswordId, text);
                } else if (type == 0x1008 && len >= 2) {
                    std::snprintf(text, sizeof text, "0x%04X", v[0] << 8 | v[1]);
                    Text(r.WpsConfigMethods, sizeof r.WpsConfigMethods, text);
                } else if (type == 0x103C && len >= 1) {
                    Text(r.WpsRfBands, sizeof r.WpsRfBands, v[0] == 1 ? "2.4GHz" : v[0] == 2 ? "5GHz" : "2.4GHz/5GHz");
                }
                p += 4 + len;
            }
            if (!r.WpsSelectedRegistrar[0])
                Text(r.WpsSelectedRegistrar, sizeof r.WpsSelectedRegistrar, "FALSE");
            Text(r.WpsApSetupLocked, sizeof r.WpsApSetupLocked, "FALSE");
        }
        pos += 2 + n;
    }
}
