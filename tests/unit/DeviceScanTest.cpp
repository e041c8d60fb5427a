#include "device/ScanRepository.h"
#include "device/ScanTable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// A scan table under construction.
struct Table {
    std::vector<uint8_t> bytes = std::vector<uint8_t>(VX_SCAN_TABLE_SIZE, 0);
    uint32_t pos = VX_SCAN_TABLE_HEADER;
    uint32_t count = 0;

    // Appends an entry for BSSID 02:00:00:00:00:<last> on the given frequency.
    uint8_t* Add(uint8_t last, uint32_t kHz, const char* ssid = "net", uint32_t ieLength = 8)
    {
        uint8_t* p = bytes.data() + pos;
        auto* e = reinterpret_cast<VX_BSSID_EX*>(p);
        e->Length = VX_BSSID_EX_HEADER + ieLength;
        const uint8_t mac[6] = {2, 0, 0, 0, 0, last};
        std::memcpy(e->MacAddress, mac, 6);
        const VX_SSID s = VxMakeSsid(ssid);
        e->SsidLength = s.SsidLength;
        std::memcpy(e->Ssid, s.Ssid, 32);
        e->Configuration.DSConfig = kHz;
        e->IELength = ieLength;
        pos += e->Length;
        VxWriteU32(bytes.data(), ++count);
        return p;
    }
};

std::vector<uint8_t> Macs(const uint8_t* table, size_t size = VX_SCAN_TABLE_SIZE)
{
    std::vector<uint8_t> out;
    VxScanTableReader r(table, size);
    VxScanTableReader::Entry e;
    while (r.Next(e))
        out.push_back(e.bss->MacAddress[5]);
    return out;
}

uint32_t Khz(int channel) { return channel <= 14 ? 2407000 + 5000 * channel : 5000000 + 5000 * channel; }

} // namespace

TEST(DeviceSsid, TextsAreBoundedAndLengthsClamped)
{
    uint8_t ssid[40];
    std::memset(ssid, 'A', sizeof ssid);
    char text[VX_SSID_TEXT_SIZE];
    VxSsidToText(text, ssid, 200);
    EXPECT_EQ(std::string(32, 'A'), text);
    VxSsidToText(text, ssid, 3);
    EXPECT_STREQ("AAA", text);
    const uint8_t zeroInside[32] = {'a', 'b', 0, 'c'};
    EXPECT_EQ("ab", VxSsidString(zeroInside, 4));
    EXPECT_TRUE(VxSsidEqual(ssid, 32, ssid + 1, 200));
    EXPECT_FALSE(VxSsidEqual(ssid, 31, ssid, 32));
    const VX_SSID s = VxMakeSsid("a-name-that-is-longer-than-32-bytes!");
    EXPECT_EQ(32u, s.SsidLength);
}

TEST(DeviceScanTable, WalkStopsAtBrokenEntriesAndKeepsThoseInFront)
{
    struct Case {
        const char* name;
        void (*spoil)(Table&, uint8_t* third);
        std::vector<uint8_t> expected;
        std::vector<bool> usable;
    };
    const Case cases[] = {
        {"valid table", [](Table&, uint8_t*) {}, {1, 2, 3}, {true, true, true}},
        {"length 0", [](Table&, uint8_t* e) { VxWriteU32(e, 0); }, {1, 2}, {true, true}},
        {"length below the header", [](Table&, uint8_t* e) { VxWriteU32(e, 115); }, {1, 2}, {true, true}},
        {"length past the buffer", [](Table&, uint8_t* e) { VxWriteU32(e, 0x7FFFFFFF); }, {1, 2}, {true, true}},
        {"huge IE length", [](Table&, uint8_t* e) { VxWriteU32(e + 112, 0xFFFFFFF0); }, {1, 2, 3}, {true, true, false}},
        {"count of 100000", [](Table& t, uint8_t*) { VxWriteU32(t.bytes.data(), 100000); }, {1, 2, 3}, {true, true, true}},
    };
    for (const Case& c : cases) {
        Table t;
        t.Add(1, Khz(1));
        t.Add(2, Khz(6));
        uint8_t* third = t.Add(3, Khz(11));
        c.spoil(t, third);
        VxScanTableReader r(t.bytes.data(), t.bytes.size());
        VxScanTableReader::Entry e;
        std::vector<uint8_t> macs;
        std::vector<bool> usable;
        while (r.Next(e)) {
            macs.push_back(e.bss->MacAddress[5]);
            usable.push_back(e.usable);
        }
        EXPECT_EQ(c.expected, macs) << c.name;
        EXPECT_EQ(c.usable, usable) << c.name;
    }
}

TEST(DeviceScanTable, SkipStopsAtTheEndAndShortBuffersAreSafe)
{
    Table t;
    t.Add(1, Khz(1));
    t.Add(2, Khz(6));
    VxScanTableReader r(t.bytes.data(), t.bytes.size());
    EXPECT_EQ(2u, r.Skip(5));
    VxScanTableReader::Entry e;
    EXPECT_FALSE(r.Next(e));
    // A buffer cut inside the second entry shows only the first.
    EXPECT_EQ(std::vector<uint8_t>{1}, Macs(t.bytes.data(), VX_SCAN_TABLE_HEADER + 124 + 50));
    EXPECT_EQ(std::vector<uint8_t>{}, Macs(t.bytes.data(), 3));
    EXPECT_EQ(std::vector<uint8_t>{}, Macs(nullptr, 100));
}

