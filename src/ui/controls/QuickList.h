// CQuickList: an owner-data report list that asks its parent for every cell it draws.
//
// The list view must be created with LVS_REPORT | LVS_OWNERDATA (by Create, or in the dialog
// resource); the list draws its rows itself (it adds LVS_OWNERDRAWFIXED).
#pragma once

#include "framework/MsgMap.h"
#include "framework/Wnd.h"

#include <commctrl.h>

#include <string>
#include <vector>

// Messages to the parent.
constexpr UINT WM_QUICKLIST_GETLISTITEMDATA = 3003; // wParam list window, lParam CListItemData*
constexpr UINT WM_QUICKLIST_NAVIGATIONTEST = 3004;  // wParam list window, lParam CNavigationTest*
constexpr UINT WM_QUICKLIST_CLICK = 3005;           // wParam list window, lParam CListHitInfo*
constexpr UINT WM_QUICKLIST_KEYDOWN = 3008;         // wParam virtual-key code
constexpr UINT WM_QUICKLIST_LBUTTONDOWN = 3009;

class CQuickList : public CWnd {
public:
    // A colour field left at this value means: use the system colour.
    static constexpr COLORREF QL_DEFAULT_COLOR = 0xFF000000;

    // One cell, filled by the parent on WM_QUICKLIST_GETLISTITEMDATA.
    struct CListItemData {
        // Set by the list.
        int m_nItem = 0;
        int m_nSubItem = 0;
        bool m_bSelected = false;
        bool m_bHot = false;
        CQuickList* m_pList = nullptr;
        // Filled by the parent (defaults set by the list).
        CString m_strText;
        BYTE m_bBold = 0;
        BYTE m_bItalic = 0;
        UINT m_nTextFormat = 0;
        int m_nImage = -1;
        HIMAGELIST m_hImageList = nullptr;
        bool m_bPlainImageBackground = true;
        bool m_bCenterImage = false;
        UINT m_nSelectedImageStyle = ILD_BLEND50;
        int m_nCheckState = 0;
        bool m_bCheckBox = false;
        bool m_bCenterCheckBox = false;
        int m_nBarMaxValue = -1;
        int m_nBarValue = 0;
        COLORREF m_crBarText = QL_DEFAULT_COLOR;
        UINT m_nBarEdge = EDGE_SUNKEN; // 10
        COLORREF m_crText = QL_DEFAULT_COLOR;
        COLORREF m_crBackground = QL_DEFAULT_COLOR;
        COLORREF m_crHotText = QL_DEFAULT_COLOR;
        COLORREF m_crSelectedText = QL_DEFAULT_COLOR;
        COLORREF m_crSelectedBackground = QL_DEFAULT_COLOR;
        COLORREF m_crSelectedTextNoFocus = QL_DEFAULT_COLOR;
        COLORREF m_crSelectedBackgroundNoFocus = QL_DEFAULT_COLOR;
        COLORREF m_crSelectedHotText = QL_DEFAULT_COLOR;
        COLORREF m_crSelectedHotBackground = QL_DEFAULT_COLOR;
    };

    // The cell cursor is about to move; the parent may clear m_bAllow.
    struct CNavigationTest {
        CQuickList* m_pList = nullptr;
        int m_nPreviousColumn = 0;
        int m_nNewColumn = 0;
        BOOL m_bAllow = TRUE;
    };

    // A click on a cell.
    struct CListHitInfo {
        CQuickList* m_pList = nullptr;
        int m_nItem = -1;
        int m_nSubItem = -1;
        bool m_bOnCheck = false;
        bool m_bOnImage = false;
    };

    ~CQuickList() override { FreeFonts(); }

    BOOL Create(DWORD style, const RECT& rc, HWND hParent, UINT nID);

    int InsertColumn(int col, const char* title, int format = LVCFMT_LEFT, int width = 80);
    int GetColumnCount() const;
    void SetItemCount(int count);
    int GetItemCount() const;
    void RedrawItems(int first, int last);
    void SetImageList(HIMAGELIST hImageList);
    HIMAGELIST GetImageList() const;
    void SetEmptyListText(const char* text);

    int GetSelectedItem() const;
    void SelectItem(int row);
    int GetFocusedColumn() const { return m_nFocusColumn; }

    // Asks the parent for one cell (the record starts from the defaults).
    void GetCellData(int row, int col, CListItemData& data);
    // The rectangle inside a cell's bar frame.
    static RECT BarInnerRect(const RECT& cell, UINT edge);

    // Paints one row as the list does (for WM_DRAWITEM).
    void DrawRow(const DRAWITEMSTRUCT& dis);

protected:
    void OnSubclassed() override;

    BEGIN_MSG_MAP(CQuickList, CWnd)
        ON_REFLECT(WM_DRAWITEM, OnDrawItem)
        ON_REFLECT_EX(WM_NOTIFY, OnReflectedNotify)
        ON_MESSAGE(WM_KEYDOWN, OnKeyDown)
        ON_MESSAGE(WM_CHAR, OnChar)
        ON_MESSAGE(WM_LBUTTONDOWN, OnLButtonDown)
        ON_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
        ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
        ON_MESSAGE(WM_PAINT, OnPaint)
        ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
        ON_MESSAGE(WM_SETFONT, OnSetFont)
    END_MSG_MAP()

    LRESULT OnDrawItem(WPARAM, LPARAM lParam);
    BOOL OnReflectedNotify(WPARAM, LPARAM lParam, LRESULT& lResult);
    LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnChar(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseLeave(WPARAM, LPARAM);
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnPrintClient(WPARAM wParam, LPARAM);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);

private:
    void DrawCell(HDC hDC, const RECT& cell, CListItemData& data, bool listFocused);
    // The empty-list text, centred 10 pixels below the header, when the list has no rows.
    void DrawEmptyText(HDC hDC);
    bool MoveFocusColumn(int newColumn);
    void SearchByChar(char ch);
    std::vector<std::string> ColumnTexts(int col);
    HFONT FontFor(bool bold, bool italic);
    void FreeFonts();

    int m_nFocusColumn = 0;
    int m_nHotItem = -1;
    bool m_bTracking = false;
    std::string m_strEmptyText;
    HFONT m_hFonts[4] = {}; // plain, bold, italic, bold italic (derived from the list's font)
};
