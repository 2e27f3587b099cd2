// The main frame around the view: tool bar, status bar prompts and
// indicators, the manual command, all through real window messages.
#include "tests/win32/startup_fixture.h"

#include <commctrl.h>

#include "framework/win32/frame_wnd.h"
#include "framework/win32/single_doc_template.h"
#include "model/velloric_doc.h"
#include "res/resource.h"
#include "tests/win32/win32_test_support.h"
#include "view/win32/key_cap.h"
#include "tests/support/frame_test_access.h"

namespace
{
class MainFrame : public StartupFixture
{
protected:
    void SetUp() override { ASSERT_EQ(TRUE, Start({})); }
    CFrameWnd* Frame() { return m_pApp->m_pMainWnd; }
    HWND ToolBar() { return Frame()->m_wndToolBar.m_hWnd; }
    HWND DockBar() { return Frame()->GetDockContext().GetDockBarWindow(); }
    std::string Pane(int n) { return CFrameTestAccess::StatusBar(*Frame()).GetPaneText(n); }
    BOOL ButtonEnabled(UINT nID)
    {
        return (::SendMessageA(ToolBar(), TB_GETSTATE, nID, 0) & TBSTATE_ENABLED) ? TRUE : FALSE;
    }
    std::string Prompt(UINT nID)
    {
        std::string str = wintest::LoadResourceString(nID);
        return str.substr(0, str.find('\n'));
    }
    void SetMessage(const char* pszText)
    {
        ::SendMessageA(MainWindow(), WM_SETMESSAGESTRING, 0, (LPARAM)pszText);
    }
};
} // namespace

TEST_F(MainFrame, ToolBar_HoldsFiveButtonsInOrder_WithSeparators_ThenOtherKeys)
{
    ASSERT_NE((HWND)NULL, ToolBar());
    ASSERT_EQ(11, (int)::SendMessageA(ToolBar(), TB_BUTTONCOUNT, 0, 0));
    const int expected[] = {ID_APP_EXIT, 0, ID_FILE_CANCEL_EXIT, 0, ID_EDIT_RESTORE, 0,
                            ID_EDIT_CHECK_INTEGRITY, 0, ID_APP_ABOUT, 0, ID_EDIT_OTHER_KEYS};
    for (int i = 0; i < 11; ++i)
    {
        TBBUTTON button = {};
        ::SendMessageA(ToolBar(), TB_GETBUTTON, i, (LPARAM)&button);
        EXPECT_EQ(expected[i], button.idCommand) << "button " << i;
        EXPECT_EQ(expected[i] == 0, (button.fsStyle & BTNS_SEP) != 0) << "button " << i;
    }
}

TEST_F(MainFrame, ToolBarButtons_FollowTheUpdateHandlers)
{
    EXPECT_EQ(TRUE, ButtonEnabled(ID_APP_EXIT));
    EXPECT_EQ(TRUE, ButtonEnabled(ID_FILE_CANCEL_EXIT));
    EXPECT_EQ(FALSE, ButtonEnabled(ID_EDIT_RESTORE));
    EXPECT_EQ(FALSE, ButtonEnabled(ID_EDIT_CHECK_INTEGRITY));

    CVelloricDoc* pDoc = dynamic_cast<CVelloricDoc*>(m_pApp->GetDocTemplate()->GetDocument());
    pDoc->AddMapping(0x3A, 0x1D);
    Frame()->OnIdleUpdate();
    EXPECT_EQ(TRUE, ButtonEnabled(ID_EDIT_RESTORE));
    EXPECT_EQ(TRUE, ButtonEnabled(ID_EDIT_CHECK_INTEGRITY));
}

TEST_F(MainFrame, ToolTip_IsTheCommandStringAfterItsNewline)
{
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = ToolBar();
    info.hdr.idFrom = ID_APP_ABOUT;
    info.hdr.code = TTN_GETDISPINFOA;
    ::SendMessageA(MainWindow(), WM_NOTIFY, 0, (LPARAM)&info);
    std::string strFull = wintest::LoadResourceString(ID_APP_ABOUT);
    ASSERT_NE((LPSTR)nullptr, info.lpszText);
    EXPECT_EQ(strFull.substr(strFull.find('\n') + 1), std::string(info.lpszText));
}

TEST_F(MainFrame, HotButton_ShowsItsPrompt_AndLeavingShowsIdleText)
{
    NMTBHOTITEM hot = {};
    hot.hdr.hwndFrom = ToolBar();
    hot.hdr.code = TBN_HOTITEMCHANGE;
    hot.idNew = ID_FILE_CANCEL_EXIT;
    ::SendMessageA(MainWindow(), WM_NOTIFY, 0, (LPARAM)&hot);
    EXPECT_EQ(Prompt(ID_FILE_CANCEL_EXIT), Pane(0));
    hot.dwFlags = HICF_LEAVING;
    ::SendMessageA(MainWindow(), WM_NOTIFY, 0, (LPARAM)&hot);
    EXPECT_EQ(wintest::LoadResourceString(57345), Pane(0));
}

