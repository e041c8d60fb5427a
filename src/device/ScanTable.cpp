#include "device/ScanTable.h"

#include <cstring>

void VxSsidToText(char (&text)[VX_SSID_TEXT_SIZE], const uint8_t* ssid, uint32_t length)
{
    const uint32_t n = ssid ? VxClampSsidLength(length) : 0;
    uint32_t i = 0;
    for (; i < n && ssid[i]; ++i)
        text[i] = static_cast<char>(ssid[i]);
    std::memset(text + i, 0, sizeof text - i);
}

std::string VxSsidString(const uint8_t* ssid, uint32_t length)
{
    char text[VX_SSID_TEXT_SIZE];
    VxSsidToText(text, ssid, length);
    return text;
}

bool VxSsidEqual(const uint8_t* a, uint32_t lengthA, const uint8_t* b, uint32_t lengthB)
{
    const uint32_t na = VxClampSsidLength(lengthA);
    const uint32_t nb = VxClampSsidLength(lengthB);
    return na == nb && (na == 0 || std::memcmp(a, b, na) == 0);
}

VX_SSID VxMakeSsid(const char* text)
{
    VX_SSID s{};
    const size_t n = text ? strnlen(text, VX_SSID_MAX) : 0;
    std::memcpy(s.Ssid, text, n);
    s.SsidLength = static_cast<uint32_t>(n);
    return s;
}

VxScanTableReader::VxScanTableReader(const uint8_t* table, size_t size) : m_table(table), m_size(table ? size : 0)
{
    if (m_size >= VX_SCAN_TABLE_HEADER)
        m_declared = VxReadU32(m_table);
}

bool VxScanTableReader::Next(Entry& entry)
{
    if (m_visited >= m_declared || m_pos >= m_size)
        return false;
    const size_t left = m_size - m_pos;
    if (left < VX_BSSID_EX_HEADER)
        return false;
    const uint8_t* p = m_table + m_pos;
    const uint32_t length = VxReadU32(p);
    if (length < VX_BSSID_EX_HEADER || length > left)
        return false;
    entry.bss = reinterpret_cast<const VX_BSSID_EX*>(p);
    entry.length = length;
    entry.offset = static_cast<uint32_t>(m_pos);
    entry.usable = VxReadU32(p + offsetof(VX_BSSID_EX, IELength)) <= length - VX_BSSID_EX_HEADER;
    m_pos += length;
    ++m_visited;
    return true;
}

uint32_t VxScanTableReader::Skip(uint32_t n)
{
    uint32_t skipped = 0;
    Entry e;
    while (skipped < n && Next(e))
        ++skipped;
    return skipped;
}

void VxScanTableReader::Rewind()
{
    m_visited = 0;
    m_pos = VX_SCAN_TABLE_HEADER;
}

uint32_t VxScanTableReader::CountEntries() const
{
    VxScanTableReader r(m_table, m_size);
    return r.Skip(UINT32_MAX);
}

uint32_t VxScanTableReader::ReachableSize() const
{
    VxScanTableReader r(m_table, m_size);
    r.Skip(UINT32_MAX);
    return static_cast<uint32_t>(r.m_size >= VX_SCAN_TABLE_HEADER ? r.m_pos : 0);
}
