// Hardened language formats: language texts are formats only through VxLangFormat, which
// formats a text only when its conversions agree with the caller's arguments.
#include "app/LangFormat.h"
#include "app/LangTable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

std::string Kinds(const char* text)
{
    std::string kinds;
    return VxLangConversions(text, kinds) ? kinds : std::string("<refused>");
}

enum Plain { kPlainTwo = 2 };

} // namespace

TEST(LangFormat, ConversionKinds)
{
    EXPECT_EQ("", Kinds(""));
    EXPECT_EQ("", Kinds(nullptr));
    EXPECT_EQ("", Kinds("No conversions at all"));
    EXPECT_EQ("", Kinds("100%% sure"));
    EXPECT_EQ("s", Kinds("Connected to %s"));
    EXPECT_EQ("d", Kinds("Link Quality : %d%%"));
    EXPECT_EQ("d", Kinds("%i %%"));
    EXPECT_EQ("dd", Kinds("%u then %X"));
    EXPECT_EQ("d", Kinds("%-08x"));
    EXPECT_EQ("d", Kinds("%hd"));
    EXPECT_EQ("d", Kinds("%hhu"));
    EXPECT_EQ("d", Kinds("%c"));
    EXPECT_EQ("d", Kinds("%o"));
    EXPECT_EQ("s", Kinds("%-20.10s"));
    EXPECT_EQ("f", Kinds("%.3f Mbps"));
    EXPECT_EQ("ff", Kinds("%lf %% %+e"));
    EXPECT_EQ("ff", Kinds("%G%a"));
    EXPECT_EQ("sd", Kinds("%s <--> %d %%"));
    // A blank is a flag: "100% of" holds the conversion "% o".
    EXPECT_EQ("d", Kinds("100% of"));
}

TEST(LangFormat, ConversionsThatAreNeverAccepted)
{
    for (const char* text : {"%n", "abc%n", "%hn", "%p", "%*d", "%.*s", "%1$s", "%2$d", "%ld", "%lld",
                             "%I64d", "%zu", "%jd", "%td", "%Lf", "%ls", "%hs", "%lc", "%q", "%k", "%",
                             "100%", "%-", "%5", "%.", "%hhhd", "%S", "%C", "%Z"}) {
        EXPECT_EQ("<refused>", Kinds(text)) << text;
        EXPECT_FALSE(VxLangFormatMatches(text, "")) << text;
        EXPECT_FALSE(VxLangFormatMatches(text, "d")) << text;
        EXPECT_FALSE(VxLangFormatMatches(text, "s")) << text;
    }
}

TEST(LangFormat, NormalTextsGiveExactlyWhatPrintfGives)
{
    char expected[256];
    std::snprintf(expected, sizeof expected, "Ombrel Utility - Connected to %s, signal good", "HomeNet");
    EXPECT_EQ(expected, VxLangFormat("Ombrel Utility - Connected to %s, signal good", "HomeNet").str());
    EXPECT_EQ("Link Quality : 57%", VxLangFormat("Link Quality : %d%%", 57).str());
    EXPECT_EQ("Signal Strength 1 : -63 dBm", VxLangFormat("Signal Strength 1 : %d dBm", -63).str());
    EXPECT_EQ("at most 50 files", VxLangFormat("at most %d files", 50).str());
    EXPECT_EQ("WAPI <--> 40 %", VxLangFormat("%s <--> %d %%", "WAPI", 40).str());
    EXPECT_EQ("[  7]", VxLangFormat("[%3d]", 7).str());
    EXPECT_EQ("1.500 Mbps", VxLangFormat("%.3f Mbps", 1.5).str());
    // A text without conversions and no arguments: "%%" shows one percent sign.
    EXPECT_EQ("100% sure", VxLangFormat("100%% sure").str());
    EXPECT_EQ("Plain text", VxLangFormat("Plain text").str());
}

TEST(LangFormat, ArgumentKindsComeFromTheirTypes)
{
    const CString cs("cstring");
    const std::string ss("stdstring");
    char buffer[8] = "buffer";
    EXPECT_EQ("cstring", VxLangFormat("%s", cs).str());
    EXPECT_EQ("stdstring", VxLangFormat("%s", ss).str());
    EXPECT_EQ("buffer", VxLangFormat("%s", buffer).str());
    EXPECT_EQ("", VxLangFormat("%s", static_cast<const char*>(nullptr)).str());
    EXPECT_EQ("4294967295", VxLangFormat("%u", 0xFFFFFFFFu).str());
    EXPECT_EQ("A", VxLangFormat("%c", 'A').str());
    EXPECT_EQ("2", VxLangFormat("%d", kPlainTwo).str());
    EXPECT_EQ("1", VxLangFormat("%d", true).str());
    EXPECT_EQ("-5", VxLangFormat("%d", static_cast<short>(-5)).str());
    EXPECT_EQ("2.5", VxLangFormat("%g", 2.5f).str());
    // A string where a number is expected, or the other way round, is refused.
    EXPECT_EQ("%d", VxLangFormat("%d", "text").str());
    EXPECT_EQ("%s", VxLangFormat("%s", 12).str());
    EXPECT_EQ("%f", VxLangFormat("%f", 12).str());
    EXPECT_EQ("%d", VxLangFormat("%d", 1.0).str());
}

