#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "model/key_table.h"
#include "model/remap_keyboard.h"
#include "model/velloric_doc.h"
#include "tests/support/fake_keyboard.h"
#include "tests/support/fake_registry.h"
#include "tests/support/fake_restart_service.h"
#include "tests/support/velloric_strings.h"

namespace
{
const char LAYOUT_KEY[] = "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout";
const char VALUE[] = "Scancode Map";
const char JA_DANGER[] = "\n！！！危険！！！\n\nCtrl または Alt または Del キーが失われ、\n"
                         "NT にログインできなくなる可能性があります。";

typedef std::vector<std::pair<WORD, WORD>> PairList;

std::vector<BYTE> MapBytes(const PairList& pairs)
{
    std::vector<BYTE> bytes(8, 0);
    DWORD dwCount = (DWORD)pairs.size() + 1;
    for (int i = 0; i < 4; ++i)
        bytes.push_back((BYTE)(dwCount >> (8 * i)));
    for (const auto& pair : pairs)
    {
        bytes.push_back((BYTE)pair.second);
        bytes.push_back((BYTE)(pair.second >> 8));
        bytes.push_back((BYTE)pair.first);
        bytes.push_back((BYTE)(pair.first >> 8));
    }
    bytes.insert(bytes.end(), 4, 0);
    return bytes;
}

// The remapped keyboard as the view keeps it: every key of the 101-key table,
// in table order, producing what the document's list says.
class CFakeRemapView : public IDocumentView, public IRemapKeyboard
{
public:
    explicit CFakeRemapView(CVelloricDoc& doc) : m_doc(doc) { m_doc.AddView(this); }
    ~CFakeRemapView() override { m_doc.RemoveView(this); }

    void OnUpdate(IDocumentView* pSender, long lHint) override { ++m_nUpdates; }
    void GetRemappedKeys(std::vector<CRemappedKey>* pKeys) override
    {
        std::map<WORD, WORD> produced;
        CRemapPair pair;
        m_doc.GetStartPosition();
        while (!m_doc.GetNextPair(pair).IsNull())
            produced[pair.wPhysical] = pair.wProduced;
        const CKeyTableEntry* pEntries = CKeyTable::GetEntries();
        for (int i = 0; i < CKeyTable::GetCount(FALSE); ++i)
        {
            WORD wScancode = ScancodeFromTableCode(pEntries[i].wTableCode);
            auto it = produced.find(wScancode);
            pKeys->push_back(CRemappedKey{wScancode, pEntries[i].wTableCode,
                                          it == produced.end() ? (WORD)0 : it->second});
        }
    }

    int m_nUpdates = 0;

private:
    CVelloricDoc& m_doc;
};

class CFakeHost : public IVelloricHost
{
public:
    void OnFileNew() override
    {
        m_calls.push_back("OnFileNew");
        m_pDoc->OnNewDocument();
        m_pDoc->UpdateAllViews(nullptr, 0);
    }
    void OnAppExit() override
    {
        m_calls.push_back("OnAppExit");
        m_closeResults.push_back(m_pDoc->CanCloseFrame());
    }
    BOOL GetSaveOnExit() override { return m_bSaveOnExit; }
    void SetSaveOnExit(BOOL bSaveOnExit) override
    {
        m_calls.push_back(bSaveOnExit ? "SetSaveOnExit(TRUE)" : "SetSaveOnExit(FALSE)");
        m_bSaveOnExit = bSaveOnExit;
    }

    CVelloricDoc* m_pDoc = nullptr;
    BOOL m_bSaveOnExit = TRUE;
    std::vector<std::string> m_calls;
    std::vector<BOOL> m_closeResults;
};

struct ExitFlowTest : ::testing::Test
{
    CFakeRegistry registry;
    CFakeKeyboard keyboard;
    CFakeRestartService restart;
    CFakeHost host;
    CFakeStrings strings;
    CScriptedMessageBoxes boxes{&strings};
    CVelloricDoc doc{registry, keyboard, restart, host};
    CFakeRemapView view{doc};

    ExitFlowTest()
    {
        g_bEdited = FALSE;
        g_bFirstLoad = TRUE;
        FillJapaneseStrings(&strings);
        host.m_pDoc = &doc;
    }

    void PutRegistryList(const PairList& pairs)
    {
        registry.Put(LAYOUT_KEY, VALUE, REG_BINARY, MapBytes(pairs));
    }

    PairList List()
    {
        PairList pairs;
        CRemapPair pair;
        doc.GetStartPosition();
        while (!doc.GetNextPair(pair).IsNull())
            pairs.push_back(std::make_pair(pair.wPhysical, pair.wProduced));
        return pairs;
    }

    int RegistryCalls(const std::string& strPrefix)
    {
        int n = 0;
        for (const std::string& strLine : registry.m_log)
            if (strLine.compare(0, strPrefix.size(), strPrefix) == 0)
                ++n;
        return n;
    }

    // Start-up with the registry's list, then the user's edits.
    void Start(const PairList& registryList)
    {
        if (!registryList.empty())
            PutRegistryList(registryList);
        doc.OnNewDocument();
    }

