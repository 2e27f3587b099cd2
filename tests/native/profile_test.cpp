#include <gtest/gtest.h>

#include <algorithm>

#include "framework/profile.h"
#include "tests/support/fake_registry.h"

namespace
{
const char APP_KEY[] = "HKCU\\Software\\Ostrelwick\\Velloric";
const char SECTION_KEY[] = "HKCU\\Software\\Ostrelwick\\Velloric\\Preference";

typedef std::vector<BYTE> Bytes;

struct ProfileTest : ::testing::Test
{
    CFakeRegistry registry;
    CProfile profile{registry};
    ProfileTest() { profile.SetRegistryKey("Ostrelwick", "Velloric"); }
    ~ProfileTest() override { EXPECT_EQ(0, registry.OpenHandleCount()); }

    int CountLog(const std::string& strPrefix) const
    {
        return (int)std::count_if(registry.m_log.begin(), registry.m_log.end(),
                                  [&](const std::string& str) { return str.rfind(strPrefix, 0) == 0; });
    }
};
} // namespace

// Keys

TEST_F(ProfileTest, Read_CreatesKeysDownToSection)
{
    EXPECT_EQ(7, profile.GetProfileInt("Preference", "Fit keyname", 7));
    EXPECT_EQ(TRUE, registry.HasKey("HKCU\\Software"));
    EXPECT_EQ(TRUE, registry.HasKey("HKCU\\Software\\Ostrelwick"));
    EXPECT_EQ(TRUE, registry.HasKey(APP_KEY));
    EXPECT_EQ(TRUE, registry.HasKey(SECTION_KEY));
    EXPECT_EQ(FALSE, registry.HasValue(SECTION_KEY, "Fit keyname"));
}

TEST_F(ProfileTest, Read_CreatesEachKeyInTurn_WithReadWriteAccess)
{
    profile.GetProfileString("Tip", "TimeStamp");
    std::vector<std::string> creates;
    for (const std::string& str : registry.m_log)
        if (str.rfind("CreateKey", 0) == 0)
            creates.push_back(str);
    EXPECT_EQ((std::vector<std::string>{
                  "CreateKey HKCU\\Software options=0 access=0x2001f",
                  "CreateKey hkcu\\software\\Ostrelwick options=0 access=0x2001f",
                  "CreateKey hkcu\\software\\ostrelwick\\Velloric options=0 access=0x2001f",
                  "CreateKey hkcu\\software\\ostrelwick\\velloric\\Tip options=0 access=0x2001f"}),
              creates);
    EXPECT_EQ(4, CountLog("CloseKey"));
}

TEST_F(ProfileTest, Write_CreatesKeysDownToSection)
{
    EXPECT_EQ(TRUE, profile.WriteProfileInt("Tip", "FilePos", 12));
    EXPECT_EQ(TRUE, registry.HasKey("HKCU\\Software\\Ostrelwick\\Velloric\\Tip"));
    EXPECT_EQ(4, CountLog("CloseKey"));
}

TEST_F(ProfileTest, ReadsGiveDefaults_AndWritesFail_WithoutRegistryKey)
{
    CFakeRegistry bare;
    CProfile unset(bare);
    std::vector<BYTE> data{1};
    EXPECT_EQ(5, unset.GetProfileInt("Preference", "Fit keyname", 5));
    EXPECT_EQ("dflt", unset.GetProfileString("Tip", "TimeStamp", "dflt"));
    EXPECT_EQ(FALSE, unset.GetProfileBinary("Preference", "FontA", &data));
    EXPECT_TRUE(data.empty());
    EXPECT_EQ(FALSE, unset.WriteProfileInt("Preference", "Fit keyname", 0));
    EXPECT_EQ(FALSE, unset.WriteProfileString("Tip", "TimeStamp", "x"));
    EXPECT_EQ(FALSE, unset.WriteProfileBinary("Preference", "FontA", data.data(), 0));
    EXPECT_TRUE(bare.m_log.empty());
}

TEST_F(ProfileTest, EmptyCompanyOrAppName_CountsAsNoRegistryKey)
{
    profile.SetRegistryKey("", "Velloric");
    EXPECT_EQ(FALSE, profile.WriteProfileInt("Preference", "Fit keyname", 0));
    profile.SetRegistryKey("Ostrelwick", nullptr);
    EXPECT_EQ(FALSE, profile.WriteProfileInt("Preference", "Fit keyname", 0));
    EXPECT_TRUE(registry.m_log.empty());
}

