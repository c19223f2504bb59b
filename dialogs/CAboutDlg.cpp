#include "dialogs/CAboutDlg.h"

#include <string_view>

#include "controls/LinkText.h"
#include "framework/CDataExchange.h"
#include "res/resource.h"

namespace {
// The texts of the two links in the template show these; only the targets are set here.
constexpr std::string_view kHomePageUrl = "https://huesmith.example.org/";
constexpr std::string_view kMailAddress = "support@huesmith.example.org";
// UTF-8, as a mailto: URL carries text beyond ASCII; it is percent-encoded into the target.
constexpr std::u8string_view kMailSubject = u8"Huesmithに関して";
}  // namespace

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialog(IDD_ABOUTBOX, pParent) {}

void CAboutDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDC_LINK_HOME, m_linkHome);
    DDX_Control(dx, IDC_LINK_MAIL, m_linkMail);
}

bool CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();  // attaches the links; each takes its own text as its target
    m_linkHome.SetUrl(std::string(kHomePageUrl));
    m_linkMail.SetUrl(MailtoUrl(kMailAddress, kMailSubject));
    return true;
}
