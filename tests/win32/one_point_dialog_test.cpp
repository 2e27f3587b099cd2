// The "One point" dialog run modally on a tips file of the test's own, with
// its profile under a throw-away company in the prefix's HKCU.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "framework/win32/win32_message_boxes.h"
#include "platform/win32/win32_registry.h"
#include "dialogs/win32/one_point_dialog.h"
#include "platform/stdio_tips_file.h"
#include "res/resource.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/win32/dialog_driver.h"
#include "tests/win32/dialog_resources.h"
#include "tests/win32/win32_test_support.h"

namespace
{
const char kCompany[] = "Ostrelwick-DialogTest";
const char kTipKey[] = "Software\\Ostrelwick-DialogTest\\Velloric\\Tip";

// Text-mode lines end in CR LF on disk; the CRs never reach a tip.
const char kTips[] = "; tips for the tests\r\n"
                     "\r\n"
                     "first tip\r\n"
                     " indented, never shown\r\n"
                     "second\\ntip\r\n"
                     "third tip\r\n";
const DWORD kAfterFirst = 35; // offsets in the file's own bytes
const DWORD kAfterSecond = 72;

struct CStoredDword
{
    BOOL bPresent = FALSE;
    DWORD dwType = REG_NONE;
    DWORD dwValue = 0;
};

CStoredDword ReadTipDword(const char* pszEntry)
{
    CStoredDword stored;
    DWORD cb = sizeof stored.dwValue;
    stored.bPresent = ::RegGetValueA(HKEY_CURRENT_USER, kTipKey, pszEntry, RRF_RT_ANY,
                                     &stored.dwType, &stored.dwValue, &cb) == ERROR_SUCCESS;
    return stored;
}

std::string ReadTipString(const char* pszEntry)
{
    char sz[256] = "";
    DWORD cb = sizeof sz;
    if (::RegGetValueA(HKEY_CURRENT_USER, kTipKey, pszEntry, RRF_RT_REG_SZ, NULL, sz, &cb) !=
        ERROR_SUCCESS)
        return "(missing)";
    return sz;
}

RECT PaintedArea(HWND hDlg)
{
    RECT rc;
    ::GetWindowRect(::GetDlgItem(hDlg, IDC_TIP_PICTURE), &rc);
    ::MapWindowPoints(NULL, hDlg, (POINT*)&rc, 2);
    return rc;
}

std::string WindowTextUtf8(HWND hWnd)
{
    wchar_t sz[256] = L"";
    ::GetWindowTextW(hWnd, sz, 256);
    return wintest::Utf8FromWide(sz);
}

// What the dialog showed when it opened; the defaults match nothing it can show.
struct CTipSeen
{
    std::string strTip = "(not seen)", strTitle = "(not seen)";
    BOOL bChecked = -1, bNextEnabled = -1;
};
} // namespace

class OnePointDialog : public ::testing::Test
{
protected:
    OnePointDialog()
    {
        char szTemp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        m_strPath = std::string(szTemp) + "velloric_dialog_tips.txt";
        m_profile.SetRegistryKey(kCompany, "Velloric");
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Ostrelwick-DialogTest");
    }
    ~OnePointDialog() override
    {
        std::remove(m_strPath.c_str());
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Ostrelwick-DialogTest");
    }

    void WriteTips(const std::string& strBytes)
    {
        std::FILE* pFile = std::fopen(m_strPath.c_str(), "wb");
        ASSERT_NE(nullptr, pFile);
        std::fwrite(strBytes.data(), 1, strBytes.size(), pFile);
        std::fclose(pFile);
    }
    // Runs one dialog object from construction to destruction.
    INT_PTR Run(CDialogDriver& driver)
    {
        INT_PTR nResult;
        {
            COnePointDialog dlg(m_profile, m_files, m_strPath);
            nResult = dlg.DoModal();
        }
        EXPECT_EQ(TRUE, driver.Done());
        EXPECT_EQ(0, driver.GiveUps());
        return nResult;
    }
    // Opens the dialog, notes what it shows, then closes it with nButton.
    CTipSeen LookThenPress(int nButton)
    {
        CTipSeen seen;
        CDialogDriver driver;
        driver.Then([&](HWND hDlg) {
            seen.strTip = wintest::ControlText(hDlg, IDC_TIP_TEXT);
            seen.strTitle = WindowTextUtf8(hDlg);
            seen.bChecked = CDialogDriver::IsChecked(hDlg, IDC_TIP_SHOW_AT_STARTUP);
            seen.bNextEnabled = CDialogDriver::IsEnabled(hDlg, IDC_TIP_NEXT);
            CDialogDriver::Press(hDlg, nButton);
            return TRUE;
        });
        EXPECT_EQ(nButton, Run(driver));
        return seen;
    }

    std::string m_strPath;
    CWin32Registry m_registry;
    CProfile m_profile{m_registry};
    CStdioTipsFileSystem m_files;
    CWin32StringSource m_strings;
    CScriptedMessageBoxes m_boxes{&m_strings};
};

