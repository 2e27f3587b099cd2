#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/scancode_map_store.h"
#include "tests/support/fake_registry.h"
#include "tests/support/scancode_map_bytes.h"
#include "tests/support/scripted_message_boxes.h"

namespace
{
typedef std::vector<BYTE> Bytes;

const char kKey[] = "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout";
const char kValue[] = "Scancode Map";
const char kCreateLine[] =
    "CreateKey HKLM\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout options=0 access=0x2001f";

struct ScancodeMapStoreTest : ::testing::Test
{
    CFakeRegistry registry;
    CFakeStrings strings;
    CScriptedMessageBoxes boxes{&strings};
    std::unique_ptr<CScancodeMapStore> store{new CScancodeMapStore(registry)};

    ScancodeMapStoreTest() { strings.m_strings[AFX_IDS_APP_TITLE] = "Velloric"; }

    void PutValue(const Bytes& bytes) { registry.Put(kKey, kValue, REG_BINARY, bytes); }
    Bytes StoredBytes() const { return registry.Get(kKey, kValue).bytes; }
    int CountLog(const std::string& strPrefix) const
    {
        return (int)std::count_if(registry.m_log.begin(), registry.m_log.end(),
                                  [&](const std::string& str) { return str.rfind(strPrefix, 0) == 0; });
    }
    void ExpectCannotWriteBox() const
    {
        ASSERT_EQ(1u, boxes.m_shown.size());
        EXPECT_EQ("Cannot Write!", boxes.m_shown[0].strText);
        EXPECT_EQ("Velloric", boxes.m_shown[0].strCaption);
        EXPECT_EQ((UINT)(MB_OK | MB_ICONEXCLAMATION), boxes.m_shown[0].nType);
    }
};
} // namespace

// ---- The key: opened once, closed once ------------------------------------

TEST_F(ScancodeMapStoreTest, Open_CreatesKeyUnderLocalMachine_ForReadAndWrite)
{
    EXPECT_TRUE(store->Open());
    EXPECT_EQ(std::vector<std::string>{kCreateLine}, registry.m_log);
    EXPECT_TRUE(registry.HasKey(kKey));
}

TEST_F(ScancodeMapStoreTest, Open_CalledAgain_OpensTheKeyOnlyOnce)
{
    PutValue(ScancodeMapValue(2, {0x003A001D, 0}));
    EXPECT_TRUE(store->Open());
    EXPECT_TRUE(store->Open());
    EXPECT_EQ(ERROR_SUCCESS, store->Delete());
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, store->Delete());
    EXPECT_EQ(1, CountLog("CreateKey"));
    EXPECT_EQ(1, registry.OpenHandleCount());
}

TEST_F(ScancodeMapStoreTest, Open_TriesAgain_AfterAFailure)
{
    registry.m_lCreateError = ERROR_ACCESS_DENIED;
    EXPECT_FALSE(store->Open());
    registry.m_lCreateError = ERROR_SUCCESS;
    EXPECT_TRUE(store->Open());
    EXPECT_EQ(2, CountLog("CreateKey"));
    EXPECT_EQ(1, registry.OpenHandleCount());
}

TEST_F(ScancodeMapStoreTest, KeepsKeyOpenUntilDestroyed_ThenClosesItOnce)
{
    PutValue(ScancodeMapValue(2, {0x003A001D, 0}));
    ASSERT_TRUE(store->Open());
    EXPECT_TRUE(store->Read());
    EXPECT_TRUE(store->Write());
    EXPECT_EQ(ERROR_SUCCESS, store->Delete());
    EXPECT_EQ(1, registry.OpenHandleCount());
    EXPECT_EQ(0, CountLog("CloseKey"));

    store.reset();
    EXPECT_EQ(0, registry.OpenHandleCount());
    EXPECT_EQ(1, CountLog("CloseKey"));
}

TEST_F(ScancodeMapStoreTest, NeverOpened_ClosesNothing)
{
    store.reset();
    EXPECT_TRUE(registry.m_log.empty());
}

TEST_F(ScancodeMapStoreTest, ReadAndWrite_DoNotOpenTheKeyThemselves)
{
    PutValue(ScancodeMapValue(2, {0x003A001D, 0}));
    store->SetAt(0x001D, 0x003A);
    EXPECT_FALSE(store->Read());
    EXPECT_EQ(0, store->GetCount());
    store->SetAt(0x001D, 0x003A);
    EXPECT_FALSE(store->Write());
    ExpectCannotWriteBox();
    EXPECT_TRUE(registry.m_log.empty());
    EXPECT_EQ(ScancodeMapValue(2, {0x003A001D, 0}), StoredBytes());
}

