// The document's preview painting (Windows only).
#include <windows.h>

#include "catalogue/CHuesmithDoc.h"
#include "catalogue/PreviewStripWindow.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"

namespace {
constexpr const wchar_t* kPreviewFontFace = L"ＭＳ ゴシック";

LOGFONTW PreviewFont(int height) {
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWeight = FW_BOLD;
    font.lfItalic = TRUE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = PROOF_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    lstrcpynW(font.lfFaceName, kPreviewFontFace, LF_FACESIZE);
    return font;
}
}  // namespace

void CHuesmithDoc::DrawPreview(CDC* pDC) const {
    // The strip fills the form below its blue row at whatever scale the form is laid out.
    const PreviewLayout layout = PreviewLayoutOf(::WindowFromDC(pDC->GetSafeHdc()));
    const PreviewRect& strip = layout.strip;
    const int width = strip.Width();
    const int height = strip.Height();
    // Painted off-screen and copied in one blit, so dragging a slider does not flicker. The bitmap
    // and font are declared before the memory DC, which restores its selections before they go.
    CBitmap bitmap;
    CFont font;
    if (!bitmap.CreateCompatibleBitmap(pDC->GetSafeHdc(), width, height)) return;
    font.CreateFontIndirect(PreviewFont(layout.fontHeight));
    CMemoryDC memory = pDC->CreateCompatibleDC();
    memory.SelectObject(bitmap.GetSafeHandle());
    if (font) memory.SelectObject(font.GetSafeHandle());

    const SIZE extent = memory.GetTextExtent(m_strPreview);
    memory.FillSolidRect(0, 0, width, height, m_crBack);
    memory.SetBkMode(TRANSPARENT);
    memory.SetTextColor(m_crText);
    const TextOrigin origin = CentredTextOrigin(strip, extent.cx, extent.cy);
    memory.TextOut(origin.x, origin.y, m_strPreview);
    pDC->BitBlt(strip.left, strip.top, width, height, memory, 0, 0, SRCCOPY);
}
