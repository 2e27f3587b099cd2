#include "app/win32/main_frame.h"

#include "framework/instance_name.h"
#include "framework/win32/win_app.h"
#include "app/manual_launcher.h"
#include "app/remap_file_commands.h"
#include "dialogs/win32/auto_logon_dialog.h"
#include "dialogs/win32/other_keys_dialog.h"
#include "model/key_table.h"
#include "platform/win32/win32_keyboard_hook.h"
#include "model/velloric_doc.h"
#include "res/resource.h"

const TCommandEntry<CMainFrame> CMainFrame::s_commands[] = {
    {ID_HELP_SHOW_MANUAL, ID_HELP_SHOW_MANUAL, &CMainFrame::OnShowManual, nullptr},
    {ID_OPTION_AUTOLOGON, ID_OPTION_AUTOLOGON, &CMainFrame::OnSetupAutologon, nullptr},
    {ID_FILE_IMPORT, ID_FILE_IMPORT, &CMainFrame::OnFileImport, nullptr},
    {ID_FILE_EXPORT, ID_FILE_EXPORT, &CMainFrame::OnFileExport, nullptr},
    {ID_EDIT_OTHER_KEYS, ID_EDIT_OTHER_KEYS, &CMainFrame::OnOtherKeys, nullptr},
};

namespace
{
const UINT s_indicators[] = {
    0, // message pane
    ID_INDICATOR_CAPS,
    ID_INDICATOR_NUM,
    ID_INDICATOR_SCRL,
};
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    BOOL bResult = CFrameWnd::PreCreateWindow(cs);
    HINSTANCE hInstance = ::GetModuleHandleA(NULL);
    WNDCLASSA wc;
    if (!::GetClassInfoA(hInstance, VELLORIC_INSTANCE_NAME, &wc) &&
        ::GetClassInfoA(hInstance, cs.lpszClass, &wc))
    {
        // A second copy finds this window by its class name and title.
        wc.lpszClassName = VELLORIC_INSTANCE_NAME;
        wc.hIcon = ::LoadIconA(hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
        ::RegisterClassA(&wc);
    }
    cs.lpszClass = VELLORIC_INSTANCE_NAME;
    cs.style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    return bResult;
}

int CMainFrame::OnCreate(CREATESTRUCTA* pcs)
{
    if (CFrameWnd::OnCreate(pcs) == -1)
        return -1;
    if (!m_wndToolBar.Create(m_hWnd, AFX_IDW_TOOLBAR) || !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;
    if (!CreateStatusBar(s_indicators, sizeof s_indicators / sizeof s_indicators[0]))
        return -1;
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY |
                             CBRS_SIZE_DYNAMIC);
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    if (!DockControlBar(&m_wndToolBar))
        return -1;
    SendMessage(WM_SETMESSAGESTRING, IDS_IDLE_MESSAGE);
    return 0;
}

LRESULT CMainFrame::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    // Mouse moves send the same key name again and again; show it once.
    if (lParam != 0)
    {
        const char* pszText = (const char*)lParam;
        if (m_strLastMessage == pszText)
            return 0;
        m_strLastMessage = pszText;
    }
    else
        m_strLastMessage.clear();
    return CFrameWnd::OnSetMessageString(wParam, lParam);
}

BOOL CMainFrame::OnCmdMsg(UINT nID, CCmdUI* pCmdUI)
{
    return DispatchCmdMsg(this, s_commands, nID, pCmdUI);
}

void CMainFrame::OnShowManual(UINT)
{
    CManualLauncher(m_platform.shell, m_hWnd).ShowManual();
}

void CMainFrame::OnSetupAutologon(UINT)
{
    // Owned by the main window; its result changes nothing here.
    CAutoLogonDialog dlg(m_platform.registry, m_platform.userName, m_platform.secrets);
    dlg.DoModal();
}

void CMainFrame::OnFileImport(UINT)
{
    if (CVelloricDoc* pDoc = dynamic_cast<CVelloricDoc*>(GetActiveDocument()))
        CRemapFileCommands(m_platform.fileDialogs, m_platform.files, m_hWnd).Import(*pDoc);
}

void CMainFrame::OnFileExport(UINT)
{
    if (CVelloricDoc* pDoc = dynamic_cast<CVelloricDoc*>(GetActiveDocument()))
        CRemapFileCommands(m_platform.fileDialogs, m_platform.files, m_hWnd).Export(*pDoc);
}

void CMainFrame::OnOtherKeys(UINT)
{
    CVelloricDoc* pDoc = dynamic_cast<CVelloricDoc*>(GetActiveDocument());
    if (pDoc == nullptr)
        return;
    CWin32KeyboardHook hook;
    COtherKeysDialog dlg(*pDoc, m_platform.keyboard, hook, Is106Layout(m_platform.keyboard));
    dlg.DoModal();
}

void CMainFrame::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & SC_COMMAND_MASK) == SC_CLOSE)
    {
        CVelloricDoc* pDoc = dynamic_cast<CVelloricDoc*>(GetActiveDocument());
        if (pDoc != nullptr && !pDoc->ConfirmDiscard())
            return;
        m_host.SetSaveOnExit(FALSE);
    }
    CFrameWnd::OnSysCommand(nID, lParam);
}
