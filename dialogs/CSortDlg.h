// The sort dialog: one of eight sort keys, numbered as its radio buttons.
#pragma once

#include "framework/CDialog.h"

class CSortDlg : public CDialog {
public:
    explicit CSortDlg(CWnd* pParent = nullptr);

    int m_nSortKey = -1;  // 0 reading ascending ... 7 blue descending; -1 none chosen

protected:
    void DoDataExchange(CDataExchange& dx) override;
};
