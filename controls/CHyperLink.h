// A static control of a dialog turned into a link: underlined, coloured by its state, with a hand
// cursor and a tooltip showing its target, opened through the shell by a click or Space.
#pragma once

#include <windows.h>

#include <string>

#include "framework/CGdiObject.h"
#include "framework/CToolTipCtrl.h"
#include "framework/CWnd.h"

class CHyperLink : public CWnd {
public:
    // Style bits of m_nLinkStyle.
    static constexpr unsigned HLS_UNDERLINE = 0x01;
    static constexpr unsigned HLS_HOVERCOLOR = 0x02;
    static constexpr unsigned HLS_SIZETOTEXT = 0x04;
    static constexpr unsigned HLS_FOCUSONCLICK = 0x10;

    // Stores the target; on a live control also fits it to its text and updates the tooltip.
    void SetUrl(const std::string& url);
    void FollowLink();

    // The shell's "open", else the registered ".htm" command with the URL; above 32 is success.
    static INT_PTR OpenUrl(const std::string& url, int showCommand);
    static void ReportLinkError(INT_PTR code);
    // The key's default value, whatever its length; 0 or the registry's error code.
    static LONG ReadRegDefault(HKEY root, const std::wstring& subkey, std::wstring& value);

protected:
    void PreSubclassWindow() override;
    HBRUSH CtlColor(HDC dc, UINT ctlColor) override;
    bool OnSetCursor(HWND hWnd, UINT hitTest, UINT message) override;
    void OnMouseMove(UINT flags, POINT point) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnLButtonUp(UINT flags, POINT point) override;
    void OnSetFocus(HWND oldFocus) override;
    void OnKillFocus(HWND newFocus) override;
    void OnCaptureChanged(HWND newCapture) override;
    void OnMouseLeave() override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    LRESULT OnNcHitTest(POINT screenPoint) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnRescaled(UINT dpi) override;

private:
    void SizeToText();
    void TakeFont(HFONT font);
    void EndHover();
    void Repaint();
    void RelayToToolTip();
    static void LoadLinkCursor();

    bool m_bFocus = false;
    bool m_bHover = false;  // the mouse is over the link, which then holds the capture
    bool m_bVisited = false;
    unsigned m_nLinkStyle = HLS_UNDERLINE | HLS_HOVERCOLOR | HLS_SIZETOTEXT | HLS_FOCUSONCLICK;
    std::string m_strUrl;
    CFont m_font;  // the dialog's font, underlined; outlives the control's window
    CToolTipCtrl m_toolTip;

    static HCURSOR s_hLinkCursor;  // shared by every link, loaded once, never freed
};
