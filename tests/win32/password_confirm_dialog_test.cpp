// The framework's modal dialog as the password confirmation uses it: the
// field goes into its control at the start and comes back on OK only.
#include <gtest/gtest.h>

#include "framework/win32/win32_message_boxes.h"
#include "dialogs/win32/password_confirm_dialog.h"
#include "res/resource.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/win32/dialog_driver.h"
#include "tests/win32/win32_test_support.h"

class PasswordConfirmDialog : public ::testing::Test
{
protected:
    // Reads the edit, types strTyped and ends the dialog with nButton (0: the close box).
    void Script(CDialogDriver& driver, const std::string& strTyped, int nButton)
    {
        driver.Then([this, strTyped, nButton](HWND hDlg) {
            m_strShown = wintest::ControlText(hDlg, IDC_PASSWORD_CONFIRM);
            m_bPasswordStyle = (::GetWindowLongA(::GetDlgItem(hDlg, IDC_PASSWORD_CONFIRM),
                                                 GWL_STYLE) & ES_PASSWORD) != 0;
            CDialogDriver::SetText(hDlg, IDC_PASSWORD_CONFIRM, strTyped);
            if (nButton == 0)
                ::PostMessageA(hDlg, WM_CLOSE, 0, 0); // the close box
            else
                CDialogDriver::Press(hDlg, nButton);
            return TRUE;
        });
    }

    std::string m_strShown;
    BOOL m_bPasswordStyle = FALSE;
    CWin32StringSource m_strings;
    CScriptedMessageBoxes m_boxes{&m_strings};
};

TEST_F(PasswordConfirmDialog, Ok_LoadsTheFieldAtTheStart_AndSavesTheTypedText)
{
    CPasswordConfirmDialog dlg;
    dlg.m_strConfirm = "preset";
    CDialogDriver driver;
    Script(driver, "typed \x82\xa0 text", IDOK);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(TRUE, driver.Done());
    EXPECT_EQ("preset", m_strShown);
    EXPECT_EQ(TRUE, m_bPasswordStyle);
    // Two bytes that make one character in code page 932 and two in 1252.
    EXPECT_EQ("typed \x82\xa0 text", dlg.m_strConfirm);
}

TEST_F(PasswordConfirmDialog, CancelOrCloseBox_EndWithIdCancel_AndSaveNothing)
{
    for (int nButton : {IDCANCEL, 0})
    {
        SCOPED_TRACE(nButton);
        CPasswordConfirmDialog dlg;
        dlg.m_strConfirm = "preset";
        CDialogDriver driver;
        Script(driver, "typed", nButton);
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        EXPECT_EQ(TRUE, driver.Done());
        EXPECT_EQ("preset", dlg.m_strConfirm);
    }
}

TEST_F(PasswordConfirmDialog, MissingTemplate_FailsWithoutAWindow)
{
    CDialog dlg(9999);
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_EQ((HWND)NULL, dlg.GetSafeHwnd());
}
