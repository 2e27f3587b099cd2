#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/doc_fixture.h"
#include "res/resource.h"

namespace
{
struct ExitFlowTest : CDocFixture
{
    // Start-up with the registry's list, then the user's edits.
    void Start(const PairList& registryList)
    {
        if (!registryList.empty())
            PutRegistryList(registryList);
        doc.OnNewDocument();
    }

    // Nothing written or deleted and no restart: the value still holds registryList.
    void ExpectRegistryLeftAlone(const PairList& registryList)
    {
        EXPECT_EQ(0, RegistryCalls("SetValue"));
        EXPECT_EQ(0, RegistryCalls("DeleteValue"));
        EXPECT_EQ(ScancodeMapBytes(registryList), RegistryBytes());
        EXPECT_TRUE(restart.m_calls.empty());
    }

    void ExpectBoxes(const std::vector<std::pair<std::string, UINT>>& expected)
    {
        ASSERT_EQ(expected.size(), boxes.m_shown.size());
        for (size_t i = 0; i < expected.size(); ++i)
        {
            EXPECT_EQ(expected[i].first, boxes.m_shown[i].strText) << "box " << i;
            EXPECT_EQ("Velloric", boxes.m_shown[i].strCaption) << "box " << i;
            EXPECT_EQ(expected[i].second, boxes.m_shown[i].nType) << "box " << i;
        }
    }
};

const char RESTART[] = "レジストリが変更されました。リブートしますか？";
const UINT RESTART_TYPE = MB_YESNOCANCEL | MB_ICONQUESTION;
const char DISCARD[] = "編集を破棄してもよろしいですか？";
const UINT DISCARD_TYPE = MB_OKCANCEL | MB_ICONQUESTION;
const char WRITE_TAIL[] = "\n\nレジストリに書き込んでもよろしいですか？";
const std::vector<std::string> RESTART_CALLS = {
    "OpenProcessToken access=0x28",
    "LookupPrivilegeValueA system=NULL name=SeShutdownPrivilege",
    "AdjustTokenPrivileges token=0x7a luid=0x100000013 enabled",
    "CloseHandle 0x7a",
    "ExitWindowsEx flags=2 reserved=0",
};
} // namespace

// --- save and exit, nothing edited ----------------------------------------------

TEST_F(ExitFlowTest, SaveAndExit_Unedited_ClosesSilently_AndLeavesRegistryAlone)
{
    Start({{0x3A, 0x1D}});
    EXPECT_EQ(TRUE, doc.CanCloseFrame());
    EXPECT_TRUE(boxes.m_shown.empty());
    ExpectRegistryLeftAlone({{0x3A, 0x1D}});
}

// --- save and exit with edits -------------------------------------------------

TEST_F(ExitFlowTest, SaveAndExit_NothingLost_AsksRestart_NoWritesAndCloses)
{
    Start({});
    doc.AddMapping(0x3A, 0x1D);
    doc.AddMapping(0x1D, 0x3A);
    boxes.Answer({IDNO});
    EXPECT_EQ(TRUE, doc.CanCloseFrame());
    ExpectBoxes({{RESTART, RESTART_TYPE}});
    // Bucket 1 (0x1D) before bucket 3 (0x3A).
    EXPECT_EQ((std::vector<BYTE>{0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0x3A, 0x00, 0x1D, 0x00,
                                 0x1D, 0x00, 0x3A, 0x00, 0, 0, 0, 0}),
              RegistryBytes());
    EXPECT_EQ((DWORD)REG_BINARY, registry.Get(LAYOUT_KEY, VALUE).dwType);
    EXPECT_TRUE(restart.m_calls.empty());
}

TEST_F(ExitFlowTest, SaveAndExit_Yes_WritesThenRestarts_AndCloses)
{
    Start({});
    doc.AddMapping(0xE038, 0xE038);
    boxes.Answer({IDYES});
    EXPECT_EQ(TRUE, doc.CanCloseFrame());
    ExpectBoxes({{RESTART, RESTART_TYPE}});
    EXPECT_EQ(ScancodeMapBytes({{0xE038, 0xE038}}), RegistryBytes());
    EXPECT_EQ(RESTART_CALLS, restart.m_calls);
}

