#include "framework/CDataExchange.h"

#include <climits>
#include <optional>

#include "framework/AppText.h"
#include "framework/CWnd.h"
#include "framework/CrtNumber.h"

HWND CDataExchange::PrepareCtrl(int id) {
    m_undoLast = nullptr;
    m_hWndLastControl = m_pDlgWnd->GetDlgItem(id);
    m_bEditLastControl = false;
    return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
    const HWND control = PrepareCtrl(id);
    m_bEditLastControl = true;
    return control;
}

void CDataExchange::Fail() {
    if (m_undoLast) m_undoLast();
    if (m_bSaveAndValidate && m_hWndLastControl != nullptr) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl) ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    throw CUserException();
}

namespace {
// Room for any field the dialogs limit; a longer text is read again at its full length.
constexpr int kFieldTextBytes = 256;

// One message for the usual short text: under Wine an edit with an up-down buddy answers each
// message through the buddy's subclass (window-property look-ups in the server), and
// WM_GETTEXTLENGTH through the ANSI API costs a full WM_GETTEXT besides.
std::string ControlText(HWND control) {
    char buffer[kFieldTextBytes];
    const int copied = ::GetWindowTextA(control, buffer, kFieldTextBytes);
    // A cut text fills the buffer to its last byte or, not to split a double-byte character, the one
    // before it.
    if (copied + 2 < kFieldTextBytes) return std::string(buffer, static_cast<std::size_t>(copied > 0 ? copied : 0));
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(control)) + 1, '\0');
    const int whole = ::GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(whole > 0 ? whole : 0));
    return text;
}

// Writing leaves a control alone when its text would not change: no spurious change
// notification, no caret jump, no flicker.
void SetControlText(HWND control, const std::string& text) {
    if (ControlText(control) != text) ::SetWindowTextA(control, text.c_str());
}

template <class T>
void ExchangeInteger(CDataExchange& dx, int id, T& value, long minValue, long maxValue) {
    const HWND control = dx.PrepareEditCtrl(id);
    if (!dx.m_bSaveAndValidate) {
        SetControlText(control, std::to_string(value));
        return;
    }
    const std::optional<long> parsed = ParseDialogInteger(ControlText(control));
    if (!parsed || *parsed < minValue || *parsed > maxValue) {
        AfxMessageBox(AFX_IDP_PARSE_INT);
        dx.Fail();
    }
    dx.SetUndo([&value, old = value] { value = old; });
    value = static_cast<T>(*parsed);
}

void ReportRange(CDataExchange& dx, long minValue, long maxValue) {
    AfxMessageBox(FormatResString(AFX_IDP_PARSE_INT_RANGE, {std::to_string(minValue), std::to_string(maxValue)}));
    dx.Fail();
}
}  // namespace

void DDX_Text(CDataExchange& dx, int id, short& value) { ExchangeInteger(dx, id, value, SHRT_MIN, SHRT_MAX); }

void DDX_Text(CDataExchange& dx, int id, int& value) { ExchangeInteger(dx, id, value, INT_MIN, INT_MAX); }

void DDX_Text(CDataExchange& dx, int id, std::string& value) {
    const HWND control = dx.PrepareEditCtrl(id);
    if (dx.m_bSaveAndValidate) {
        dx.SetUndo([&value, old = value] { value = old; });
        value = ControlText(control);
    } else {
        SetControlText(control, value);
    }
}

void DDX_Radio(CDataExchange& dx, int id, int& value) {
    HWND control = dx.PrepareCtrl(id);
    if (dx.m_bSaveAndValidate) value = -1;
    // The group runs from the first button to the next control with WS_GROUP.
    for (int index = 0; control != nullptr; ++index) {
        if (dx.m_bSaveAndValidate) {
            if (::SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
        } else {
            ::SendMessageA(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        control = ::GetWindow(control, GW_HWNDNEXT);
        if (control == nullptr || (::GetWindowLongA(control, GWL_STYLE) & WS_GROUP) != 0) break;
    }
}

void DDX_Check(CDataExchange& dx, int id, int& value) {
    const HWND control = dx.PrepareCtrl(id);
    if (dx.m_bSaveAndValidate) {
        value = ::SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    } else {
        ::SendMessageA(control, BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void DDV_MinMaxShort(CDataExchange& dx, short value, short minValue, short maxValue) {
    if (dx.m_bSaveAndValidate && (value < minValue || value > maxValue)) ReportRange(dx, minValue, maxValue);
}

void DDV_MinMaxInt(CDataExchange& dx, int value, int minValue, int maxValue) {
    if (dx.m_bSaveAndValidate && (value < minValue || value > maxValue)) ReportRange(dx, minValue, maxValue);
}

void DDV_MaxChars(CDataExchange& dx, const std::string& value, int maxBytes) {
    if (dx.m_bSaveAndValidate && static_cast<int>(value.size()) > maxBytes) {
        AfxMessageBox(FormatResString(AFX_IDP_PARSE_STRING_SIZE, {std::to_string(maxBytes)}));
        dx.Fail();
    } else if (!dx.m_bSaveAndValidate && dx.GetLastControl() != nullptr) {
        ::SendMessageA(dx.GetLastControl(), EM_LIMITTEXT, static_cast<WPARAM>(maxBytes), 0);
    }
}

void DDX_Control(CDataExchange& dx, int id, CWnd& control) {
    if (control.m_hWnd == nullptr) control.SubclassDlgItem(id, *dx.m_pDlgWnd);
}
