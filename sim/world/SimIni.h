// A small INI reader for scenario files: sections, key = value lines, ';' or '#' comments.
// Section and key names compare without regard to case.
#pragma once

#include <map>
#include <string>

class SimIni {
public:
    static SimIni Parse(const std::string& text);

    bool HasSection(const std::string& section) const;
    bool Has(const std::string& section, const std::string& key) const;
    std::string Get(const std::string& section, const std::string& key, const std::string& def = "") const;
    int GetInt(const std::string& section, const std::string& key, int def) const;

private:
    static std::string Lower(std::string s);
    std::map<std::string, std::map<std::string, std::string>> m_sections;
};
