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

struct VelloricDocTest : ::testing::Test
{
    CFakeRegistry registry;
    CFakeKeyboard keyboard;
    CFakeRestartService restart;
    CFakeHost host;
    CFakeStrings strings;
    CScriptedMessageBoxes boxes{&strings};
    CVelloricDoc doc{registry, keyboard, restart, host};
    CFakeRemapView view{doc};

    VelloricDocTest()
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

    BOOL Enabled(UINT nID)
    {
        CCmdUI ui(nID);
        EXPECT_EQ(TRUE, doc.OnCmdMsg(nID, &ui)) << nID;
        return ui.m_bEnabled;
    }

    void Run(UINT nID) { EXPECT_EQ(TRUE, doc.OnCmdMsg(nID, nullptr)) << nID; }

    int RegistryCalls(const std::string& strPrefix)
    {
        int n = 0;
        for (const std::string& strLine : registry.m_log)
            if (strLine.compare(0, strPrefix.size(), strPrefix) == 0)
                ++n;
        return n;
    }
};
} // namespace

// --- new and opened documents -------------------------------------------------

TEST_F(VelloricDocTest, FirstNewDocument_ReadsRegistryList_WithTitleAndNoPath)
{
    PutRegistryList({{0x3A, 0x1D}, {0xE038, 0x1D}});
    doc.SetPathName("C:\\old.ini");
    EXPECT_EQ(TRUE, doc.OnNewDocument());
    EXPECT_EQ((PairList{{0xE038, 0x1D}, {0x3A, 0x1D}}), List());
    EXPECT_EQ("Current Setting", doc.GetTitle());
    EXPECT_EQ("", doc.GetPathName());
    EXPECT_EQ(FALSE, g_bFirstLoad);
    EXPECT_EQ(FALSE, g_bEdited);
    EXPECT_EQ(FALSE, doc.IsModified());
    EXPECT_TRUE(boxes.m_shown.empty());
}

TEST_F(VelloricDocTest, LaterNewDocument_StartsEmpty_WithoutReadingRegistry)
{
    PutRegistryList({{0x3A, 0x1D}});
    doc.OnNewDocument();
    doc.AddMapping(0x1D, 0x3A);
    int nQueries = RegistryCalls("QueryValue");
    doc.SetTitle("other");
    doc.SetPathName("C:\\x.ini");
    EXPECT_EQ(TRUE, doc.OnNewDocument());
    EXPECT_EQ(PairList{}, List());
    EXPECT_EQ(nQueries, RegistryCalls("QueryValue"));
    EXPECT_EQ("Current Setting", doc.GetTitle());
    EXPECT_EQ("", doc.GetPathName());
}

TEST_F(VelloricDocTest, FirstNewDocument_KeyCannotBeOpened_LeavesListEmptySilently)
{
    PutRegistryList({{0x3A, 0x1D}});
    registry.m_lCreateError = ERROR_ACCESS_DENIED;
    EXPECT_EQ(TRUE, doc.OnNewDocument());
    EXPECT_EQ(PairList{}, List());
    EXPECT_EQ(0, RegistryCalls("QueryValue"));
    EXPECT_TRUE(boxes.m_shown.empty());
    EXPECT_EQ(FALSE, g_bFirstLoad);
}

TEST_F(VelloricDocTest, FirstNewDocument_ValueMissing_LeavesListEmptySilently)
{
    EXPECT_EQ(TRUE, doc.OnNewDocument());
    EXPECT_EQ(PairList{}, List());
    EXPECT_TRUE(boxes.m_shown.empty());
}

TEST_F(VelloricDocTest, Title_ComesFromTheNeutralSetToo)
{
    strings.m_strings.clear();
    FillNeutralStrings(&strings);
    doc.OnNewDocument();
    EXPECT_EQ("目前设置", doc.GetTitle());
}

TEST_F(VelloricDocTest, SetCurrentTitle_KeepsPath_WhenNotAskedToClearIt)
{
    doc.SetPathName("C:\\keep.ini");
    doc.SetCurrentTitle(FALSE);
    EXPECT_EQ("Current Setting", doc.GetTitle());
    EXPECT_EQ("C:\\keep.ini", doc.GetPathName());
    doc.SetCurrentTitle(TRUE);
    EXPECT_EQ("", doc.GetPathName());
}

