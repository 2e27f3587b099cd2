// One real round trip through the registry of the throw-away Wine prefix:
// what the exit flow leaves in HKLM\...\Keyboard Layout "Scancode Map".
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/win32_registry.h"
#include "model/velloric_doc.h"
#include "tests/support/doc_fixture.h"
#include "tests/support/process_flags.h"
#include "tests/win32/win32_test_support.h"
#include "res/resource.h"

namespace
{
const char VALUE[] = "Scancode Map";

// The value's bytes, or the query's error code in *plResult.
std::vector<BYTE> QueryScancodeMap(LONG* plResult, DWORD* pdwType)
{
    std::vector<BYTE> bytes(4096);
    HKEY hKey = NULL;
    *plResult =
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, wintest::kKeyboardLayoutKey, 0, KEY_QUERY_VALUE, &hKey);
    if (*plResult != ERROR_SUCCESS)
        return std::vector<BYTE>();
    DWORD cb = (DWORD)bytes.size();
    *plResult = RegQueryValueExA(hKey, VALUE, NULL, pdwType, bytes.data(), &cb);
    RegCloseKey(hKey);
    bytes.resize(*plResult == ERROR_SUCCESS ? cb : 0);
    return bytes;
}

struct ExitFlowRegistryTest : ::testing::Test
{
    CWin32Registry registry;
    CFakeKeyboard keyboard;
    CFakeRestartService restart;
    CFakeHost host;
    CFakeStrings strings;
    CScriptedMessageBoxes boxes{&strings};

    void SetUp() override
    {
        ResetProcessFlags();
        FillNeutralStrings(&strings);
        wintest::DeleteScancodeMap();
    }
    void TearDown() override
    {
        wintest::DeleteScancodeMap();
        ResetProcessFlags();
    }
};
} // namespace

TEST_F(ExitFlowRegistryTest, SaveAndExit_WritesTheListInHashOrder)
{
    {
        CVelloricDoc doc(registry, keyboard, restart, host);
        host.m_pDoc = &doc;
        ASSERT_EQ(TRUE, doc.OnNewDocument());
        ASSERT_EQ(0, doc.GetMappingCount());
        doc.AddMapping(0x3A, 0x1D);
        doc.AddMapping(0xE038, 0x1D);
        doc.AddMapping(0x1D, 0x3A);
        // Right Alt is lost (the check works on the list, with or without a view): write anyway.
        boxes.Answer({IDOK, IDNO});
        EXPECT_EQ(TRUE, doc.CanCloseFrame());
    }
    ASSERT_EQ(2u, boxes.m_shown.size());
    EXPECT_EQ((UINT)(MB_OKCANCEL | MB_ICONHAND), boxes.m_shown[0].nType);
    EXPECT_EQ("提示：系统注册表已经修改，现在重新启动吗？", boxes.m_shown[1].strText);
    EXPECT_TRUE(restart.m_calls.empty());

    LONG lResult = 0;
    DWORD dwType = REG_NONE;
    std::vector<BYTE> bytes = QueryScancodeMap(&lResult, &dwType);
    ASSERT_EQ(ERROR_SUCCESS, lResult);
    EXPECT_EQ((DWORD)REG_BINARY, dwType);
    // Right Alt (bucket 0), left Ctrl (1), Caps Lock (3), then the terminator.
    EXPECT_EQ((std::vector<BYTE>{0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0,
                                 0x1D, 0x00, 0x38, 0xE0,
                                 0x3A, 0x00, 0x1D, 0x00,
                                 0x1D, 0x00, 0x3A, 0x00,
                                 0, 0, 0, 0}),
              bytes);
}

TEST_F(ExitFlowRegistryTest, RemoveAllThenSaveAndExit_DeletesTheValue)
{
    {
        CVelloricDoc doc(registry, keyboard, restart, host);
        host.m_pDoc = &doc;
        doc.OnNewDocument();
        doc.AddMapping(0x3A, 0x1D);
        doc.AddMapping(0x1D, 0x3A);
        boxes.Answer({IDNO});
        ASSERT_EQ(TRUE, doc.CanCloseFrame());
    }
    LONG lResult = 0;
    DWORD dwType = REG_NONE;
    ASSERT_EQ(24u, QueryScancodeMap(&lResult, &dwType).size());

    // The next run starts with that list, clears it and saves.
    ResetProcessFlags();
    {
        CVelloricDoc doc(registry, keyboard, restart, host);
        host.m_pDoc = &doc;
        doc.OnNewDocument();
        ASSERT_EQ(2, doc.GetMappingCount());
        boxes.Answer({IDYES, IDNO});
        doc.OnCmdMsg(ID_EDIT_REMOVE_ALL, nullptr);
        EXPECT_EQ(0, doc.GetMappingCount());
        EXPECT_EQ(TRUE, doc.CanCloseFrame());
    }
    ASSERT_EQ(3u, boxes.m_shown.size());
    EXPECT_EQ("你要清掉么 ?", boxes.m_shown[1].strText);
    EXPECT_EQ("提示：系统注册表已经修改，现在重新启动吗？", boxes.m_shown[2].strText);
    QueryScancodeMap(&lResult, &dwType);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, lResult);
}

TEST_F(ExitFlowRegistryTest, EmptyListWithValueAbsent_ClosesSilently)
{
    CVelloricDoc doc(registry, keyboard, restart, host);
    host.m_pDoc = &doc;
    doc.OnNewDocument();
    doc.RemoveMapping(0x3A);
    boxes.Answer({IDNO});
    EXPECT_EQ(TRUE, doc.CanCloseFrame());
    EXPECT_EQ(1u, boxes.m_shown.size());
}