TEST_F(MainFrame, MenuSelect_ShowsPrompts_ForCommandsAndSystemMenu)
{
    HMENU hMenu = ::GetMenu(MainWindow());
    ::SendMessageA(MainWindow(), WM_MENUSELECT, MAKEWPARAM(ID_EDIT_REMOVE_ALL, 0), (LPARAM)hMenu);
    EXPECT_EQ(Prompt(ID_EDIT_REMOVE_ALL), Pane(0));
    ::SendMessageA(MainWindow(), WM_MENUSELECT, MAKEWPARAM(SC_CLOSE, MF_SYSMENU),
                   (LPARAM)::GetSystemMenu(MainWindow(), FALSE));
    EXPECT_EQ(wintest::LoadResourceString(61190), Pane(0));
    ::SendMessageA(MainWindow(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(wintest::LoadResourceString(57345), Pane(0));
}

TEST_F(MainFrame, SameKeyNameAgain_LeavesStatusBarAlone_UntilAnIdSetsIt)
{
    SetMessage("Caps Lock");
    EXPECT_EQ("Caps Lock", Pane(0));
    CFrameTestAccess::StatusBar(*Frame()).SetPaneText(0, "touched");
    SetMessage("Caps Lock");
    EXPECT_EQ("touched", Pane(0)); // the repeat did not reach the pane
    ::SendMessageA(MainWindow(), WM_SETMESSAGESTRING, 57345, 0);
    EXPECT_EQ(wintest::LoadResourceString(57345), Pane(0));
    SetMessage("Caps Lock");
    EXPECT_EQ("Caps Lock", Pane(0));
}

TEST_F(MainFrame, CapsLockIndicator_ShowsWhileToggledOn)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    BYTE bOld = keys[VK_CAPITAL];
    keys[VK_CAPITAL] = 1;
    ::SetKeyboardState(keys);
    Frame()->OnIdleUpdate();
    EXPECT_EQ("CAP", Pane(1));
    EXPECT_EQ("", Pane(2));
    keys[VK_CAPITAL] = 0;
    ::SetKeyboardState(keys);
    Frame()->OnIdleUpdate();
    EXPECT_EQ("", Pane(1));
    keys[VK_CAPITAL] = bOld;
    ::SetKeyboardState(keys);
}

TEST_F(MainFrame, F1_OpensTheManualBesideTheProgram)
{
    m_shell.m_results = {42};
    Command(ID_HELP_SHOW_MANUAL, 1);
    // The English set's manual for the English run.
    EXPECT_EQ((std::vector<std::string>{"C:\\Program Files\\Velloric\\velloricman-e.html"}),
              m_shell.m_opened);
    EXPECT_EQ(std::vector<HWND>{MainWindow()}, m_shell.m_owners);
    EXPECT_EQ(0u, m_boxes.m_shown.size());
}

TEST_F(MainFrame, Window_CannotBeResizedOrMaximized_AndFitsTheForm)
{
    LONG_PTR style = ::GetWindowLongPtrA(MainWindow(), GWL_STYLE);
    EXPECT_EQ(0, style & (WS_THICKFRAME | WS_MAXIMIZEBOX));
    HWND hView = ::GetDlgItem(MainWindow(), AFX_IDW_PANE_FIRST);
    RECT rcView, rcTool, rcStatus, rcClient;
    ::GetWindowRect(hView, &rcView);
    ::GetWindowRect(DockBar(), &rcTool);
    ::GetWindowRect(CFrameTestAccess::StatusBar(*Frame()).m_hWnd, &rcStatus);
    ::GetClientRect(MainWindow(), &rcClient);
    EXPECT_EQ(rcTool.bottom, rcView.top);
    EXPECT_EQ(rcView.bottom, rcStatus.top);
    EXPECT_EQ(rcClient.bottom, (rcTool.bottom - rcTool.top) + (rcView.bottom - rcView.top) +
                                   (rcStatus.bottom - rcStatus.top));
}

TEST_F(MainFrame, SystemMenu_IsLeftToTheSystem_SoCloseStaysEnabledAndCloses)
{
    HMENU hSystem = ::GetSystemMenu(MainWindow(), FALSE);
    ASSERT_NE((HMENU)NULL, hSystem);
    // As Alt+Space opens it: the system-menu flag in the high word.
    ::SendMessageA(MainWindow(), WM_INITMENUPOPUP, (WPARAM)hSystem, MAKELPARAM(0, TRUE));
    EXPECT_EQ(0u, ::GetMenuState(hSystem, SC_CLOSE, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
    HWND hMain = MainWindow();
    ::SendMessageA(hMain, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(FALSE, ::IsWindow(hMain));
}

TEST_F(MainFrame, ImportCommand_ShowsTheFilesTableOnTheKeyboard_AndSaveAndExitWritesIt)
{
    const std::string strFile = "CapsLock=LeftCtrl\r\n";
    m_files.m_files["C:\\caps.txt"] = std::vector<BYTE>(strFile.begin(), strFile.end());
    m_fileDialogs.m_answers = {"C:\\caps.txt", "C:\\out.reg"};
    Command(ID_FILE_IMPORT);
    CKeyCap* pCaps = nullptr;
    ASSERT_EQ(TRUE, g_remapCapMap.Lookup(0x3A, pCaps));
    EXPECT_EQ(0x1D, pCaps->GetProduced()); // shown on the remapped keyboard
    Command(ID_FILE_EXPORT);
    EXPECT_EQ(1u, m_files.m_files.count("C:\\out.reg"));

    m_boxes.Answer({IDOK, IDNO}); // Caps Lock is lost; write without restarting
    Command(ID_APP_EXIT);
    EXPECT_EQ((std::vector<BYTE>{0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0x1D, 0, 0x3A, 0, 0, 0, 0, 0}),
              m_registry.Get("HKLM\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout",
                             "Scancode Map").bytes);
}
