// The program's only top-level window: registered under the single-instance
// class name, fixed size, title "Velloric" alone, status bar with the key
// indicators, and a close box that leaves without writing.
#pragma once

#include <string>

#include "framework/win32/frame_wnd.h"
#include "model/velloric_host.h"
#include "platform/velloric_platform.h"

class CMainFrame : public CFrameWnd
{
public:
    CMainFrame(const CVelloricPlatform& platform, IVelloricHost& host)
        : m_platform(platform), m_host(host)
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
    void OnFileImport(UINT nID);
    void OnFileExport(UINT nID);
    void OnOtherKeys(UINT nID);

    static const TCommandEntry<CMainFrame> s_commands[];
    CVelloricPlatform m_platform;
    IVelloricHost& m_host;
    // The last key name shown: mouse moves send it again and again.
    std::string m_strLastMessage;
};
