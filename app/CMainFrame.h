// The main window: a fixed-size frame around the form view with a one-pane status bar. It reads
// every setting before it is first shown and writes them when closed or when the session is to end.
#pragma once

#include "framework/CFrameWnd.h"
#include "framework/CStatusBar.h"

class CHuesmithDoc;

class CMainFrame : public CFrameWnd {
public:
    static const CCmdMap s_map;

protected:
    const CCmdMap* GetCommandMap() const override { return &s_map; }
    bool PreCreateWindow(CREATESTRUCTW& create) override;
    int OnCreate(CREATESTRUCTW& create) override;
    void ActivateFrame(int cmdShow) override;
    void OnClose() override;
    bool OnQueryEndSession() override;

private:
    void OnViewTopmost();
    void OnUpdateViewTopmost(CCmdUI& ui);
    void OnViewStatusBar();

    void LoadSettings();
    bool SaveSettings() const;
    CHuesmithDoc* GetHuesmithDoc() const;

    static const CCmdEntry s_entries[];
    int m_nStatusBar = 1;   // settings key StatusBar
    int m_nWndStyle = 0;    // settings key WndStyle: 1 = always on top
    CStatusBar m_wndStatusBar;
    bool m_bSettingsLoaded = false;  // once, before the first showing
    bool m_bSettingsRead = false;    // the file was read (or is not there): it may be written
};