TEST_F(VelloricDocTest, OpenByPath_KeepsListEmpty_AndCountsAsEdited)
{
    PutRegistryList({{0x3A, 0x1D}});
    EXPECT_EQ(TRUE, doc.OnOpenDocument("C:\\remap.ini"));
    EXPECT_EQ("C:\\remap.ini", doc.GetPathName());
    EXPECT_EQ(PairList{}, List());
    EXPECT_EQ(TRUE, g_bEdited);
    EXPECT_EQ(0, RegistryCalls("QueryValue"));
}

TEST_F(VelloricDocTest, OpenByPath_ThenRemoveAll_GivesAnEmptyList_NotTheRegistryList)
{
    PutRegistryList({{0x3A, 0x1D}});
    doc.OnOpenDocument("C:\\remap.ini");
    doc.AddMapping(0x10, 0x11);
    boxes.Answer({IDYES});
    Run(CVelloricDoc::CMD_REMOVE_ALL);
    EXPECT_EQ(PairList{}, List());
    EXPECT_EQ(TRUE, g_bEdited);
}

// --- edits -------------------------------------------------------------------

TEST_F(VelloricDocTest, AddMapping_SetsEdited_AndReplacesInPlace)
{
    doc.OnNewDocument();
    doc.AddMapping(0x10, 0x11);
    doc.AddMapping(0x1D, 0x3A);
    EXPECT_EQ(TRUE, g_bEdited);
    doc.AddMapping(0x10, 0x12);
    EXPECT_EQ(2, doc.GetMappingCount());
    EXPECT_EQ((PairList{{0x1D, 0x3A}, {0x10, 0x12}}), List());
}

TEST_F(VelloricDocTest, RemoveMapping_OfAnUnmappedCode_StillSetsEdited)
{
    doc.OnNewDocument();
    EXPECT_EQ(FALSE, doc.RemoveMapping(0x3A));
    EXPECT_EQ(TRUE, g_bEdited);
}

TEST_F(VelloricDocTest, RemoveMapping_RemovesOnlyThatKey)
{
    PutRegistryList({{0x3A, 0x1D}, {0x1D, 0x3A}});
    doc.OnNewDocument();
    EXPECT_EQ(TRUE, doc.RemoveMapping(0x3A));
    EXPECT_EQ((PairList{{0x1D, 0x3A}}), List());
    EXPECT_EQ(TRUE, g_bEdited);
}

TEST_F(VelloricDocTest, SetEdited_SetsTheFlag)
{
    doc.SetEdited();
    EXPECT_EQ(TRUE, g_bEdited);
}

TEST_F(VelloricDocTest, GetNextPair_ReturnsTheFilledPair_AndNullPairsAfterTheLast)
{
    doc.AddMapping(0x3A, 0x1D);
    CRemapPair pair;
    doc.GetStartPosition();
    EXPECT_EQ(&pair, &doc.GetNextPair(pair));
    EXPECT_EQ(0x3A, pair.wPhysical);
    EXPECT_EQ(0x1D, pair.wProduced);
    EXPECT_EQ(TRUE, doc.GetNextPair(pair).IsNull());
    EXPECT_EQ(TRUE, doc.GetNextPair(pair).IsNull());
}

// --- enable rules --------------------------------------------------------------

TEST_F(VelloricDocTest, EmptyList_DisablesCheckAndRemoveAll_AndRestoreUntilEdited)
{
    doc.OnNewDocument();
    EXPECT_EQ(FALSE, Enabled(CVelloricDoc::CMD_CHECK_INTEGRITY));
    EXPECT_EQ(FALSE, Enabled(CVelloricDoc::CMD_REMOVE_ALL));
    EXPECT_EQ(FALSE, Enabled(CVelloricDoc::CMD_RESTORE));
    doc.RemoveMapping(0x3A);
    EXPECT_EQ(TRUE, Enabled(CVelloricDoc::CMD_RESTORE));
    EXPECT_EQ(FALSE, Enabled(CVelloricDoc::CMD_CHECK_INTEGRITY));
    EXPECT_EQ(FALSE, Enabled(CVelloricDoc::CMD_REMOVE_ALL));
}

