// The automatic logon dialog run modally against the throw-away prefix's
// Winlogon key, answered from inside its own loop.
#include <gtest/gtest.h>

#include <string>

#include "framework/win32/win32_message_boxes.h"
#include "dialogs/win32/auto_logon_dialog.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_secret_store.h"
#include "platform/win32/win32_user_name_source.h"
#include "res/resource.h"
#include "tests/support/fake_registry.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/win32/dialog_driver.h"
#include "tests/win32/win32_test_support.h"

namespace
{
const char kWinlogon[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
const char* const kNames[] = {"AutoAdminLogon", "DefaultUserName", "DefaultPassword",
                              "DefaultDomainName"};

// A Winlogon value as the registry holds it; bPresent FALSE when missing.
struct CStored
{
    BOOL bPresent = FALSE;
    DWORD dwType = REG_NONE;
    std::string strBytes;
};

CStored Read(const char* pszName)
{
    CStored stored;
    HKEY hKey;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kWinlogon, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return stored;
    char buffer[2048];
    DWORD cb = sizeof buffer;
    if (::RegQueryValueExA(hKey, pszName, NULL, &stored.dwType, (BYTE*)buffer, &cb) ==
        ERROR_SUCCESS)
    {
        stored.bPresent = TRUE;
        stored.strBytes.assign(buffer, cb);
    }
    ::RegCloseKey(hKey);
    return stored;
}

void Write(const char* pszName, const CStored& stored)
{
    HKEY hKey;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kWinlogon, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &hKey,
                          NULL) != ERROR_SUCCESS)
        return;
    if (stored.bPresent)
        ::RegSetValueExA(hKey, pszName, 0, stored.dwType, (const BYTE*)stored.strBytes.data(),
                         (DWORD)stored.strBytes.size());
    else
        ::RegDeleteValueA(hKey, pszName);
    ::RegCloseKey(hKey);
}

void WriteSz(const char* pszName, const std::string& strText)
{
    CStored stored;
    stored.bPresent = TRUE;
    stored.dwType = REG_SZ;
    stored.strBytes = strText + '\0';
    Write(pszName, stored);
}

std::string Sz(const std::string& strText)
{
    return strText + '\0';
}

// What a step saw of the dialog.
struct CSeen
{
    std::string strUser, strPassword, strDomain;
    BOOL bChecked = FALSE;
    BOOL bUserEnabled = FALSE, bPasswordEnabled = FALSE, bDomainEnabled = FALSE;
};

CSeen Look(HWND hDlg)
{
    CSeen seen;
    seen.strUser = wintest::ControlText(hDlg, IDC_AUTOLOGON_USER_NAME);
    seen.strPassword = wintest::ControlText(hDlg, IDC_AUTOLOGON_PASSWORD);
    seen.strDomain = wintest::ControlText(hDlg, IDC_AUTOLOGON_DOMAIN_NAME);
    seen.bChecked = CDialogDriver::IsChecked(hDlg, IDC_AUTOLOGON_ENABLE);
    seen.bUserEnabled = CDialogDriver::IsEnabled(hDlg, IDC_AUTOLOGON_USER_NAME);
    seen.bPasswordEnabled = CDialogDriver::IsEnabled(hDlg, IDC_AUTOLOGON_PASSWORD);
    seen.bDomainEnabled = CDialogDriver::IsEnabled(hDlg, IDC_AUTOLOGON_DOMAIN_NAME);
    return seen;
}

BOOL IsSettings(HWND hDlg)
{
    return CDialogDriver::HasControl(hDlg, IDC_AUTOLOGON_ENABLE);
}

BOOL IsConfirmation(HWND hDlg)
{
    return !IsSettings(hDlg) && CDialogDriver::HasControl(hDlg, IDC_PASSWORD_CONFIRM);
}

std::string WindowTextUtf8(HWND hWnd)
{
    wchar_t sz[256] = L"";
    ::GetWindowTextW(hWnd, sz, 256);
    return wintest::Utf8FromWide(sz);
}

// The check box and the three edits it switches.
void ExpectLogonShown(const CSeen& seen, BOOL bOn)
{
    EXPECT_EQ(bOn, seen.bChecked);
    EXPECT_EQ(bOn, seen.bUserEnabled);
    EXPECT_EQ(bOn, seen.bPasswordEnabled);
    EXPECT_EQ(bOn, seen.bDomainEnabled);
}

