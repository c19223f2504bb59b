// The hex conversion dialog: red, green and blue as hexadecimal texts or as an HTML code, kept in
// step with each other, with the decimal values and a swatch. It holds texts only; the caller reads
// the three hexadecimal fields after OK.
#pragma once

#include <string>

#include "catalogue/ColorCode.h"
#include "dialogs/ColorSwatch.h"
#include "framework/CDialog.h"
#include "res/resource.h"

class CHexConvDlg : public CDialog {
public:
    explicit CHexConvDlg(CWnd* pParent = nullptr);

    // In exchange order.
    std::string m_strHexRed;
    std::string m_strHexGreen;
    std::string m_strHexBlue;
    std::string m_strHtmlCode;
    std::string m_strDecRed;
    std::string m_strDecGreen;
    std::string m_strDecBlue;
    int m_bInitialized = 0;

    static const CCmdMap s_map;

protected:
    const CCmdMap* GetCommandMap() const override { return &s_map; }
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnPaint() override;
    void OnOK() override;

private:
    // Where the swatch is now: its frame moves when the dialog is rescaled.
    RECT SwatchRect() const { return SwatchRectFromFrame(*this, IDC_STATIC_HEX_SWATCH); }
    void OnChangeHexRed() { OnHexChanged(ColorChannel::Red); }
    void OnChangeHexGreen() { OnHexChanged(ColorChannel::Green); }
    void OnChangeHexBlue() { OnHexChanged(ColorChannel::Blue); }
    void OnChangeHtmlCode();

    void OnHexChanged(ColorChannel channel);
    void ShowAndRepaint();
    std::string& HexField(ColorChannel channel);
    std::string& DecField(ColorChannel channel);

    static const CCmdEntry s_entries[];
};
