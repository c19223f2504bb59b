// The view's browsing commands: search, display by category, sort, and the View menu's marks of
// the command that built the list.
#include <span>

#include "catalogue/CHuesmithDoc.h"
#include "catalogue/CategoryFilter.h"
#include "dialogs/CCategoryDlg.h"
#include "dialogs/CSearchDlg.h"
#include "dialogs/CSortDlg.h"
#include "framework/CCmdUI.h"
#include "framework/CWinApp.h"
#include "res/resource.h"
#include "view/CHuesmithView.h"

namespace {
constexpr int kSearchByName = 0;
constexpr int kCategoryByReading = 0;
}  // namespace

// Each command ends in FillNameCombo (or the show-all step), which leaves nothing selected; the
// current colour, the sliders and the preview stay as they are.

void CHuesmithView::OnSearch() {
    UpdateData(true);
    CSearchDlg dlg;
    dlg.m_nSearchMode = m_search.nMode;
    dlg.m_strSearchName = m_search.strName;
    dlg.m_nRedMin = m_search.nRedMin;
    dlg.m_nRedMax = m_search.nRedMax;
    dlg.m_nGreenMin = m_search.nGreenMin;
    dlg.m_nGreenMax = m_search.nGreenMax;
    dlg.m_nBlueMin = m_search.nBlueMin;
    dlg.m_nBlueMax = m_search.nBlueMax;
    if (dlg.DoModal() != IDOK) return;

    CWaitCursor wait;
    m_search = {dlg.m_nSearchMode, dlg.m_strSearchName, dlg.m_nRedMin,  dlg.m_nRedMax,
                dlg.m_nGreenMin,   dlg.m_nGreenMax,     dlg.m_nBlueMin, dlg.m_nBlueMax};
    CHuesmithDoc& doc = *GetDocument();
    if (m_search.nMode == kSearchByName && dlg.m_bNameFindsNothing) {
        doc.ClearDisplay();
    } else if (m_search.nMode == kSearchByName) {
        doc.FilterByName(m_search.strName);
    } else {
        doc.FilterByRange(m_search.nRedMin, m_search.nRedMax, m_search.nGreenMin, m_search.nGreenMax,
                          m_search.nBlueMin, m_search.nBlueMax);
    }
    // A search that finds everything lists the catalogue as show-all does, so it is marked so.
    m_nDisplayMode = doc.GetDisplayCount() == doc.GetCount() ? ID_VIEW_ALL : ID_VIEW_SEARCH;
    FillNameCombo();
}

void CHuesmithView::OnCategory() {
    CCategoryDlg dlg;
    dlg.m_nMode = m_category.nMode;
    dlg.m_bRow = m_category.bRow;
    dlg.m_bFamily = m_category.bFamily;
    if (dlg.DoModal() != IDOK) return;

    CWaitCursor wait;
    m_category = {dlg.m_nMode, dlg.m_bRow, dlg.m_bFamily};
    const bool byReading = m_category.nMode == kCategoryByReading;
    const std::span<const int> chosen =
        byReading ? std::span<const int>(m_category.bRow) : std::span<const int>(m_category.bFamily);
    // No box or every box narrows nothing.
    if (ChoosesNoneOrAll(chosen)) {
        OnViewAll();
        return;
    }
    CHuesmithDoc& doc = *GetDocument();
    doc.ClearDisplay();
    if (byReading) {
        doc.FilterByReading(JoinKanaRows(m_category.bRow));
    } else {
        const FamilyFilterArgs args = FamilyFilterFor(m_category.bFamily);
        doc.FilterByFamily(args.hueLo, args.hueHi, args.satLo, args.satHi);
    }
    m_nDisplayMode = ID_VIEW_CATEGORY;
    FillNameCombo();
}

// Sorting reorders what is listed and keeps the display mode: a sorted full list is still "all".
void CHuesmithView::OnSort() {
    CSortDlg dlg;
    dlg.m_nSortKey = m_nSortKey;
    if (dlg.DoModal() != IDOK) return;

    m_nSortKey = dlg.m_nSortKey;
    CWaitCursor wait;
    CHuesmithDoc& doc = *GetDocument();
    doc.SortDisplay(0, doc.GetDisplayCount() - 1, m_nSortKey);
    FillNameCombo();
}

void CHuesmithView::OnUpdateDisplayMode(CCmdUI& ui) { ui.SetRadio(static_cast<int>(ui.m_nID) == m_nDisplayMode); }