TEST_F(ExitFlowTest, SaveAndExit_CancelAtRestartQuestion_KeepsWindow_WritesNothing)
{
    Start({{0x3A, 0x1D}});
    doc.AddMapping(0x1D, 0x3A);
    boxes.Answer({IDCANCEL});
    EXPECT_EQ(FALSE, doc.CanCloseFrame());
    ExpectBoxes({{RESTART, RESTART_TYPE}});
    EXPECT_EQ(0, RegistryCalls("SetValue"));
    EXPECT_EQ(ScancodeMapBytes({{0x3A, 0x1D}}), RegistryBytes());
    EXPECT_EQ((PairList{{0x1D, 0x3A}, {0x3A, 0x1D}}), List());
    EXPECT_EQ(TRUE, g_bEdited);
    EXPECT_TRUE(restart.m_calls.empty());
}

TEST_F(ExitFlowTest, SaveAndExit_LostCtrl_WarnsWithDangerAndTail_ThenAsksRestart)
{
    Start({});
    doc.AddMapping(0x1D, 0x3A);
    boxes.Answer({IDOK, IDNO});
    EXPECT_EQ(TRUE, doc.CanCloseFrame());
    ExpectBoxes({{std::string("\"Ctrl\" キーが失われます\n") + JA_DANGER + WRITE_TAIL,
                  MB_OKCANCEL | MB_ICONHAND},
                 {RESTART, RESTART_TYPE}});
    EXPECT_EQ(ScancodeMapBytes({{0x1D, 0x3A}}), RegistryBytes());
}

TEST_F(ExitFlowTest, SaveAndExit_LostOrdinaryKey_WarnsWithExclamation_WithoutDanger)
{
    Start({});
    doc.AddMapping(0x3A, 0x1D);
    doc.AddMapping(0x10, 0x1D);
    boxes.Answer({IDOK, IDNO});
    EXPECT_EQ(TRUE, doc.CanCloseFrame());
    ExpectBoxes({{std::string("\"Q\" キーが失われます\n") + "\"Caps Lock\" キーが失われます\n" +
                      WRITE_TAIL,
                  MB_OKCANCEL | MB_ICONEXCLAMATION},
                 {RESTART, RESTART_TYPE}});
}

TEST_F(ExitFlowTest, SaveAndExit_CancelAtWarning_KeepsEdits_AndTheNextSaveAsksAgain)
{
    Start({{0x10, 0x11}});
    doc.AddMapping(0x1D, 0x3A);
    boxes.Answer({IDCANCEL});
    EXPECT_EQ(FALSE, doc.CanCloseFrame());
    ASSERT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ((UINT)(MB_OKCANCEL | MB_ICONHAND), boxes.m_shown[0].nType);
    EXPECT_EQ(0, RegistryCalls("SetValue"));
    EXPECT_EQ((PairList{{0x1D, 0x3A}, {0x10, 0x11}}), List());
    EXPECT_EQ(TRUE, g_bEdited);

    boxes.Answer({IDOK, IDNO});
    EXPECT_EQ(TRUE, doc.CanCloseFrame());
    ASSERT_EQ(3u, boxes.m_shown.size());
    EXPECT_EQ(boxes.m_shown[0].strText, boxes.m_shown[1].strText);
    EXPECT_EQ(RESTART, boxes.m_shown[2].strText);
    EXPECT_EQ(ScancodeMapBytes({{0x1D, 0x3A}, {0x10, 0x11}}), RegistryBytes());
}

TEST_F(ExitFlowTest, SaveAndExit_AfterRemoveAll_DeletesTheValue_WithoutWarning)
{
    Start({{0x3A, 0x1D}, {0x1D, 0x3A}});
    boxes.Answer({IDYES, IDNO});
    doc.OnCmdMsg(ID_EDIT_REMOVE_ALL, nullptr);
    EXPECT_EQ(TRUE, doc.CanCloseFrame());
    ExpectBoxes({{"クリアしてもよろしいですか？", MB_YESNO | MB_ICONQUESTION},
                 {RESTART, RESTART_TYPE}});
    EXPECT_EQ(FALSE, registry.HasValue(LAYOUT_KEY, VALUE));
    EXPECT_EQ(0, RegistryCalls("SetValue"));
}

TEST_F(ExitFlowTest, SaveAndExit_EmptyList_ValueAlreadyAbsent_ClosesSilently)
{
    Start({});
    doc.AddMapping(0x3A, 0x1D);
    doc.RemoveMapping(0x3A);
    boxes.Answer({IDYES});
    EXPECT_EQ(TRUE, doc.CanCloseFrame());
    ExpectBoxes({{RESTART, RESTART_TYPE}});
    EXPECT_EQ(1, RegistryCalls("DeleteValue"));
    EXPECT_EQ(FALSE, registry.HasValue(LAYOUT_KEY, VALUE));
    EXPECT_EQ(RESTART_CALLS, restart.m_calls);
}

