#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "framework/profile.h"
#include "platform/win32/win32_registry.h"
#include "app/preference.h"

// Against the real registry of the throw-away prefix, under a company name of
// its own so that nothing of the program's is touched.
namespace
{
const char COMPANY_KEY[] = "Software\\VellorTest";
const char SECTION_KEY[] = "Software\\VellorTest\\ProfileTest\\Preference";

struct ProfileRegistryTest : ::testing::Test
{
    CWin32Registry registry;
    CProfile profile{registry};

    ProfileRegistryTest()
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, COMPANY_KEY);
        profile.SetRegistryKey("VellorTest", "ProfileTest");
    }
    ~ProfileRegistryTest() override { RegDeleteTreeA(HKEY_CURRENT_USER, COMPANY_KEY); }

    // Type and bytes of a value as RegQueryValueExA sees them.
    BOOL Query(const char* pszEntry, DWORD* pdwType, std::vector<BYTE>* pBytes)
    {
        HKEY hKey = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, SECTION_KEY, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return FALSE;
        BYTE buffer[256] = {};
        DWORD cb = sizeof buffer;
        LONG lResult = RegQueryValueExA(hKey, pszEntry, nullptr, pdwType, buffer, &cb);
        RegCloseKey(hKey);
        if (lResult != ERROR_SUCCESS)
            return FALSE;
        pBytes->assign(buffer, buffer + cb);
        return TRUE;
    }

    BOOL SectionExists()
    {
        HKEY hKey = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, SECTION_KEY, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return FALSE;
        RegCloseKey(hKey);
        return TRUE;
    }

    void Put(const char* pszEntry, DWORD dwType, const std::vector<BYTE>& bytes)
    {
        HKEY hKey = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, SECTION_KEY, 0, nullptr, 0,
                                                 KEY_WRITE, nullptr, &hKey, nullptr));
        RegSetValueExA(hKey, pszEntry, 0, dwType, bytes.data(), (DWORD)bytes.size());
        RegCloseKey(hKey);
    }
};

typedef std::vector<BYTE> Bytes;
} // namespace

TEST_F(ProfileRegistryTest, Read_LeavesSectionKeyBehind)
{
    ASSERT_EQ(FALSE, SectionExists());
    EXPECT_EQ(1, profile.GetProfileInt("Preference", "Fit keyname", 1));
    EXPECT_EQ(TRUE, SectionExists());
}

TEST_F(ProfileRegistryTest, WriteProfileInt_StoresRegDword)
{
    EXPECT_EQ(TRUE, profile.WriteProfileInt("Preference", "Button text type", 0x01020304));
    DWORD dwType = 0;
    Bytes bytes;
    ASSERT_EQ(TRUE, Query("Button text type", &dwType, &bytes));
    EXPECT_EQ((DWORD)REG_DWORD, dwType);
    EXPECT_EQ((Bytes{0x04, 0x03, 0x02, 0x01}), bytes);
    EXPECT_EQ(0x01020304, profile.GetProfileInt("Preference", "Button text type", 0));
}

TEST_F(ProfileRegistryTest, WriteProfileString_StoresTerminatedRegSz)
{
    EXPECT_EQ(TRUE, profile.WriteProfileString("Preference", "Text", "abc"));
    DWORD dwType = 0;
    Bytes bytes;
    ASSERT_EQ(TRUE, Query("Text", &dwType, &bytes));
    EXPECT_EQ((DWORD)REG_SZ, dwType);
    EXPECT_EQ((Bytes{'a', 'b', 'c', 0}), bytes);
    EXPECT_EQ("abc", profile.GetProfileString("Preference", "Text", "d"));
}

TEST_F(ProfileRegistryTest, GetProfileString_ReadsUnterminatedRegSz)
{
    Put("Raw", REG_SZ, {'x', 'y'});
    EXPECT_EQ("xy", profile.GetProfileString("Preference", "Raw", "d"));
}

TEST_F(ProfileRegistryTest, GetProfileInt_GivesDefault_ForShortDword)
{
    Put("Short", REG_DWORD, {5, 0});
    EXPECT_EQ(9, profile.GetProfileInt("Preference", "Short", 9));
}

TEST_F(ProfileRegistryTest, PreferenceFont_RoundTripsAsRegBinary)
{
    CPreference preference;
    preference.Attach(&profile);
    LOGFONTA font = {};
    font.lfHeight = -12;
    font.lfWeight = FW_BOLD;
    lstrcpyA(font.lfFaceName, "Arial");
    EXPECT_EQ(TRUE, preference.SetFont((const BYTE*)&font));
    DWORD dwType = 0;
    Bytes bytes;
    ASSERT_EQ(TRUE, Query("FontA", &dwType, &bytes));
    EXPECT_EQ((DWORD)REG_BINARY, dwType);
    EXPECT_EQ(Bytes((const BYTE*)&font, (const BYTE*)&font + sizeof font), bytes);

    LOGFONTA read = {};
    EXPECT_EQ(TRUE, preference.GetFont((BYTE*)&read));
    EXPECT_EQ(-12, read.lfHeight);
    EXPECT_EQ(FW_BOLD, read.lfWeight);
    EXPECT_STREQ("Arial", read.lfFaceName);
}

TEST_F(ProfileRegistryTest, PreferenceSetters_WriteDwordsAtOnce)
{
    CPreference preference;
    preference.Attach(&profile);
    EXPECT_EQ(TRUE, preference.SetButtonTextType(1));
    EXPECT_EQ(TRUE, preference.SetFitKeyname(0));
    DWORD dwType = 0;
    Bytes bytes;
    ASSERT_EQ(TRUE, Query("Button text type", &dwType, &bytes));
    EXPECT_EQ((DWORD)REG_DWORD, dwType);
    EXPECT_EQ((Bytes{1, 0, 0, 0}), bytes);
    ASSERT_EQ(TRUE, Query("Fit keyname", &dwType, &bytes));
    EXPECT_EQ((Bytes{0, 0, 0, 0}), bytes);
}
