// The language table: reading a file through a reader, the character-set names,
// the 511-character cut, the keys read twice, the file choice and the page font rule.

// Resource identifiers of the same names as keys must not break the members.
#define IDS_OK 1
#define IDC_TDLS_ENABLE 1641
#include "app/LangTable.h"
#undef IDS_OK
#undef IDC_TDLS_ENABLE

#include "framework/PageFontRule.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// An in-memory language file ("Section/Key" -> value) that records every read.
struct FakeLangFile {
    std::map<std::string, std::string> values;
    mutable std::vector<std::string> reads;
    VxIniReader Reader() const
    {
        return [this](const char* section, const char* key, const char* def) {
            reads.push_back(std::string(section) + "/" + key);
            auto it = values.find(std::string(section) + "/" + key);
            return it == values.end() ? std::string(def) : it->second;
        };
    }
};

CLanguageTable Read(const std::map<std::string, std::string>& values)
{
    FakeLangFile file{values};
    return CLanguageTable::Read(file.Reader());
}

int CharSetOf(const std::string& name)
{
    return Read({{"Font/CharSet", name}}).m_nCharSet;
}

} // namespace

// The process-wide table can only be read.
static_assert(std::is_const<std::remove_reference_t<decltype(VxLang())>>::value, "read-only table");
static_assert(!std::is_default_constructible<CLanguageTable>::value, "only the loader makes tables");

TEST(LangTable, TheListHas639Keys)
{
    EXPECT_EQ(639, CLanguageTable::KeyCount());
    EXPECT_STREQ("IDS_WHITE_OMBREL_LOST", CLanguageTable::KeyName(0));
    EXPECT_STREQ("IDS_MSG_SWITCH_APCLIENT_MODE_FAIL", CLanguageTable::KeyName(638));
    EXPECT_STREQ("", CLanguageTable::KeyName(639));
    EXPECT_STREQ("", CLanguageTable::KeyName(-1));
    // The two odd names of the list are keys like the others.
    bool failed = false, tdls = false;
    for (int i = 0; i < CLanguageTable::KeyCount(); ++i) {
        failed = failed || std::string(CLanguageTable::KeyName(i)) == "STR_FAILED";
        tdls = tdls || std::string(CLanguageTable::KeyName(i)) == "IDC_TDLS_ENABLE";
    }
    EXPECT_TRUE(failed);
    EXPECT_TRUE(tdls);
}

TEST(LangTable, EveryKeyHasItsOwnMember)
{
    std::map<std::string, std::string> values;
    for (int i = 0; i < CLanguageTable::KeyCount(); ++i)
        values[std::string("Strings/") + CLanguageTable::KeyName(i)] = std::string("text of ") + CLanguageTable::KeyName(i);
    const CLanguageTable t = Read(values);
    for (int i = 0; i < CLanguageTable::KeyCount(); ++i)
        EXPECT_EQ(std::string("text of ") + CLanguageTable::KeyName(i), t.TextAt(i).str());
    EXPECT_EQ("text of IDS_OK", t.m_IDS_OK.str());
    EXPECT_EQ("text of IDC_TDLS_ENABLE", t.m_IDC_TDLS_ENABLE.str());
    EXPECT_EQ("text of STR_FAILED", t.m_STR_FAILED.str());
    EXPECT_EQ("text of IDS_WMM_Enable", t.m_IDS_WMM_Enable.str());
    EXPECT_EQ("", t.TextAt(639).str());
}

TEST(LangTable, WithoutAFileTextsAreEmptyAndTheFontIsTrebuchetWithTheDefaultCharSet)
{
    const CLanguageTable t = Read({});
    EXPECT_EQ(1, t.m_nCharSet);
    EXPECT_EQ("Trebuchet MS", t.m_strFaceName.str());
    for (int i = 0; i < CLanguageTable::KeyCount(); ++i)
        EXPECT_TRUE(t.TextAt(i).IsEmpty()) << CLanguageTable::KeyName(i);
}

TEST(LangTable, AMissingKeyLeavesOnlyItsTextEmpty)
{
    const CLanguageTable t = Read({{"Strings/IDS_OK", "OK"}, {"Strings/IDS_CANCEL", "Cancel"}});
    EXPECT_EQ("OK", t.m_IDS_OK.str());
    EXPECT_EQ("Cancel", t.m_IDS_CANCEL.str());
    EXPECT_TRUE(t.m_IDS_APPLY.IsEmpty());
    // A key is read from [Strings] only.
    EXPECT_TRUE(Read({{"Font/IDS_OK", "OK"}}).m_IDS_OK.IsEmpty());
}

