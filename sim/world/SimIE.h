// Information elements of the simulated networks: built into scan entries from a network's
// description, and parsed back into the 376-byte record. Building and parsing are kept
// independent so that what the scan shows and what the parser reports always agree.
#pragma once

#include "device/VxWLRecords.h"

#include <cstdint>
#include <string>
#include <vector>

enum class SimSecurity { Open, WEP, WPA_PSK, WPA2_PSK, WPA_MIXED_PSK, WPA_EAP, WPA2_EAP, WPA_NONE, WAPI_PSK };
enum class SimCipher { None, WEP, TKIP, AES, TKIP_AES };

struct SimIEInput {
    uint16_t beaconPeriod = 100;
    bool privacy = false;
    bool ibss = false;
    std::string ssid;     // empty for a hidden network
    int channel = 1;
    SimSecurity security = SimSecurity::Open;
    SimCipher cipher = SimCipher::None;
    bool ht = false;
    bool ht40 = false;
    int streams = 2;
    bool wps = false;
    bool wpsPbcOnly = false;
    bool wpsSelectedRegistrar = false;
    bool cckm = false;
    std::vector<uint8_t> rates; // supported rates, 500 kb/s units with the basic bit
};

// Fixed beacon fields (timestamp, beacon interval, capability) followed by the elements.
std::vector<uint8_t> SimBuildIEs(const SimIEInput& in);
// Fills the record from IE bytes as they follow a scan entry's header.
void SimParseIEs(const uint8_t* ies, uint32_t length, VX_PARSED_IE& out);
