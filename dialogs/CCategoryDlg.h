// The display-by-category dialog: kana rows of the reading, or colour families. It only collects
// the choice; the caller filters.
#pragma once

#include <array>

#include "framework/CDialog.h"

class CCategoryDlg : public CDialog {
public:
    static constexpr int kRowCount = 10;     // ア to ワ
    static constexpr int kFamilyCount = 5;  // red, yellow, green, blue, black/white/grey

    explicit CCategoryDlg(CWnd* pParent = nullptr);

    int m_nMode = -1;                          // 0 by reading, 1 by colour; -1 none chosen
    std::array<int, kRowCount> m_bRow{};        // 1: the row's box is checked
    std::array<int, kFamilyCount> m_bFamily{};  // 1: the family's box is checked
    int m_bInitDone = 0;

    static const CCmdMap s_map;

protected:
    const CCmdMap* GetCommandMap() const override { return &s_map; }
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;

private:
    void OnRadioReading();
    void OnRadioColor();
    void SwitchMode(int mode);
    void EnableForMode() const;

    static const CCmdEntry s_entries[];
};