void ExpectTexts(const CSeen& seen, const char* pszUser, const char* pszPassword,
                 const char* pszDomain)
{
    EXPECT_EQ(pszUser, seen.strUser);
    EXPECT_EQ(pszPassword, seen.strPassword);
    EXPECT_EQ(pszDomain, seen.strDomain);
}

// Waits for the settings dialog (not the confirmation over it) and presses nButton.
CDialogDriver::Step PressOnSettings(int nButton)
{
    return [nButton](HWND hDlg) {
        if (!IsSettings(hDlg))
            return FALSE;
        CDialogDriver::Press(hDlg, nButton);
        return TRUE;
    };
}

// Ticks the box, types the three texts and presses nButton.
CDialogDriver::Step TickTypeAndPress(const std::string& strUser, const std::string& strPassword,
                                     const std::string& strDomain, int nButton)
{
    return [=](HWND hDlg) {
        CDialogDriver::Click(hDlg, IDC_AUTOLOGON_ENABLE);
        CDialogDriver::SetText(hDlg, IDC_AUTOLOGON_USER_NAME, strUser);
        CDialogDriver::SetText(hDlg, IDC_AUTOLOGON_PASSWORD, strPassword);
        CDialogDriver::SetText(hDlg, IDC_AUTOLOGON_DOMAIN_NAME, strDomain);
        CDialogDriver::Press(hDlg, nButton);
        return TRUE;
    };
}

// Waits for the password confirmation, types strPassword and presses nButton.
CDialogDriver::Step Confirm(const std::string& strPassword, int nButton = IDOK)
{
    return [strPassword, nButton](HWND hDlg) {
        if (!IsConfirmation(hDlg))
            return FALSE;
        CDialogDriver::SetText(hDlg, IDC_PASSWORD_CONFIRM, strPassword);
        CDialogDriver::Press(hDlg, nButton);
        return TRUE;
    };
}
} // namespace

class AutoLogonDialog : public ::testing::Test
{
protected:
    AutoLogonDialog()
    {
        for (int i = 0; i < 4; ++i)
            m_saved[i] = Read(kNames[i]);
    }
    ~AutoLogonDialog() override
    {
        for (int i = 0; i < 4; ++i)
            Write(kNames[i], m_saved[i]);
    }

    void PutAll(const char* pszAuto, const char* pszUser, const char* pszPassword,
                const char* pszDomain)
    {
        WriteSz("AutoAdminLogon", pszAuto);
        WriteSz("DefaultUserName", pszUser);
        WriteSz("DefaultPassword", pszPassword);
        WriteSz("DefaultDomainName", pszDomain);
    }
    void ExpectAll(const char* pszAuto, const char* pszUser, const char* pszPassword,
                   const char* pszDomain)
    {
        const char* expected[] = {pszAuto, pszUser, pszPassword, pszDomain};
        for (int i = 0; i < 4; ++i)
        {
            SCOPED_TRACE(kNames[i]);
            CStored stored = Read(kNames[i]);
            EXPECT_EQ(TRUE, stored.bPresent);
            EXPECT_EQ((DWORD)REG_SZ, stored.dwType);
            EXPECT_EQ(Sz(expected[i]), stored.strBytes);
        }
    }
    INT_PTR Run(CDialogDriver& driver, IRegistry* pRegistry = nullptr)
    {
        CAutoLogonDialog dlg(pRegistry != nullptr ? *pRegistry : m_registry, m_userName, m_secrets);
        INT_PTR nResult = dlg.DoModal();
        EXPECT_EQ(TRUE, driver.Done());
        EXPECT_EQ(0, driver.GiveUps());
        return nResult;
    }
    // Opens the dialog, notes what it shows, then closes it with nButton.
    CSeen LookThenPress(int nButton, IRegistry* pRegistry = nullptr)
    {
        CSeen seen;
        CDialogDriver driver;
        driver.Then([&](HWND hDlg) {
            seen = Look(hDlg);
            CDialogDriver::Press(hDlg, nButton);
            return TRUE;
        });
        EXPECT_EQ(nButton, Run(driver, pRegistry));
        return seen;
    }
    void ExpectOneBox(const std::string& strText, UINT nType)
    {
        ASSERT_EQ(1u, m_boxes.m_shown.size());
        EXPECT_EQ(strText, m_boxes.m_shown[0].strText);
        EXPECT_EQ(nType, m_boxes.m_shown[0].nType);
    }