TEST(LangTable, ReadsTheFontFirstThenEveryKeyInOrderThenTheTwoThresholdKeysAgain)
{
    FakeLangFile file;
    CLanguageTable::Read(file.Reader());
    ASSERT_EQ(2u + 639u + 2u, file.reads.size());
    EXPECT_EQ("Font/CharSet", file.reads[0]);
    EXPECT_EQ("Font/FaceName", file.reads[1]);
    for (int i = 0; i < CLanguageTable::KeyCount(); ++i)
        EXPECT_EQ(std::string("Strings/") + CLanguageTable::KeyName(i), file.reads[2 + static_cast<size_t>(i)]);
    EXPECT_EQ("Strings/IDS_INVALIDRTSTHRE", file.reads[641]);
    EXPECT_EQ("Strings/IDS_INVALIDFRAGTHRE", file.reads[642]);
}

TEST(LangTable, TheSecondReadOfTheThresholdKeysGivesTheSameTexts)
{
    const CLanguageTable t = Read({{"Strings/IDS_INVALIDRTSTHRE", "rts"}, {"Strings/IDS_INVALIDFRAGTHRE", "frag"}});
    EXPECT_EQ("rts", t.m_IDS_INVALIDRTSTHRE.str());
    EXPECT_EQ("frag", t.m_IDS_INVALIDFRAGTHRE.str());
}

TEST(LangTable, ATextLongerThan511CharactersIsCutTo511)
{
    const std::string long600(600, 'x');
    const CLanguageTable t = Read({{"Strings/IDS_OK", long600},
                                   {"Strings/IDS_CANCEL", std::string(511, 'y')},
                                   {"Font/FaceName", long600}});
    EXPECT_EQ(std::string(511, 'x'), t.m_IDS_OK.str());
    EXPECT_EQ(std::string(511, 'y'), t.m_IDS_CANCEL.str());
    // The face name is kept as read (cut to 511); the font rule cuts it to 31.
    EXPECT_EQ(511, t.m_strFaceName.GetLength());
}

TEST(LangTable, TheFaceNameIsTakenAsWritten)
{
    EXPECT_EQ("MS Gothic", Read({{"Font/FaceName", "MS Gothic"}}).m_strFaceName.str());
    EXPECT_EQ("", Read({{"Font/FaceName", ""}}).m_strFaceName.str());
}

TEST(LangTable, CharSetNames)
{
    const std::vector<std::pair<std::string, int>> names = {
        {"ANSI_CHARSET", 0},         {"BALTIC_CHARSET", 186},     {"CHINESEBIG5_CHARSET", 136},
        {"DEFAULT_CHARSET", 1},      {"EASTEUROPE_CHARSET", 238}, {"GB2312_CHARSET", 134},
        {"GREEK_CHARSET", 161},      {"HANGUL_CHARSET", 129},     {"HANGEUL_CHARSET", 129},
        {"MAC_CHARSET", 77},         {"OEM_CHARSET", 255},        {"RUSSIAN_CHARSET", 204},
        {"SHIFTJIS_CHARSET", 128},   {"SYMBOL_CHARSET", 2},       {"TURKISH_CHARSET", 162},
        {"VIETNAMESE_CHARSET", 163}, {"JOHAB_CHARSET", 130},      {"ARABIC_CHARSET", 178},
        {"HEBREW_CHARSET", 177},     {"THAI_CHARSET", 222},
    };
    for (const auto& n : names) {
        EXPECT_EQ(n.second, VxCharSetFromName(n.first)) << n.first;
        EXPECT_EQ(n.second, CharSetOf(n.first)) << n.first;
    }
}

TEST(LangTable, BothHangulSpellingsGive129)
{
    EXPECT_EQ(129, CharSetOf("HANGUL_CHARSET"));
    EXPECT_EQ(129, CharSetOf("HANGEUL_CHARSET"));
}

TEST(LangTable, ACharSetNameInAnyOtherSpellingGivesTheDefault)
{
    EXPECT_EQ(1, CharSetOf("shiftjis_charset"));
    EXPECT_EQ(1, CharSetOf("Shiftjis_Charset"));
    EXPECT_EQ(1, CharSetOf("ansi_charset"));
    EXPECT_EQ(1, CharSetOf("SHIFTJIS"));
    EXPECT_EQ(1, CharSetOf("128"));
    EXPECT_EQ(1, CharSetOf(""));
    EXPECT_EQ(1, CharSetOf("ANSI_CHARSET "));
    EXPECT_EQ(1, Read({}).m_nCharSet);
}

