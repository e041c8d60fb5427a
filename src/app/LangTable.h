// The language table: one process-wide object with one text per key of the
// language file's [Strings] section, the face name and the character set of the page font.
//
// Every user reads the member of its key directly, e.g. VxLang().m_IDS_OK; there is no lookup
// by name at run time. The process-wide table is reachable only as a const object: it is
// written by its loader at controller start-up (VxLoadLanguage, LangWin.h) and read-only
// afterwards.
//
// Portable: the rules (file choice, character-set names, the 511-character cut, the keys read
// twice) live here and read the file through a VxIniReader; the Windows part is LangWin.h.
#pragma once

#include "app/LangKeys.h"
#include "app/VxConfig.h"
#include "framework/VxString.h"

#include <functional>
#include <string>

// A value of the language file keeps at most this many characters (the private-profile
// reader's 512-byte buffer with its terminator).
constexpr int VX_LANG_VALUE_MAX = 511;
// Defaults of the [Font] section.
constexpr int VX_LANG_DEFAULT_CHARSET = 1; // DEFAULT_CHARSET
#define VX_LANG_DEFAULT_CHARSET_NAME "DEFAULT_CHARSET"
#define VX_LANG_DEFAULT_FACE_NAME "Trebuchet MS"
// The English file, used when the locale has none.
#define VX_LANG_FALLBACK_FILE "Lang0409.ini"

class CLanguageTable {
public:
    // Windows character-set value of the page font ([Font] CharSet, mapped by name).
    int m_nCharSet = VX_LANG_DEFAULT_CHARSET;
    // Face name of the page font ([Font] FaceName), as read (the font rule cuts it to 31).
    CString m_strFaceName = VX_LANG_DEFAULT_FACE_NAME;

    // One text per key; a key missing from the file leaves its text empty.
#define VX_LANG_DECLARE_MEMBER(key) CString m_##key;
    VX_LANG_KEYS(VX_LANG_DECLARE_MEMBER)
#undef VX_LANG_DECLARE_MEMBER

    // Reads a table from a language file: [Font] CharSet and FaceName, then every key of
    // [Strings] in the list's order (IDS_INVALIDRTSTHRE and IDS_INVALIDFRAGTHRE a second
    // time at the end). Every value is cut to 511 characters. For the loader and for tests;
    // the program's own table is VxLang().
    static CLanguageTable Read(const VxIniReader& read);

    // The keys in the list's order, for tests and tools that walk every text. Pages read
    // their members instead.
    static int KeyCount() { return VX_LANG_KEY_COUNT; }
    static const char* KeyName(int index);
    const CString& TextAt(int index) const;

private:
    CLanguageTable() = default;
    static CLanguageTable& ProcessTable();
    friend const CLanguageTable& VxLang();
    // The loader is the only writer of the process-wide table.
    friend void VxSetProcessLanguageTable(const VxIniReader& read);
};

// The process-wide language table, read-only. Before the loader runs it holds the defaults of
// a missing file: empty texts, "Trebuchet MS" and the default character set.
const CLanguageTable& VxLang();

// Loads the process-wide table from a language file (the loader's portable half; the program
// calls VxLoadLanguage in LangWin.h, which chooses the file).
void VxSetProcessLanguageTable(const VxIniReader& read);

// Character-set names of [Font] CharSet: the exact upper-case names of the Windows character
// sets (both "HANGUL_CHARSET" and "HANGEUL_CHARSET" give 129); any other text, lower-case
// spellings included, gives 1 (DEFAULT_CHARSET).
int VxCharSetFromName(const std::string& name);

// Choosing the file. `programPath` is the program's full path and `localeId` the system
// locale's language identifier as four hexadecimal digits ("0409").
// "<program folder>Languages\Lang<localeId>.ini", the folder being the path cut after its
// last backslash.
std::string VxLangFilePath(const std::string& programPath, const std::string& localeId);
// The English file beside `path`: `path` cut after its last backslash, then "Lang0409.ini".
std::string VxLangFallbackPath(const std::string& path);
// The locale's file when `fileExists` finds it, else the English file of the same folder
// (which is used without checking that it exists).
std::string VxChooseLangFile(const std::string& programPath, const std::string& localeId,
                             const std::function<bool(const std::string&)>& fileExists);
