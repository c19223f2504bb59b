// The contrast dialog: the preview strip's pair with its contrast ratio and the four verdicts, the
// catalogue names nearest to the colour being adjusted, and the nearest colour that reads at a
// chosen level. A name or that colour becomes the proposal, which the caller applies after OK.
// Either colour of the pair can be taken from the screen; the pair is also shown as people with
// each colour-vision deficiency see it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "catalogue/HsColor.h"
#include "catalogue/NearestNames.h"
#include "dialogs/ColorSwatch.h"
#include "framework/CDialog.h"
#include "framework/CHandle.h"
#include "framework/CListCtrl.h"
#include "res/resource.h"

class CHuesmithDoc;

class CContrastDlg : public CDialog {
public:
    explicit CContrastDlg(CWnd* pParent = nullptr);

    // Given: the catalogue, the pair, which of the two is being adjusted and the preview text.
    // After OK the pair holds what was taken from the screen.
    const CHuesmithDoc* m_pDoc = nullptr;
    HsColor m_crBack = 0xFFFFFF;
    HsColor m_crText = 0x000000;
    bool m_bAdjustingText = false;
    std::string m_strPreview;
    // The level a proposal must reach: 0 AA for normal text, 1 AAA for normal text.
    int m_nLevel = 0;
    // Read after OK: the colour proposed for the one being adjusted, if any.
    std::optional<HsColor> m_proposal;

    static const CCmdMap s_map;

protected:
    const CCmdMap* GetCommandMap() const override { return &s_map; }
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnPaint() override;
    void OnRescaled(UINT dpi) override;

private:
    // Where the swatch is now: its frame moves when the dialog is rescaled.
    RECT SwatchRect() const { return SwatchRectFromFrame(*this, IDC_STATIC_CONTRAST_SWATCH); }
    void OnUseName();
    void OnDblClkNames(NMHDR& header, LRESULT& result);
    void OnPropose();
    void OnPickBack() { PickFromScreen(m_crBack); }
    void OnPickText() { PickFromScreen(m_crText); }
    void OnLevel();
    void PickFromScreen(HsColor& colour);
    double RequiredRatio() const;
    void ShowVisions() const;
    void PaintVisions(const class CDC& dc) const;

    HsColor Adjusted() const { return m_bAdjustingText ? m_crText : m_crBack; }
    HsColor Other() const { return m_bAdjustingText ? m_crBack : m_crText; }
    void ShowPair() const;
    void AddNameColumns();
    void FillNames();
    void ProposeName(int item);
    void MakeSwatches(int dpi);
    // The colour of a catalogue entry as choosing it applies it.
    HsColor CatalogueColour(int index) const;
    // Shows the proposal, or `absentTextId`'s text when there is none.
    void ShowProposal(unsigned absentTextId);
    void PaintPair(const class CDC& dc) const;

    static const CCmdEntry s_entries[];

    CListCtrl m_list;
    std::vector<NearestName> m_names;
    bool m_bProposalReadable = false;  // the proposal is the nearest readable colour, not a name
    CHandle<HIMAGELIST, &::ImageList_Destroy> m_swatches;  // the list shares it (LVS_SHAREIMAGELISTS)
};