TEST(LangFileChoice, TheLocalesFileInTheProgramsLanguagesFolder)
{
    EXPECT_EQ("C:\\Program Files\\Ombrel\\Languages\\Lang0411.ini",
              VxLangFilePath("C:\\Program Files\\Ombrel\\VxUI.exe", "0411"));
    EXPECT_EQ("C:\\Languages\\Lang0409.ini", VxLangFilePath("C:\\VxUI.exe", "0409"));
    // A path without a folder gives a relative file name.
    EXPECT_EQ("Languages\\Lang0407.ini", VxLangFilePath("VxUI.exe", "0407"));
}

TEST(LangFileChoice, TheFallbackIsTheEnglishFileOfTheSameFolder)
{
    EXPECT_EQ("C:\\Prog\\Languages\\Lang0409.ini", VxLangFallbackPath("C:\\Prog\\Languages\\Lang0411.ini"));
    EXPECT_EQ("Lang0409.ini", VxLangFallbackPath("Lang0411.ini"));
}

TEST(LangFileChoice, Locale0411WithoutAFileFallsBackToEnglishWithoutCheckingIt)
{
    std::vector<std::string> asked;
    const std::string chosen = VxChooseLangFile("C:\\Prog\\VxUI.exe", "0411", [&](const std::string& path) {
        asked.push_back(path);
        return false;
    });
    EXPECT_EQ("C:\\Prog\\Languages\\Lang0409.ini", chosen);
    // Only the locale's file is looked for; the fallback is used as it is.
    ASSERT_EQ(1u, asked.size());
    EXPECT_EQ("C:\\Prog\\Languages\\Lang0411.ini", asked[0]);
}

TEST(LangFileChoice, AnExistingLocaleFileIsUsed)
{
    EXPECT_EQ("C:\\Prog\\Languages\\Lang0411.ini",
              VxChooseLangFile("C:\\Prog\\VxUI.exe", "0411", [](const std::string&) { return true; }));
    EXPECT_EQ("C:\\Prog\\Languages\\Lang0409.ini",
              VxChooseLangFile("C:\\Prog\\VxUI.exe", "0411", nullptr));
}

TEST(LangTable, TheProcessTableIsReplacedOnlyByItsLoader)
{
    FakeLangFile file{{{"Strings/IDS_OK", "Okay"}, {"Font/CharSet", "GREEK_CHARSET"}}};
    VxSetProcessLanguageTable(file.Reader());
    EXPECT_EQ("Okay", VxLang().m_IDS_OK.str());
    EXPECT_EQ(161, VxLang().m_nCharSet);
    // Loading again replaces every value.
    VxSetProcessLanguageTable(FakeLangFile{}.Reader());
    EXPECT_TRUE(VxLang().m_IDS_OK.IsEmpty());
    EXPECT_EQ(1, VxLang().m_nCharSet);
    EXPECT_EQ("Trebuchet MS", VxLang().m_strFaceName.str());
}

TEST(PageFontRule, Height16OrTwentyTheCharSetAndTheFaceName)
{
    const VxPageFontSpec a = VxMakePageFontSpec(129, "Gulim");
    EXPECT_EQ(16, a.nHeight);
    EXPECT_EQ(129, a.nCharSet);
    EXPECT_STREQ("Gulim", a.szFaceName);
    const VxPageFontSpec b = VxMakePageFontSpec(1, "Trebuchet MS", VX_PAGE_FONT_HEIGHT_LARGE);
    EXPECT_EQ(20, b.nHeight);
    EXPECT_EQ(1, b.nCharSet);
}

TEST(PageFontRule, AFaceNameLongerThan31CharactersIsCut)
{
    const std::string name40 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd";
    EXPECT_STREQ(name40.substr(0, 31).c_str(), VxMakePageFontSpec(1, name40.c_str()).szFaceName);
    EXPECT_STREQ(std::string(31, 'f').c_str(), VxMakePageFontSpec(1, std::string(31, 'f').c_str()).szFaceName);
    EXPECT_STREQ("", VxMakePageFontSpec(1, nullptr).szFaceName);
    EXPECT_STREQ("", VxMakePageFontSpec(1, "").szFaceName);
}