TEST_F(ScancodeMapStoreTest, OpenFailure_MakesReadFail_AndWriteShowCannotWrite)
{
    PutValue(ScancodeMapValue(2, {0x003A001D, 0}));
    registry.m_lCreateError = ERROR_ACCESS_DENIED;
    EXPECT_FALSE(store->Open());
    EXPECT_FALSE(store->Read());
    EXPECT_EQ(0, store->GetCount());
    store->SetAt(0x001D, 0x003A);
    EXPECT_FALSE(store->Write());
    ExpectCannotWriteBox();
    EXPECT_EQ(0, CountLog("QueryValue") + CountLog("SetValue"));
    EXPECT_EQ(1, store->GetCount());
}

// ---- Read ----------------------------------------------------------------

TEST_F(ScancodeMapStoreTest, Read_QueriesScancodeMapWithA4096ByteBuffer)
{
    PutValue(ScancodeMapValue(2, {0x003A001D, 0}));
    ASSERT_TRUE(store->Open());
    EXPECT_TRUE(store->Read());
    EXPECT_EQ((std::vector<std::string>{kCreateLine, "QueryValue Scancode Map size=4096"}),
              registry.m_log);
    EXPECT_EQ("003A:001D", WalkText(*store));
}

TEST_F(ScancodeMapStoreTest, Read_ReplacesTheListInMemory)
{
    PutValue(ScancodeMapValue(3, {0xE038001D, 0x003A001D, 0}));
    ASSERT_TRUE(store->Open());
    store->SetAt(0x0001, 0x0002);
    EXPECT_TRUE(store->Read());
    EXPECT_EQ("E038:001D 003A:001D", WalkText(*store));
}

TEST_F(ScancodeMapStoreTest, Read_CountOfOneOrLess_IsAnEmptyListAndSuccess)
{
    ASSERT_TRUE(store->Open());
    const DWORD counts[] = {0, 1, 0xFFFFFFFF};
    for (DWORD dwCount : counts)
    {
        PutValue(ScancodeMapValue(dwCount, {0x003A001D, 0}));
        store->SetAt(0x0001, 0x0002);
        EXPECT_TRUE(store->Read()) << dwCount;
        EXPECT_EQ(0, store->GetCount()) << dwCount;
    }
}

TEST_F(ScancodeMapStoreTest, Read_RepeatedPhysicalCode_LaterProducedWins_InFirstPlace)
{
    // 0x10 and 0x1D share a bucket; had 0x10 moved on its repeat it would come first.
    PutValue(ScancodeMapValue(4, {0x00100001, 0x001D0002, 0x00100003, 0}));
    ASSERT_TRUE(store->Open());
    EXPECT_TRUE(store->Read());
    EXPECT_EQ(2, store->GetCount());
    EXPECT_EQ("001D:0002 0010:0003", WalkText(*store));
}

TEST_F(ScancodeMapStoreTest, Read_TakesAValueOfExactly4096Bytes)
{
    Bytes bytes = FullScancodeMapValue();
    ASSERT_EQ(4096u, bytes.size());
    PutValue(bytes);
    ASSERT_TRUE(store->Open());
    EXPECT_TRUE(store->Read());
    EXPECT_EQ(1020, store->GetCount());
}

TEST_F(ScancodeMapStoreTest, Read_FailsWithEmptyList_AndShowsNothing)
{
    Bytes tooLong = ScancodeMapValue(2, {0x003A001D, 0});
    tooLong.resize(4097);
    const struct
    {
        const char* pszCase;
        Bytes value; // empty: no value
        LONG lQueryError;
    } rows[] = {
        {"4097 bytes", tooLong, ERROR_SUCCESS},
        {"missing", Bytes(), ERROR_SUCCESS},
        {"access denied", ScancodeMapValue(2, {0x003A001D, 0}), ERROR_ACCESS_DENIED},
    };
    for (const auto& row : rows)
    {
        CFakeRegistry rowRegistry;
        if (!row.value.empty())
            rowRegistry.Put(kKey, kValue, REG_BINARY, row.value);
        CScancodeMapStore rowStore(rowRegistry);
        ASSERT_TRUE(rowStore.Open());
        rowStore.SetAt(0x0001, 0x0002);
        rowRegistry.m_lQueryError = row.lQueryError;
        EXPECT_FALSE(rowStore.Read()) << row.pszCase;
        EXPECT_EQ(0, rowStore.GetCount()) << row.pszCase;
    }
    EXPECT_TRUE(boxes.m_shown.empty());
}