    CStored m_saved[4];
    CWin32Registry m_registry;
    CWin32UserNameSource m_userName; // a missing user name is the logged-on one
    CWin32SecretStore m_secrets;     // Wine's LSA refuses: the password stays in the registry
    CWin32StringSource m_strings;
    CScriptedMessageBoxes m_boxes{&m_strings};
};

class AutoLogonDialogJapanese : public AutoLogonDialog
{
};

TEST_F(AutoLogonDialog, Start_ShowsStoredValues_EditsEnabledWhileOn)
{
    PutAll("1", "suzuki", "secret", "OFFICE");
    CSeen seen = LookThenPress(IDCANCEL);
    ExpectLogonShown(seen, TRUE);
    ExpectTexts(seen, "suzuki", "secret", "OFFICE");
}

TEST_F(AutoLogonDialog, Start_WithLogonOff_DisablesTheEdits_AndMissingUserIsTheLoggedOnOne)
{
    PutAll("0", "", "", "");
    Write("DefaultUserName", CStored());
    char szUser[1024] = "";
    DWORD cbUser = sizeof szUser;
    ASSERT_TRUE(::GetUserNameA(szUser, &cbUser));
    CSeen seen = LookThenPress(IDCANCEL);
    ExpectLogonShown(seen, FALSE);
    EXPECT_EQ(szUser, seen.strUser);
    EXPECT_EQ(FALSE, Read("DefaultUserName").bPresent); // Cancel wrote nothing
}

TEST_F(AutoLogonDialog, TickingAndClearingTheBox_TogglesTheEdits_KeepingTheirText)
{
    PutAll("0", "suzuki", "secret", "OFFICE");
    CSeen afterTick, afterClear;
    CDialogDriver driver;
    driver.Then([&](HWND hDlg) {
        CDialogDriver::Click(hDlg, IDC_AUTOLOGON_ENABLE);
        afterTick = Look(hDlg);
        CDialogDriver::Click(hDlg, IDC_AUTOLOGON_ENABLE);
        afterClear = Look(hDlg);
        CDialogDriver::Press(hDlg, IDCANCEL);
        return TRUE;
    });
    EXPECT_EQ(IDCANCEL, Run(driver));
    ExpectLogonShown(afterTick, TRUE);
    ExpectLogonShown(afterClear, FALSE);
    ExpectTexts(afterClear, "suzuki", "secret", "OFFICE");
}

TEST_F(AutoLogonDialog, OkWithLogonOn_AsksThePasswordAgain_WritesAllFour_AndSaysThePasswordIsReadable)
{
    PutAll("0", "suzuki", "", "");
    BOOL bConfirmPasswordStyle = FALSE;
    std::string strConfirmStart = "x";
    CDialogDriver driver;
    driver
        .Then(TickTypeAndPress("tanaka", "Pass word", "HOME", IDOK))
        .Then([&](HWND hDlg) {
            if (!IsConfirmation(hDlg))
                return FALSE;
            strConfirmStart = wintest::ControlText(hDlg, IDC_PASSWORD_CONFIRM);
            bConfirmPasswordStyle =
                (::GetWindowLongA(::GetDlgItem(hDlg, IDC_PASSWORD_CONFIRM), GWL_STYLE) &
                 ES_PASSWORD) != 0;
            return Confirm("Pass word")(hDlg);
        });
    EXPECT_EQ(IDOK, Run(driver));
    EXPECT_EQ("", strConfirmStart);
    EXPECT_EQ(TRUE, bConfirmPasswordStyle);
    // Wine's LSA keeps no secret: the password goes to the registry, and the user is told.
    ExpectAll("1", "tanaka", "Pass word", "HOME");
    ExpectOneBox(wintest::LoadResourceString(IDS_PASSWORD_STORED_READABLE),
                 (UINT)(MB_OK | MB_ICONEXCLAMATION));
}

