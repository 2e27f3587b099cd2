// The application: the single-instance rule, the command-line options, the
// document template and the application-level commands.
#pragma once

#include "framework/win32/named_mutex.h"
#include "framework/win32/win_app.h"
#include "platform/velloric_platform.h"
#include "model/velloric_host.h"

class CVelloricApp : public CWinApp, public IVelloricHost
{
public:
    explicit CVelloricApp(const CVelloricPlatform& platform);
    ~CVelloricApp() override;

    BOOL InitInstance() override;
    BOOL OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;

    void ActivatePreviousInstance();
    void ClearRegistryRemaps();
    void ShowOnePointAtStartup();

    // IVelloricHost
    void OnFileNew() override { CWinApp::OnFileNew(); }
    void OnAppExit() override { CWinApp::OnAppExit(); }
    BOOL GetSaveOnExit() override { return m_bSaveOnExit; }
    void SetSaveOnExit(BOOL bSaveOnExit) override { m_bSaveOnExit = bSaveOnExit; }

private:
    void OnAppAbout(UINT nID);
    void OnShowTip(UINT nID);
    void OnQuitWithoutSaving(UINT nID);

    static const TCommandEntry<CVelloricApp> s_commands[];

    CMutex m_mutex;
    CSingleLock m_instanceLock;
    BOOL m_bSaveOnExit;
    CVelloricPlatform m_platform;
};