    std::vector<BYTE> RegistryBytes() { return registry.Get(LAYOUT_KEY, VALUE).bytes; }

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
    EXPECT_EQ(0, RegistryCalls("SetValue"));
    EXPECT_EQ(0, RegistryCalls("DeleteValue"));
    EXPECT_EQ(MapBytes({{0x3A, 0x1D}}), RegistryBytes());
    EXPECT_TRUE(restart.m_calls.empty());
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
    EXPECT_EQ(MapBytes({{0xE038, 0xE038}}), RegistryBytes());
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
    EXPECT_EQ(MapBytes({{0x3A, 0x1D}}), RegistryBytes());
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
    EXPECT_EQ(MapBytes({{0x1D, 0x3A}}), RegistryBytes());
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
    EXPECT_EQ(MapBytes({{0x1D, 0x3A}, {0x10, 0x11}}), RegistryBytes());
}

TEST_F(ExitFlowTest, SaveAndExit_AfterRemoveAll_DeletesTheValue_WithoutWarning)
{
    Start({{0x3A, 0x1D}, {0x1D, 0x3A}});
    boxes.Answer({IDYES, IDNO});
    doc.OnCmdMsg(CVelloricDoc::CMD_REMOVE_ALL, nullptr);
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
    Start({{0x1D, 0x0000}, {0x0059, 0x3A}});
    doc.AddMapping(0x3A, 0x3A);
    boxes.Answer({IDNO});
    EXPECT_EQ(TRUE, doc.CanCloseFrame());
    ExpectBoxes({{RESTART, RESTART_TYPE}});
    EXPECT_EQ(MapBytes({{0x1D, 0x0000}, {0x3A, 0x3A}, {0x0059, 0x3A}}), RegistryBytes());
}

// --- cancel and the close box --------------------------------------------------

TEST_F(ExitFlowTest, Cancel_Unedited_ClosesWithoutAQuestion)
{
    Start({{0x3A, 0x1D}});
    doc.OnCmdMsg(CVelloricDoc::CMD_CANCEL, nullptr);
    EXPECT_TRUE(boxes.m_shown.empty());
    EXPECT_EQ((std::vector<std::string>{"SetSaveOnExit(FALSE)", "OnAppExit"}), host.m_calls);
    EXPECT_EQ(std::vector<BOOL>{TRUE}, host.m_closeResults);
    EXPECT_EQ(0, RegistryCalls("SetValue"));
}

TEST_F(ExitFlowTest, Cancel_Edited_Ok_ClosesWithoutWriting)
{
    Start({{0x3A, 0x1D}});
    doc.AddMapping(0x1D, 0x3A);
    boxes.Answer({IDOK});
    doc.OnCmdMsg(CVelloricDoc::CMD_CANCEL, nullptr);
    ExpectBoxes({{DISCARD, DISCARD_TYPE}});
    EXPECT_EQ((std::vector<std::string>{"SetSaveOnExit(FALSE)", "OnAppExit"}), host.m_calls);
    EXPECT_EQ(std::vector<BOOL>{TRUE}, host.m_closeResults);
    EXPECT_EQ(0, RegistryCalls("SetValue"));
    EXPECT_EQ(0, RegistryCalls("DeleteValue"));
    EXPECT_EQ(MapBytes({{0x3A, 0x1D}}), RegistryBytes());
    EXPECT_TRUE(restart.m_calls.empty());
}

TEST_F(ExitFlowTest, Cancel_Edited_Cancel_KeepsTheWindow)
{
    Start({});
    doc.AddMapping(0x1D, 0x3A);
    boxes.Answer({IDCANCEL});
    doc.OnCmdMsg(CVelloricDoc::CMD_CANCEL, nullptr);
    ExpectBoxes({{DISCARD, DISCARD_TYPE}});
    EXPECT_TRUE(host.m_calls.empty());
    EXPECT_EQ(TRUE, host.m_bSaveOnExit);
    EXPECT_EQ(TRUE, g_bEdited);
}

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
    doc.OnCmdMsg(CVelloricDoc::CMD_CANCEL, nullptr);
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
    EXPECT_EQ(MapBytes({{0x3A, 0x1D}}), RegistryBytes());
}

TEST_F(ExitFlowTest, WriteFails_ThenCancel_LeavesWithoutWriting)
{
    Start({});
    doc.AddMapping(0x1D, 0x3A);
    doc.AddMapping(0x3A, 0x1D);
    registry.m_lSetError = ERROR_ACCESS_DENIED;
    boxes.Answer({IDNO, IDOK, IDOK, IDOK});
    EXPECT_EQ(FALSE, doc.CanCloseFrame());
    doc.OnCmdMsg(CVelloricDoc::CMD_CANCEL, nullptr);
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
    EXPECT_EQ(FALSE, doc.WriteRegistry());
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
    EXPECT_EQ(CExitFlow::WRITE_GO_AHEAD, doc.ConfirmWrite());
    EXPECT_TRUE(boxes.m_shown.empty());
    doc.AddMapping(0x1D, 0x3A);
    boxes.Answer({IDCANCEL, IDOK});
    EXPECT_EQ(CExitFlow::WRITE_DECLINED, doc.ConfirmWrite());
    EXPECT_EQ(CExitFlow::WRITE_GO_AHEAD, doc.ConfirmWrite());
}

// --- the restart ---------------------------------------------------------------

TEST_F(ExitFlowTest, Restart_CallsInOrder_WithTheirArguments)
{
    doc.RestartWindows();
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
    doc.RestartWindows();
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
    doc.RestartWindows();
    EXPECT_EQ(std::vector<std::string>{"AdjustTokenPrivileges Error #6"}, restart.m_boxes);
    EXPECT_EQ("ExitWindowsEx flags=2 reserved=0", restart.m_calls.back());
}

TEST_F(ExitFlowTest, Restart_PrivilegeRefused_PlainBox_ThenStillAsksToRestart)
{
    restart.m_bFailAdjust = TRUE;
    restart.m_dwAdjustError = 1300;
    doc.RestartWindows();
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
    doc.RestartWindows();
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
    EXPECT_EQ(MapBytes({{0x1D, 0x3A}, {0x3A, 0x1D}}), RegistryBytes());
}