TEST_F(AutoLogonDialog, ReopeningAfterOk_ShowsExactlyWhatWasWritten)
{
    PutAll("1", "tanaka", "pw", "HOME");
    CDialogDriver driver;
    driver.Then(PressOnSettings(IDOK)).Then(Confirm("pw"));
    EXPECT_EQ(IDOK, Run(driver));
    CSeen seen = LookThenPress(IDCANCEL);
    EXPECT_EQ(TRUE, seen.bChecked);
    ExpectTexts(seen, "tanaka", "pw", "HOME");
}

TEST_F(AutoLogonDialog, MismatchedConfirmation_Shows1022_StaysOpen_AndWritesNothing)
{
    PutAll("1", "suzuki", "Secret", "OFFICE");
    BOOL bStillOpen = FALSE;
    CSeen seen;
    CDialogDriver driver;
    driver
        .Then([&](HWND hDlg) {
            CDialogDriver::SetText(hDlg, IDC_AUTOLOGON_USER_NAME, "changed");
            CDialogDriver::Press(hDlg, IDOK);
            return TRUE;
        })
        .Then(Confirm("secret")) // other case
        .Then([&](HWND hDlg) {
            if (!IsSettings(hDlg))
                return FALSE;
            bStillOpen = TRUE;
            seen = Look(hDlg);
            CDialogDriver::Press(hDlg, IDCANCEL);
            return TRUE;
        });
    EXPECT_EQ(IDCANCEL, Run(driver));
    EXPECT_EQ(TRUE, bStillOpen);
    EXPECT_EQ("changed", seen.strUser);
    ExpectOneBox(wintest::LoadResourceString(IDS_PASSWORD_MISMATCH),
                 (UINT)(MB_OK | MB_ICONEXCLAMATION));
    ASSERT_EQ(1u, m_boxes.m_shown.size());
    EXPECT_EQ(wintest::LoadResourceString(IDS_APP_TITLE), m_boxes.m_shown[0].strCaption);
    ExpectAll("1", "suzuki", "Secret", "OFFICE");
}

TEST_F(AutoLogonDialog, CancelledConfirmation_MatchesOnlyAnEmptyPassword)
{
    struct
    {
        const char* pszPassword;
        size_t nBoxes; // 1022, or for a written password 1041 (Wine's LSA refuses)
        BOOL bWritten;
    } cases[] = {{"secret", 1, FALSE}, {"", 1, TRUE}};
    for (auto& c : cases)
    {
        SCOPED_TRACE(c.pszPassword);
        PutAll("1", "suzuki", c.pszPassword, "OFFICE");
        WriteSz("DefaultDomainName", "before");
        m_boxes.m_shown.clear();
        CDialogDriver driver;
        driver
            .Then([&](HWND hDlg) {
                CDialogDriver::SetText(hDlg, IDC_AUTOLOGON_DOMAIN_NAME, "after");
                CDialogDriver::Press(hDlg, IDOK);
                return TRUE;
            })
            .Then(Confirm(c.pszPassword, IDCANCEL)); // what was typed is not kept
        if (!c.bWritten)
            driver.Then(PressOnSettings(IDCANCEL));
        EXPECT_EQ(c.bWritten ? IDOK : IDCANCEL, Run(driver));
        EXPECT_EQ(c.nBoxes, m_boxes.m_shown.size());
        EXPECT_EQ(Sz(c.bWritten ? "after" : "before"), Read("DefaultDomainName").strBytes);
    }
}

TEST_F(AutoLogonDialog, OkWithLogonOff_AsksNothing_WritesTheDigitZeroAndTheTexts_AndDeletesThePassword)
{
    PutAll("1", "suzuki", "secret", "OFFICE");
    CDialogDriver driver;
    driver.Then([&](HWND hDlg) {
        CDialogDriver::SetText(hDlg, IDC_AUTOLOGON_PASSWORD, "edited first");
        CDialogDriver::Click(hDlg, IDC_AUTOLOGON_ENABLE);
        CDialogDriver::Press(hDlg, IDOK);
        return TRUE;
    });
    EXPECT_EQ(IDOK, Run(driver));
    EXPECT_EQ(Sz("0"), Read("AutoAdminLogon").strBytes);
    EXPECT_EQ(Sz("suzuki"), Read("DefaultUserName").strBytes);
    EXPECT_EQ(FALSE, Read("DefaultPassword").bPresent);
    EXPECT_EQ(Sz("OFFICE"), Read("DefaultDomainName").strBytes);
    EXPECT_EQ(0u, m_boxes.m_shown.size());
}

