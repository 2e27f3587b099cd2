// The tip of the day as the application shows it: at start-up on code page
// 932 unless switched off, and on command 105, with the tips file shipped
// beside the program and the profile in the fake registry.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "res/resource.h"
#include "tests/win32/dialog_driver.h"
#include "tests/win32/startup_fixture.h"
#include "tests/win32/win32_test_support.h"

namespace
{
const char kTipKey[] = "HKCU\\Software\\Ostrelwick\\Velloric\\Tip";

// The shipped file's tips in order, as a reader of its format sees them
// (its tips are short and hold no backslash-n before the second one).
std::vector<std::string> ShippedTips()
{
    std::ifstream file(wintest::BesideTestExe("tips.txt").c_str(), std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    std::vector<std::string> tips;
    std::string strLine;
    std::istringstream lines(bytes.str());
    while (std::getline(lines, strLine))
    {
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        if (strLine.empty() || strLine[0] == ';' || strLine[0] == ' ' || strLine[0] == '\t')
            continue;
        tips.push_back(strLine + "\n");
    }
    return tips;
}
} // namespace

class StartupTip : public StartupFixture
{
protected:
    // A driver that reads the tip and the box, then presses nButton.
    void CloseWith(CDialogDriver& driver, int nButton, BOOL bClearBox = FALSE)
    {
        driver.Then([this, nButton, bClearBox](HWND hDlg) {
            m_strTip = wintest::ControlText(hDlg, IDC_TIP_TEXT);
            m_bChecked = CDialogDriver::IsChecked(hDlg, IDC_TIP_SHOW_AT_STARTUP);
            ++m_nShown;
            if (bClearBox)
                CDialogDriver::Click(hDlg, IDC_TIP_SHOW_AT_STARTUP);
            CDialogDriver::Press(hDlg, nButton);
            return TRUE;
        });
    }
    DWORD Stored(const char* pszEntry) const { return m_registry.GetDword(kTipKey, pszEntry); }

    std::string m_strTip;
    BOOL m_bChecked = FALSE;
    int m_nShown = 0;
};

class StartupTipJapanese : public StartupTip
{
};

TEST_F(StartupTipJapanese, FirstStartOn932_ShowsTheFirstShippedTip_BoxTicked)
{
    std::vector<std::string> tips = ShippedTips();
    ASSERT_LE(2u, tips.size());
    m_system.m_nCodePage = 932;
    CDialogDriver driver;
    CloseWith(driver, IDOK);
    ASSERT_EQ(TRUE, Start({}));
    EXPECT_EQ(TRUE, driver.Done());
    EXPECT_EQ(1, m_nShown);
    EXPECT_EQ(tips[0], m_strTip);
    EXPECT_EQ(TRUE, m_bChecked);
    EXPECT_EQ(0u, Stored("StartUp"));
    EXPECT_EQ(TRUE, m_registry.HasValue(kTipKey, "FilePos"));
    EXPECT_NE((HWND)NULL, MainWindow());
}

TEST_F(StartupTipJapanese, ClearedBoxAndClose_KeepsTheTipAwayNextTime_ButThePositionMovesOn)
{
    m_system.m_nCodePage = 932;
    {
        CDialogDriver driver;
        CloseWith(driver, IDOK, TRUE);
        ASSERT_EQ(TRUE, Start({}));
        EXPECT_EQ(1u, Stored("StartUp"));
    }
    DWORD dwFirstPos = Stored("FilePos");
    Stop();
    CDialogDriver guard; // answers a dialog that should not come
    CloseWith(guard, IDCANCEL);
    ASSERT_EQ(TRUE, Start({}));
    EXPECT_EQ(1, m_nShown);
    EXPECT_LT(dwFirstPos, Stored("FilePos"));
}

TEST_F(StartupTipJapanese, ClearedBoxAndEscape_StoresNothing)
{
    m_system.m_nCodePage = 932;
    CDialogDriver driver;
    CloseWith(driver, IDCANCEL, TRUE);
    ASSERT_EQ(TRUE, Start({}));
    EXPECT_EQ(1, m_nShown);
    EXPECT_EQ(FALSE, m_registry.HasValue(kTipKey, "StartUp"));
}

TEST_F(StartupTip, EmbeddingOrAutomationFlag_ShowsNoTip_AndLeavesThePositionAlone)
{
    m_system.m_nCodePage = 932;
    CDialogDriver guard;
    CloseWith(guard, IDCANCEL);
    for (const char* pszFlag : {"-Embedding", "/automation"})
    {
        SCOPED_TRACE(pszFlag);
        ASSERT_EQ(TRUE, Start({pszFlag}));
        EXPECT_EQ(FALSE, m_registry.HasValue(kTipKey, "FilePos"));
        Stop();
    }
    EXPECT_EQ(0, m_nShown);
}

TEST_F(StartupTip, OtherCodePage_NeverShowsTheTip_WhateverStartUpHolds)
{
    m_registry.PutDword(kTipKey, "StartUp", 0);
    CDialogDriver guard;
    CloseWith(guard, IDCANCEL);
    ASSERT_EQ(TRUE, Start({}));
    EXPECT_EQ(0, m_nShown);
    EXPECT_EQ(FALSE, m_registry.HasValue(kTipKey, "FilePos"));
}

TEST_F(StartupTip, TipCommand_ShowsTheDialog_EvenWhenSwitchedOffAtStartup)
{
    m_registry.PutDword(kTipKey, "StartUp", 1);
    ASSERT_EQ(TRUE, Start({}));
    CDialogDriver driver;
    CloseWith(driver, IDOK);
    Command(ID_HELP_ONE_POINT);
    EXPECT_EQ(TRUE, driver.Done());
    EXPECT_EQ(1, m_nShown);
    EXPECT_EQ(FALSE, m_bChecked);
    EXPECT_EQ(1u, Stored("StartUp"));
    EXPECT_EQ(TRUE, m_registry.HasValue(kTipKey, "FilePos"));
    EXPECT_EQ(TRUE, ::IsWindowEnabled(MainWindow()));
}
