// Device contexts. Each saves the DC's state when it takes the DC and restores it before giving the
// DC back, so objects selected into it are put back by themselves.
#pragma once

#include <windows.h>

#include <string>

class CDC {
public:
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    HDC GetSafeHdc() const { return m_hDC; }

    // A memory DC compatible with this one, deleted with the returned object.
    class CMemoryDC CreateCompatibleDC() const;

    HGDIOBJ SelectObject(HGDIOBJ object) const { return ::SelectObject(m_hDC, object); }
    SIZE GetTextExtent(const std::string& text) const;
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color) const;
    int SetBkMode(int mode) const { return ::SetBkMode(m_hDC, mode); }
    COLORREF SetTextColor(COLORREF color) const { return ::SetTextColor(m_hDC, color); }
    void TextOut(int x, int y, const std::string& text) const;
    bool BitBlt(int x, int y, int cx, int cy, const CDC& source, int xSrc, int ySrc, DWORD rop) const {
        return ::BitBlt(m_hDC, x, y, cx, cy, source.m_hDC, xSrc, ySrc, rop) != FALSE;
    }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

protected:
    CDC() = default;
    // Takes the DC and saves its state.
    void Take(HDC dc);
    // Restores the saved state; the derived class then gives the DC back.
    void RestoreState();

    HDC m_hDC = nullptr;

private:
    int m_nSavedState = 0;
};

// BeginPaint / EndPaint.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND hWnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

// GetDC / ReleaseDC; a null window gives the DC of the whole screen.
class CClientDC : public CDC {
public:
    explicit CClientDC(HWND hWnd);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};

// CreateCompatibleDC / DeleteDC.
class CMemoryDC : public CDC {
public:
    explicit CMemoryDC(HDC compatibleWith);
    CMemoryDC(CMemoryDC&& other) noexcept;
    ~CMemoryDC() override;
};