class OnePointDialogJapanese : public OnePointDialog
{
};

TEST_F(OnePointDialog, FirstShow_FirstTipWithoutCarriageReturn_BoxTicked_NextEnabled)
{
    WriteTips(kTips);
    CTipSeen seen = LookThenPress(IDCANCEL);
    EXPECT_EQ("first tip\n", seen.strTip);
    EXPECT_EQ(TRUE, seen.bChecked);
    EXPECT_EQ(TRUE, seen.bNextEnabled);
    EXPECT_EQ(0u, m_boxes.m_shown.size());
    // The position counts the file's own bytes, carriage returns included.
    CStoredDword filePos = ReadTipDword("FilePos");
    EXPECT_EQ((DWORD)REG_DWORD, filePos.dwType);
    EXPECT_EQ(kAfterFirst, filePos.dwValue);
    EXPECT_EQ(24u, ReadTipString("TimeStamp").size());
    EXPECT_EQ(FALSE, ReadTipDword("StartUp").bPresent); // Escape stores nothing
}

TEST_F(OnePointDialog, Heading_IsPaintedBesideTheBulb_OnWhite)
{
    WriteTips(kTips);
    COLORREF crGround = 0, crGlass = 0, crArea = 0;
    BOOL bHeadingInk = FALSE, bPlaceholderShown = -1;
    CDialogDriver driver;
    driver.Then([&](HWND hDlg) {
        // A shown placeholder would paint its empty frame over all of it.
        bPlaceholderShown = ::IsWindowVisible(::GetDlgItem(hDlg, IDC_TIP_PICTURE));
        ::RedrawWindow(hDlg, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        RECT rc = PaintedArea(hDlg);
        HDC hdc = ::GetDC(hDlg);
        crGround = ::GetPixel(hdc, rc.left + 1, rc.top + 1);  // the bitmap's white ground
        crGlass = ::GetPixel(hdc, rc.left + 20, rc.top + 20); // inside the glass
        crArea = ::GetPixel(hdc, rc.right - 2, rc.bottom - 2);
        // The heading: some ink right of the bitmap, within its height.
        for (int y = rc.top; y < rc.top + 53 && !bHeadingInk; ++y)
            for (int x = rc.left + 40; x < rc.right && !bHeadingInk; ++x)
                bHeadingInk = ::GetPixel(hdc, x, y) != RGB(255, 255, 255);
        ::ReleaseDC(hDlg, hdc);
        CDialogDriver::Press(hDlg, IDCANCEL);
        return TRUE;
    });
    Run(driver);
    EXPECT_EQ(RGB(255, 255, 255), crGround);
    EXPECT_EQ(RGB(255, 255, 0), crGlass);
    EXPECT_EQ(RGB(255, 255, 255), crArea);
    EXPECT_EQ(TRUE, bHeadingInk);
    EXPECT_EQ(FALSE, bPlaceholderShown);
}

TEST_F(OnePointDialog, TipText_GetsTheWhiteBrush_OtherControlsTheDefault)
{
    WriteTips(kTips);
    LRESULT lTip = 0, lCheck = 0;
    CDialogDriver driver;
    driver.Then([&](HWND hDlg) {
        HDC hdc = ::GetDC(hDlg);
        lTip = ::SendMessageA(hDlg, WM_CTLCOLORSTATIC, (WPARAM)hdc,
                              (LPARAM)::GetDlgItem(hDlg, IDC_TIP_TEXT));
        lCheck = ::SendMessageA(hDlg, WM_CTLCOLORSTATIC, (WPARAM)hdc,
                                (LPARAM)::GetDlgItem(hDlg, IDC_TIP_SHOW_AT_STARTUP));
        ::ReleaseDC(hDlg, hdc);
        CDialogDriver::Press(hDlg, IDCANCEL);
        return TRUE;
    });
    Run(driver);
    EXPECT_EQ((LRESULT)::GetStockObject(WHITE_BRUSH), lTip);
    EXPECT_NE((LRESULT)::GetStockObject(WHITE_BRUSH), lCheck);
}

TEST_F(OnePointDialog, NextTip_ShowsTheFollowingTips_GoesRound_AndPutsTheBoxBack)
{
    WriteTips(kTips);
    std::string strTips[4];
    BOOL bCheckedAfterNext = FALSE;
    CDialogDriver driver;
    driver.Then([&](HWND hDlg) {
        strTips[0] = wintest::ControlText(hDlg, IDC_TIP_TEXT);
        CDialogDriver::Click(hDlg, IDC_TIP_SHOW_AT_STARTUP); // cleared ...
        for (int i = 1; i < 4; ++i)
        {
            ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_TIP_NEXT, BN_CLICKED),
                           (LPARAM)::GetDlgItem(hDlg, IDC_TIP_NEXT));
            strTips[i] = wintest::ControlText(hDlg, IDC_TIP_TEXT);
        }
        bCheckedAfterNext = CDialogDriver::IsChecked(hDlg, IDC_TIP_SHOW_AT_STARTUP); // ... ticked again
        CDialogDriver::Press(hDlg, IDOK);
        return TRUE;
    });
    EXPECT_EQ(IDOK, Run(driver));
    EXPECT_EQ("first tip\n", strTips[0]);
    EXPECT_EQ("second\ntip\n", strTips[1]);
    EXPECT_EQ("third tip\n", strTips[2]);
    EXPECT_EQ("first tip\n", strTips[3]);
    EXPECT_EQ(TRUE, bCheckedAfterNext);
    EXPECT_EQ(0u, ReadTipDword("StartUp").dwValue);
    EXPECT_EQ(kAfterFirst, ReadTipDword("FilePos").dwValue);
}

