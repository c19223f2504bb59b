// The options dialog: the preview text, the text put before a copied code and the letter case of
// its digits. It only edits copies; the caller takes them back after OK.
#pragma once

#include <string>

#include "framework/CDialog.h"

class COptionDlg : public CDialog {
public:
    explicit COptionDlg(CWnd* pParent = nullptr);

    // In exchange order.
    std::string m_strPreview;
    std::string m_strCopyPrefix;
    int m_nCase = 0;  // 0 upper case, 1 lower case
    std::string m_strCaseLabel = "RRGGBB";
    int m_bInitDone = 0;

    static const CCmdMap s_map;

protected:
    const CCmdMap* GetCommandMap() const override { return &s_map; }
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;

private:
    void OnRadioUpperCase();
    void OnRadioLowerCase();
    void SetCase(int nCase);

    static const CCmdEntry s_entries[];
};
