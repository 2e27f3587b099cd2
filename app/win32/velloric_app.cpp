#include "app/win32/velloric_app.h"

#include <cstring>
#include <string>

#include "framework/afx_message_box.h"
#include "framework/instance_name.h"
#include "framework/win32/single_doc_template.h"
#include "app/win32/main_frame.h"
#include "app/preference.h"
#include "dialogs/splash_command_line_info.h"
#include "dialogs/win32/about_dialog.h"
#include "dialogs/win32/one_point_dialog.h"
#include "model/command_line_flags.h"
#include "model/scancode_map_store.h"
#include "model/velloric_doc.h"
#include "res/resource.h"
#include "view/win32/velloric_view.h"

namespace
{
// Windows NT 3.x and before.
const DWORD LAST_UNSUPPORTED_NT_MAJOR = 3;
// A class name or title is compared up to this many characters, terminator included.
const int NAME_BUFFER = 256;

// The main window's title: string 128 up to its first "\n", loaded once.
const std::string& ReferenceTitle()
{
    static std::string s_strTitle;
    static BOOL s_bLoaded = FALSE;
    if (!s_bLoaded)
    {
        s_strTitle = AfxLoadStringField(IDR_MAINFRAME, 0);
        s_bLoaded = TRUE;
    }
    return s_strTitle;
}

BOOL CALLBACK ActivateIfVelloric(HWND hWnd, LPARAM)
{
    char szClass[NAME_BUFFER] = "";
    char szTitle[NAME_BUFFER] = "";
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    ::GetWindowTextA(hWnd, szTitle, sizeof szTitle);
    if (std::strcmp(szClass, VELLORIC_INSTANCE_NAME) != 0 || ReferenceTitle() != szTitle)
        return TRUE;
    ::SetForegroundWindow(hWnd);
    return FALSE;
}
} // namespace

CVelloricApp::CVelloricApp(const CVelloricPlatform& platform)
    : CWinApp(platform.registry), m_mutex(FALSE, VELLORIC_INSTANCE_NAME), m_instanceLock(&m_mutex),
      m_bSaveOnExit(TRUE), m_platform(platform)
{
}

CVelloricApp::~CVelloricApp()
{
    // The preferences read through this application's profile, which goes with it.
    g_preference.Attach(nullptr);
}

BOOL CVelloricApp::InitInstance()
{
    if (!m_instanceLock.Lock(0))
    {
        const std::vector<std::string>& args = GetArguments();
        if (!args.empty() && args[0] == "-c")
        {
            // The running copy would write its own table back at save and
            // exit: clear nothing, and tell the user and the script so.
            AfxMessageBox(IDS_CLEAR_NEEDS_ONE_COPY, MB_OK);
            m_nExitCode = 1;
        }
        ActivatePreviousInstance();
        return FALSE;
    }

    SetRegistryKey("Ostrelwick");
    g_preference.Attach(&GetProfile());

    const std::vector<std::string>& args = GetArguments();
    if (!args.empty())
    {
        // Exact and case-sensitive, first argument only.
        if (args[0] == "-d")
            g_bDebug = TRUE;
        else if (args[0] == "-6")
            g_bForce106 = TRUE;
        else if (args[0] == "-c")
        {
            ClearRegistryRemaps();
            return FALSE;
        }
    }

    Enable3dControls();
    LoadStdProfileSettings();

    CVelloricPlatform platform = m_platform;
    IVelloricHost* pHost = this;
    AddDocTemplate(new CSingleDocTemplate(
        IDR_MAINFRAME,
        [platform, pHost]() -> CDocument* {
            return new CVelloricDoc(platform.registry, platform.keyboard, platform.restart,
                                    *pHost);
        },
        [platform, pHost]() -> CFrameWnd* { return new CMainFrame(platform, *pHost); },
        [platform](CFrameWnd*) -> CView* {
            return new CVelloricView(platform.keyboard, platform.fontChooser, g_preference);
        }));

    if (!ProcessShellCommand())
        return FALSE;
    if (CVelloricDoc* pDoc = dynamic_cast<CVelloricDoc*>(GetDocTemplate()->GetDocument()))
        pDoc->ReportUnreadableList();

    DWORD dwPlatformId = 0;
    DWORD dwMajorVersion = 0;
    if (!m_platform.system.GetVersion(&dwPlatformId, &dwMajorVersion) ||
        dwPlatformId != VER_PLATFORM_WIN32_NT || dwMajorVersion <= LAST_UNSUPPORTED_NT_MAJOR)
        AfxMessageBox("Caution: This operating system is not supported.", MB_OK);

    if (m_platform.system.GetACP() == CP_JAPANESE)
        ShowOnePointAtStartup();
    return TRUE;
}

void CVelloricApp::ActivatePreviousInstance()
{
    ::EnumWindows(&ActivateIfVelloric, 0);
}

void CVelloricApp::ClearRegistryRemaps()
{
    CScancodeMapStore store(m_platform.registry);
    if (!store.Open())
    {
        AfxMessageBox(IDS_REGISTRY_OPEN_FAILED, MB_OK);
        m_nExitCode = 1;
        return;
    }
    // An empty table, not a deleted value: header and terminator only.
    store.RemoveAll();
    if (store.Write())
        AfxMessageBox(IDS_ALL_REMAPS_CLEARED, MB_ICONINFORMATION);
    else
    {
        AfxMessageBox(IDS_REGISTRY_WRITE_FAILED, MB_OK);
        m_nExitCode = 1; // a script can tell that nothing was cleared
    }
}

void CVelloricApp::ShowOnePointAtStartup()
{
    CSplashCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!cmdInfo.m_bShowSplash)
        return;
    // Made even when it is not shown: the next start shows the tip after this one.
    COnePointDialog dlg(GetProfile(), m_platform.tipsFiles, COnePointDialog::TipsFilePath());
    if (dlg.m_bShowAtStartup)
        dlg.DoModal();
}

const TCommandEntry<CVelloricApp> CVelloricApp::s_commands[] = {
    {ID_APP_ABOUT, ID_APP_ABOUT, &CVelloricApp::OnAppAbout, nullptr},
    {ID_HELP_ONE_POINT, ID_HELP_ONE_POINT, &CVelloricApp::OnShowTip, nullptr},
    {ID_FILE_CANCEL_EXIT, ID_FILE_CANCEL_EXIT, &CVelloricApp::OnQuitWithoutSaving, nullptr},
};

BOOL CVelloricApp::OnCmdMsg(UINT nID, CCmdUI* pCmdUI)
{
    if (DispatchCmdMsg(this, s_commands, nID, pCmdUI))
        return TRUE;
    return CWinApp::OnCmdMsg(nID, pCmdUI);
}

void CVelloricApp::OnAppAbout(UINT)
{
    CAboutDialog dlg(m_platform.soundPlayer);
    dlg.DoModal();
}

void CVelloricApp::OnShowTip(UINT)
{
    COnePointDialog dlg(GetProfile(), m_platform.tipsFiles, COnePointDialog::TipsFilePath());
    dlg.DoModal();
}

void CVelloricApp::OnQuitWithoutSaving(UINT)
{
    // Only reached when no document handled the command: nothing to ask.
    m_bSaveOnExit = FALSE;
    CWinApp::OnAppExit();
}
