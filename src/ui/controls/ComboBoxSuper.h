// CComboBoxSuper: an owner-drawn drop-down list with optional columns, icons, colours and
// bold items. It keeps its strings, so finding an item by its text works as usual.
//
// A combo box without CBS_OWNERDRAWFIXED | CBS_HASSTRINGS in its resource is re-created with
// them when it is attached (same id, place, font, z-order and items).
#pragma once

#include "framework/MsgMap.h"
#include "framework/Wnd.h"

#include <commctrl.h>

#include <vector>

class CComboBoxSuper : public CWnd {
public:
    static constexpr COLORREF DEFAULT_COLOR = 0xFF000000;
    enum { DEFAULT_COLUMN_WIDTH = 50 };

    BOOL Create(DWORD style, const RECT& rc, HWND hParent, UINT nID);

    int AddString(const char* text);
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
    int FindStringExact(int start, const char* text) const
    {
        return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)));
    }

    // Columns: 1 for a plain list. Column 0 is the item's own string.
    void SetColumnCount(int count);
    int GetColumnCount() const { return m_nColumns; }
    void SetColumnWidth(int col, int width);
    void SetItemText(int item, int col, const char* text);
    CString GetItemText(int item, int col) const;
    void SetItemColor(int item, COLORREF colour);
    void SetItemBold(int item, bool bold);
    void SetItemIcon(int item, int icon);
    void SetImageList(HIMAGELIST hImageList) { m_hImageList = hImageList; }

    void DrawItem(const DRAWITEMSTRUCT& dis);

    ~CComboBoxSuper() override;

protected:
    void OnSubclassed() override;

    BEGIN_MSG_MAP(CComboBoxSuper, CWnd)
        ON_REFLECT(WM_DRAWITEM, OnDrawItem)
        ON_REFLECT(WM_MEASUREITEM, OnMeasureItem)
        ON_MESSAGE(CB_ADDSTRING, OnAddString)
        ON_MESSAGE(CB_INSERTSTRING, OnInsertString)
        ON_MESSAGE(CB_DELETESTRING, OnDeleteString)
        ON_MESSAGE(CB_RESETCONTENT, OnResetContent)
        ON_MESSAGE(WM_SETFONT, OnSetFont)
    END_MSG_MAP()

    LRESULT OnDrawItem(WPARAM, LPARAM lParam);
    LRESULT OnMeasureItem(WPARAM, LPARAM lParam);
    LRESULT OnAddString(WPARAM wParam, LPARAM lParam);
    LRESULT OnInsertString(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeleteString(WPARAM wParam, LPARAM lParam);
    LRESULT OnResetContent(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);

private:
    struct Item {
        int icon = -1;
        COLORREF colour = DEFAULT_COLOR;
        bool bold = false;
        std::vector<CString> columns; // columns 1 … n-1
    };
    Item* ItemAt(int item);
    const Item* ItemAt(int item) const;
    void Recreate();

    std::vector<Item> m_items;
    int m_nColumns = 1;
    std::vector<int> m_widths;
    HIMAGELIST m_hImageList = nullptr;
    HFONT m_hBold = nullptr;
};
