// Data exchange between a window's members and its controls, with the standard validations. A
// failed validation shows the standard message, focuses the control, selects an edit's text and
// stops the exchange (CUserException, caught by UpdateData).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class CWnd;

class CUserException {};

class CDataExchange {
public:
    CDataExchange(CWnd& wnd, bool saveAndValidate) : m_pDlgWnd(&wnd), m_bSaveAndValidate(saveAndValidate) {}

    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    HWND GetLastControl() const { return m_hWndLastControl; }
    // Puts the member read last back to its old value when the validation after it fails, so a
    // rejected value never stays in the member.
    void SetUndo(std::function<void()> undo) { m_undoLast = std::move(undo); }
    [[noreturn]] void Fail();

    CWnd* m_pDlgWnd;
    bool m_bSaveAndValidate;

private:
    HWND m_hWndLastControl = nullptr;
    bool m_bEditLastControl = false;
    std::function<void()> m_undoLast;
};

void DDX_Text(CDataExchange& dx, int id, short& value);
void DDX_Text(CDataExchange& dx, int id, int& value);
// A text with a character that code page 932 lacks is refused with a message naming the field
// (its label); the IfSpelled form leaves the member as it was and returns false instead.
void DDX_Text(CDataExchange& dx, int id, std::string& value);
// A hexadecimal or HTML code: no input method, full-width digits and letters read as ASCII.
void DDX_CodeText(CDataExchange& dx, int id, std::string& value);
bool DDX_TextIfSpelled(CDataExchange& dx, int id, std::string& value);
void DDX_Radio(CDataExchange& dx, int id, int& value);
// A check box: 0 unchecked, 1 checked.
void DDX_Check(CDataExchange& dx, int id, int& value);
void DDV_MinMaxShort(CDataExchange& dx, short value, short minValue, short maxValue);
void DDV_MinMaxInt(CDataExchange& dx, int value, int minValue, int maxValue);
// Limit in bytes (code page 932) of a text field.
void DDV_MaxChars(CDataExchange& dx, const std::string& value, int maxBytes);
// Subclasses the control with this id as the member's window, once (the hyperlink of a dialog).
void DDX_Control(CDataExchange& dx, int id, CWnd& control);
