#include "world/SimIni.h"

#include "framework/VxString.h"

#include <cctype>
#include <sstream>

namespace {
std::string Trimmed(const std::string& s)
{
    CString c(s);
    return c.Trim().str();
}
} // namespace

std::string SimIni::Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

SimIni SimIni::Parse(const std::string& text)
{
    SimIni ini;
    std::istringstream in(text);
    std::string line, section;
    while (std::getline(in, line)) {
        line = Trimmed(line);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line[0] == '[') {
            const size_t close = line.find(']');
            section = Lower(Trimmed(line.substr(1, close == std::string::npos ? std::string::npos : close - 1)));
            ini.m_sections[section];
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        ini.m_sections[section][Lower(Trimmed(line.substr(0, eq)))] = Trimmed(line.substr(eq + 1));
    }
    return ini;
}

bool SimIni::HasSection(const std::string& section) const
{
    return m_sections.count(Lower(section)) != 0;
}

bool SimIni::Has(const std::string& section, const std::string& key) const
{
    auto s = m_sections.find(Lower(section));
    return s != m_sections.end() && s->second.count(Lower(key)) != 0;
}

std::string SimIni::Get(const std::string& section, const std::string& key, const std::string& def) const
{
    auto s = m_sections.find(Lower(section));
    if (s == m_sections.end())
        return def;
    auto k = s->second.find(Lower(key));
    return k == s->second.end() ? def : k->second;
}

int SimIni::GetInt(const std::string& section, const std::string& key, int def) const
{
    return Has(section, key) ? VxAtoi(Get(section, key).c_str()) : def;
}
