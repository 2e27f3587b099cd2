// velloric.exe itself, started as a process: real message boxes answered from
// here, the single-instance rule across processes, the prefix's registry.
#include <gtest/gtest.h>

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

TEST(Program, SecondCopy_BringsFirstToFront_AndEndsWithoutTouchingRegistry)
{
    wintest::WriteScancodeMap(kCapsToCtrl);
    wintest::CProgram first;
    ASSERT_EQ(TRUE, first.Start(""));
    HWND hFirst = wintest::WaitForWindow(first.pi.dwProcessId, "quendalo.velloric", "Velloric",
                                         15000);
    ASSERT_NE((HWND)NULL, hFirst);

    // Something else in front, so that bringing the first copy back shows.
    HWND hOther = ::CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                    100, 100, NULL, NULL, NULL, NULL);
    ::SetForegroundWindow(hOther);
    wintest::DrainMessages();
    ASSERT_EQ(hOther, ::GetForegroundWindow());

    wintest::CProgram second;
    ASSERT_EQ(TRUE, second.Start("-c"));
    EXPECT_EQ(0u, second.Wait(15000));
    EXPECT_EQ(hFirst, ::GetForegroundWindow());
    EXPECT_EQ(kCapsToCtrl, wintest::ReadScancodeMap());

    ::DestroyWindow(hOther);
    // Nothing was edited: closing asks nothing and writes nothing.
    ::PostMessageA(hFirst, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, first.Wait(15000));
    EXPECT_EQ(kCapsToCtrl, wintest::ReadScancodeMap());
    wintest::DeleteScancodeMap();
}
