// The Windows half of the language table: the system locale, the program folder,
// the file's existence and the private-profile reader. The rules are in LangTable.h.
#pragma once

#include "app/LangTable.h"

#include <string>

// Loads the process-wide language table once at controller start-up (right after
// the device library is initialised): the file of the system default locale in the program's
// Languages folder, else Lang0409.ini in the same folder. Traces the file chosen and returns
// its path; a missing file or key gives the defaults (there are no errors).
std::string VxLoadLanguage();

// The same for a given program path and locale identifier (null: the running program, the
// system default locale). For tests.
std::string VxLoadLanguageFrom(const char* programPath, const char* localeId);

// The system default locale's language identifier as text, four hexadecimal digits such as
// "0409" (GetLocaleInfoA with LOCALE_SYSTEM_DEFAULT and LOCALE_ILANGUAGE, at most 8 bytes).
std::string VxSystemLocaleId();

// Whether a file matches the path (FindFirstFileA).
bool VxLangFileExists(const std::string& path);

// Reads values of a language file with the system's private-profile reader (512-byte buffer:
// at most 511 characters are kept).
VxIniReader VxLangFileReader(const std::string& path);
