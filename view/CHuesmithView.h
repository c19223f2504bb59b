// The main form: the colour-name list, the red, green and blue fields, spins and sliders, the
// background/text radio buttons and the preview strip.
#pragma once

#include <array>
#include <string>

#include "catalogue/CategoryFilter.h"
#include "catalogue/HsColor.h"
#include "dialogs/ColorEntryRules.h"
#include "framework/CFormView.h"
#include "framework/CGdiObject.h"
#include "framework/CToolTipCtrl.h"

class CCmdUI;
class CHuesmithDoc;

class CHuesmithView : public CFormView {
public:
    CHuesmithView();
    ~CHuesmithView() override;

    bool Create(CFrameWnd& parent, UINT id, CDocument& document) override;
    bool PreTranslateMessage(MSG& msg) override;
    void OnInitialUpdate() override;

    // Refills the colour-name list and the frame's caption from the display list.
    void FillNameCombo();
    // The show-all step (also the show-all command).
    void OnViewAll();
    // Writes the current colour to the controls and hands it to the document.
    void ApplyCurrentColor();
    // Lists the whole catalogue and selects the entry nearest to the current colour.
    void SelectNearest();

    static const CCmdMap s_map;

protected:
    const CCmdMap* GetCommandMap() const override { return &s_map; }
    void DoDataExchange(CDataExchange& dx) override;
    void OnDraw(CDC* pDC) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlColor) override;
    void OnHScroll(UINT code, UINT pos, HWND scrollBar) override;

private:
    void OnRadioBackground();
    void OnRadioTextColor();
    void OnSelchangeComboName();
    void OnChangeEditRed();
    void OnChangeEditGreen();
    void OnChangeEditBlue();
    // Browsing commands (CHuesmithView_Browse.cpp).
    void OnSearch();
    void OnCategory();
    void OnSort();
    void OnUpdateDisplayMode(CCmdUI& ui);
    // Colour commands (CHuesmithView_Colour.cpp).
    void OnEditCopy();
    void OnEditPaste();
    void OnInverse();
    void OnColorDialog();
    void OnOption();
    void OnHelpContents();
    // The screen eyedropper (CHuesmithView_Eyedropper.cpp).
    void OnEyedropper();
    void OnContrast();
    // A colour chosen in a dialog: the fields, the strip, the whole catalogue listed, the nearest
    // name selected.
    void ApplyChosenColor(HsColor color);
    // Hex conversion (CHuesmithView_Edit.cpp).
    void OnHexConvert();
    // The colour data editor (CHuesmithView_ColorEdit.cpp).
    void OnColorEdit();

    // One channel's change step: read the fields back, move its slider, hand the colour on.
    void OnChannelChanged(int sliderId, const short& channel);
    // Loads a preview colour into the current colour when the radio buttons switch.
    void SwitchTarget(int target);
    void SetSliderPositions() const;
    CHuesmithDoc* GetDocument() const;

    static const CCmdEntry s_entries[];

    int m_nColorTarget = 0;  // 0: background colour, 1: text colour
    short m_nRed = 255;
    short m_nGreen = 255;
    short m_nBlue = 255;
    CToolTipCtrl m_tooltip;
    int m_nDisplayMode = 0;  // command id that built the display list; 0 none
    int m_bInitialized = 0;
    CBrush m_brushBack;

    // The browsing dialogs' last accepted settings, kept for the run only.
    struct SearchSettings {
        int nMode = 0;  // 0 by name, 1 by red, green and blue ranges
        std::string strName;
        short nRedMin = 0;
        short nRedMax = 255;
        short nGreenMin = 0;
        short nGreenMax = 255;
        short nBlueMin = 0;
        short nBlueMax = 255;
    };
    struct CategorySettings {
        int nMode = 0;  // 0 by kana row of the reading, 1 by colour family
        std::array<int, kKanaRowCount> bRow{};
        std::array<int, kColorFamilyCount> bFamily{};
    };
    SearchSettings m_search;
    CategorySettings m_category;
    int m_nSortKey = 0;
    // The colour data editor's heading directions, kept for the run.
    ColorEditSortDirections m_colorEditSort;
};
