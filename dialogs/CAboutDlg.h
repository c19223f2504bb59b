// The about box: the program's name and version, the notice of rights, and links to the home page
// and to a mail to the author.
#pragma once

#include "controls/CHyperLink.h"
#include "framework/CDialog.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWnd* pParent = nullptr);

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;

private:
    CHyperLink m_linkHome;
    CHyperLink m_linkMail;
};