TEST_F(ExitFlowTest, SaveAndExit_KeepsMappingsToZero_AndKeysOffTheKeyboard)
{
    // Ctrl sends nothing but keypad = (a key beyond the drawn keyboard) sends
    // Ctrl: Ctrl is not lost, keypad = is.
    Start({{0x1D, 0x0000}, {0x0059, 0x1D}});
    doc.AddMapping(0x3A, 0x3A);
    boxes.Answer({IDOK, IDNO});
    EXPECT_EQ(TRUE, doc.CanCloseFrame());
    ExpectBoxes({{std::string("\"NumpadEquals\" キーが失われます\n") + WRITE_TAIL,
                  MB_OKCANCEL | MB_ICONEXCLAMATION},
                 {RESTART, RESTART_TYPE}});
    EXPECT_EQ(ScancodeMapBytes({{0x1D, 0x0000}, {0x3A, 0x3A}, {0x0059, 0x1D}}), RegistryBytes());
}

TEST_F(ExitFlowTest, SaveAndExit_WritesNumLockAs0045_WhereTheRegistryHeldE045)
{
    Start({{0xE045, 0x3A}, {0x3A, 0xE045}});
    g_bEdited = TRUE;
    boxes.Answer({IDNO});
    EXPECT_EQ(TRUE, doc.CanCloseFrame());
    ExpectBoxes({{RESTART, RESTART_TYPE}});
    EXPECT_EQ(std::vector<BYTE>({0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0x45, 0, 0x3A, 0, 0x3A, 0, 0x45, 0, 0, 0, 0, 0}),
              RegistryBytes());
}

// --- another program wrote the value meanwhile ----------------------------------

TEST_F(ExitFlowTest, SaveAndExit_AfterAnotherProgramsWrite_AsksToOverwriteReloadOrCancel)
{
    strings.m_strings[IDS_SCANCODE_MAP_CHANGED] = "changed";
    const PairList kTheirs = {{0x3B, 0x3C}, {0x3C, 0x3B}};
    const PairList kOurs = {{0x3A, 0x3A}};
    struct Case
    {
        PairList atStart;
        BOOL bRestoreFirst; // the other write came before Restore: nothing to ask
        int nAnswer;
        BOOL bCloses;
        PairList registryAfter, listAfter;
        BOOL bEditedAfter;
    } const cases[] = {
        {{{0x3A, 0x1D}}, FALSE, IDYES, TRUE, kOurs, kOurs, TRUE},
        {{{0x3A, 0x1D}}, FALSE, IDNO, FALSE, kTheirs, {{0x3C, 0x3B}, {0x3B, 0x3C}}, FALSE},
        {{{0x3A, 0x1D}}, FALSE, IDCANCEL, FALSE, kTheirs, kOurs, TRUE},
        {{}, FALSE, IDCANCEL, FALSE, kTheirs, kOurs, TRUE}, // the value was not there
        {{{0x3A, 0x1D}}, TRUE, 0, TRUE, {{0x3A, 0x3A}, {0x3C, 0x3B}, {0x3B, 0x3C}},
         {{0x3A, 0x3A}, {0x3C, 0x3B}, {0x3B, 0x3C}}, TRUE},
    };
    for (const Case& c : cases)
    {
        g_bFirstLoad = TRUE;
        g_bEdited = FALSE;
        boxes.m_shown.clear();
        registry.Delete(LAYOUT_KEY, VALUE);
        Start(c.atStart);
        PutRegistryList(kTheirs);
        if (c.bRestoreFirst)
        {
            boxes.Answer({IDYES});
            doc.OnCmdMsg(ID_EDIT_RESTORE, nullptr);
            boxes.m_shown.clear();
        }
        doc.AddMapping(0x3A, 0x3A);
        boxes.Answer({IDNO, c.nAnswer});
        EXPECT_EQ(c.bCloses, doc.CanCloseFrame()) << c.nAnswer;
        ASSERT_EQ(c.bRestoreFirst ? 1u : 2u, boxes.m_shown.size());
        EXPECT_EQ(RESTART, boxes.m_shown[0].strText);
        if (!c.bRestoreFirst)
        {
            EXPECT_EQ("changed " + std::to_string(MB_YESNOCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON3),
                      boxes.m_shown[1].strText + " " + std::to_string(boxes.m_shown[1].nType));
        }
        EXPECT_EQ(ScancodeMapBytes(c.registryAfter), RegistryBytes()) << c.nAnswer;
        EXPECT_EQ(c.listAfter, List()) << c.nAnswer;
        EXPECT_EQ(c.bEditedAfter, g_bEdited) << c.nAnswer;
    }
}