TEST_F(VelloricDocTest, OneMapping_EnablesCheckAndRemoveAll)
{
    doc.OnNewDocument();
    doc.AddMapping(0x3A, 0x1D);
    EXPECT_EQ(TRUE, Enabled(CVelloricDoc::CMD_CHECK_INTEGRITY));
    EXPECT_EQ(TRUE, Enabled(CVelloricDoc::CMD_REMOVE_ALL));
    EXPECT_EQ(TRUE, Enabled(CVelloricDoc::CMD_RESTORE));
}

TEST_F(VelloricDocTest, RegistryListUnedited_EnablesCheckAndRemoveAll_NotRestore)
{
    PutRegistryList({{0x3A, 0x1D}});
    doc.OnNewDocument();
    EXPECT_EQ(TRUE, Enabled(CVelloricDoc::CMD_CHECK_INTEGRITY));
    EXPECT_EQ(TRUE, Enabled(CVelloricDoc::CMD_REMOVE_ALL));
    EXPECT_EQ(FALSE, Enabled(CVelloricDoc::CMD_RESTORE));
}

TEST_F(VelloricDocTest, SaveAndCancel_AreHandled_AndStayEnabled)
{
    EXPECT_EQ(TRUE, Enabled(CVelloricDoc::CMD_FILE_SAVE));
    EXPECT_EQ(TRUE, Enabled(CVelloricDoc::CMD_CANCEL));
}

TEST_F(VelloricDocTest, OtherCommands_AreLeftToTheRestOfTheRoute)
{
    CCmdUI ui(57665);
    EXPECT_EQ(FALSE, doc.OnCmdMsg(57665, &ui));
    EXPECT_EQ(FALSE, doc.OnCmdMsg(57665, nullptr));
}

TEST_F(VelloricDocTest, Save_DoesNothing)
{
    PutRegistryList({{0x3A, 0x1D}});
    doc.OnNewDocument();
    doc.AddMapping(0x1D, 0x3A);
    size_t nLog = registry.m_log.size();
    Run(CVelloricDoc::CMD_FILE_SAVE);
    EXPECT_TRUE(boxes.m_shown.empty());
    EXPECT_EQ(nLog, registry.m_log.size());
    EXPECT_EQ(TRUE, g_bEdited);
    EXPECT_EQ(MapBytes({{0x3A, 0x1D}}), registry.Get(LAYOUT_KEY, VALUE).bytes);
}

// --- restore and remove all ----------------------------------------------------

TEST_F(VelloricDocTest, Restore_Yes_RereadsRegistry_ClearsEdited_AndUpdatesViews)
{
    PutRegistryList({{0x3A, 0x1D}});
    doc.OnNewDocument();
    doc.AddMapping(0x10, 0x11);
    doc.RemoveMapping(0x3A);
    doc.SetTitle("edited");
    doc.SetPathName("C:\\x.ini");
    boxes.Answer({IDYES});
    Run(CVelloricDoc::CMD_RESTORE);
    ASSERT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ("編集結果を破棄し、元に戻してもよろしいですか？", boxes.m_shown[0].strText);
    EXPECT_EQ("Velloric", boxes.m_shown[0].strCaption);
    EXPECT_EQ((UINT)(MB_YESNO | MB_ICONQUESTION), boxes.m_shown[0].nType);
    EXPECT_EQ((PairList{{0x3A, 0x1D}}), List());
    EXPECT_EQ(FALSE, g_bEdited);
    EXPECT_EQ("Current Setting", doc.GetTitle());
    EXPECT_EQ("", doc.GetPathName());
    EXPECT_EQ(1, view.m_nUpdates);
}

TEST_F(VelloricDocTest, Restore_No_ChangesNothing)
{
    PutRegistryList({{0x3A, 0x1D}});
    doc.OnNewDocument();
    doc.AddMapping(0x10, 0x11);
    doc.SetTitle("edited");
    boxes.Answer({IDNO});
    Run(CVelloricDoc::CMD_RESTORE);
    EXPECT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ((PairList{{0x10, 0x11}, {0x3A, 0x1D}}), List());
    EXPECT_EQ(TRUE, g_bEdited);
    EXPECT_EQ("edited", doc.GetTitle());
    EXPECT_EQ(0, view.m_nUpdates);
}

