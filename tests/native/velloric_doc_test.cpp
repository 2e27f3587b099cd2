#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/doc_fixture.h"
#include "res/resource.h"

namespace
{
struct VelloricDocTest : CDocFixture
{
    BOOL Enabled(UINT nID)
    {
        CCmdUI ui(nID);
        EXPECT_EQ(TRUE, doc.OnCmdMsg(nID, &ui)) << nID;
        return ui.m_bEnabled;
    }

    void Run(UINT nID) { EXPECT_EQ(TRUE, doc.OnCmdMsg(nID, nullptr)) << nID; }
};
} // namespace

// --- new documents and what they read ------------------------------------------

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

TEST_F(VelloricDocTest, ValueNotReadInFull_IsReported_AtStartUpAndRestore_OthersAreSilent)
{
    strings.m_strings[IDS_UNREADABLE_SCANCODE_MAP] = "bytes %1, replaced on save";
    struct Case
    {
        const char* pszWhat;
        std::vector<BYTE> bytes; // empty: no value
        int nMappings;           // what the list shows
        const char* pszReport;   // nullptr: no box
    };
    std::vector<BYTE> tooLong = FullScancodeMapValue();
    tooLong.resize(5000);
    const Case cases[] = {
        {"longer than the image", tooLong, 0, "bytes 5000, replaced on save"},
        {"header cut", {0, 0, 0, 0, 0, 0, 0, 0}, 0, "bytes 8, replaced on save"},
        {"count beyond the bytes", ScancodeMapValue(4, {0x003A001D, 0}), 1,
         "bytes 20, replaced on save"},
        {"whole", ScancodeMapBytes({{0x3A, 0x1D}}), 1, nullptr},
        {"whole at the image's size", FullScancodeMapValue(), 1020, nullptr},
        {"no terminator", ScancodeMapValue(2, {0x003A001D}), 1, nullptr},
        {"a byte past the terminator", ScancodeMapValue(2, {0x003A001D, 0, 0}), 1,
         "bytes 24, replaced on save"},
        {"empty, with its terminator", ScancodeMapValue(1, {0}), 0, nullptr},
        {"no value", {}, 0, nullptr},
    };
    for (const Case& c : cases)
    {
        CFakeRegistry fresh;
        CScriptedMessageBoxes freshBoxes{&strings};
        CVelloricDoc freshDoc{fresh, keyboard, restart, host};
        if (!c.bytes.empty())
            fresh.Put(LAYOUT_KEY, VALUE, REG_BINARY, c.bytes);
        g_bFirstLoad = TRUE;
        freshDoc.OnNewDocument();
        freshDoc.ReportUnreadableList();
        EXPECT_EQ(c.nMappings, freshDoc.GetMappingCount()) << c.pszWhat;
        if (c.pszReport == nullptr)
        {
            EXPECT_TRUE(freshBoxes.m_shown.empty()) << c.pszWhat;
            continue;
        }
        ASSERT_EQ(1u, freshBoxes.m_shown.size()) << c.pszWhat;
        EXPECT_EQ(c.pszReport, freshBoxes.m_shown[0].strText) << c.pszWhat;
        EXPECT_EQ((UINT)(MB_OK | MB_ICONEXCLAMATION), freshBoxes.m_shown[0].nType) << c.pszWhat;
        freshBoxes.Answer({IDYES});
        EXPECT_EQ(TRUE, freshDoc.OnCmdMsg(ID_EDIT_RESTORE, nullptr));
        ASSERT_EQ(3u, freshBoxes.m_shown.size()) << c.pszWhat; // question, then the report again
        EXPECT_EQ(c.pszReport, freshBoxes.m_shown[2].strText) << c.pszWhat;
    }
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

// Check integrity and remove all follow the list; restore, the edited flag.
struct CEnableRow
{
    const char* pszState;
    void (*pfnReach)(CDocFixture& fixture);
    BOOL bCheck, bRemoveAll, bRestore;
};

class EnableRules : public VelloricDocTest, public ::testing::WithParamInterface<CEnableRow>
{
};

TEST_P(EnableRules, CheckAndRemoveAll_NeedAMapping_RestoreNeedsAnEdit)
{
    GetParam().pfnReach(*this);
    EXPECT_EQ(GetParam().bCheck, Enabled(ID_EDIT_CHECK_INTEGRITY));
    EXPECT_EQ(GetParam().bRemoveAll, Enabled(ID_EDIT_REMOVE_ALL));
    EXPECT_EQ(GetParam().bRestore, Enabled(ID_EDIT_RESTORE));
}

INSTANTIATE_TEST_SUITE_P(
    VelloricDocTest, EnableRules,
    ::testing::Values(
        CEnableRow{"EmptyList", [](CDocFixture& f) { f.doc.OnNewDocument(); }, FALSE, FALSE, FALSE},
        CEnableRow{"EmptyListEdited",
                   [](CDocFixture& f) {
                       f.doc.OnNewDocument();
                       f.doc.RemoveMapping(0x3A);
                   },
                   FALSE, FALSE, TRUE},
        CEnableRow{"OneMappingAdded",
                   [](CDocFixture& f) {
                       f.doc.OnNewDocument();
                       f.doc.AddMapping(0x3A, 0x1D);
                   },
                   TRUE, TRUE, TRUE},
        CEnableRow{"RegistryListUnedited",
                   [](CDocFixture& f) {
                       f.PutRegistryList({{0x3A, 0x1D}});
                       f.doc.OnNewDocument();
                   },
                   TRUE, TRUE, FALSE}),
    [](const ::testing::TestParamInfo<CEnableRow>& info) { return std::string(info.param.pszState); });

TEST_F(VelloricDocTest, SaveAndCancel_AreHandled_AndStayEnabled)
{
    EXPECT_EQ(TRUE, Enabled(ID_FILE_SAVE));
    EXPECT_EQ(TRUE, Enabled(ID_FILE_CANCEL_EXIT));
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
    Run(ID_FILE_SAVE);
    EXPECT_TRUE(boxes.m_shown.empty());
    EXPECT_EQ(nLog, registry.m_log.size());
    EXPECT_EQ(TRUE, g_bEdited);
    EXPECT_EQ(ScancodeMapBytes({{0x3A, 0x1D}}), RegistryBytes());
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
    Run(ID_EDIT_RESTORE);
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
    Run(ID_EDIT_RESTORE);
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
    Run(ID_EDIT_RESTORE);
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
    Run(ID_EDIT_REMOVE_ALL);
    ASSERT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ("クリアしてもよろしいですか？", boxes.m_shown[0].strText);
    EXPECT_EQ((UINT)(MB_YESNO | MB_ICONQUESTION), boxes.m_shown[0].nType);
    EXPECT_EQ(std::vector<std::string>{"OnFileNew"}, host.m_calls);
    EXPECT_EQ(PairList{}, List());
    EXPECT_EQ(TRUE, g_bEdited);
    EXPECT_EQ("Current Setting", doc.GetTitle());
    EXPECT_EQ(FALSE, Enabled(ID_EDIT_REMOVE_ALL));
    EXPECT_EQ(FALSE, Enabled(ID_EDIT_CHECK_INTEGRITY));
    EXPECT_EQ(TRUE, Enabled(ID_EDIT_RESTORE));
    // The registry itself is untouched until exit.
    EXPECT_EQ(ScancodeMapBytes({{0x3A, 0x1D}, {0x1D, 0x3A}}), RegistryBytes());
}

TEST_F(VelloricDocTest, RemoveAll_ThenRestore_BringsBackTheRegistryList)
{
    PutRegistryList({{0x3A, 0x1D}, {0x1D, 0x3A}});
    doc.OnNewDocument();
    boxes.Answer({IDYES, IDYES});
    Run(ID_EDIT_REMOVE_ALL);
    Run(ID_EDIT_RESTORE);
    EXPECT_EQ((PairList{{0x1D, 0x3A}, {0x3A, 0x1D}}), List());
    EXPECT_EQ(FALSE, g_bEdited);
    EXPECT_EQ(FALSE, Enabled(ID_EDIT_RESTORE));
}

TEST_F(VelloricDocTest, RemoveAll_No_ChangesNothing)
{
    PutRegistryList({{0x3A, 0x1D}});
    doc.OnNewDocument();
    doc.SetTitle("kept");
    boxes.Answer({IDNO});
    Run(ID_EDIT_REMOVE_ALL);
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
    Run(ID_EDIT_CHECK_INTEGRITY);
    ASSERT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ("設定をチェックしましたが、大丈夫なようです", boxes.m_shown[0].strText);
    EXPECT_EQ("Velloric", boxes.m_shown[0].strCaption);
    EXPECT_EQ((UINT)(MB_OK | MB_ICONINFORMATION), boxes.m_shown[0].nType);
}

TEST_F(VelloricDocTest, Check_LostCtrl_ShowsStopIcon_WithDangerParagraph)
{
    doc.OnNewDocument();
    doc.AddMapping(0x1D, 0x3A); // left Ctrl sends Caps Lock; nothing sends Ctrl
    Run(ID_EDIT_CHECK_INTEGRITY);
    ASSERT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ(std::string("\"Ctrl\" キーが失われます\n") + JA_DANGER, boxes.m_shown[0].strText);
    EXPECT_EQ((UINT)MB_ICONHAND, boxes.m_shown[0].nType);
}

TEST_F(VelloricDocTest, Check_LostOrdinaryKey_ShowsExclamation_WithoutDangerParagraph)
{
    doc.OnNewDocument();
    doc.AddMapping(0x3A, 0x1D); // Caps Lock sends Ctrl; Caps Lock is gone
    Run(ID_EDIT_CHECK_INTEGRITY);
    ASSERT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ("\"Caps Lock\" キーが失われます\n", boxes.m_shown[0].strText);
    EXPECT_EQ((UINT)MB_ICONEXCLAMATION, boxes.m_shown[0].nType);
}

TEST_F(VelloricDocTest, Check_MappingToZeroFromRegistry_LosesTheKey_AndEnablesCommands)
{
    PutRegistryList({{0x1D, 0x0000}});
    doc.OnNewDocument();
    EXPECT_EQ(1, doc.GetMappingCount());
    EXPECT_EQ(TRUE, Enabled(ID_EDIT_CHECK_INTEGRITY));
    EXPECT_EQ(TRUE, Enabled(ID_EDIT_REMOVE_ALL));
    Run(ID_EDIT_CHECK_INTEGRITY);
    ASSERT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ(std::string("\"Ctrl\" キーが失われます\n") + JA_DANGER, boxes.m_shown[0].strText);
    EXPECT_EQ((UINT)MB_ICONHAND, boxes.m_shown[0].nType);
}

TEST_F(VelloricDocTest, Check_KeysBeyondTheDrawnKeyboard_CountBothWays)
{
    // Print Screen sends Right Alt: Right Alt, mapped away, is not lost;
    // Print Screen is, and is named by the system.
    doc.OnNewDocument();
    doc.AddMapping(0xE038, 0x1E);
    doc.AddMapping(0xE037, 0xE038);
    std::string strText;
    EXPECT_EQ((UINT)MB_ICONEXCLAMATION, doc.CheckIntegrity(&strText));
    EXPECT_EQ("\"Prnt Scrn\" キーが失われます\n", strText);
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
    Run(ID_EDIT_CHECK_INTEGRITY);
    ASSERT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ(std::string("你会丢失\"Right Ctrl\" [0xE01D] \n") +
                  "\n!!!危险 !!!\n\nCtrl or Alt or Del 键可能丢失,\n你可以会登陆不了系统.",
              boxes.m_shown[0].strText);
    EXPECT_EQ((UINT)MB_ICONHAND, boxes.m_shown[0].nType);
}

TEST_F(VelloricDocTest, Check_WorksOnTheList_EvenWithoutARemapKeyboardView)
{
    doc.RemoveView(&view);
    doc.OnNewDocument();
    doc.AddMapping(0x1D, 0x3A);
    std::string strText;
    EXPECT_EQ((UINT)MB_ICONHAND, doc.CheckIntegrity(&strText));
    doc.AddView(&view);
}
