// What a user of an English Windows (code page 1252) reads: the main window,
// the clear option's message, the exit flow's boxes and every dialog, all in
// words of the English set, with no question marks where letters belong.
#include "tests/win32/startup_fixture.h"

#include <string>
#include <vector>

#include "dialogs/win32/one_point_dialog.h"
#include "framework/win32/frame_wnd.h"
#include "framework/win32/single_doc_template.h"
#include "model/velloric_doc.h"
#include "res/resource.h"
#include "tests/win32/dialog_driver.h"
#include "tests/win32/win32_test_support.h"
#include "tests/support/frame_test_access.h"

namespace
{
// Plain ASCII, and every "?" ends a question: a text that did not survive the
// code page shows as "????".
BOOL ReadsAsEnglish(const std::string& strText)
{
    if (strText.empty())
        return FALSE;
    for (size_t i = 0; i < strText.size(); ++i)
    {
        unsigned char c = (unsigned char)strText[i];
        if (c >= 0x80 || (c < 0x20 && c != '\n' && c != '\t'))
            return FALSE;
        if (c == '?' && (i == 0 || !::IsCharAlphaA(strText[i - 1])))
            return FALSE;
    }
    return TRUE;
}

std::string WindowText(HWND hWnd)
{
    char sz[512] = "";
    ::GetWindowTextA(hWnd, sz, sizeof sz);
    return sz;
}

// The caption and the text of every control that shows one.
std::vector<std::string> DialogTexts(HWND hDlg)
{
    std::vector<std::string> texts;
    if (!WindowText(hDlg).empty())
        texts.push_back(WindowText(hDlg));
    for (HWND hChild = ::GetWindow(hDlg, GW_CHILD); hChild != NULL;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        char szClass[32] = "";
        ::GetClassNameA(hChild, szClass, sizeof szClass);
        LONG_PTR style = ::GetWindowLongPtrA(hChild, GWL_STYLE);
        BOOL bPicture = lstrcmpiA(szClass, "Static") == 0 &&
                        ((style & SS_TYPEMASK) == SS_ICON || (style & SS_TYPEMASK) == SS_BITMAP);
        std::string strText = WindowText(hChild);
        if (lstrcmpiA(szClass, "Edit") != 0 && !bPicture && !strText.empty())
            texts.push_back(strText);
    }
    return texts;
}

void CollectMenuTexts(HMENU hMenu, std::vector<std::string>* pTexts)
{
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
    {
        char sz[256] = "";
        if (::GetMenuStringA(hMenu, i, sz, sizeof sz, MF_BYPOSITION) > 0)
            pTexts->push_back(sz);
        if (HMENU hSub = ::GetSubMenu(hMenu, i))
            CollectMenuTexts(hSub, pTexts);
    }
}

class EnglishUser : public StartupFixture
{
protected:
    void ExpectEnglish(const std::vector<std::string>& texts, const char* pszWhere)
    {
        EXPECT_FALSE(texts.empty()) << pszWhere;
        for (const std::string& strText : texts)
            EXPECT_TRUE(ReadsAsEnglish(strText)) << pszWhere << ": " << strText;
    }
    // Runs a command that opens a dialog and collects what it shows.
    std::vector<std::string> TextsOfDialogOpenedBy(UINT nID)
    {
        std::vector<std::string> texts;
        CDialogDriver driver;
        driver.Then([&](HWND hDlg) {
            texts = DialogTexts(hDlg);
            CDialogDriver::Press(hDlg, IDCANCEL);
            return TRUE;
        });
        Command(nID);
        EXPECT_EQ(TRUE, driver.Done());
        return texts;
    }
};
} // namespace