TEST_F(VelloricDocTest, Restore_KeyCannotBeOpened_LeavesListEmptySilently)
{
    registry.m_lCreateError = ERROR_ACCESS_DENIED;
    doc.OnNewDocument();
    doc.AddMapping(0x10, 0x11);
    boxes.Answer({IDYES});
    Run(CVelloricDoc::CMD_RESTORE);
    EXPECT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ(PairList{}, List());
    EXPECT_EQ(FALSE, g_bEdited);
}

TEST_F(VelloricDocTest, RemoveAll_Yes_MakesANewEmptyDocument_ThatCountsAsEdited)
{
    PutRegistryList({{0x3A, 0x1D}, {0x1D, 0x3A}});
    doc.OnNewDocument();
    doc.SetTitle("edited");
    boxes.Answer({IDYES});
    Run(CVelloricDoc::CMD_REMOVE_ALL);
    ASSERT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ("クリアしてもよろしいですか？", boxes.m_shown[0].strText);
    EXPECT_EQ((UINT)(MB_YESNO | MB_ICONQUESTION), boxes.m_shown[0].nType);
    EXPECT_EQ(std::vector<std::string>{"OnFileNew"}, host.m_calls);
    EXPECT_EQ(PairList{}, List());
    EXPECT_EQ(TRUE, g_bEdited);
    EXPECT_EQ("Current Setting", doc.GetTitle());
    EXPECT_EQ(FALSE, Enabled(CVelloricDoc::CMD_REMOVE_ALL));
    EXPECT_EQ(FALSE, Enabled(CVelloricDoc::CMD_CHECK_INTEGRITY));
    EXPECT_EQ(TRUE, Enabled(CVelloricDoc::CMD_RESTORE));
    // The registry itself is untouched until exit.
    EXPECT_EQ(MapBytes({{0x3A, 0x1D}, {0x1D, 0x3A}}), registry.Get(LAYOUT_KEY, VALUE).bytes);
}

TEST_F(VelloricDocTest, RemoveAll_ThenRestore_BringsBackTheRegistryList)
{
    PutRegistryList({{0x3A, 0x1D}, {0x1D, 0x3A}});
    doc.OnNewDocument();
    boxes.Answer({IDYES, IDYES});
    Run(CVelloricDoc::CMD_REMOVE_ALL);
    Run(CVelloricDoc::CMD_RESTORE);
    EXPECT_EQ((PairList{{0x1D, 0x3A}, {0x3A, 0x1D}}), List());
    EXPECT_EQ(FALSE, g_bEdited);
    EXPECT_EQ(FALSE, Enabled(CVelloricDoc::CMD_RESTORE));
}

TEST_F(VelloricDocTest, RemoveAll_No_ChangesNothing)
{
    PutRegistryList({{0x3A, 0x1D}});
    doc.OnNewDocument();
    doc.SetTitle("kept");
    boxes.Answer({IDNO});
    Run(CVelloricDoc::CMD_REMOVE_ALL);
    EXPECT_EQ(1u, boxes.m_shown.size());
    EXPECT_TRUE(host.m_calls.empty());
    EXPECT_EQ((PairList{{0x3A, 0x1D}}), List());
    EXPECT_EQ(FALSE, g_bEdited);
    EXPECT_EQ("kept", doc.GetTitle());
}

// --- check integrity -----------------------------------------------------------

TEST_F(VelloricDocTest, Check_SwappedKeys_ReportsNothingLost)
{
    doc.OnNewDocument();
    doc.AddMapping(0x1D, 0x3A);
    doc.AddMapping(0x3A, 0x1D);
    Run(CVelloricDoc::CMD_CHECK_INTEGRITY);
    ASSERT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ("設定をチェックしましたが、大丈夫なようです", boxes.m_shown[0].strText);
    EXPECT_EQ("Velloric", boxes.m_shown[0].strCaption);
    EXPECT_EQ((UINT)(MB_OK | MB_ICONINFORMATION), boxes.m_shown[0].nType);
}

TEST_F(VelloricDocTest, Check_LostCtrl_ShowsStopIcon_WithDangerParagraph)
{
    doc.OnNewDocument();
    doc.AddMapping(0x1D, 0x3A); // left Ctrl sends Caps Lock; nothing sends Ctrl
    Run(CVelloricDoc::CMD_CHECK_INTEGRITY);
    ASSERT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ(std::string("\"Ctrl\" キーが失われます\n") + JA_DANGER, boxes.m_shown[0].strText);
    EXPECT_EQ((UINT)MB_ICONHAND, boxes.m_shown[0].nType);
}

