// Reading the scan table and SSIDs safely. The table comes from the driver and its contents
// from the air: every walk of it goes through VxScanTableReader, which never leaves the
// buffer, never loops and never visits more entries than fit.
#pragma once

#include "device/VxWLRecords.h"

#include <cstddef>
#include <cstdint>
#include <string>

// SSID helpers: a length from outside is clamped to 0..32, and the text is built from that
// many bytes (up to the first zero byte) into a 33-byte zero-terminated buffer.
constexpr int VX_SSID_TEXT_SIZE = VX_SSID_MAX + 1;
inline uint32_t VxClampSsidLength(uint32_t length) { return length > VX_SSID_MAX ? VX_SSID_MAX : length; }
void VxSsidToText(char (&text)[VX_SSID_TEXT_SIZE], const uint8_t* ssid, uint32_t length);
std::string VxSsidString(const uint8_t* ssid, uint32_t length);
// Byte comparison within the clamped lengths.
bool VxSsidEqual(const uint8_t* a, uint32_t lengthA, const uint8_t* b, uint32_t lengthB);
// An SSID record from a text (cut at 32 bytes, zero-filled).
VX_SSID VxMakeSsid(const char* text);

class VxScanTableReader {
public:
    // `size` is the number of bytes of the buffer (the caller's 64 KiB, or less).
    VxScanTableReader(const uint8_t* table, size_t size);

    // The count the table declares (not necessarily what it holds).
    uint32_t DeclaredCount() const { return m_declared; }

    struct Entry {
        const VX_BSSID_EX* bss = nullptr; // points into the table
        uint32_t length = 0;              // the entry's Length (fits in the buffer)
        uint32_t offset = 0;              // from the start of the table
        bool usable = false;              // the IEs fit: IELength <= Length - 116
    };

    // The next entry, or false at the end: after the declared count, or at the first entry
    // whose Length is below the fixed header or runs past the buffer.
    bool Next(Entry& entry);
    // Skips up to n entries; stops at the end. Returns the number skipped.
    uint32_t Skip(uint32_t n);
    void Rewind();

    // Entries that the walk reaches (usable or not).
    uint32_t CountEntries() const;
    // The byte count of the table up to the end of the last reachable entry.
    uint32_t ReachableSize() const;

private:
    const uint8_t* m_table;
    size_t m_size;
    uint32_t m_declared = 0;
    uint32_t m_visited = 0;
    size_t m_pos = VX_SCAN_TABLE_HEADER;
};

// Reads a little-endian 32-bit value at an offset of a byte buffer.
inline uint32_t VxReadU32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline void VxWriteU32(uint8_t* p, uint32_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}