TEST_F(ScancodeMapStoreTest, Read_ValueShorterThanHeader_IsAnEmptyListAndSuccess)
{
    PutValue(Bytes{0, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0});
    ASSERT_TRUE(store->Open());
    EXPECT_TRUE(store->Read());
    EXPECT_EQ(0, store->GetCount());
}

TEST_F(ScancodeMapStoreTest, Read_CountBeyondData_ReadsOnlyWhatWasReturned)
{
    // Stale bytes from an earlier, longer value must not come back as mappings.
    PutValue(ScancodeMapValue(4, {0xE038001D, 0x003A001D, 0x001D003A, 0}));
    ASSERT_TRUE(store->Open());
    ASSERT_TRUE(store->Read());
    PutValue(ScancodeMapValue(1021, {0x0001001D}));
    EXPECT_TRUE(store->Read());
    EXPECT_EQ("0001:001D", WalkText(*store));
}

TEST_F(ScancodeMapStoreTest, Read_SkipsNullEntry_AndWriteKeepsCountInStep)
{
    // A count one too high makes the terminator an entry.
    PutValue(ScancodeMapValue(4, {0x003A001D, 0x0000E038, 0}));
    ASSERT_TRUE(store->Open());
    EXPECT_TRUE(store->Read());
    EXPECT_EQ("0000:E038 003A:001D", WalkText(*store));
    EXPECT_TRUE(store->Write());
    EXPECT_EQ(ScancodeMapValue(3, {0x0000E038, 0x003A001D, 0}), StoredBytes());
}

// ---- Write ---------------------------------------------------------------

TEST_F(ScancodeMapStoreTest, Write_EmptyList_IsTheSixteenByteEmptyTable)
{
    ASSERT_TRUE(store->Open());
    EXPECT_TRUE(store->Write());
    EXPECT_EQ((std::vector<std::string>{kCreateLine, "SetValue Scancode Map type=3 size=16"}),
              registry.m_log);
    EXPECT_EQ(REG_BINARY, registry.Get(kKey, kValue).dwType);
    EXPECT_EQ((Bytes{0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}), StoredBytes());
    EXPECT_TRUE(boxes.m_shown.empty());
}

TEST_F(ScancodeMapStoreTest, Write_OneMapping_IsTheTwentyByteImage)
{
    ASSERT_TRUE(store->Open());
    store->SetAt(0x003A, 0x001D);
    EXPECT_TRUE(store->Write());
    EXPECT_EQ("SetValue Scancode Map type=3 size=20", registry.m_log.back());
    EXPECT_EQ((Bytes{0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0x1D, 0, 0x3A, 0, 0, 0, 0, 0}),
              StoredBytes());
}

TEST_F(ScancodeMapStoreTest, Write_FollowsBucketOrder_NotEditOrder)
{
    ASSERT_TRUE(store->Open());
    store->SetAt(0x003A, 0x001D);
    store->SetAt(0x001D, 0x003A);
    store->SetAt(0xE038, 0x001D);
    EXPECT_TRUE(store->Write());
    EXPECT_EQ(ScancodeMapValue(4, {0xE038001D, 0x001D003A, 0x003A001D, 0}), StoredBytes());
}

TEST_F(ScancodeMapStoreTest, Write_PutsLaterInsertedFirst_WithinABucket)
{
    ASSERT_TRUE(store->Open());
    store->SetAt(0x0010, 0x001E);
    store->SetAt(0x001D, 0x003A);
    EXPECT_TRUE(store->Write());
    EXPECT_EQ(ScancodeMapValue(3, {0x001D003A, 0x0010001E, 0}), StoredBytes());
}

TEST_F(ScancodeMapStoreTest, Write_Refusal_ShowsCannotWrite_AndKeepsTheList)
{
    PutValue(ScancodeMapValue(2, {0x003A001D, 0}));
    ASSERT_TRUE(store->Open());
    store->SetAt(0x001D, 0x003A);
    store->SetAt(0x0010, 0x001E);
    registry.m_lSetError = ERROR_ACCESS_DENIED;
    EXPECT_FALSE(store->Write());
    ExpectCannotWriteBox();
    EXPECT_EQ("0010:001E 001D:003A", WalkText(*store));
    EXPECT_EQ(ScancodeMapValue(2, {0x003A001D, 0}), StoredBytes());
}

