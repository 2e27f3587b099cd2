// velloric.exe itself, started as a process: real message boxes answered from
// here, the single-instance rule across processes, the prefix's registry.
#include <gtest/gtest.h>

#include "framework/instance_name.h"
#include "tests/win32/startup_fixture.h"
#include "tests/win32/win32_test_support.h"

namespace
{
const std::vector<BYTE> kEmptyTable = {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
const std::vector<BYTE> kCapsToCtrl = {0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0,
                                       0x1D, 0, 0x3A, 0, 0, 0, 0, 0};

// Answers the program's one message box with OK; returns its text.
std::string AnswerBoxWithOk(DWORD dwProcessId, BOOL* pbOnlyOk)
{
    HWND hBox = wintest::WaitForWindow(dwProcessId, "#32770", "Velloric", 15000);
    if (hBox == NULL)
        return "(no box)";
    std::string strText = wintest::ControlText(hBox, 0xFFFF);
    *pbOnlyOk = ::GetDlgItem(hBox, IDOK) != NULL && ::GetDlgItem(hBox, IDCANCEL) == NULL &&
                ::GetDlgItem(hBox, IDYES) == NULL && ::GetDlgItem(hBox, IDNO) == NULL;
    ::PostMessageA(hBox, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   (LPARAM)::GetDlgItem(hBox, IDOK));
    return strText;
}

void ExpectClearShowsClearedBox()
{
    wintest::WriteScancodeMap(kCapsToCtrl);
    wintest::CProgram program;
    ASSERT_EQ(TRUE, program.Start("-c"));
    BOOL bOnlyOk = FALSE;
    EXPECT_EQ(wintest::LoadResourceString(1005), AnswerBoxWithOk(program.pi.dwProcessId, &bOnlyOk));
    EXPECT_EQ(TRUE, bOnlyOk);
    EXPECT_EQ(0u, program.Wait(15000));
    EXPECT_EQ(kEmptyTable, wintest::ReadScancodeMap());
    wintest::DeleteScancodeMap();
}
} // namespace

TEST(Program, ClearOption_ShowsClearedInRealBox_AndWritesEmptyTable)
{
    ExpectClearShowsClearedBox();
}

TEST(ProgramJapanese, ClearOption_ShowsClearedInRealBox_AndWritesEmptyTable)
{
    ExpectClearShowsClearedBox();
}

TEST(Program, SecondCopyWithClear_SaysCloseVelloricFirst_BringsFirstToFront_AndEndsWithOne)
{
    wintest::WriteScancodeMap(kCapsToCtrl);
    wintest::CProgram first;
    ASSERT_EQ(TRUE, first.Start(""));
    HWND hFirst = wintest::WaitForWindow(first.pi.dwProcessId, VELLORIC_INSTANCE_NAME, "Velloric",
                                         15000);
    ASSERT_NE((HWND)NULL, hFirst);
    // The window is found as soon as it is made; the first copy shows and
    // activates it later. Wait until it reads its messages, or that late
    // activation takes the front from the window below.
    ASSERT_EQ(0u, ::WaitForInputIdle(first.pi.hProcess, 15000));

    // Something else in front, so that bringing the first copy back shows.
    HWND hOther = ::CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                    100, 100, NULL, NULL, NULL, NULL);
    ::SetForegroundWindow(hOther);
    wintest::DrainMessages();
    ASSERT_EQ(hOther, ::GetForegroundWindow());

    wintest::CProgram second;
    ASSERT_EQ(TRUE, second.Start("-c"));
    BOOL bOnlyOk = FALSE;
    EXPECT_EQ(wintest::LoadResourceString(1040), AnswerBoxWithOk(second.pi.dwProcessId, &bOnlyOk));
    EXPECT_EQ(TRUE, bOnlyOk);
    EXPECT_EQ(1u, second.Wait(15000));
    EXPECT_EQ(hFirst, ::GetForegroundWindow());
    EXPECT_EQ(kCapsToCtrl, wintest::ReadScancodeMap());

    ::DestroyWindow(hOther);
    // Nothing was edited: closing asks nothing and writes nothing.
    ::PostMessageA(hFirst, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, first.Wait(15000));
    EXPECT_EQ(kCapsToCtrl, wintest::ReadScancodeMap());
    wintest::DeleteScancodeMap();
}

class ProgramManifest : public StartupFixture
{
protected:
    static std::string Manifest()
    {
        HMODULE hExe = ::LoadLibraryExA(wintest::BesideTestExe("velloric.exe").c_str(), NULL,
                                        LOAD_LIBRARY_AS_DATAFILE);
        HRSRC hManifest = ::FindResourceA(hExe, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
        std::string strManifest;
        if (hManifest != NULL)
            strManifest.assign((const char*)::LockResource(::LoadResource(hExe, hManifest)),
                               ::SizeofResource(hExe, hManifest));
        ::FreeLibrary(hExe);
        return strManifest;
    }
};

TEST_F(ProgramManifest, AsksForAdministratorRights_AndStartsWithTheWindowOfTheProgramInProcess)
{
    std::string strManifest = Manifest();
    for (const char* pszPart :
         {"level=\"requireAdministrator\"", "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
          "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>",
          "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2, PerMonitor</dpiAwareness>",
          "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"})
        EXPECT_NE(std::string::npos, strManifest.find(pszPart)) << pszPart;

    ASSERT_EQ(TRUE, Start({}));
    RECT rcInProcess;
    ::GetClientRect(MainWindow(), &rcInProcess);
    Stop();

    wintest::DeleteScancodeMap();
    wintest::CProgram program;
    ASSERT_EQ(TRUE, program.Start(""));
    HWND hMain = wintest::WaitForWindow(program.pi.dwProcessId, VELLORIC_INSTANCE_NAME, "Velloric", 15000);
    ASSERT_NE((HWND)NULL, hMain);
    RECT rcProgram;
    ::GetClientRect(hMain, &rcProgram);
    EXPECT_EQ(rcInProcess.right, rcProgram.right);
    EXPECT_EQ(rcInProcess.bottom, rcProgram.bottom);
    ::PostMessageA(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, program.Wait(15000));
}
