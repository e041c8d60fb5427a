// The English language file lang/Lang0409.ini (installed as Languages\Lang0409.ini): every key
// of the key list with a non-empty text, and every text that the program uses as a format with
// exactly the conversions its callers pass.
#include "app/LangFormat.h"
#include "app/LangTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace {

// The formats the program uses: key -> the kinds of the arguments its callers pass (LangFormat.h).
// Every key not listed here is shown as plain text and holds no conversion.
const std::map<std::string, std::string> kFormats = {
    // Tray tooltips "formatted with the SSID".
    {"IDS_OMBREL_GOOD", "s"},
    {"IDS_OMBREL_NORMAL", "s"},
    {"IDS_OMBREL_WEAK", "s"},
    {"IDS_WHITE_OMBREL_GOOD", "s"},
    {"IDS_WHITE_OMBREL_NORMAL", "s"},
    {"IDS_WHITE_OMBREL_WEAK", "s"},
    // The key-error tooltip "formatted with the text of IDS_WEPERROR".
    {"IDS_OMBREL_WEP_ERROR", "s"},
    {"IDS_WHITE_OMBREL_WEP_ERROR", "s"},
    // The link bars (1200-1203, show-percent style with the language text as the format; the
    // bar prints its format with the value as an integer).
    {"IDS_LINK_QUALITY", "d"},
    {"IDS_LINK_STRENGTH", "d"},
    {"IDS_LINK_STRENGTH2", "d"},
    {"IDS_LINK_STRENGTH3", "d"},
    // The access point's signal bar, show-percent style.
    {"IDS_SIGNAL_STRENGTH", "d"},
    // The WPS progress bar (0-100) with its bar text.
    {"IDS_PROGRESS", "d"},
    // The dBm texts "formatted with the dBm value".
    {"IDS_LINK_STRENGTH_DBM", "d"},
    {"IDS_LINK_STRENGTH2_DBM", "d"},
    {"IDS_LINK_STRENGTH3_DBM", "d"},
    // The PAC list limit, "formatted with the number 50".
    {"IDS_PAC_LIST_MAX_ITEM", "d"},
};

// Plain texts that are literal percentages (the transmit power menu).
const std::set<std::string> kPercentTexts = {"IDS_100PERCENT", "IDS_75PERCENT", "IDS_50PERCENT",
                                             "IDS_25PERCENT", "IDS_10PERCENT"};

std::string Upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

std::string Trim(const std::string& s)
{
    const size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos)
        return std::string();
    const size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

// The file as the system's private-profile reader sees it: sections and keys compared without
// case, the first occurrence of a key wins, blanks around keys and values dropped, a value in
// matching double quotes unquoted, lines beginning with ';' ignored.
struct ProfileFile {
    std::map<std::string, std::map<std::string, std::string>> sections;
    std::map<std::string, std::vector<std::string>> keysInOrder; // as written, for the checks
    bool loaded = false;

    explicit ProfileFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        loaded = static_cast<bool>(in);
        std::string line, section;
        while (std::getline(in, line)) {
            const std::string t = Trim(line);
            if (t.empty() || t[0] == ';')
                continue;
            if (t[0] == '[') {
                section = Upper(t.substr(1, t.find(']') - 1));
                continue;
            }
            const size_t eq = t.find('=');
            if (eq == std::string::npos)
                continue;
            const std::string key = Trim(t.substr(0, eq));
            std::string value = Trim(t.substr(eq + 1));
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
                value = value.substr(1, value.size() - 2);
            keysInOrder[section].push_back(key);
            sections[section].emplace(Upper(key), value);
        }
    }

    VxIniReader Reader() const
    {
        return [this](const char* section, const char* key, const char* def) {
            auto s = sections.find(Upper(section));
            if (s == sections.end())
                return std::string(def);
            auto k = s->second.find(Upper(key));
            return k == s->second.end() ? std::string(def) : k->second;
        };
    }
};

std::string LanguageFilePath()
{
    // This file is tests/unit/LangFileTest.cpp of the source tree.
    std::string here = __FILE__;
    std::replace(here.begin(), here.end(), '\\', '/');
    const size_t tests = here.rfind("/tests/unit/");
    return here.substr(0, tests) + "/lang/Lang0409.ini";
}

class LangFileTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_file = new ProfileFile(LanguageFilePath()); }
    static void TearDownTestSuite()
    {
        delete s_file;
        s_file = nullptr;
    }
    static const ProfileFile& File() { return *s_file; }
    static CLanguageTable Table() { return CLanguageTable::Read(File().Reader()); }
    static ProfileFile* s_file;
};
ProfileFile* LangFileTest::s_file = nullptr;

} // namespace

TEST_F(LangFileTest, TheFileIsThere)
{
    ASSERT_TRUE(File().loaded) << LanguageFilePath();
}

TEST_F(LangFileTest, FontSection)
{
    const CLanguageTable t = Table();
    EXPECT_EQ("DEFAULT_CHARSET", File().Reader()("Font", "CharSet", ""));
    EXPECT_EQ(1, t.m_nCharSet);
    EXPECT_EQ("Trebuchet MS", t.m_strFaceName.str());
}

TEST_F(LangFileTest, EveryKeyOfTheListHasANonEmptyText)
{
    const CLanguageTable t = Table();
    int defined = 0;
    for (int i = 0; i < CLanguageTable::KeyCount(); ++i) {
        const char* key = CLanguageTable::KeyName(i);
        EXPECT_FALSE(t.TextAt(i).IsEmpty()) << key;
        EXPECT_LE(t.TextAt(i).GetLength(), VX_LANG_VALUE_MAX) << key;
        defined += t.TextAt(i).IsEmpty() ? 0 : 1;
    }
    EXPECT_EQ(639, defined);
}

TEST_F(LangFileTest, StringsHoldsTheKeysOfTheListOnceAndNothingElse)
{
    std::set<std::string> known;
    for (int i = 0; i < CLanguageTable::KeyCount(); ++i)
        known.insert(Upper(CLanguageTable::KeyName(i)));
    auto it = File().keysInOrder.find("STRINGS");
    ASSERT_NE(File().keysInOrder.end(), it);
    std::set<std::string> seen;
    for (const std::string& key : it->second) {
        EXPECT_TRUE(known.count(Upper(key))) << "not a key of the list: " << key;
        EXPECT_TRUE(seen.insert(Upper(key)).second) << "written twice: " << key;
    }
    EXPECT_EQ(known.size(), seen.size());
}

TEST_F(LangFileTest, EveryFormattedKeyCarriesExactlyTheConversionsOfItsCallers)
{
    const CLanguageTable t = Table();
    for (int i = 0; i < CLanguageTable::KeyCount(); ++i) {
        const std::string key = CLanguageTable::KeyName(i);
        const std::string text = t.TextAt(i).str();
        auto f = kFormats.find(key);
        if (f != kFormats.end()) {
            std::string kinds;
            EXPECT_TRUE(VxLangConversions(text.c_str(), kinds)) << key << ": " << text;
            EXPECT_EQ(f->second, kinds) << key << ": " << text;
        } else if (kPercentTexts.count(key)) {
            EXPECT_EQ(text.size() - 1, text.find('%')) << key << ": " << text;
            EXPECT_EQ(1, std::count(text.begin(), text.end(), '%')) << key << ": " << text;
        } else {
            EXPECT_EQ(std::string::npos, text.find('%')) << key << " is no format: " << text;
        }
    }
    for (const auto& f : kFormats) {
        bool listed = false;
        for (int i = 0; i < CLanguageTable::KeyCount(); ++i)
            listed = listed || f.first == CLanguageTable::KeyName(i);
        EXPECT_TRUE(listed) << f.first;
    }
}

TEST_F(LangFileTest, TheFormatsGiveWhatPrintfGivesWithTheCallersArguments)
{
    const CLanguageTable t = Table();
    char expected[600];
    std::snprintf(expected, sizeof expected, t.m_IDS_OMBREL_GOOD.c_str(), "HomeNet");
    EXPECT_EQ(expected, VxLangFormat(t.m_IDS_OMBREL_GOOD, "HomeNet").str());
    EXPECT_NE(std::string::npos, std::string(expected).find("HomeNet"));
    std::snprintf(expected, sizeof expected, t.m_IDS_OMBREL_WEP_ERROR.c_str(), t.m_IDS_WEPERROR.c_str());
    EXPECT_EQ(expected, VxLangFormat(t.m_IDS_OMBREL_WEP_ERROR, t.m_IDS_WEPERROR).str());
    EXPECT_EQ("Link Quality : 57%", VxLangFormat(t.m_IDS_LINK_QUALITY, 57).str());
    EXPECT_EQ("Signal Strength 2 : -61 dBm", VxLangFormat(t.m_IDS_LINK_STRENGTH2_DBM, -61).str());
    EXPECT_NE(std::string::npos, VxLangFormat(t.m_IDS_PAC_LIST_MAX_ITEM, 50).str().find("50"));
}