// --- cancel and the close box --------------------------------------------------

namespace
{
struct CancelRow
{
    const char* pszCase;
    BOOL bEdited;
    int nAnswer; // to the discard question, when it comes
    BOOL bCloses;
};
void PrintTo(const CancelRow& row, std::ostream* pOut) { *pOut << row.pszCase; }

struct ExitFlowCancelTest : ExitFlowTest, ::testing::WithParamInterface<CancelRow>
{
};
} // namespace

TEST_P(ExitFlowCancelTest, Cancel_AsksOnlyAfterEdits_AndNeverWrites)
{
    const CancelRow& row = GetParam();
    Start({{0x3A, 0x1D}});
    if (row.bEdited)
    {
        doc.AddMapping(0x1D, 0x3A);
        boxes.Answer({row.nAnswer});
    }
    doc.OnCmdMsg(ID_FILE_CANCEL_EXIT, nullptr);
    typedef std::vector<std::pair<std::string, UINT>> Boxes;
    ExpectBoxes(row.bEdited ? Boxes{{DISCARD, DISCARD_TYPE}} : Boxes());
    const std::vector<std::string> closed = {"SetSaveOnExit(FALSE)", "OnAppExit"};
    EXPECT_EQ(row.bCloses ? closed : std::vector<std::string>(), host.m_calls);
    EXPECT_EQ(row.bCloses ? std::vector<BOOL>{TRUE} : std::vector<BOOL>(), host.m_closeResults);
    if (!row.bCloses)
    {
        EXPECT_EQ(TRUE, host.m_bSaveOnExit);
        EXPECT_EQ(TRUE, g_bEdited);
    }
    ExpectRegistryLeftAlone({{0x3A, 0x1D}});
}

INSTANTIATE_TEST_SUITE_P(Rows, ExitFlowCancelTest,
                         ::testing::Values(CancelRow{"unedited closes without a question", FALSE, 0, TRUE},
                                           CancelRow{"edited, OK closes", TRUE, IDOK, TRUE},
                                           CancelRow{"edited, Cancel keeps the window", TRUE, IDCANCEL, FALSE}));

TEST_F(ExitFlowTest, CloseBox_AsksLikeCancel)
{
    // The frame asks ConfirmDiscard and clears the save flag on TRUE.
    Start({});
    EXPECT_EQ(TRUE, doc.ConfirmDiscard());
    EXPECT_TRUE(boxes.m_shown.empty());
    doc.AddMapping(0x1D, 0x3A);
    boxes.Answer({IDCANCEL, IDOK});
    EXPECT_EQ(FALSE, doc.ConfirmDiscard());
    EXPECT_EQ(TRUE, doc.ConfirmDiscard());
    ExpectBoxes({{DISCARD, DISCARD_TYPE}, {DISCARD, DISCARD_TYPE}});
    host.SetSaveOnExit(FALSE);
    EXPECT_EQ(TRUE, doc.CanCloseFrame());
    EXPECT_EQ(2u, boxes.m_shown.size());
    EXPECT_EQ(0, RegistryCalls("SetValue"));
}

TEST_F(ExitFlowTest, NeutralSet_RestartAndDiscardTexts)
{
    strings.m_strings.clear();
    FillNeutralStrings(&strings);
    Start({});
    doc.AddMapping(0x1D, 0x3A);
    doc.AddMapping(0x3A, 0x1D);
    boxes.Answer({IDCANCEL, IDOK});
    EXPECT_EQ(FALSE, doc.CanCloseFrame());
    doc.OnCmdMsg(ID_FILE_CANCEL_EXIT, nullptr);
    ExpectBoxes({{"提示：系统注册表已经修改，现在重新启动吗？", RESTART_TYPE},
                 {"真的要退出吗？", DISCARD_TYPE}});
}

// --- failures that must not pass for success ---------------------------------------

