// The program's only top-level window: registered under the single-instance
// class name, fixed size, title "Velloric" alone, status bar with the key
// indicators, and a close box that leaves without writing.
#pragma once

#include <string>

#include "app/framework/win32/frame_wnd.h"
#include "app/shell_services.h"
#include "model/registry.h"

class CMainFrame : public CFrameWnd
{
public:
    static const char* const s_pszClassName;

    CMainFrame(IShellServices& shell, IRegistry& registry) : m_shell(shell), m_registry(registry)
    {
    }
    BOOL OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    int OnCreate(CREATESTRUCTA* pcs) override;
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam) override;
    void OnSysCommand(UINT nID, LPARAM lParam) override;

private:
    void OnShowManual(UINT nID);
    void OnSetupAutologon(UINT nID);

    static const TCommandEntry<CMainFrame> s_commands[];
    IShellServices& m_shell;
    IRegistry& m_registry;
};
