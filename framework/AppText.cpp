#include "framework/AppText.h"

#include <windows.h>

#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/TextFormat.h"

std::string LoadResString(unsigned id) {
    // LoadStringW with a zero buffer length hands out a pointer to the resource itself, so texts of
    // any length load whole; then convert with the system code page (932 here).
    const wchar_t* text = nullptr;
    const int length = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) return {};
    const int bytes = ::WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text, length, result.data(), bytes, nullptr, nullptr);
    return result;
}

std::string FormatResString(unsigned id, std::initializer_list<std::string_view> args) {
    return SubstituteArgs(LoadResString(id), args);
}

int AfxMessageBox(const std::string& text, unsigned type) {
    HWND owner = nullptr;
    // A frame that is not shown yet (a failed start-up) owns nothing.
    if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd != nullptr &&
                                    app->m_pMainWnd->m_hWnd != nullptr && app->m_pMainWnd->IsWindowVisible()) {
        owner = ::GetLastActivePopup(app->m_pMainWnd->m_hWnd);
    }
    return ::MessageBoxA(owner, text.c_str(), LoadResString(AFX_IDS_APP_TITLE).c_str(), type);
}

int AfxMessageBox(unsigned stringId, unsigned type) { return AfxMessageBox(LoadResString(stringId), type); }