TEST_F(LangFileTest, TextsFitWhereThePartsPutThem)
{
    const CLanguageTable t = Table();
    // Tray tooltips (127 characters) with an SSID of 32 characters.
    const std::string ssid(32, 'S');
    for (const CString* tip : {&t.m_IDS_OMBREL_GOOD, &t.m_IDS_OMBREL_NORMAL, &t.m_IDS_OMBREL_WEAK,
                               &t.m_IDS_WHITE_OMBREL_GOOD, &t.m_IDS_WHITE_OMBREL_NORMAL, &t.m_IDS_WHITE_OMBREL_WEAK})
        EXPECT_LE(VxLangFormat(*tip, ssid).GetLength(), 127) << tip->str();
    EXPECT_LE(VxLangFormat(t.m_IDS_OMBREL_WEP_ERROR, t.m_IDS_WEPERROR).GetLength(), 127);
    EXPECT_LE(t.m_IDS_OMBREL_LOST.GetLength(), 127);
    EXPECT_LE(t.m_IDS_OMBREL_NOTEXIST.GetLength(), 127);
    // Link status event texts: at most 63 characters in their 64-byte fields.
    for (const CString* e : {&t.m_IDS_GENERAL_LINK_UP, &t.m_IDS_GENERAL_LINK_DOWN, &t.m_IDS_HW_RADIO_OFF,
                             &t.m_IDS_SW_RADIO_OFF, &t.m_IDS_AUTH_FAIL, &t.m_IDS_AUTH_FAIL_KEYS, &t.m_IDS_ASSOC_FAIL,
                             &t.m_IDS_EAP_MIC_FAILURE, &t.m_IDS_EAP_4WAY_TIMEOUT, &t.m_IDS_EAP_GROUP_KEY_TIMEOUT,
                             &t.m_IDS_EAP_SUCCESS})
        EXPECT_LE(e->GetLength(), 63) << e->str();
}

TEST_F(LangFileTest, TextsThatTheProgramComparesOrTakesApart)
{
    const CLanguageTable t = Table();
    // Default profile names are the prefix and a number; the prefix is compared
    // after upper-casing and its first four characters are removed.
    EXPECT_EQ("PROF", t.m_IDS_PROF.str());
    // The encryption caption is compared with these three texts.
    EXPECT_NE(t.m_IDS_TKIP, t.m_IDS_AES);
    EXPECT_NE(t.m_IDS_TKIP, t.m_IDS_SMS4);
    EXPECT_NE(t.m_IDS_AES, t.m_IDS_SMS4);
}

TEST_F(LangFileTest, TheUnbrandedTextsNameNoBrand)
{
    const CLanguageTable t = Table();
    for (int i = 0; i < CLanguageTable::KeyCount(); ++i) {
        const std::string key = CLanguageTable::KeyName(i);
        if (key.find("WHITE") != std::string::npos) {
            EXPECT_EQ(std::string::npos, t.TextAt(i).str().find("Ombrel")) << key;
        }
    }
}

TEST_F(LangFileTest, LabelsTakeTheResourceTextsOfTheDialogTables)
{
    const CLanguageTable t = Table();
    EXPECT_EQ("Status >>", t.m_IDS_LINK_STATUS.str());
    EXPECT_EQ("Input hidden SSID >>", t.m_IDS_HIDDEN_TEXT.str());
    EXPECT_EQ("Frames Transmitted Successfully After Retry(s)", t.m_IDS_STA_TXOKRETRY.str());
    EXPECT_EQ("Select Your Country Region Code", t.m_IDS_COUNTRY_REGION.str());
    EXPECT_EQ("Tunnel Direct Link Setup Enable", t.m_IDC_TDLS_ENABLE.str());
    EXPECT_EQ("Please enter SSID and Pre-Shared key.", t.m_IDS_EXTAP_DEFAULTVALUE.str());
    EXPECT_EQ("Version :", t.m_IDS_ABOUT_VERSION.str());
    EXPECT_EQ("Reset Counter", t.m_IDS_STA_RESETCOUNTER.str());
}
