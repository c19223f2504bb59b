#include "framework/CDataExchange.h"

#include <climits>
#include <optional>

#include "framework/AppText.h"
#include "framework/CWnd.h"
#include "framework/CrtNumber.h"
#include "framework/TextFormat.h"
#include "framework/WideText.h"

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
        if (m_bEditLastControl) ::SendMessageW(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    throw CUserException();
}

namespace {
// Writing leaves a control alone when its text would not change: no spurious change
// notification, no caret jump, no flicker.
void SetControlText(HWND control, const std::wstring& text) {
    if (WindowTextOf(control) != text) ::SetWindowTextW(control, text.c_str());
}

// A field for a number or a code takes no input method; what comes all the same is read as ASCII.
template <class T>
void ExchangeInteger(CDataExchange& dx, int id, T& value, long minValue, long maxValue) {
    const HWND control = dx.PrepareEditCtrl(id);
    if (!dx.m_bSaveAndValidate) {
        TakeNoInputMethod(control);
        SetControlText(control, std::to_wstring(value));
        return;
    }
    const std::optional<long> parsed = ParseDialogInteger(Cp932FromWide(CodeTextOf(control)).value_or(std::string()));
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

// A text that reads back as the member shows keeps the member's own bytes, so bytes that are not
// code page 932 (shown as its replacement character) survive an OK that changed nothing.
bool DDX_TextIfSpelled(CDataExchange& dx, int id, std::string& value) {
    const HWND control = dx.PrepareEditCtrl(id);
    if (!dx.m_bSaveAndValidate) {
        SetControlText(control, WideFromCp932(value));
        return true;
    }
    const std::wstring shown = WindowTextOf(control);
    // An edit control shows a text up to its first NUL: a value with one reads back shorter.
    const std::wstring spelled = WideFromCp932(value);
    if (shown == std::wstring_view(spelled.c_str())) return true;
    std::optional<std::string> text = Cp932FromWide(shown);
    if (!text) return false;
    dx.SetUndo([&value, old = value] { value = old; });
    value = std::move(*text);
    return true;
}

namespace {
void ReportCharset(CDataExchange& dx) {
    const std::string label = Cp932FromWide(WindowTextOf(::GetWindow(dx.GetLastControl(), GW_HWNDPREV))).value_or("");
    AfxMessageBox(FormatResString(AFX_IDP_PARSE_CHARSET, {FieldNameFromLabel(label)}));
    dx.Fail();
}
}  // namespace

void DDX_Text(CDataExchange& dx, int id, std::string& value) {
    if (!DDX_TextIfSpelled(dx, id, value)) ReportCharset(dx);
}

void DDX_CodeText(CDataExchange& dx, int id, std::string& value) {
    const HWND control = dx.PrepareEditCtrl(id);
    if (!dx.m_bSaveAndValidate) {
        TakeNoInputMethod(control);
        // A field that reads as the value already (full-width as pasted) keeps its text and caret.
        const std::wstring spelled = WideFromCp932(value);
        if (CodeTextOf(control) != spelled) SetControlText(control, spelled);
        return;
    }
    std::optional<std::string> text = Cp932FromWide(CodeTextOf(control));
    if (!text) ReportCharset(dx);
    dx.SetUndo([&value, old = value] { value = old; });
    value = std::move(text).value_or(std::string());
}

void DDX_Radio(CDataExchange& dx, int id, int& value) {
    HWND control = dx.PrepareCtrl(id);
    if (dx.m_bSaveAndValidate) value = -1;
    // The group runs from the first button to the next control with WS_GROUP.
    for (int index = 0; control != nullptr; ++index) {
        if (dx.m_bSaveAndValidate) {
            if (::SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
        } else {
            ::SendMessageW(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        control = ::GetWindow(control, GW_HWNDNEXT);
        if (control == nullptr || (::GetWindowLongW(control, GWL_STYLE) & WS_GROUP) != 0) break;
    }
}

void DDX_Check(CDataExchange& dx, int id, int& value) {
    const HWND control = dx.PrepareCtrl(id);
    if (dx.m_bSaveAndValidate) {
        value = ::SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    } else {
        ::SendMessageW(control, BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
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
        // The edit counts UTF-16 units, which are never more than the bytes (a full-width character
        // is one unit but two bytes): typing may go past the byte limit, which the check above holds.
        ::SendMessageW(dx.GetLastControl(), EM_LIMITTEXT, static_cast<WPARAM>(maxBytes), 0);
    }
}

void DDX_Control(CDataExchange& dx, int id, CWnd& control) {
    if (control.m_hWnd == nullptr) control.SubclassDlgItem(id, *dx.m_pDlgWnd);
}