TEST_F(ExitFlowTest, WriteFails_KeepsWindowAndList_AndDoesNotRestart)
{
    Start({{0x3A, 0x1D}});
    doc.AddMapping(0x1D, 0x3A);
    registry.m_lSetError = ERROR_ACCESS_DENIED;
    boxes.Answer({IDYES});
    EXPECT_EQ(FALSE, doc.CanCloseFrame());
    ExpectBoxes({{RESTART, RESTART_TYPE},
                 {"Cannot Write!", MB_OK | MB_ICONEXCLAMATION},
                 {"レジストリに書き込めません", MB_OK | MB_ICONEXCLAMATION}});
    EXPECT_TRUE(restart.m_calls.empty());
    EXPECT_EQ((PairList{{0x1D, 0x3A}, {0x3A, 0x1D}}), List());
    EXPECT_EQ(TRUE, g_bEdited);
    EXPECT_EQ(ScancodeMapBytes({{0x3A, 0x1D}}), RegistryBytes());
}

TEST_F(ExitFlowTest, WriteFails_ThenCancel_LeavesWithoutWriting)
{
    Start({});
    doc.AddMapping(0x1D, 0x3A);
    doc.AddMapping(0x3A, 0x1D);
    registry.m_lSetError = ERROR_ACCESS_DENIED;
    boxes.Answer({IDNO, IDOK, IDOK, IDOK});
    EXPECT_EQ(FALSE, doc.CanCloseFrame());
    doc.OnCmdMsg(ID_FILE_CANCEL_EXIT, nullptr);
    EXPECT_EQ(DISCARD, boxes.m_shown.back().strText);
    EXPECT_EQ(std::vector<BOOL>{TRUE}, host.m_closeResults);
    EXPECT_EQ(4u, boxes.m_shown.size());
}

TEST_F(ExitFlowTest, EmptyList_DeleteRefused_Shows1002_AndKeepsWindow)
{
    Start({{0x3A, 0x1D}});
    doc.RemoveMapping(0x3A);
    registry.m_lDeleteError = ERROR_ACCESS_DENIED;
    boxes.Answer({IDYES});
    EXPECT_EQ(FALSE, doc.CanCloseFrame());
    ExpectBoxes({{RESTART, RESTART_TYPE},
                 {"レジストリに書き込めません", MB_OK | MB_ICONEXCLAMATION}});
    EXPECT_EQ(TRUE, registry.HasValue(LAYOUT_KEY, VALUE));
    EXPECT_TRUE(restart.m_calls.empty());
    EXPECT_EQ(TRUE, g_bEdited);
}

TEST_F(ExitFlowTest, WriteRegistry_EmptyListWithoutAKey_Shows1002)
{
    registry.m_lCreateError = ERROR_ACCESS_DENIED;
    Start({});
    EXPECT_EQ(FALSE, exitFlow.WriteRegistry());
    ExpectBoxes({{"レジストリに書き込めません", MB_OK | MB_ICONEXCLAMATION}});
}

TEST_F(ExitFlowTest, KeyCannotBeOpened_Shows1000_AndKeepsWindowWithEdits)
{
    registry.m_lCreateError = ERROR_ACCESS_DENIED;
    Start({});
    doc.AddMapping(0x1D, 0x3A);
    boxes.Answer({IDYES});
    EXPECT_EQ(FALSE, doc.CanCloseFrame());
    ExpectBoxes({{"レジストリを開けません", MB_OK | MB_ICONEXCLAMATION}});
    EXPECT_EQ((PairList{{0x1D, 0x3A}}), List());
    EXPECT_EQ(TRUE, g_bEdited);
    EXPECT_TRUE(restart.m_calls.empty());
    EXPECT_EQ(0, RegistryCalls("SetValue"));
}

TEST_F(ExitFlowTest, ConfirmWrite_Outcomes)
{
    Start({});
    EXPECT_EQ(CExitFlow::WRITE_GO_AHEAD, exitFlow.ConfirmWrite());
    EXPECT_TRUE(boxes.m_shown.empty());
    doc.AddMapping(0x1D, 0x3A);
    boxes.Answer({IDCANCEL, IDOK});
    EXPECT_EQ(CExitFlow::WRITE_DECLINED, exitFlow.ConfirmWrite());
    EXPECT_EQ(CExitFlow::WRITE_GO_AHEAD, exitFlow.ConfirmWrite());
}

// --- the restart ---------------------------------------------------------------