TEST_F(ProfileTest, CreateFailing_GivesDefaults_AndWriteFalse)
{
    registry.m_lCreateError = ERROR_ACCESS_DENIED;
    EXPECT_EQ(3, profile.GetProfileInt("Preference", "Fit keyname", 3));
    EXPECT_EQ(FALSE, profile.WriteProfileInt("Preference", "Fit keyname", 0));
    EXPECT_EQ(0, CountLog("SetValue"));
}

namespace
{
// Refuses to create the section key only, after the keys above it were opened.
struct CSectionDenyingRegistry : CFakeRegistry
{
    LONG CreateKey(HKEY hRoot, const char* pszSubKey, DWORD dwOptions, DWORD samDesired,
                   HKEY* phKey) override
    {
        if (std::string(pszSubKey) == "Preference")
            return ERROR_ACCESS_DENIED;
        return CFakeRegistry::CreateKey(hRoot, pszSubKey, dwOptions, samDesired, phKey);
    }
};
} // namespace

TEST(Profile, SectionFailing_ClosesTheKeysAboveIt)
{
    CSectionDenyingRegistry registry;
    CProfile profile(registry);
    profile.SetRegistryKey("Ostrelwick", "Velloric");
    EXPECT_EQ(9, profile.GetProfileInt("Preference", "Fit keyname", 9));
    EXPECT_EQ(FALSE, profile.WriteProfileInt("Preference", "Fit keyname", 1));
    EXPECT_EQ(0, registry.OpenHandleCount());
    EXPECT_EQ(TRUE, registry.HasKey(APP_KEY));
}

// Integers

TEST_F(ProfileTest, WriteProfileInt_StoresDword_LittleEndian)
{
    EXPECT_EQ(TRUE, profile.WriteProfileInt("Preference", "Button text type", 0x01020304));
    CFakeRegistry::Value value = registry.Get(SECTION_KEY, "Button text type");
    EXPECT_EQ(REG_DWORD, value.dwType);
    EXPECT_EQ((Bytes{0x04, 0x03, 0x02, 0x01}), value.bytes);
}

TEST_F(ProfileTest, Int_RoundTrips_IncludingMinusOne)
{
    EXPECT_EQ(TRUE, profile.WriteProfileInt("Preference", "Fit keyname", -1));
    EXPECT_EQ((Bytes{0xFF, 0xFF, 0xFF, 0xFF}), registry.Get(SECTION_KEY, "Fit keyname").bytes);
    EXPECT_EQ(-1, profile.GetProfileInt("Preference", "Fit keyname", 1));
    EXPECT_EQ(TRUE, profile.WriteProfileInt("Preference", "Fit keyname", 0));
    EXPECT_EQ(0, profile.GetProfileInt("Preference", "Fit keyname", 1));
}

TEST_F(ProfileTest, GetProfileInt_GivesDefault_ForOtherTypesAndLengths)
{
    registry.Put(SECTION_KEY, "Binary4", REG_BINARY, {5, 0, 0, 0});
    registry.Put(SECTION_KEY, "Short", REG_DWORD, {5, 0});
    registry.Put(SECTION_KEY, "Long", REG_DWORD, {5, 0, 0, 0, 0, 0, 0, 0});
    registry.Put(SECTION_KEY, "Empty", REG_DWORD, {});
    registry.PutString(SECTION_KEY, "Text", "5");
    for (const char* pszEntry : {"Binary4", "Short", "Long", "Empty", "Text", "Missing"})
        EXPECT_EQ(42, profile.GetProfileInt("Preference", pszEntry, 42)) << pszEntry;
}

TEST_F(ProfileTest, GetProfileInt_GivesDefault_WhenQueryFails)
{
    registry.PutDword(SECTION_KEY, "Fit keyname", 0);
    registry.m_lQueryError = ERROR_ACCESS_DENIED;
    EXPECT_EQ(1, profile.GetProfileInt("Preference", "Fit keyname", 1));
}

// Strings

TEST_F(ProfileTest, WriteProfileString_StoresTerminatedRegSz)
{
    EXPECT_EQ(TRUE, profile.WriteProfileString("Tip", "TimeStamp", "Mon Jan 1"));
    CFakeRegistry::Value value =
        registry.Get("HKCU\\Software\\Ostrelwick\\Velloric\\Tip", "TimeStamp");
    EXPECT_EQ(REG_SZ, value.dwType);
    EXPECT_EQ((Bytes{'M', 'o', 'n', ' ', 'J', 'a', 'n', ' ', '1', 0}), value.bytes);
    EXPECT_EQ("Mon Jan 1", profile.GetProfileString("Tip", "TimeStamp"));
}