TEST_F(AutoLogonDialog, Cancel_WritesNothing_WhateverWasEdited)
{
    PutAll("0", "suzuki", "secret", "OFFICE");
    CDialogDriver driver;
    driver.Then(TickTypeAndPress("x", "y", "z", IDCANCEL));
    EXPECT_EQ(IDCANCEL, Run(driver));
    ExpectAll("0", "suzuki", "secret", "OFFICE");
}

TEST_F(AutoLogonDialog, KeyOutOfReach_EmptyDialog_ThenOkReports1021AndStaysOpen)
{
    CFakeRegistry denied;
    denied.m_lOpenError = ERROR_ACCESS_DENIED;
    denied.m_lCreateError = ERROR_ACCESS_DENIED;
    CSeen seen;
    CDialogDriver driver;
    driver
        .Then([&](HWND hDlg) {
            seen = Look(hDlg);
            CDialogDriver::Press(hDlg, IDOK);
            return TRUE;
        })
        .Then(PressOnSettings(IDCANCEL));
    EXPECT_EQ(IDCANCEL, Run(driver, &denied));
    EXPECT_EQ(FALSE, seen.bChecked);
    ExpectTexts(seen, "", "", "");
    ExpectOneBox(wintest::LoadResourceString(IDS_AUTOLOGON_FAILED),
                 (UINT)(MB_OK | MB_ICONEXCLAMATION));
}

TEST_F(AutoLogonDialog, NeutralSet_HasEnglishCaptions)
{
    std::string strTitle, strCheck, strCancel;
    CDialogDriver driver;
    driver.Then([&](HWND hDlg) {
        strTitle = WindowTextUtf8(hDlg);
        strCheck = wintest::ControlText(hDlg, IDC_AUTOLOGON_ENABLE);
        strCancel = wintest::ControlText(hDlg, IDCANCEL);
        CDialogDriver::Press(hDlg, IDCANCEL);
        return TRUE;
    });
    Run(driver);
    EXPECT_EQ("Setup Autologon", strTitle);
    EXPECT_EQ("&Auto Logon", strCheck);
    EXPECT_EQ("Cancel", strCancel);
    EXPECT_EQ("Please make sure you logged on as an administrator.",
              wintest::LoadResourceString(IDS_AUTOLOGON_FAILED).substr(
                  wintest::LoadResourceString(IDS_AUTOLOGON_FAILED).find('\n') + 1));
}

TEST_F(AutoLogonDialogJapanese, JapaneseSet_TitleAndCaptions_AndMessage1022)
{
    ASSERT_EQ(932u, ::GetACP());
    PutAll("1", "suzuki", "secret", "OFFICE");
    std::string strTitle, strCheck, strConfirmTitle;
    CDialogDriver driver;
    driver
        .Then([&](HWND hDlg) {
            strTitle = WindowTextUtf8(hDlg);
            strCheck = wintest::ControlText(hDlg, IDC_AUTOLOGON_ENABLE);
            CDialogDriver::Press(hDlg, IDOK);
            return TRUE;
        })
        .Then([&](HWND hDlg) {
            if (!IsConfirmation(hDlg))
                return FALSE;
            strConfirmTitle = WindowTextUtf8(hDlg);
            return Confirm("other")(hDlg);
        })
        .Then(PressOnSettings(IDCANCEL));
    EXPECT_EQ(IDCANCEL, Run(driver));
    EXPECT_EQ(u8"自動ログオンの設定", strTitle);
    EXPECT_EQ(wintest::Ansi(u8"自動ログオンを行う(&A)"), strCheck);
    EXPECT_EQ(u8"パスワードの確認", strConfirmTitle);
    ASSERT_EQ(1u, m_boxes.m_shown.size());
    EXPECT_EQ(wintest::Ansi(u8"パスワードが一致しません"), m_boxes.m_shown[0].strText);
    ExpectAll("1", "suzuki", "secret", "OFFICE");
}