TEST_F(ScancodeMapStoreTest, Write_FillsAll4096Bytes_With1020Mappings)
{
    ASSERT_TRUE(store->Open());
    for (WORD w = 1; w <= 1020; ++w)
        store->SetAt(w, 0x1D);
    EXPECT_TRUE(store->Write());
    EXPECT_EQ("SetValue Scancode Map type=3 size=4096", registry.m_log.back());
    EXPECT_TRUE(boxes.m_shown.empty());
}

TEST_F(ScancodeMapStoreTest, Write_RefusesMoreThan1020Mappings_BeforeTouchingTheRegistry)
{
    PutValue(ScancodeMapValue(2, {0x003A001D, 0}));
    ASSERT_TRUE(store->Open());
    for (WORD w = 1; w <= 1021; ++w)
        store->SetAt(w, 0x1D);
    EXPECT_FALSE(store->Write());
    ExpectCannotWriteBox();
    EXPECT_EQ(0, CountLog("SetValue"));
    EXPECT_EQ(ScancodeMapValue(2, {0x003A001D, 0}), StoredBytes());
    EXPECT_EQ(1021, store->GetCount());
}

TEST_F(ScancodeMapStoreTest, ReadThenWrite_KeepsMappings_IncludingProducedZero)
{
    Bytes original = ScancodeMapValue(4, {0x003A0000, 0xE038001D, 0x001D003A, 0});
    original[0] = 9; // version and flags are written back as 0
    original[4] = 7;
    PutValue(original);
    ASSERT_TRUE(store->Open());
    ASSERT_TRUE(store->Read());
    EXPECT_TRUE(store->Write());
    EXPECT_EQ(ScancodeMapValue(4, {0xE038001D, 0x001D003A, 0x003A0000, 0}), StoredBytes());
    ASSERT_TRUE(store->Read());
    EXPECT_EQ("E038:001D 001D:003A 003A:0000", WalkText(*store));
}

// ---- Delete --------------------------------------------------------------

TEST_F(ScancodeMapStoreTest, Delete_OpensTheKey_AndRemovesTheValue)
{
    PutValue(ScancodeMapValue(2, {0x003A001D, 0}));
    EXPECT_EQ(ERROR_SUCCESS, store->Delete());
    EXPECT_EQ((std::vector<std::string>{kCreateLine, "DeleteValue Scancode Map"}), registry.m_log);
    EXPECT_FALSE(registry.HasValue(kKey, kValue));
}

TEST_F(ScancodeMapStoreTest, Delete_SaysWhyItFailed_AndShowsNothing)
{
    const struct
    {
        const char* pszCase;
        BOOL bValue;
        LONG lCreateError;
        LONG lDeleteError;
        LONG lDelete;      // the store's Delete
        LONG lDeleteValue; // the key's own DeleteValue
        int nDeleteCalls;
    } rows[] = {
        {"missing", FALSE, ERROR_SUCCESS, ERROR_SUCCESS, ERROR_FILE_NOT_FOUND, ERROR_FILE_NOT_FOUND, 2},
        {"key cannot be opened", TRUE, ERROR_ACCESS_DENIED, ERROR_SUCCESS, ERROR_INVALID_HANDLE, -1, 0},
        {"refused", TRUE, ERROR_SUCCESS, ERROR_ACCESS_DENIED, ERROR_ACCESS_DENIED, ERROR_ACCESS_DENIED, 2},
    };
    for (const auto& row : rows)
    {
        CFakeRegistry rowRegistry;
        if (row.bValue)
            rowRegistry.Put(kKey, kValue, REG_BINARY, ScancodeMapValue(2, {0x003A001D, 0}));
        rowRegistry.m_lCreateError = row.lCreateError;
        rowRegistry.m_lDeleteError = row.lDeleteError;
        CScancodeMapStore rowStore(rowRegistry);
        EXPECT_EQ(row.lDelete, rowStore.Delete()) << row.pszCase;
        EXPECT_EQ(row.lDeleteValue, rowStore.DeleteValue(kValue)) << row.pszCase;
        EXPECT_EQ(row.nDeleteCalls, (int)std::count_if(rowRegistry.m_log.begin(), rowRegistry.m_log.end(),
                                                       [](const std::string& str)
                                                       { return str.rfind("DeleteValue", 0) == 0; }))
            << row.pszCase;
        EXPECT_EQ(row.bValue, rowRegistry.HasValue(kKey, kValue)) << row.pszCase;
    }
    EXPECT_TRUE(boxes.m_shown.empty());
}

