#include "framework/win32/win_app.h"

#include <commctrl.h>

#include "framework/afx_message_box.h"
#include "framework/win32/frame_wnd.h"
#include "framework/win32/single_doc_template.h"

namespace
{
CWinApp* s_pApp = nullptr;
// The caret's blink timer: like WM_TIMER and WM_PAINT, no reason to update the commands.
const UINT WM_SYSTIMER = 0x0118;
} // namespace

CWinApp* AfxGetApp()
{
    return s_pApp;
}

HWND AfxGetModalOwner()
{
    HWND hMain = s_pApp != nullptr ? s_pApp->GetMainWindowHandle() : NULL;
    if (hMain == NULL)
        return ::GetActiveWindow();
    return ::IsWindowEnabled(hMain) ? hMain : ::GetLastActivePopup(hMain);
}

CWinApp::CWinApp(IRegistry& registry) : m_profile(registry)
{
    s_pApp = this;
}

CWinApp::~CWinApp()
{
    m_pDocTemplate.reset();
    if (s_pApp == this)
        s_pApp = nullptr;
}

const std::string& CWinApp::GetAppName()
{
    if (m_strAppName.empty())
        m_strAppName = AfxLoadString(AFX_IDS_APP_TITLE);
    return m_strAppName;
}

void CWinApp::SetRegistryKey(const char* pszCompany)
{
    m_profile.SetRegistryKey(pszCompany, GetAppName().c_str());
}

void CWinApp::LoadStdProfileSettings()
{
    // No recent-file list; the framework's own setting is still read.
    m_profile.GetProfileInt("Settings", "PreviewPages", 0);
}

void CWinApp::Enable3dControls()
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
}

void CWinApp::AddDocTemplate(CSingleDocTemplate* pTemplate)
{
    m_pDocTemplate.reset(pTemplate);
}

BOOL CWinApp::ProcessShellCommand()
{
    BOOL bDone = m_pDocTemplate && m_pDocTemplate->OpenNewDocument() != nullptr;
    if (!bDone)
        m_nExitCode = 1;
    return bDone;
}

void CWinApp::OnFileNew()
{
    if (m_pDocTemplate)
        m_pDocTemplate->OpenNewDocument();
}

void CWinApp::OnAppExit()
{
    if (HWND hMain = GetMainWindowHandle())
        ::SendMessageA(hMain, WM_CLOSE, 0, 0);
}

BOOL CWinApp::OnCmdMsg(UINT nID, CCmdUI* pCmdUI)
{
    switch (nID)
    {
    case AFX_ID_FILE_NEW:
        if (pCmdUI == nullptr)
            OnFileNew();
        return TRUE;
    case AFX_ID_APP_EXIT:
        if (pCmdUI == nullptr)
            OnAppExit();
        return TRUE;
    default:
        return FALSE;
    }
}

HWND CWinApp::GetMainWindowHandle() const
{
    return m_pMainWnd ? m_pMainWnd->m_hWnd : NULL;
}

int CWinApp::Run()
{
    MSG msg;
    BOOL bIdle = TRUE;
    for (;;)
    {
        if (bIdle && !::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE))
        {
            if (m_pMainWnd != nullptr)
                m_pMainWnd->OnIdleUpdate();
            bIdle = FALSE;
        }
        BOOL bGot = ::GetMessageA(&msg, NULL, 0, 0);
        if (bGot == 0 || bGot == -1)
            break;
        if (m_pMainWnd == nullptr || !m_pMainWnd->PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (msg.message != WM_TIMER && msg.message != WM_PAINT && msg.message != WM_SYSTIMER)
            bIdle = TRUE;
    }
    return (int)msg.wParam;
}
