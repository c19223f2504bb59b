// A main frame: menu, accelerators and icon from one resource id, a status bar, one view filling
// the rest. Routes commands view -> document -> frame -> application and runs update handlers
// before a menu shows or a command runs.
#pragma once

#include <memory>
#include <string>

#include "framework/CHandle.h"
#include "framework/CStatusBar.h"
#include "framework/CView.h"
#include "framework/CWnd.h"

class CDocument;
class CCmdUI;

// Default frame style plus the framework's "add the document name to the title" bit.
constexpr DWORD FWS_ADDTOTITLE = 0x00008000L;

class CFrameWnd : public CWnd {
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Creates the window hidden, with the menu, accelerators, icon and title of resource `idResource`.
    bool LoadFrame(UINT idResource, CDocument& document);

    CView* GetActiveView() const { return m_pView.get(); }
    CDocument* GetActiveDocument() const { return m_pDocument; }
    // Takes ownership of the view the template created; the view window is created in OnCreate.
    void SetViewToCreate(std::unique_ptr<CView> view) { m_pView = std::move(view); }

    // Lays out the status bar at the bottom and the view in the rest of the client area.
    virtual void RecalcLayout();
    // Shows the frame for the first time.
    virtual void ActivateFrame(int cmdShow);
    void InitialUpdateFrame();

    CStatusBar* GetStatusBar() const;
    // The window class of every frame (a running copy is recognised by it).
    static const wchar_t* GetFrameClassName();
    void SetMessageText(const std::string& text);
    void SetMessageText(UINT stringId);

    bool OnCmdMsg(const CCmdRequest& request) override;
    bool PreTranslateMessage(MSG& msg) override;

    // Whether the frame may close: a changed document is offered for saving first.
    virtual bool CanCloseFrame();
    // The reason Windows shows for this program when it holds up a shutdown; empty: none.
    void BlockShutdown(const std::wstring& reason);

    void OnUpdateControlBarMenu(CCmdUI& ui);
    void OnBarCheck();

    static const CCmdMap s_map;

protected:
    const CCmdMap* GetCommandMap() const override { return &s_map; }
    virtual bool PreCreateWindow(CREATESTRUCTW& create);

    int OnCreate(CREATESTRUCTW& create) override;
    void OnClose() override;
    void OnSetFocus(HWND oldFocus) override;
    void OnActivate(UINT state, HWND other, bool minimized) override;
    bool OnQueryEndSession() override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnInitMenuPopup(HMENU popup, UINT index, bool sysMenu) override;
    void OnMenuSelect(UINT itemId, UINT flags, HMENU menu) override;
    void OnExitMenuLoop(bool trackPopup) override;
    void OnDpiChanged(UINT dpi, const RECT& suggested) override;
    bool OnGetDpiScaledSize(UINT dpi, SIZE& size) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;

    // Runs the update handler of a command; returns the state it asked for.
    void UpdateCommandUI(CCmdUI& ui);

private:
    static const CCmdEntry s_entries[];
    static const wchar_t* RegisterFrameClass(HICON icon);
    void SetSmallIcon(int dpi);
    std::unique_ptr<CView> m_pView;
    CDocument* m_pDocument = nullptr;
    HACCEL m_hAccelTable = nullptr;  // resource: freed with the module
    UINT m_nIDResource = 0;
    CHandle<HICON, &::DestroyIcon> m_smallIcon;
};