TEST_F(ExitFlowTest, Restart_CallsInOrder_WithTheirArguments)
{
    exitFlow.RestartWindows();
    EXPECT_EQ(RESTART_CALLS, restart.m_calls);
    EXPECT_TRUE(boxes.m_shown.empty());
    EXPECT_TRUE(restart.m_boxes.empty());
}

TEST_F(ExitFlowTest, Restart_EveryStepFails_ShowsThreeErrors_AndRunsEveryStep)
{
    restart.m_bFailOpen = TRUE;
    restart.m_dwOpenError = 5;
    restart.m_bFailAdjust = TRUE;
    restart.m_dwAdjustError = 1300;
    restart.m_bFailExit = TRUE;
    restart.m_dwExitError = 1314;
    exitFlow.RestartWindows();
    EXPECT_EQ((std::vector<std::string>{
                  "OpenProcessToken access=0x28",
                  "GetLastError",
                  "LookupPrivilegeValueA system=NULL name=SeShutdownPrivilege",
                  "AdjustTokenPrivileges token=0x0 luid=0x100000013 enabled",
                  "GetLastError",
                  "MessageBoxA owner=NULL caption=NULL MB_OK AdjustTokenPrivileges Error #1300",
                  "ExitWindowsEx flags=2 reserved=0",
                  "GetLastError",
              }),
              restart.m_calls);
    ExpectBoxes({{"OpenProcessToken Error #5", MB_OK | MB_ICONEXCLAMATION},
                 {"Error ExitWindows Error #1314", MB_OK | MB_ICONEXCLAMATION}});
}

TEST_F(ExitFlowTest, Restart_NoToken_AdjustFailsOnTheInvalidHandle)
{
    restart.m_bFailOpen = TRUE;
    restart.m_dwOpenError = 5;
    exitFlow.RestartWindows();
    EXPECT_EQ(std::vector<std::string>{"AdjustTokenPrivileges Error #6"}, restart.m_boxes);
    EXPECT_EQ("ExitWindowsEx flags=2 reserved=0", restart.m_calls.back());
}

TEST_F(ExitFlowTest, Restart_PrivilegeRefused_PlainBox_ThenStillAsksToRestart)
{
    restart.m_bFailAdjust = TRUE;
    restart.m_dwAdjustError = 1300;
    exitFlow.RestartWindows();
    EXPECT_EQ(std::vector<std::string>{"AdjustTokenPrivileges Error #1300"}, restart.m_boxes);
    EXPECT_TRUE(boxes.m_shown.empty());
    EXPECT_EQ((std::vector<std::string>{
                  "OpenProcessToken access=0x28",
                  "LookupPrivilegeValueA system=NULL name=SeShutdownPrivilege",
                  "AdjustTokenPrivileges token=0x7a luid=0x100000013 enabled",
                  "GetLastError",
                  "MessageBoxA owner=NULL caption=NULL MB_OK AdjustTokenPrivileges Error #1300",
                  "CloseHandle 0x7a",
                  "ExitWindowsEx flags=2 reserved=0",
              }),
              restart.m_calls);
}

TEST_F(ExitFlowTest, Restart_ErrorTextsFitTheirBuffer_WithTheLargestCode)
{
    restart.m_bFailOpen = TRUE;
    restart.m_dwOpenError = 0xFFFFFFFFu;
    restart.m_bFailExit = TRUE;
    restart.m_dwExitError = 0x80000000u;
    exitFlow.RestartWindows();
    ExpectBoxes({{"OpenProcessToken Error #-1", MB_OK | MB_ICONEXCLAMATION},
                 {"Error ExitWindows Error #-2147483648", MB_OK | MB_ICONEXCLAMATION}});
}

TEST_F(ExitFlowTest, SaveAndExit_Yes_RestartErrorsFollowTheWrite_AndTheWindowCloses)
{
    Start({});
    doc.AddMapping(0x1D, 0x3A);
    doc.AddMapping(0x3A, 0x1D);
    restart.m_bFailExit = TRUE;
    restart.m_dwExitError = 1314;
    boxes.Answer({IDYES});
    EXPECT_EQ(TRUE, doc.CanCloseFrame());
    ExpectBoxes({{RESTART, RESTART_TYPE},
                 {"Error ExitWindows Error #1314", MB_OK | MB_ICONEXCLAMATION}});
    EXPECT_EQ(ScancodeMapBytes({{0x1D, 0x3A}, {0x3A, 0x1D}}), RegistryBytes());
}
