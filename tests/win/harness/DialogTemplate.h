// Builds dialog templates in memory for tests (DLGTEMPLATE with DLGITEMTEMPLATE items).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class DialogTemplate {
public:
    DialogTemplate(const std::string& caption, DWORD style, short cx, short cy);

    // Predefined classes: "BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX".
    DialogTemplate& Add(const std::string& className, const std::string& text, WORD id, DWORD style,
                        short x, short y, short cx, short cy);

    const DLGTEMPLATE* Get();

private:
    struct Item {
        std::string className, text;
        WORD id;
        DWORD style;
        short x, y, cx, cy;
    };
    std::string m_caption;
    DWORD m_style;
    short m_cx, m_cy;
    std::vector<Item> m_items;
    std::vector<WORD> m_data;
};