TEST_F(VelloricDocTest, Check_LostOrdinaryKey_ShowsExclamation_WithoutDangerParagraph)
{
    doc.OnNewDocument();
    doc.AddMapping(0x3A, 0x1D); // Caps Lock sends Ctrl; Caps Lock is gone
    Run(CVelloricDoc::CMD_CHECK_INTEGRITY);
    ASSERT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ("\"Caps Lock\" キーが失われます\n", boxes.m_shown[0].strText);
    EXPECT_EQ((UINT)MB_ICONEXCLAMATION, boxes.m_shown[0].nType);
}

TEST_F(VelloricDocTest, Check_MappingToZeroFromRegistry_IsNotExamined_ButEnablesCommands)
{
    PutRegistryList({{0x1D, 0x0000}});
    doc.OnNewDocument();
    EXPECT_EQ(1, doc.GetMappingCount());
    EXPECT_EQ(TRUE, Enabled(CVelloricDoc::CMD_CHECK_INTEGRITY));
    EXPECT_EQ(TRUE, Enabled(CVelloricDoc::CMD_REMOVE_ALL));
    std::string strText = "untouched";
    EXPECT_EQ(0u, doc.CheckIntegrity(&strText));
    EXPECT_EQ("untouched", strText);
    Run(CVelloricDoc::CMD_CHECK_INTEGRITY);
    ASSERT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ((UINT)(MB_OK | MB_ICONINFORMATION), boxes.m_shown[0].nType);
}

TEST_F(VelloricDocTest, Check_MappingForAKeyOffTheKeyboard_IsNotExamined)
{
    doc.OnNewDocument();
    doc.AddMapping(0x0059, 0x1D); // no on-screen key has scancode 0x59
    std::string strText;
    EXPECT_EQ(0u, doc.CheckIntegrity(&strText));
    EXPECT_EQ("", strText);
}

TEST_F(VelloricDocTest, Check_LinesComeInBucketOrder_TiesInKeyTableOrder)
{
    // Q (0x10) and left Ctrl (0x1D) share bucket 1, Q first in the key table;
    // keypad Enter and right Ctrl share bucket 15; right Alt is in bucket 0.
    doc.OnNewDocument();
    doc.AddMapping(0xE01D, 0x3B);
    doc.AddMapping(0x1D, 0x3B);
    doc.AddMapping(0xE01C, 0x3B);
    doc.AddMapping(0x10, 0x3B);
    doc.AddMapping(0xE038, 0x3B);
    std::string strText;
    EXPECT_EQ((UINT)MB_ICONHAND, doc.CheckIntegrity(&strText));
    EXPECT_EQ(std::string("\"Right Alt\" キーが失われます\n") + "\"Q\" キーが失われます\n" +
                  "\"Ctrl\" キーが失われます\n" + "\"Num Enter\" キーが失われます\n" +
                  "\"Right Ctrl\" キーが失われます\n" + JA_DANGER,
              strText);
}

TEST_F(VelloricDocTest, Check_NeutralSet_ShowsScancodes)
{
    strings.m_strings.clear();
    FillNeutralStrings(&strings);
    doc.OnNewDocument();
    doc.AddMapping(0xE01D, 0x3A);
    doc.AddMapping(0x3A, 0x10);
    Run(CVelloricDoc::CMD_CHECK_INTEGRITY);
    ASSERT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ(std::string("你会丢失\"Right Ctrl\" [0xE01D] \n") +
                  "\n!!!危险 !!!\n\nCtrl or Alt or Del 键可能丢失,\n你可以会登陆不了系统.",
              boxes.m_shown[0].strText);
    EXPECT_EQ((UINT)MB_ICONHAND, boxes.m_shown[0].nType);
}

TEST_F(VelloricDocTest, Check_WithoutARemapKeyboardView_FindsNothingLost)
{
    doc.RemoveView(&view);
    doc.OnNewDocument();
    doc.AddMapping(0x1D, 0x3A);
    std::string strText;
    EXPECT_EQ(0u, doc.CheckIntegrity(&strText));
    doc.AddView(&view);
}
