// The store against the real registry calls, in the throw-away prefix.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/win32_registry.h"
#include "model/scancode_map_store.h"
#include "tests/support/scancode_map_bytes.h"
#include "tests/support/scripted_message_boxes.h"

namespace
{
typedef std::vector<BYTE> Bytes;

const char kKeyPath[] = "SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout";
const char kValue[] = "Scancode Map";

// Puts back whatever the prefix held under the value when the test ends.
struct ScancodeMapStoreRegistryTest : ::testing::Test
{
    HKEY m_hKey = NULL;
    BOOL m_bHadValue = FALSE;
    DWORD m_dwSavedType = REG_NONE;
    Bytes m_saved;
    CScriptedMessageBoxes boxes;
    CWin32Registry registry;

    void SetUp() override
    {
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKeyPath, 0, NULL, 0,
                                                 KEY_READ | KEY_WRITE, NULL, &m_hKey, NULL));
        m_bHadValue = QueryRaw(&m_saved, &m_dwSavedType) == ERROR_SUCCESS;
        RegDeleteValueA(m_hKey, kValue);
    }

    void TearDown() override
    {
        if (m_hKey == NULL)
            return;
        if (m_bHadValue)
            RegSetValueExA(m_hKey, kValue, 0, m_dwSavedType, m_saved.data(), (DWORD)m_saved.size());
        else
            RegDeleteValueA(m_hKey, kValue);
        RegCloseKey(m_hKey);
    }

    LONG QueryRaw(Bytes* pBytes, DWORD* pdwType = NULL)
    {
        BYTE buffer[8192];
        DWORD cb = sizeof buffer;
        DWORD dwType = REG_NONE;
        LONG lResult = RegQueryValueExA(m_hKey, kValue, NULL, &dwType, buffer, &cb);
        pBytes->assign(buffer, buffer + (lResult == ERROR_SUCCESS ? cb : 0));
        if (pdwType != NULL)
            *pdwType = dwType;
        return lResult;
    }

    void PutRaw(const Bytes& bytes)
    {
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(m_hKey, kValue, 0, REG_BINARY, bytes.data(),
                                                (DWORD)bytes.size()));
    }
};
} // namespace

TEST_F(ScancodeMapStoreRegistryTest, Write_StoresTheExactBytes_AsBinary)
{
    {
        CScancodeMapStore store(registry);
        ASSERT_TRUE(store.Open());
        store.SetAt(0x003A, 0x001D);
        store.SetAt(0x001D, 0x003A);
        store.SetAt(0xE038, 0x001D);
        store.SetAt(0x0046, 0x0000);
        EXPECT_TRUE(store.Write());
    }
    Bytes bytes;
    DWORD dwType = REG_NONE;
    ASSERT_EQ(ERROR_SUCCESS, QueryRaw(&bytes, &dwType));
    EXPECT_EQ((DWORD)REG_BINARY, dwType);
    EXPECT_EQ(ScancodeMapValue(5, {0xE038001D, 0x001D003A, 0x003A001D, 0x00460000, 0}), bytes);
    EXPECT_TRUE(boxes.m_shown.empty());
}

TEST_F(ScancodeMapStoreRegistryTest, Write_EmptyList_StoresTheSixteenByteTable)
{
    CScancodeMapStore store(registry);
    ASSERT_TRUE(store.Open());
    EXPECT_TRUE(store.Write());
    Bytes bytes;
    ASSERT_EQ(ERROR_SUCCESS, QueryRaw(&bytes));
    EXPECT_EQ((Bytes{0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}), bytes);
}

TEST_F(ScancodeMapStoreRegistryTest, Read_IntoFreshStore_GivesBackWhatWasWritten)
{
    {
        CScancodeMapStore store(registry);
        ASSERT_TRUE(store.Open());
        store.SetAt(0x003A, 0x001D);
        store.SetAt(0xE05B, 0x0000);
        ASSERT_TRUE(store.Write());
    }
    CScancodeMapStore fresh(registry);
    ASSERT_TRUE(fresh.Open());
    EXPECT_TRUE(fresh.Read());
    EXPECT_EQ(2, fresh.GetCount());
    EXPECT_EQ("E05B:0000 003A:001D", WalkText(fresh));
}

TEST_F(ScancodeMapStoreRegistryTest, Read_Takes4096Bytes_ButFailsOn4097)
{
    Bytes bytes = FullScancodeMapValue();
    PutRaw(bytes);
    CScancodeMapStore store(registry);
    ASSERT_TRUE(store.Open());
    EXPECT_TRUE(store.Read());
    EXPECT_EQ(1020, store.GetCount());

    bytes.push_back(0);
    PutRaw(bytes);
    EXPECT_FALSE(store.Read());
    EXPECT_EQ(0, store.GetCount());
}

TEST_F(ScancodeMapStoreRegistryTest, Read_CountBeyondData_ReadsOnlyWhatWasReturned)
{
    PutRaw(ScancodeMapValue(9, {0x003A001D}));
    CScancodeMapStore store(registry);
    ASSERT_TRUE(store.Open());
    EXPECT_TRUE(store.Read());
    EXPECT_EQ("003A:001D", WalkText(store));
}

TEST_F(ScancodeMapStoreRegistryTest, Read_FailsWhenValueMissing)
{
    CScancodeMapStore store(registry);
    ASSERT_TRUE(store.Open());
    store.SetAt(0x003A, 0x001D);
    EXPECT_FALSE(store.Read());
    EXPECT_EQ(0, store.GetCount());
}

TEST_F(ScancodeMapStoreRegistryTest, Delete_RemovesTheValue_ThenReportsItMissing)
{
    PutRaw(ScancodeMapValue(2, {0x003A001D, 0}));
    CScancodeMapStore store(registry);
    EXPECT_EQ(ERROR_SUCCESS, store.Delete());
    Bytes bytes;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, QueryRaw(&bytes));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, store.Delete());
    EXPECT_TRUE(boxes.m_shown.empty());
}
