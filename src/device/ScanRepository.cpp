#include "device/ScanRepository.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kMaxChannels = 64;

// Builds a table within the size and entry limits.
class TableBuilder {
public:
    explicit TableBuilder(std::vector<uint8_t>& out) : m_out(out)
    {
        m_out.assign(VX_SCAN_TABLE_SIZE, 0);
    }
    bool Add(const uint8_t* entry, uint32_t length)
    {
        if (m_count >= VX_SCAN_MAX_ENTRIES || length > VX_SCAN_TABLE_SIZE - m_pos)
            return false;
        std::memcpy(m_out.data() + m_pos, entry, length);
        m_pos += length;
        ++m_count;
        VxWriteU32(m_out.data(), m_count);
        return true;
    }
    uint32_t Size() const { return m_pos; }

private:
    std::vector<uint8_t>& m_out;
    uint32_t m_pos = VX_SCAN_TABLE_HEADER;
    uint32_t m_count = 0;
};

} // namespace

VxScanRepository::VxScanRepository(Clock clock) : m_clock(std::move(clock))
{
    Clear();
}

void VxScanRepository::Clear()
{
    m_table.assign(VX_SCAN_TABLE_SIZE, 0);
    m_stamps.clear();
}

uint32_t VxScanRepository::Count() const
{
    return static_cast<uint32_t>(m_stamps.size());
}

void VxScanRepository::Merge(uint8_t* list, size_t size, const VxScanDeviceQueries& device)
{
    if (!list)
        return;
    size = std::min<size_t>(size, VX_SCAN_TABLE_SIZE);
    std::vector<uint8_t> allowed = device.allowedChannels ? device.allowedChannels() : std::vector<uint8_t>();
    if (allowed.size() > kMaxChannels)
        allowed.resize(kMaxChannels);
    const uint64_t now = m_clock ? m_clock() : 0;

    // The fresh entries that the walk reaches, within the limits.
    std::vector<uint8_t> work;
    TableBuilder fresh(work);
    std::vector<const VX_BSSID_EX*> freshEntries;
    VxScanTableReader reader(list, size);
    VxScanTableReader::Entry e;
    while (reader.Next(e))
        if (fresh.Add(reinterpret_cast<const uint8_t*>(e.bss), e.length))
            freshEntries.push_back(e.bss);
    const uint32_t freshCount = static_cast<uint32_t>(freshEntries.size());

    if (device.checkBssidRepositTime && device.checkBssidRepositTime()) {
        m_table.swap(work);
        m_stamps.resize(freshCount, now);
        return;
    }

    auto inFresh = [&](const uint8_t* mac) {
        for (const VX_BSSID_EX* f : freshEntries)
            if (std::memcmp(f->MacAddress, mac, 6) == 0)
                return true;
        return false;
    };
    auto channelAllowed = [&](uint32_t kHz) {
        const int ch = device.frequencyToChannel ? device.frequencyToChannel(kHz) : -1;
        return ch >= 0 && std::find(allowed.begin(), allowed.end(), static_cast<uint8_t>(ch)) != allowed.end() &&
               ch <= 255;
    };

    std::vector<uint64_t> stamps(freshCount, now);
    VxScanTableReader old(m_table.data(), m_table.size());
    for (uint32_t i = 0; old.Next(e) && i < m_stamps.size(); ++i) {
        const uint64_t stamp = m_stamps[i];
        if (inFresh(e.bss->MacAddress))
            continue;
        if (now - stamp >= kKeepTime)
            continue;
        if (!channelAllowed(e.bss->Configuration.DSConfig))
            continue;
        if (fresh.Add(reinterpret_cast<const uint8_t*>(e.bss), e.length))
            stamps.push_back(stamp);
    }

    m_table.swap(work);
    m_stamps.swap(stamps);
    if (freshCount > 0) {
        // Whole entries only, as many as the caller's buffer takes.
        std::memset(list, 0, size);
        if (size < VX_SCAN_TABLE_HEADER)
            return;
        uint32_t pos = VX_SCAN_TABLE_HEADER, count = 0;
        VxScanTableReader merged(m_table.data(), m_table.size());
        while (merged.Next(e) && e.length <= size - pos) {
            std::memcpy(list + pos, e.bss, e.length);
            pos += e.length;
            ++count;
        }
        VxWriteU32(list, count);
    }
}
