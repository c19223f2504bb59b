#include "framework/AppText.h"

#include <windows.h>

#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/TextFormat.h"
#include "framework/WideText.h"

std::wstring LoadResStringW(unsigned id) {
    // LoadStringW with a zero buffer length hands out a pointer to the resource itself, so texts of
    // any length load whole.
    const wchar_t* text = nullptr;
    const int length = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) return {};
    return std::wstring(text, static_cast<std::size_t>(length));
}

// The string table holds only texts that code page 932 spells.
std::string LoadResString(unsigned id) { return Cp932FromWide(LoadResStringW(id)).value_or(std::string()); }

std::string FormatResString(unsigned id, std::initializer_list<std::string_view> args) {
    return SubstituteArgs<char>(LoadResString(id), args);
}

std::wstring FormatResString(unsigned id, std::initializer_list<std::wstring_view> args) {
    return SubstituteArgs<wchar_t>(LoadResStringW(id), args);
}

int AfxMessageBox(const std::wstring& text, unsigned type) {
    HWND owner = nullptr;
    // A frame that is not shown yet (a failed start-up) owns nothing.
    if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd != nullptr &&
                                    app->m_pMainWnd->m_hWnd != nullptr && app->m_pMainWnd->IsWindowVisible()) {
        owner = ::GetLastActivePopup(app->m_pMainWnd->m_hWnd);
    }
    return ::MessageBoxW(owner, text.c_str(), LoadResStringW(AFX_IDS_APP_TITLE).c_str(), type);
}

int AfxMessageBox(const std::string& text, unsigned type) { return AfxMessageBox(WideFromCp932(text), type); }

int AfxMessageBox(unsigned stringId, unsigned type) { return AfxMessageBox(LoadResString(stringId), type); }
