// The scan repository: networks seen in recent scans stay listed for 15 seconds after they
// were last seen, as long as their channel is still allowed.
#pragma once

#include "device/ScanTable.h"

#include <cstdint>
#include <functional>
#include <vector>

// What the merge asks the device; the binding fills these from the device library.
struct VxScanDeviceQueries {
    // The allowed channels for the current wireless mode (at most 64).
    std::function<std::vector<uint8_t>()> allowedChannels;
    // Channel of a centre frequency in kHz, -1 for none.
    std::function<int(uint32_t kHz)> frequencyToChannel;
    // Nonzero: store the fresh list as it is, without merging.
    std::function<bool()> checkBssidRepositTime;
};

class VxScanRepository {
public:
    // Time as a 64-bit count of 100-ns units.
    using Clock = std::function<uint64_t()>;
    static constexpr uint64_t kKeepTime = 150000000; // 15 s

    explicit VxScanRepository(Clock clock);

    // Merges a fresh scan list (a table of VX_SCAN_TABLE_SIZE bytes, or `size` bytes) into
    // the repository. When the fresh list holds at least one entry, the caller's list is
    // replaced by the merged list.
    void Merge(uint8_t* list, size_t size, const VxScanDeviceQueries& device);

    // The repository as a scan table, and the time stamp of each of its entries.
    const uint8_t* Table() const { return m_table.data(); }
    uint32_t Count() const;
    const std::vector<uint64_t>& Stamps() const { return m_stamps; }
    void Clear();

private:
    Clock m_clock;
    std::vector<uint8_t> m_table;   // VX_SCAN_TABLE_SIZE bytes
    std::vector<uint64_t> m_stamps; // one per entry
};
