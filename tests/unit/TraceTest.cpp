#include "app/Trace.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_lines;
void Collect(const char* text) { g_lines.emplace_back(text); }

class TraceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_lines.clear();
        VxSetTraceSink(&Collect);
    }
    void TearDown() override
    {
        VxSetTraceSink(nullptr);
        VxSetTraceLevel(0);
    }
};

} // namespace

TEST_F(TraceTest, LevelRules)
{
    struct Case {
        int configured;
        bool plain;        // plain trace written
        bool levelled4;    // level-4 trace written
    } cases[] = {{0, false, false}, {1, true, false}, {3, true, false}, {4, true, true}, {5, true, true}};
    for (const Case& c : cases) {
        g_lines.clear();
        VxSetTraceLevel(c.configured);
        VxTrace("[VxUI] plain %d\n", 1);
        VxTraceLevel(4, "[VxUI] \tbBssid = %d\n", 0);
        EXPECT_EQ(c.plain, !g_lines.empty() && g_lines[0] == "[VxUI] plain 1\n") << "level " << c.configured;
        EXPECT_EQ(c.levelled4, g_lines.size() == 2) << "level " << c.configured;
    }
    // A levelled trace at level 0 still needs tracing to be on.
    g_lines.clear();
    VxSetTraceLevel(0);
    VxTraceLevel(0, "[VxUI] x\n");
    EXPECT_TRUE(g_lines.empty());
}

TEST_F(TraceTest, MessagesAreCutAt511Characters)
{
    VxSetTraceLevel(1);
    const std::string text(600, 'x');
    VxTrace("[VxUI] %s", text.c_str());
    ASSERT_EQ(1u, g_lines.size());
    EXPECT_EQ(511u, g_lines[0].size());
    EXPECT_EQ(0u, g_lines[0].find("[VxUI] xxx"));
}

TEST(HexText, ConvertsPairsAndMapsEverythingElseTo255)
{
    struct Case {
        const char* text;
        std::vector<unsigned char> bytes;
    } cases[] = {
        {"0aFF", {0x0A, 0xFF}},
        {"1234567890abcdef", {0x12, 0x34, 0x56, 0x78, 0x90, 0xAB, 0xCD, 0xEF}},
        {"zz", {(16 * 255 + 255) % 256}},
        {"g1", {(16 * 255 + 1) % 256}},
        // Positions past the end of the text are never read: they count as 255.
        {"A", {(16 * 10 + 255) % 256, (16 * 255 + 255) % 256}},
        {"", {(16 * 255 + 255) % 256}},
    };
    for (const Case& c : cases) {
        std::vector<unsigned char> out(c.bytes.size(), 0);
        VxHexTextToBytes(c.text, out.data(), static_cast<int>(out.size()));
        EXPECT_EQ(c.bytes, out) << c.text;
    }
}

TEST(DelayTime, WaitsAtLeastTheGivenTime)
{
    const auto start = std::chrono::steady_clock::now();
    DelayTime(60);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 55);
}
