#include "app/LangWin.h"

#include "app/Trace.h"

#include <windows.h>

namespace {

// The running program's full path; empty when it cannot be had in full.
std::string RunningProgramPath()
{
    char path[MAX_PATH + 1] = "";
    const DWORD n = ::GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path)
        return std::string();
    return std::string(path, n);
}

} // namespace

std::string VxSystemLocaleId()
{
    char id[8] = "";
    if (::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_ILANGUAGE, id, sizeof id) == 0)
        id[0] = '\0';
    id[sizeof id - 1] = '\0';
    return id;
}

bool VxLangFileExists(const std::string& path)
{
    WIN32_FIND_DATAA data;
    const HANDLE h = ::FindFirstFileA(path.c_str(), &data);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    ::FindClose(h);
    return true;
}

VxIniReader VxLangFileReader(const std::string& path)
{
    return [path](const char* section, const char* key, const char* def) {
        char value[VX_LANG_VALUE_MAX + 1] = "";
        ::GetPrivateProfileStringA(section, key, def, value, sizeof value, path.c_str());
        value[sizeof value - 1] = '\0';
        return std::string(value);
    };
}

std::string VxLoadLanguageFrom(const char* programPath, const char* localeId)
{
    const std::string program = programPath ? std::string(programPath) : RunningProgramPath();
    const std::string locale = localeId ? std::string(localeId) : VxSystemLocaleId();
    const std::string path = VxChooseLangFile(program, locale, VxLangFileExists);
    VxTrace("[VxUI] Language file: %s (locale %s)\n", path.c_str(), locale.c_str());
    VxSetProcessLanguageTable(VxLangFileReader(path));
    return path;
}

std::string VxLoadLanguage()
{
    return VxLoadLanguageFrom(nullptr, nullptr);
}
