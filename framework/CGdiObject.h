// GDI objects, each owned by exactly one object and deleted with it. Declare an object before the
// DC that selects it, so that the DC puts the old object back before the object is deleted.
#pragma once

#include <windows.h>

#include "framework/CHandle.h"

namespace gdi_detail {
inline void DeleteGdiObject(HGDIOBJ object) { ::DeleteObject(object); }
}  // namespace gdi_detail

template <class H>
class CGdiObject {
public:
    H GetSafeHandle() const { return m_handle.Get(); }
    explicit operator bool() const { return static_cast<bool>(m_handle); }
    void DeleteObject() { m_handle.Reset(); }

protected:
    bool Take(H handle) {
        m_handle.Attach(handle);
        return handle != nullptr;
    }

private:
    static void Close(H handle) { gdi_detail::DeleteGdiObject(handle); }
    CHandle<H, &CGdiObject::Close> m_handle;
};

class CBrush : public CGdiObject<HBRUSH> {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    bool CreateSolidBrush(COLORREF color) { return Take(::CreateSolidBrush(color)); }
};

class CFont : public CGdiObject<HFONT> {
public:
    bool CreateFontIndirect(const LOGFONTW& font) { return Take(::CreateFontIndirectW(&font)); }
};

class CBitmap : public CGdiObject<HBITMAP> {
public:
    bool CreateCompatibleBitmap(HDC dc, int width, int height) {
        return Take(::CreateCompatibleBitmap(dc, width, height));
    }
};

class CPen : public CGdiObject<HPEN> {
public:
    bool CreatePen(int style, int width, COLORREF color) { return Take(::CreatePen(style, width, color)); }
};
