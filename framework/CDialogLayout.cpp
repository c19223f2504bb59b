#include "framework/CDialogLayout.h"

#include <commctrl.h>

#include <cwchar>
#include <iterator>
#include <span>

#include "framework/CDC.h"

namespace {
constexpr int kPointsPerInch = 72;
constexpr wchar_t kLatinLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

std::span<const std::byte> TemplateBytes(UINT templateId) {
    const HMODULE module = ::GetModuleHandleW(nullptr);
    const HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5));  // RT_DIALOG
    const HGLOBAL loaded = resource != nullptr ? ::LoadResource(module, resource) : nullptr;
    const auto* bytes = static_cast<const std::byte*>(loaded != nullptr ? ::LockResource(loaded) : nullptr);
    if (bytes == nullptr) return {};
    return {bytes, ::SizeofResource(module, resource)};
}

DialogBaseUnits MeasureBaseUnits(HWND dialog, HFONT font) {
    const CClientDC dc(dialog);
    dc.SelectObject(font);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc.GetSafeHdc(), kLatinLetters, static_cast<int>(std::wcslen(kLatinLetters)), &extent);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc.GetSafeHdc(), &metrics);
    return BaseUnitsOfFont(extent.cx, metrics.tmHeight);
}

bool IsUpDown(HWND control) {
    wchar_t name[32] = {};
    ::GetClassNameW(control, name, static_cast<int>(std::size(name)));
    return ::lstrcmpiW(name, UPDOWN_CLASSW) == 0;
}
}  // namespace

bool CDialogLayout::Capture(HWND dialog, UINT templateId) {
    std::optional<DialogTemplateLayout> layout = ParseDialogTemplate(TemplateBytes(templateId));
    if (!layout || !layout->font) return false;
    std::vector<HWND> controls;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        controls.push_back(child);
    }
    if (controls.size() != layout->controls.size()) return false;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const int id = layout->controls[i].id;
        if (id != -1 && ::GetDlgCtrlID(controls[i]) != id) return false;
    }
    m_template = std::move(*layout);
    m_controls = std::move(controls);
    return true;
}

bool CDialogLayout::CreateFontAt(int dpi, CFont& font) const {
    if (m_controls.empty()) return false;
    const DialogTemplateFont& face = *m_template.font;
    LOGFONTW logFont{};
    logFont.lfHeight = -::MulDiv(face.pointSize, dpi, kPointsPerInch);
    logFont.lfWeight = face.weight;
    logFont.lfItalic = face.italic ? TRUE : FALSE;
    logFont.lfCharSet = static_cast<BYTE>(face.charset);
    face.face.copy(reinterpret_cast<char16_t*>(logFont.lfFaceName), LF_FACESIZE - 1);
    return font.CreateFontIndirect(logFont);
}

SIZE CDialogLayout::SizeAt(HWND dialog, int dpi) const {
    CFont font;
    if (!CreateFontAt(dpi, font)) return {};
    const DialogItemBox client =
        MapDialogUnits({0, 0, m_template.width, m_template.height}, MeasureBaseUnits(dialog, font.GetSafeHandle()));
    return {client.width, client.height};
}

SIZE CDialogLayout::Apply(HWND dialog, int dpi) {
    CFont font;
    if (!CreateFontAt(dpi, font)) return {};
    const DialogBaseUnits base = MeasureBaseUnits(dialog, font.GetSafeHandle());
    const auto handle = reinterpret_cast<WPARAM>(font.GetSafeHandle());
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const DialogItemBox box = MapDialogUnits(m_template.controls[i].box, base);
        ::SetWindowPos(m_controls[i], nullptr, box.x, box.y, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
        ::SendMessageW(m_controls[i], WM_SETFONT, handle, FALSE);
    }
    // An up-down set at its buddy's side takes its place there again, narrowing the buddy, as it
    // did when the dialog was made.
    for (const HWND control : m_controls) {
        if (!IsUpDown(control)) continue;
        if (const LRESULT buddy = ::SendMessageW(control, UDM_GETBUDDY, 0, 0)) {
            ::SendMessageW(control, UDM_SETBUDDY, static_cast<WPARAM>(buddy), 0);
        }
    }
    m_font = std::move(font);  // the old font goes only now that no control uses it
    ::InvalidateRect(dialog, nullptr, TRUE);
    const DialogItemBox client = MapDialogUnits({0, 0, m_template.width, m_template.height}, base);
    return {client.width, client.height};
}
