// The search dialog: a text in the colour's name or reading, or red, green and blue ranges. It only
// collects the criteria; the caller searches.
#pragma once

#include <string>

#include "dialogs/RangeSpin.h"
#include "framework/CDialog.h"
#include "framework/CSpinButtonCtrl.h"

class CSearchDlg : public CDialog {
public:
    explicit CSearchDlg(CWnd* pParent = nullptr);

    // In exchange order: a validation message names the first wrong field of this order.
    short m_nRedMin = kChannelLowest;
    short m_nRedMax = kChannelHighest;
    short m_nGreenMin = kChannelLowest;
    short m_nGreenMax = kChannelHighest;
    short m_nBlueMin = kChannelLowest;
    short m_nBlueMax = kChannelHighest;
    std::string m_strSearchName;
    // The typed name holds a character code page 932 lacks (so no entry's name can contain it).
    bool m_bNameFindsNothing = false;
    int m_nSearchMode = -1;  // 0 by name, 1 by RGB ranges; -1 none chosen
    int m_bInitialized = 0;

    static const CCmdMap s_map;

protected:
    const CCmdMap* GetCommandMap() const override { return &s_map; }
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;

private:
    void OnRadioName();
    void OnRadioRgb();
    void OnReset();
    void OnChangeRedMin();
    void OnChangeRedMax();
    void OnChangeGreenMin();
    void OnChangeGreenMax();
    void OnChangeBlueMin();
    void OnChangeBlueMax();

    void SwitchMode(int mode);
    void EnableForMode() const;
    // Re-reads the fields and moves the partner's up-down range to a valid typed bound.
    void OnBoundChanged(int editId, BoundEnd end, const CSpinButtonCtrl& partner);
    void SetSpinRanges() const;

    static const CCmdEntry s_entries[];

    CSpinButtonCtrl m_spinRedMin;
    CSpinButtonCtrl m_spinRedMax;
    CSpinButtonCtrl m_spinGreenMin;
    CSpinButtonCtrl m_spinGreenMax;
    CSpinButtonCtrl m_spinBlueMin;
    CSpinButtonCtrl m_spinBlueMax;
};