TEST_F(EnglishUser, MainWindow_MenusStatusBarToolTipsAndForm_AreEnglish)
{
    ASSERT_EQ(1252u, ::GetACP());
    ASSERT_EQ(TRUE, Start({}));
    std::vector<std::string> texts = {WindowText(MainWindow()),
                                      CFrameTestAccess::StatusBar(*m_pApp->m_pMainWnd).GetPaneText(0)};
    CollectMenuTexts(::GetMenu(MainWindow()), &texts);
    for (UINT nID : {ID_APP_EXIT, ID_FILE_CANCEL_EXIT, ID_EDIT_RESTORE, ID_EDIT_CHECK_INTEGRITY,
                     ID_APP_ABOUT})
    {
        texts.push_back(AfxLoadStringField(nID, 0)); // the status prompt
        texts.push_back(AfxLoadStringField(nID, 1)); // the tool tip
    }
    HWND hView = ::GetDlgItem(MainWindow(), AFX_IDW_PANE_FIRST);
    for (const std::string& strText : DialogTexts(hView))
        if (strText != "dummy") // the form's hidden stand-in button
            texts.push_back(strText);
    ExpectEnglish(texts, "main window");
    EXPECT_EQ("Ready", CFrameTestAccess::StatusBar(*m_pApp->m_pMainWnd).GetPaneText(0));
}

TEST_F(EnglishUser, ClearOption_ReportsInEnglish)
{
    EXPECT_EQ(FALSE, Start({"-c"}));
    ASSERT_EQ(1u, m_boxes.m_shown.size());
    ExpectEnglish({m_boxes.m_shown[0].strText, m_boxes.m_shown[0].strCaption}, "-c");
}

TEST_F(EnglishUser, LostCtrlWarning_AndRestartQuestion_ReadAsOneEnglishMessageEach)
{
    ASSERT_EQ(TRUE, Start({}));
    CVelloricDoc* pDoc = dynamic_cast<CVelloricDoc*>(m_pApp->GetDocTemplate()->GetDocument());
    pDoc->AddMapping(0x1D, 0x3A); // Ctrl sends Caps Lock: no key sends Ctrl any more
    pDoc->UpdateAllViews(nullptr);
    m_boxes.Answer({IDOK, IDCANCEL});
    Command(ID_APP_EXIT);
    ASSERT_EQ(2u, m_boxes.m_shown.size());
    EXPECT_EQ("No key will send \"Ctrl\" [0x001D] any more.\n"
              "\n"
              "WARNING: Ctrl, Alt or Del will be lost.\n"
              "Without them you may not be able to log on to Windows.\n"
              "\n"
              "Write the key table to the registry anyway?",
              m_boxes.m_shown[0].strText);
    ExpectEnglish({m_boxes.m_shown[0].strText, m_boxes.m_shown[1].strText}, "exit flow");
}

TEST_F(EnglishUser, EveryDialog_IsEnglish)
{
    ASSERT_EQ(TRUE, Start({}));
    ExpectEnglish(TextsOfDialogOpenedBy(ID_APP_ABOUT), "About");

    // Automatic logon, then its password confirmation on OK with the box
    // ticked; the empty confirmation matches the empty password and both close.
    std::vector<std::string> logonTexts, confirmTexts;
    CDialogDriver driver;
    driver
        .Then([&](HWND hDlg) {
            logonTexts = DialogTexts(hDlg);
            if (!CDialogDriver::IsChecked(hDlg, IDC_AUTOLOGON_ENABLE))
                CDialogDriver::Click(hDlg, IDC_AUTOLOGON_ENABLE);
            CDialogDriver::Press(hDlg, IDOK);
            return TRUE;
        })
        .Then([&](HWND hDlg) {
            if (!CDialogDriver::HasControl(hDlg, IDC_PASSWORD_CONFIRM) ||
                CDialogDriver::HasControl(hDlg, IDC_AUTOLOGON_ENABLE))
                return FALSE;
            confirmTexts = DialogTexts(hDlg);
            CDialogDriver::Press(hDlg, IDCANCEL);
            return TRUE;
        });
    Command(ID_OPTION_AUTOLOGON);
    EXPECT_EQ(TRUE, driver.Done());
    ExpectEnglish(logonTexts, "Automatic Logon");
    ExpectEnglish(confirmTexts, "Confirm Password");

    // The tip dialog has no command in the English menu; it is the same dialog.
    std::vector<std::string> tipTexts;
    CDialogDriver tipDriver;
    tipDriver.Then([&](HWND hDlg) {
        tipTexts = DialogTexts(hDlg);
        CDialogDriver::Press(hDlg, IDCANCEL);
        return TRUE;
    });
    COnePointDialog tip(m_pApp->GetProfile(), m_tipsFiles, "no tips here.txt");
    tip.DoModal();
    ExpectEnglish(tipTexts, "Tip of the Day");
}