TEST(LangFormat, ATextThatDoesNotAgreeIsShownAsWritten)
{
    // Too many, too few, wrong order, dangerous.
    EXPECT_EQ("Connected to %s %s", VxLangFormat("Connected to %s %s", "Net").str());
    EXPECT_EQ("Connected", VxLangFormat("Connected", "Net").str());
    EXPECT_EQ("Quality %d%%", VxLangFormat("Quality %d%%").str());
    EXPECT_EQ("%d then %s", VxLangFormat("%d then %s", "Net", 3).str());
    EXPECT_EQ("%s%s%s%s%s%n", VxLangFormat("%s%s%s%s%s%n", "Net").str());
    EXPECT_EQ("Net %n", VxLangFormat("Net %n").str());
    EXPECT_EQ("%*d", VxLangFormat("%*d", 3).str());
    // A literal "%%" in a refused text is kept as written, too.
    EXPECT_EQ("50%% %s %s", VxLangFormat("50%% %s %s", "x").str());
    // Shown as written is what printf prints for the text with every "%" doubled.
    const std::string hostile = "%s%d%n%%";
    const std::string doubled = VxLangEscapePercent(hostile.c_str());
    EXPECT_EQ("%%s%%d%%n%%%%", doubled);
    EXPECT_EQ(hostile, VxLangFormat(doubled.c_str()).str());
    EXPECT_EQ(hostile, VxLangFormat(hostile.c_str(), 1).str());
}

TEST(LangFormat, ANullTextGivesNothing)
{
    EXPECT_EQ("", VxLangFormat(nullptr).str());
    EXPECT_EQ("", VxLangFormat(nullptr, 5).str());
    char buf[8] = "xxxxxxx";
    EXPECT_EQ(0, VxLangFormatBuf(buf, sizeof buf, nullptr, 5));
    EXPECT_STREQ("", buf);
    EXPECT_EQ("", VxLangEscapePercent(nullptr));
}

TEST(LangFormat, IntoAFixedBufferTheTextIsCut)
{
    char tip[128];
    const std::string ssid(200, 'S');
    const int n = VxLangFormatBuf(tip, sizeof tip, "Connected to %s", ssid.c_str());
    EXPECT_EQ(127, n);
    EXPECT_EQ(("Connected to " + ssid).substr(0, 127), tip);
    char small[8];
    EXPECT_EQ(7, VxLangFormatBuf(small, sizeof small, "%s%s %n", "x"));
    EXPECT_STREQ("%s%s %n", small);
    EXPECT_EQ(4, VxLangFormatBuf(small, sizeof small, "Q %d%%", 7));
    EXPECT_STREQ("Q 7%", small);
    EXPECT_EQ(0, VxLangFormatBuf(small, 0, "x"));
}

// A hostile language file: every key holds conversions that would crash printf. Every text the
// program formats, with the arguments its callers pass, comes out exactly as written.
TEST(LangFormat, AHostileLanguageFileIsShownLiterallyAndNeverFormatted)
{
    const std::string hostile = "%s%s%s%s%s%s%s%s%n%n%x%p%*d%ls 100%";
    std::map<std::string, std::string> values;
    for (int i = 0; i < CLanguageTable::KeyCount(); ++i)
        values[CLanguageTable::KeyName(i)] = hostile;
    const CLanguageTable t = CLanguageTable::Read([&](const char* section, const char* key, const char* def) {
        auto it = values.find(key);
        return std::string(section) == "Strings" && it != values.end() ? it->second : std::string(def);
    });
    const char* ssid = "HomeNet";
    EXPECT_EQ(hostile, VxLangFormat(t.m_IDS_OMBREL_GOOD, ssid).str());
    EXPECT_EQ(hostile, VxLangFormat(t.m_IDS_OMBREL_NORMAL, ssid).str());
    EXPECT_EQ(hostile, VxLangFormat(t.m_IDS_OMBREL_WEAK, ssid).str());
    EXPECT_EQ(hostile, VxLangFormat(t.m_IDS_WHITE_OMBREL_GOOD, ssid).str());
    EXPECT_EQ(hostile, VxLangFormat(t.m_IDS_OMBREL_WEP_ERROR, t.m_IDS_WEPERROR).str());
    EXPECT_EQ(hostile, VxLangFormat(t.m_IDS_LINK_QUALITY, 70).str());
    EXPECT_EQ(hostile, VxLangFormat(t.m_IDS_LINK_STRENGTH, 70).str());
    EXPECT_EQ(hostile, VxLangFormat(t.m_IDS_LINK_STRENGTH_DBM, -60).str());
    EXPECT_EQ(hostile, VxLangFormat(t.m_IDS_SIGNAL_STRENGTH, 70).str());
    EXPECT_EQ(hostile, VxLangFormat(t.m_IDS_PAC_LIST_MAX_ITEM, 50).str());
    EXPECT_EQ(hostile, VxLangFormat(t.m_IDS_PROGRESS, 5).str());
    // A caller that appends its own conversion to a text ("followed by \" %s\"") is refused as well.
    EXPECT_EQ(hostile + " %s", VxLangFormat((t.m_IDS_STATIC_CARDNAME + " %s").c_str(), "Adapter").str());
    // Texts used without arguments stay as written as well.
    for (int i = 0; i < CLanguageTable::KeyCount(); ++i)
        EXPECT_EQ(hostile, VxLangFormat(t.TextAt(i)).str()) << CLanguageTable::KeyName(i);
    char tip[128];
    VxLangFormatBuf(tip, sizeof tip, t.m_IDS_OMBREL_GOOD, ssid);
    EXPECT_EQ(hostile, tip);
}