TEST_F(OnePointDialog, CloseWithTheBoxCleared_StoresStartUp1_AndTheNextShowContinues)
{
    WriteTips(kTips);
    CDialogDriver driver;
    driver.Then([&](HWND hDlg) {
        CDialogDriver::Click(hDlg, IDC_TIP_SHOW_AT_STARTUP);
        CDialogDriver::Press(hDlg, IDOK);
        return TRUE;
    });
    EXPECT_EQ(IDOK, Run(driver));
    CStoredDword startUp = ReadTipDword("StartUp");
    EXPECT_EQ((DWORD)REG_DWORD, startUp.dwType);
    EXPECT_EQ(1u, startUp.dwValue);

    CTipSeen seen = LookThenPress(IDCANCEL);
    EXPECT_EQ("second\ntip\n", seen.strTip);
    EXPECT_EQ(FALSE, seen.bChecked);
    EXPECT_EQ(kAfterSecond, ReadTipDword("FilePos").dwValue);
}

TEST_F(OnePointDialog, MissingFile_ShowsString109_NextDisabled_AndNoBox)
{
    std::remove(m_strPath.c_str());
    CTipSeen seen = LookThenPress(IDOK);
    EXPECT_EQ(wintest::LoadResourceString(IDS_TIP_FILE_ABSENT), seen.strTip);
    EXPECT_EQ(FALSE, seen.bNextEnabled);
    EXPECT_EQ(0u, m_boxes.m_shown.size());
    EXPECT_EQ(FALSE, ReadTipDword("FilePos").bPresent);
    EXPECT_EQ("(missing)", ReadTipString("TimeStamp"));
    EXPECT_EQ(0u, ReadTipDword("StartUp").dwValue);
}

TEST_F(OnePointDialog, NegativeStoredPosition_Reports110_AndShowsAnEmptyTip)
{
    WriteTips(kTips);
    { COnePointDialog stamp(m_profile, m_files, m_strPath); } // stores the file's time stamp
    m_profile.WriteProfileInt("Tip", "FilePos", -5);
    CTipSeen seen = LookThenPress(IDCANCEL);
    EXPECT_EQ("", seen.strTip);
    ASSERT_EQ(1u, m_boxes.m_shown.size());
    EXPECT_EQ(wintest::LoadResourceString(IDS_TIP_FILE_ERROR), m_boxes.m_shown[0].strText);
    EXPECT_EQ((UINT)(MB_OK | MB_ICONEXCLAMATION), m_boxes.m_shown[0].nType);
}

TEST_F(OnePointDialog, TipsPath_IsTipsTxtBesideTheProgram)
{
    EXPECT_EQ(wintest::BesideTestExe("tips.txt"), COnePointDialog::TipsFilePath());
}

TEST_F(OnePointDialog, NeutralTemplate_IsTaggedSystemDefault_WithEnglishCaptions)
{
    // Tagged 0x0800, the neutral copy is not the one the platform's lookup
    // finds for a neutral request (Chinese users get the copy tagged 0x0004),
    // so the template is read directly.
    EXPECT_EQ((std::vector<WORD>{0x0004, 0x0409, 0x0411, 0x0800}),
              ResourceLanguages((LPCSTR)RT_DIALOG, IDD_ONE_POINT));
    std::wstring strTemplate = DialogTemplateText(IDD_ONE_POINT, 0x0800);
    for (const wchar_t* pszText :
         {L"One point", L"Arial", L"Show onepoint at &startup", L"&Next tip", L"&Close"})
        EXPECT_NE(std::wstring::npos, strTemplate.find(pszText)) << wintest::Utf8FromWide(pszText);
}

TEST_F(OnePointDialogJapanese, DoubleByteTrailBackslash_StaysOneCharacter_AndTitleIsJapanese)
{
    ASSERT_EQ(932u, ::GetACP());
    // "表" is 0x95 0x5C: followed by "n" it is that character and the letter n.
    WriteTips(wintest::Ansi(u8"表n と 表\\n 改行\r\n"));
    CTipSeen seen = LookThenPress(IDCANCEL);
    EXPECT_EQ(wintest::Ansi(u8"表n と 表\n 改行\n"), seen.strTip);
    EXPECT_EQ(u8"ワンポイント", seen.strTitle);
    EXPECT_EQ("Did you know...", wintest::LoadResourceString(IDS_TIP_DID_YOU_KNOW));
}