TEST_F(ProfileTest, WriteProfileString_WithoutValue_DeletesEntry)
{
    registry.PutString(SECTION_KEY, "Old", "x");
    EXPECT_EQ(TRUE, profile.WriteProfileString("Preference", "Old", nullptr));
    EXPECT_EQ(FALSE, registry.HasValue(SECTION_KEY, "Old"));
    EXPECT_EQ(FALSE, profile.WriteProfileString("Preference", "Old", nullptr));
}

TEST_F(ProfileTest, GetProfileString_ReadsTextUpToItsTerminator_OrGivesTheDefault)
{
    const struct
    {
        const char* pszEntry;
        DWORD dwType; // REG_NONE: not stored
        Bytes bytes;
        const char* pszDefault;
        const char* pszRead;
    } rows[] = {
        {"Missing", REG_NONE, {}, "none", "none"},
        {"Missing", REG_NONE, {}, nullptr, ""},
        {"Raw", REG_SZ, {'a', 'b', 'c'}, "d", "abc"}, // unterminated: within its bytes
        {"Two", REG_SZ, {'a', 'b', 0, 'c', 'd', 0}, nullptr, "ab"},
        {"Empty", REG_SZ, {}, "d", ""},
        {"Jp", REG_SZ, {0x95, 0xCF, 0x8A, 0xB7, 0}, nullptr, "\x95\xCF\x8A\xB7"}, // double-byte text kept
        {"Bin", REG_BINARY, {'a', 0}, "d", "d"}, // other types: the default
        {"Num", REG_DWORD, {0x41, 0, 0, 0}, "d", "d"},
    };
    for (const auto& row : rows)
    {
        if (row.dwType != REG_NONE)
            registry.Put(SECTION_KEY, row.pszEntry, row.dwType, row.bytes);
        EXPECT_EQ(row.pszRead, profile.GetProfileString("Preference", row.pszEntry, row.pszDefault))
            << row.pszEntry;
    }
}

// Binary

TEST_F(ProfileTest, WriteProfileBinary_StoresExactBytes)
{
    const BYTE data[] = {0, 1, 0xFE, 0xFF, 0};
    EXPECT_EQ(TRUE, profile.WriteProfileBinary("Preference", "FontA", data, sizeof data));
    CFakeRegistry::Value value = registry.Get(SECTION_KEY, "FontA");
    EXPECT_EQ(REG_BINARY, value.dwType);
    EXPECT_EQ((Bytes{0, 1, 0xFE, 0xFF, 0}), value.bytes);
    Bytes read;
    EXPECT_EQ(TRUE, profile.GetProfileBinary("Preference", "FontA", &read));
    EXPECT_EQ((Bytes{0, 1, 0xFE, 0xFF, 0}), read);
}

TEST_F(ProfileTest, WriteProfileBinary_RefusesMissingData)
{
    EXPECT_EQ(FALSE, profile.WriteProfileBinary("Preference", "FontA", nullptr, 60));
    EXPECT_EQ(0, CountLog("SetValue"));
}

TEST_F(ProfileTest, GetProfileBinary_Fails_WhenMissingOrOfOtherType)
{
    registry.PutString(SECTION_KEY, "Text", "abc");
    registry.PutDword(SECTION_KEY, "Num", 1);
    for (const char* pszEntry : {"Missing", "Text", "Num"})
    {
        Bytes data{9, 9};
        EXPECT_EQ(FALSE, profile.GetProfileBinary("Preference", pszEntry, &data)) << pszEntry;
        EXPECT_TRUE(data.empty());
    }
}

TEST_F(ProfileTest, GetProfileBinary_GivesEmptyCopy_ForEmptyValue)
{
    registry.Put(SECTION_KEY, "Empty", REG_BINARY, {});
    Bytes data{9};
    EXPECT_EQ(TRUE, profile.GetProfileBinary("Preference", "Empty", &data));
    EXPECT_TRUE(data.empty());
}