// ---- The key's own operations --------------------------------------------

TEST_F(ScancodeMapStoreTest, QueryValue_ReturnsSizePassedIn_AndTheLengthReturned)
{
    PutValue(ScancodeMapValue(2, {0x003A001D, 0}));
    ASSERT_TRUE(store->Open());
    BYTE buffer[64];
    DWORD cbReturned = 99;
    EXPECT_EQ(64u, store->QueryValue(kValue, buffer, sizeof buffer, &cbReturned));
    EXPECT_EQ(20u, cbReturned);
    LONG lResult = ERROR_SUCCESS;
    EXPECT_EQ(0u, store->QueryValue(kValue, buffer, 19, &cbReturned, &lResult));
    EXPECT_EQ(ERROR_MORE_DATA, lResult);
    EXPECT_EQ(20u, cbReturned); // what the value would need
    EXPECT_EQ(0u, store->QueryValue("Missing", buffer, sizeof buffer));
}

TEST_F(ScancodeMapStoreTest, SetValue_WithoutOpenKey_FailsAndWritesNothing)
{
    BYTE data[4] = {1, 2, 3, 4};
    EXPECT_NE(ERROR_SUCCESS, store->SetValue(kValue, data, sizeof data));
    EXPECT_TRUE(registry.m_log.empty());
    EXPECT_FALSE(registry.HasValue(kKey, kValue));
}

// ---- The list and its walk -----------------------------------------------

TEST_F(ScancodeMapStoreTest, SetAt_ReplacesProducedCode_InPlace)
{
    store->SetAt(0x0010, 0x001E);
    store->SetAt(0x001D, 0x003A);
    store->SetAt(0x0010, 0x0000);
    EXPECT_EQ(2, store->GetCount());
    EXPECT_EQ("001D:003A 0010:0000", WalkText(*store));
}

TEST_F(ScancodeMapStoreTest, SetAt_IgnoresTheNullPair)
{
    store->SetAt(0x003A, 0x001D);
    store->SetAt(0x0000, 0x0000);
    EXPECT_EQ(1, store->GetCount());
    EXPECT_EQ("003A:001D", WalkText(*store));
}

TEST_F(ScancodeMapStoreTest, RemoveKey_TellsWhetherAMappingWent)
{
    store->SetAt(0x003A, 0x001D);
    store->SetAt(0xE038, 0x001D);
    EXPECT_TRUE(store->RemoveKey(0x003A));
    EXPECT_FALSE(store->RemoveKey(0x003A));
    EXPECT_EQ("E038:001D", WalkText(*store));
    store->RemoveAll();
    EXPECT_EQ(0, store->GetCount());
    EXPECT_EQ("", WalkText(*store));
}

TEST_F(ScancodeMapStoreTest, GetNext_AtTheEnd_YieldsNullPairAndStaysThere)
{
    CRemapPair pair(1, 2);
    store->GetNext(pair); // no walk started
    EXPECT_TRUE(pair.IsNull());

    store->SetAt(0x003A, 0x001D);
    store->GetStartPosition();
    store->GetNext(pair);
    EXPECT_EQ(0x003A, pair.wPhysical);
    EXPECT_EQ(0x001D, pair.wProduced);
    for (int i = 0; i < 3; ++i)
    {
        pair = CRemapPair(1, 2);
        store->GetNext(pair);
        EXPECT_TRUE(pair.IsNull());
    }
}

TEST_F(ScancodeMapStoreTest, Removal_EndsAWalkUnderWay)
{
    // The cursor would otherwise point at a freed entry.
    store->SetAt(0x003A, 0x001D);
    store->SetAt(0xE038, 0x001D);
    store->GetStartPosition();
    store->RemoveKey(0xE038);
    CRemapPair pair(1, 2);
    EXPECT_TRUE(store->GetNext(pair).IsNull());

    store->GetStartPosition();
    store->RemoveAll();
    EXPECT_TRUE(store->GetNext(pair).IsNull());
}
