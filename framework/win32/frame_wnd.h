// The main frame: menu and accelerators from one resource id, a tool bar
// that docks on any side or floats, a status bar, one view at its own size,
// and the command route view, document, frame, application. A command that
// is disabled, or that nobody handles, never runs.
#pragma once

#include <functional>

#include "framework/cmd_target.h"
#include "framework/win32/dock_context.h"
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
// System commands step by 16: the system keeps the low four bits for itself.
#define SC_STEP 16u
#define SC_COMMAND_MASK 0xFFF0u

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
    // Sizes the frame so the client area holds the view at its natural size,
    // the docked tool bar and the status bar.
    void ResizeParentToFit(int cxView, int cyView);

    // The sides (CBRS_ALIGN_...) of the frame that take a docking bar.
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY; }
    // Docks the bar where the profile remembers it (section "ToolBar"), or
    // on the first side both allow, the top first.
    BOOL DockControlBar(CToolBar* pBar);
    CDockContext& GetDockContext() { return m_dockContext; }
    // The bar moved: the frame fits itself around its view again.
    void OnBarDockChanged();
    // Bars, view and key fonts for nDpi, then the frame fits around the view.
    void ApplyDpi(UINT nDpi);
    UINT GetDpi() const { return m_nDpi; } // 0 before the first ApplyDpi

    CToolBar m_wndToolBar;

protected:
    // The status bar along the bottom with its panes, the message pane first.
    BOOL CreateStatusBar(const UINT* pIndicators, int nCount);
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
    LRESULT OnSetFocus();
    LRESULT OnEnable(BOOL bEnable);
    LRESULT OnSystemChange(UINT nMsg, WPARAM wParam, LPARAM lParam);
    LRESULT OnNcCreate(CREATESTRUCTA* pcs);
    LRESULT OnDpiChanged(UINT nDpi, const RECT* prcSuggested);
    void LoadBarState();
    void SaveBarState();

    // The tests read and poke the status bar's panes; nothing else reaches it.
    friend class CFrameTestAccess;

    CStatusBar m_wndStatusBar;
    ViewFactory m_viewFactory;
    CDockContext m_dockContext{*this};
    DWORD m_dwDockStyle = 0;
    UINT m_nDpi = 0;
    BOOL m_bBarPlaced = FALSE; // the bar stands where it starts; later moves are saved
    SIZE m_sizeView = {0, 0}; // the view's own size, which the frame fits around
    CDocument* m_pDocument = nullptr;
    CView* m_pView = nullptr;
    HACCEL m_hAccel = NULL;
    HMENU m_hMenu = NULL;
    std::string m_strTip;
    std::wstring m_wstrTip;
};