namespace {

struct DeviceRepository : ::testing::Test {
    uint64_t now = 1000000000;
    std::vector<uint8_t> allowed{1, 6, 11};
    bool bypass = false;
    VxScanRepository repo{[this] { return now; }};
    VxScanDeviceQueries device;

    DeviceRepository()
    {
        device.allowedChannels = [this] { return allowed; };
        device.frequencyToChannel = [](uint32_t kHz) {
            return kHz >= 2412000 && kHz <= 2484000 ? int((kHz - 2407000) / 5000) : -1;
        };
        device.checkBssidRepositTime = [this] { return bypass; };
    }
    void Seconds(double s) { now += static_cast<uint64_t>(s * 10000000); }
};

} // namespace

TEST_F(DeviceRepository, NetworkMissingFromTheScanStaysFifteenSeconds)
{
    Table first;
    first.Add(1, Khz(1));
    first.Add(2, Khz(6));
    repo.Merge(first.bytes.data(), first.bytes.size(), device);
    const uint64_t firstStamp = now;

    Seconds(10);
    Table second;
    second.Add(2, Khz(6));
    repo.Merge(second.bytes.data(), second.bytes.size(), device);
    EXPECT_EQ((std::vector<uint8_t>{2, 1}), Macs(second.bytes.data()));
    ASSERT_EQ(2u, repo.Count());
    EXPECT_EQ(now, repo.Stamps()[0]);
    EXPECT_EQ(firstStamp, repo.Stamps()[1]);

    Seconds(5);
    Table third;
    third.Add(2, Khz(6));
    repo.Merge(third.bytes.data(), third.bytes.size(), device);
    EXPECT_EQ(std::vector<uint8_t>{2}, Macs(third.bytes.data()));
}

TEST_F(DeviceRepository, ChannelNoLongerAllowedDisappearsAtOnce)
{
    Table first;
    first.Add(1, Khz(1));
    first.Add(3, Khz(11));
    repo.Merge(first.bytes.data(), first.bytes.size(), device);
    allowed = {1, 6};
    Seconds(1);
    Table second;
    second.Add(2, Khz(6));
    repo.Merge(second.bytes.data(), second.bytes.size(), device);
    EXPECT_EQ((std::vector<uint8_t>{2, 1}), Macs(second.bytes.data()));
}

TEST_F(DeviceRepository, EmptyScanLeavesTheListEmptyButTheRepositoryKeepsItsEntries)
{
    Table first;
    first.Add(1, Khz(1));
    repo.Merge(first.bytes.data(), first.bytes.size(), device);
    Seconds(2);
    Table empty;
    repo.Merge(empty.bytes.data(), empty.bytes.size(), device);
    EXPECT_EQ(std::vector<uint8_t>{}, Macs(empty.bytes.data()));
    EXPECT_EQ(std::vector<uint8_t>{1}, Macs(repo.Table()));
}

TEST_F(DeviceRepository, BypassStoresTheFreshListAndLeavesTheCallersList)
{
    Table first;
    first.Add(1, Khz(1));
    repo.Merge(first.bytes.data(), first.bytes.size(), device);
    bypass = true;
    Table second;
    second.Add(2, Khz(6));
    repo.Merge(second.bytes.data(), second.bytes.size(), device);
    EXPECT_EQ(std::vector<uint8_t>{2}, Macs(second.bytes.data()));
    EXPECT_EQ(std::vector<uint8_t>{2}, Macs(repo.Table()));
}

TEST_F(DeviceRepository, MergedListStaysWithin64KiB)
{
    // A full table of minimal entries (the 64 KiB bound is reached before 1024 entries).
    Table many;
    while (many.pos + VX_BSSID_EX_HEADER <= VX_SCAN_TABLE_SIZE)
        many.Add(static_cast<uint8_t>(many.count), Khz(1), "n", 0);
    repo.Merge(many.bytes.data(), many.bytes.size(), device);
    EXPECT_EQ(many.count, repo.Count());

    // A caller's buffer smaller than the merged list gets the entries that fit whole.
    Table small2;
    small2.Add(9, Khz(6));
    Seconds(1);
    repo.Merge(small2.bytes.data(), VX_SCAN_TABLE_HEADER + 124 * 3 + 10, device);
    EXPECT_EQ(3u, VxReadU32(small2.bytes.data()));
    EXPECT_EQ(3u, VxScanTableReader(small2.bytes.data(), small2.bytes.size()).CountEntries());

    // Remembered entries that would pass 64 KiB are dropped.
    VxScanRepository small{[this] { return now; }};
    Table big;
    big.Add(1, Khz(1), "a", 40000);
    small.Merge(big.bytes.data(), big.bytes.size(), device);
    Seconds(1);
    Table next;
    next.Add(2, Khz(6), "b", 30000);
    small.Merge(next.bytes.data(), next.bytes.size(), device);
    EXPECT_EQ(std::vector<uint8_t>{2}, Macs(next.bytes.data()));
}
