#include "app/LangTable.h"

namespace {

const char kFontSection[] = "Font";
const char kStringsSection[] = "Strings";

struct KeyEntry {
    const char* name;
    CString CLanguageTable::*member;
};

#define VX_LANG_KEY_ENTRY(key) {#key, &CLanguageTable::m_##key},
const KeyEntry kKeys[] = {VX_LANG_KEYS(VX_LANG_KEY_ENTRY)};
#undef VX_LANG_KEY_ENTRY
static_assert(sizeof kKeys / sizeof kKeys[0] == VX_LANG_KEY_COUNT, "one entry per key");

// The two keys that the start-up reads a second time into the same texts.
const KeyEntry kReadTwice[] = {
    {"IDS_INVALIDRTSTHRE", &CLanguageTable::m_IDS_INVALIDRTSTHRE},
    {"IDS_INVALIDFRAGTHRE", &CLanguageTable::m_IDS_INVALIDFRAGTHRE},
};

struct CharSetName {
    const char* name;
    int value;
};

// In the order of the table; compared case-sensitively, the first match wins.
const CharSetName kCharSets[] = {
    {"ANSI_CHARSET", 0},         {"BALTIC_CHARSET", 186},     {"CHINESEBIG5_CHARSET", 136},
    {"DEFAULT_CHARSET", 1},      {"EASTEUROPE_CHARSET", 238}, {"GB2312_CHARSET", 134},
    {"GREEK_CHARSET", 161},      {"HANGUL_CHARSET", 129},     {"HANGEUL_CHARSET", 129},
    {"MAC_CHARSET", 77},         {"OEM_CHARSET", 255},        {"RUSSIAN_CHARSET", 204},
    {"SHIFTJIS_CHARSET", 128},   {"SYMBOL_CHARSET", 2},       {"TURKISH_CHARSET", 162},
    {"VIETNAMESE_CHARSET", 163}, {"JOHAB_CHARSET", 130},      {"ARABIC_CHARSET", 178},
    {"HEBREW_CHARSET", 177},     {"THAI_CHARSET", 222},
};

std::string ReadValue(const VxIniReader& read, const char* section, const char* key, const char* def)
{
    std::string value = read(section, key, def);
    if (value.size() > static_cast<size_t>(VX_LANG_VALUE_MAX))
        value.resize(VX_LANG_VALUE_MAX);
    return value;
}

// Everything up to and including the last backslash; empty when there is none.
std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

CLanguageTable CLanguageTable::Read(const VxIniReader& read)
{
    CLanguageTable table;
    table.m_nCharSet = VxCharSetFromName(ReadValue(read, kFontSection, "CharSet", VX_LANG_DEFAULT_CHARSET_NAME));
    table.m_strFaceName = ReadValue(read, kFontSection, "FaceName", VX_LANG_DEFAULT_FACE_NAME);
    for (const KeyEntry& key : kKeys)
        table.*key.member = ReadValue(read, kStringsSection, key.name, "");
    for (const KeyEntry& key : kReadTwice)
        table.*key.member = ReadValue(read, kStringsSection, key.name, "");
    return table;
}

const char* CLanguageTable::KeyName(int index)
{
    if (index < 0 || index >= VX_LANG_KEY_COUNT)
        return "";
    return kKeys[index].name;
}

const CString& CLanguageTable::TextAt(int index) const
{
    static const CString kNone;
    if (index < 0 || index >= VX_LANG_KEY_COUNT)
        return kNone;
    return this->*kKeys[index].member;
}

CLanguageTable& CLanguageTable::ProcessTable()
{
    // Created on first use, never freed before exit.
    static CLanguageTable table;
    return table;
}

const CLanguageTable& VxLang()
{
    return CLanguageTable::ProcessTable();
}

void VxSetProcessLanguageTable(const VxIniReader& read)
{
    CLanguageTable::ProcessTable() = CLanguageTable::Read(read);
}

int VxCharSetFromName(const std::string& name)
{
    for (const CharSetName& entry : kCharSets) {
        if (name == entry.name)
            return entry.value;
    }
    return VX_LANG_DEFAULT_CHARSET;
}

std::string VxLangFilePath(const std::string& programPath, const std::string& localeId)
{
    return FolderOf(programPath) + "Languages\\Lang" + localeId + ".ini";
}

std::string VxLangFallbackPath(const std::string& path)
{
    return FolderOf(path) + VX_LANG_FALLBACK_FILE;
}

std::string VxChooseLangFile(const std::string& programPath, const std::string& localeId,
                             const std::function<bool(const std::string&)>& fileExists)
{
    const std::string path = VxLangFilePath(programPath, localeId);
    if (fileExists && fileExists(path))
        return path;
    return VxLangFallbackPath(path);
}
