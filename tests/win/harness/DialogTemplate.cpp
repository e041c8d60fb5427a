#include "harness/DialogTemplate.h"

namespace {
void AppendText(std::vector<WORD>& out, const std::string& s)
{
    for (unsigned char c : s)
        out.push_back(c);
    out.push_back(0);
}
void Align(std::vector<WORD>& out)
{
    if (out.size() % 2)
        out.push_back(0);
}
template <typename T>
void AppendRaw(std::vector<WORD>& out, const T& value)
{
    const WORD* p = reinterpret_cast<const WORD*>(&value);
    out.insert(out.end(), p, p + sizeof(T) / sizeof(WORD));
}
} // namespace

DialogTemplate::DialogTemplate(const std::string& caption, DWORD style, short cx, short cy)
    : m_caption(caption), m_style(style | DS_SETFONT), m_cx(cx), m_cy(cy)
{
}

DialogTemplate& DialogTemplate::Add(const std::string& className, const std::string& text, WORD id, DWORD style,
                                    short x, short y, short cx, short cy)
{
    m_items.push_back({className, text, id, style | WS_CHILD | WS_VISIBLE, x, y, cx, cy});
    return *this;
}

const DLGTEMPLATE* DialogTemplate::Get()
{
    m_data.clear();
    DLGTEMPLATE head{};
    head.style = m_style;
    head.cdit = static_cast<WORD>(m_items.size());
    head.cx = m_cx;
    head.cy = m_cy;
    AppendRaw(m_data, head);
    m_data.push_back(0); // no menu
    m_data.push_back(0); // default class
    AppendText(m_data, m_caption);
    m_data.push_back(8); // font size
    AppendText(m_data, "MS Shell Dlg");
    for (const Item& item : m_items) {
        Align(m_data);
        DLGITEMTEMPLATE it{};
        it.style = item.style;
        it.x = item.x;
        it.y = item.y;
        it.cx = item.cx;
        it.cy = item.cy;
        it.id = item.id;
        AppendRaw(m_data, it);
        AppendText(m_data, item.className);
        AppendText(m_data, item.text);
        m_data.push_back(0); // no creation data
    }
    return reinterpret_cast<const DLGTEMPLATE*>(m_data.data());
}