TEST_F(ProfileTest, OversizeValues_ReadAsMissing)
{
    registry.Put(SECTION_KEY, "Huge", REG_BINARY, Bytes(CProfile::MAX_VALUE_BYTES + 1, 'x'));
    registry.Put(SECTION_KEY, "HugeText", REG_SZ, Bytes(CProfile::MAX_VALUE_BYTES + 1, 'x'));
    Bytes data;
    EXPECT_EQ(FALSE, profile.GetProfileBinary("Preference", "Huge", &data));
    EXPECT_EQ("d", profile.GetProfileString("Preference", "HugeText", "d"));
    EXPECT_EQ(0, CountLog("QueryValue Huge size=1048577"));
}

TEST_F(ProfileTest, LargestAllowedValue_IsRead)
{
    registry.Put(SECTION_KEY, "Big", REG_BINARY, Bytes(CProfile::MAX_VALUE_BYTES, 'x'));
    Bytes data;
    EXPECT_EQ(TRUE, profile.GetProfileBinary("Preference", "Big", &data));
    EXPECT_EQ((size_t)CProfile::MAX_VALUE_BYTES, data.size());
}

namespace
{
// Reports a value smaller than it is when asked for the size, as if the value
// grew between the two queries.
struct CGrowingRegistry : CFakeRegistry
{
    LONG QueryValue(HKEY hKey, const char* pszName, DWORD* pdwType, BYTE* pData,
                    DWORD* pcbData) override
    {
        LONG lResult = CFakeRegistry::QueryValue(hKey, pszName, pdwType, pData, pcbData);
        if (pData == nullptr && lResult == ERROR_SUCCESS && *pcbData > 1)
            *pcbData = 1;
        return lResult;
    }
};

// Claims to have written more bytes than the buffer holds.
struct COverclaimingRegistry : CFakeRegistry
{
    LONG QueryValue(HKEY hKey, const char* pszName, DWORD* pdwType, BYTE* pData,
                    DWORD* pcbData) override
    {
        LONG lResult = CFakeRegistry::QueryValue(hKey, pszName, pdwType, pData, pcbData);
        if (pData != nullptr && lResult == ERROR_SUCCESS)
            *pcbData += 100;
        return lResult;
    }
};
} // namespace

TEST(Profile, ValueGrowingBetweenQueries_ReadsAsMissing)
{
    CGrowingRegistry registry;
    registry.Put(SECTION_KEY, "FontA", REG_BINARY, Bytes(60, 1));
    registry.PutString(SECTION_KEY, "Text", "abc");
    CProfile profile(registry);
    profile.SetRegistryKey("Ostrelwick", "Velloric");
    Bytes data;
    EXPECT_EQ(FALSE, profile.GetProfileBinary("Preference", "FontA", &data));
    EXPECT_EQ("d", profile.GetProfileString("Preference", "Text", "d"));
    EXPECT_EQ(0, registry.OpenHandleCount());
}

TEST(Profile, OverclaimedLength_IsCutToBuffer)
{
    COverclaimingRegistry registry;
    registry.Put(SECTION_KEY, "FontA", REG_BINARY, Bytes{1, 2, 3});
    registry.Put(SECTION_KEY, "Text", REG_SZ, Bytes{'a', 'b'});
    CProfile profile(registry);
    profile.SetRegistryKey("Ostrelwick", "Velloric");
    Bytes data;
    EXPECT_EQ(TRUE, profile.GetProfileBinary("Preference", "FontA", &data));
    EXPECT_EQ((Bytes{1, 2, 3}), data);
    EXPECT_EQ("ab", profile.GetProfileString("Preference", "Text"));
}

// Write failures

TEST_F(ProfileTest, Writes_ReturnFalse_WhenSetValueFails)
{
    registry.m_lSetError = ERROR_ACCESS_DENIED;
    const BYTE data[] = {1, 2};
    EXPECT_EQ(FALSE, profile.WriteProfileInt("Preference", "Fit keyname", 0));
    EXPECT_EQ(FALSE, profile.WriteProfileString("Tip", "TimeStamp", "x"));
    EXPECT_EQ(FALSE, profile.WriteProfileBinary("Preference", "FontA", data, sizeof data));
    EXPECT_EQ(FALSE, registry.HasValue(SECTION_KEY, "Fit keyname"));
}

TEST_F(ProfileTest, Writes_ReturnFalse_WithoutEntryName)
{
    EXPECT_EQ(FALSE, profile.WriteProfileInt("Preference", "", 0));
    EXPECT_EQ(FALSE, profile.WriteProfileString("Preference", nullptr, "x"));
    EXPECT_EQ(3, profile.GetProfileInt("Preference", nullptr, 3));
}
