// The colour data editor: the whole catalogue as a list to add to, change, delete from and
// re-order, and one entry's fields with its HTML code and a swatch. Nothing reaches the catalogue
// before OK, which replaces it in list order and has it saved.
#pragma once

#include <string>
#include <vector>

#include "dialogs/ColorEntryRules.h"
#include "dialogs/ColorSwatch.h"
#include "framework/CDialog.h"
#include "framework/CListCtrl.h"
#include "framework/CSpinButtonCtrl.h"
#include "res/resource.h"

class CHuesmithDoc;

class CColorEditDlg : public CDialog {
public:
    explicit CColorEditDlg(CWnd* pParent = nullptr);

    int m_bModified = 0;  // 1 once the list was changed in this run
    CHuesmithDoc* m_pDoc = nullptr;
    // In exchange order, after the list and the up-downs.
    std::string m_strName;
    std::string m_strReading;
    short m_nRed = 0;
    short m_nGreen = 0;
    short m_nBlue = 0;
    std::string m_strHtmlCode;
    int m_bInitialized = 0;
    // The headings' directions: the caller keeps them from one run to the next.
    ColorEditSortDirections m_sortDirections;

    static const CCmdMap s_map;

protected:
    const CCmdMap* GetCommandMap() const override { return &s_map; }
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnPaint() override;
    void OnRescaled(UINT dpi) override;
    void OnOK() override;

private:
    // Where the swatch is now: its frame moves when the dialog is rescaled.
    RECT SwatchRect() const { return SwatchRectFromFrame(*this, IDC_STATIC_DATA_SWATCH); }
    struct ListRow {
        std::string name;
        std::string reading;
        short red;
        short green;
        short blue;
    };

    void OnChangeBrightness();
    void OnChangeHtmlCode();
    void OnAdd();
    void OnModify();
    void OnDelete();
    void OnClickList(NMHDR& header, LRESULT& result);
    void OnColumnClickList(NMHDR& header, LRESULT& result);
    void OnDeleteAllItemsList(NMHDR& header, LRESULT& result);

    void InsertColumns() const;
    // The row an item of the list stands for, exactly as held.
    const ListRow& RowOf(int item) const;
    void ShowRow(int item, const ListRow& row) const;
    void AppendRow(const ListRow& row);
    ListRow FieldsAsRow() const;
    // Shows why the name and reading cannot make an entry; false then.
    bool AcceptEntryFields() const;
    bool ListsSameEntry() const;
    void SortByColumn(int column, int direction);
    void MarkModified();
    void UpdateTitle() const;

    static const CCmdEntry s_entries[];

    CListCtrl m_list;
    // Every row the list has held, each item's data its index here: an entry nobody changed keeps
    // its own bytes, which the list's UTF-16 cells could not all give back.
    std::vector<ListRow> m_rows;
    CSpinButtonCtrl m_spinBlue;
    CSpinButtonCtrl m_spinGreen;
    CSpinButtonCtrl m_spinRed;
};
