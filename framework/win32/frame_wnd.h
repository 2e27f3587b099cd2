// The main frame: menu and accelerators from one resource id, a status bar,
// one view filling the rest, and the command route view, document, frame,
// application. A command that is disabled, or that nobody handles, never runs.
#pragma once

#include <functional>

#include "framework/cmd_target.h"
#include "framework/win32/status_bar.h"
#include "framework/win32/tool_bar.h"
#include "framework/win32/wnd.h"

class CView;
class CDocument;

#define WM_SETMESSAGESTRING 0x0362
#define AFX_IDS_IDLEMESSAGE 57345u
#define AFX_IDW_TOOLBAR 0xE800u
#define AFX_IDW_STATUS_BAR 0xE801u
#define AFX_IDW_PANE_FIRST 0xE900u

class CFrameWnd : public CWnd, public CCmdTarget
{
public:
    typedef std::function<CView*(CFrameWnd* pFrame)> ViewFactory;

    ~CFrameWnd() override;

    // Creates the window with menu, accelerators and icon nIDResource; the view
    // is made by the factory during creation.
    BOOL LoadFrame(UINT nIDResource, ViewFactory viewFactory, CDocument* pDocument);
    void InitialUpdateFrame(BOOL bMakeVisible);

    CView* GetActiveView() const { return m_pView; }
    CDocument* GetActiveDocument() const { return m_pDocument; }

    // The command route; pCmdUI == nullptr runs the command.
    BOOL RouteCmdMsg(UINT nID, CCmdUI* pCmdUI);
    // Runs nID when its update handler leaves it enabled; FALSE when it did not run.
    BOOL ExecuteCommand(UINT nID);

    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual void OnIdleUpdate();
    virtual void RecalcLayout();
    // Sizes the frame so the client area holds the view at its natural size.
    void ResizeParentToFit(int cxView, int cyView);

    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;

protected:
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    virtual int OnCreate(CREATESTRUCTA* pcs);
    virtual LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    virtual void OnSysCommand(UINT nID, LPARAM lParam);

    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

    UINT m_nIDResource = 0;
    UINT m_nIDLastMessage = 0;

private:
    LRESULT OnCreateMessage(CREATESTRUCTA* pcs);
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnInitMenuPopup(HMENU hMenu, LPARAM lParam);
    LRESULT OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hMenu);
    LRESULT OnClose();
    LRESULT OnDestroy();
    LRESULT OnSize();
    LRESULT OnNotify(NMHDR* pHeader);

    ViewFactory m_viewFactory;
    CDocument* m_pDocument = nullptr;
    CView* m_pView = nullptr;
    HACCEL m_hAccel = NULL;
    HMENU m_hMenu = NULL;
    std::string m_strTip;
    std::wstring m_wstrTip;
};
