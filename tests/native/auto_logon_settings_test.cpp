// The automatic logon's four Winlogon values: the exact registry calls of
// loading and saving, the reading of AutoAdminLogon, the user-name default,
// and the two messages.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialogs/auto_logon_settings.h"
#include "tests/support/fake_registry.h"
#include "tests/support/fake_secret_store.h"
#include "tests/support/fake_user_name.h"
#include "tests/support/scripted_message_boxes.h"

namespace
{
const char kWinlogonPath[] = "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";

// Fails the nth SetValue (1-based) and only that one.
class CFailingNthWrite : public CFakeRegistry
{
public:
    explicit CFailingNthWrite(int nFailing) : m_nFailing(nFailing) {}
    LONG SetValue(HKEY hKey, const char* pszName, DWORD dwType, const BYTE* pData,
                  DWORD cbData) override
    {
        if (++m_nWrites == m_nFailing)
        {
            m_log.push_back(std::string("SetValue ") + pszName + " failed");
            return ERROR_ACCESS_DENIED;
        }
        return CFakeRegistry::SetValue(hKey, pszName, dwType, pData, cbData);
    }

private:
    int m_nFailing;
    int m_nWrites = 0;
};

std::vector<BYTE> Sz(const std::string& str)
{
    std::vector<BYTE> bytes(str.begin(), str.end());
    bytes.push_back(0);
    return bytes;
}
} // namespace

class AutoLogonSettings : public ::testing::Test
{
protected:
    AutoLogonSettings()
    {
        m_strings.m_strings[57344] = "Velloric";
        m_strings.m_strings[1021] = "cannot set automatic logon";
        m_strings.m_strings[1022] = "passwords differ";
        m_strings.m_strings[1041] = "readable by every user";
    }

    void PutAll(const std::string& strAuto, const std::string& strUser,
                const std::string& strPassword, const std::string& strDomain)
    {
        m_registry.PutString(kWinlogonPath, "AutoAdminLogon", strAuto);
        m_registry.PutString(kWinlogonPath, "DefaultUserName", strUser);
        m_registry.PutString(kWinlogonPath, "DefaultPassword", strPassword);
        m_registry.PutString(kWinlogonPath, "DefaultDomainName", strDomain);
    }
    CAutoLogonSettings Loaded(IRegistry& registry)
    {
        CAutoLogonSettings settings(registry, m_userName, m_secrets);
        settings.Load();
        return settings;
    }
    void ExpectOneBox(const char* pszText)
    {
        ASSERT_EQ(1u, m_boxes.m_shown.size());
        EXPECT_EQ(pszText, m_boxes.m_shown[0].strText);
        EXPECT_EQ("Velloric", m_boxes.m_shown[0].strCaption);
        EXPECT_EQ((UINT)(MB_OK | MB_ICONEXCLAMATION), m_boxes.m_shown[0].nType);
    }

    CFakeRegistry m_registry;
    CFixedUserName m_userName;
    CFakeSecretStore m_secrets;
    CFakeStrings m_strings;
    CScriptedMessageBoxes m_boxes{&m_strings};
};

TEST_F(AutoLogonSettings, Load_OpensWithFullAccess_AndReadsEachValueInTwoSteps)
{
    PutAll("1", "suzuki", "secret", "OFFICE");
    CAutoLogonSettings settings = Loaded(m_registry);
    EXPECT_EQ(1, settings.m_bAutoLogon);
    EXPECT_EQ("suzuki", settings.m_strUserName);
    EXPECT_EQ("secret", settings.m_strPassword);
    EXPECT_EQ("OFFICE", settings.m_strDomainName);
    std::vector<std::string> expected = {
        std::string("OpenKey ") + kWinlogonPath + " access=0xf003f",
        "QueryValue AutoAdminLogon size=0",
        "QueryValue AutoAdminLogon size=2",
        "QueryValue DefaultUserName size=0",
        "QueryValue DefaultUserName size=7",
        "QueryValue DefaultPassword size=0",
        "QueryValue DefaultPassword size=7",
        "QueryValue DefaultDomainName size=0",
        "QueryValue DefaultDomainName size=7",
        "CloseKey",
    };
    EXPECT_EQ(expected, m_registry.m_log);
    EXPECT_EQ(0, m_userName.m_nCalls);
    EXPECT_EQ(0, m_registry.OpenHandleCount());
}

TEST_F(AutoLogonSettings, Load_LeavesEverythingEmpty_WhenTheKeyCannotBeOpened)
{
    PutAll("1", "suzuki", "secret", "OFFICE");
    m_registry.m_lOpenError = ERROR_ACCESS_DENIED;
    CAutoLogonSettings settings = Loaded(m_registry);
    EXPECT_EQ(0, settings.m_bAutoLogon);
    EXPECT_EQ("", settings.m_strUserName);
    EXPECT_EQ("", settings.m_strPassword);
    EXPECT_EQ("", settings.m_strDomainName);
    EXPECT_EQ(0, m_userName.m_nCalls); // not even the logged-on user's name
    EXPECT_EQ(1u, m_registry.m_log.size());
    EXPECT_EQ(0u, m_boxes.m_shown.size());
}

TEST_F(AutoLogonSettings, AutoAdminLogon_IsOn_WhenItsLeadingNumberIsNonzero)
{
    struct
    {
        const char* pszText;
        int nExpected;
    } cases[] = {{"1", 1},    {"2", 1},   {" 1", 1},   {"\t\n 7x", 1}, {"-1", 1}, {"+3", 1},
                 {"0", 0},    {"", 0},    {"abc", 0},  {"00", 0},      {"+0", 0}, {"0x1", 0},
                 {"- 1", 0},  {"1abc", 1}, {"000000000000000000000000001", 1},
                 {"99999999999999999999999", 1}};
    for (auto& c : cases)
    {
        SCOPED_TRACE(c.pszText);
        m_registry.PutString(kWinlogonPath, "AutoAdminLogon", c.pszText);
        EXPECT_EQ(c.nExpected, Loaded(m_registry).m_bAutoLogon);
    }
}

TEST_F(AutoLogonSettings, AutoAdminLogonStoredAsANumber_LeavesTheBoxClear)
{
    m_registry.PutDword(kWinlogonPath, "AutoAdminLogon", 1);
    EXPECT_EQ(0, Loaded(m_registry).m_bAutoLogon);
    // Its type ends the read after the first step.
    EXPECT_EQ("QueryValue DefaultUserName size=0", m_registry.m_log[2]);
}

TEST_F(AutoLogonSettings, MissingUserName_IsTheLoggedOnUser)
{
    m_registry.PutString(kWinlogonPath, "AutoAdminLogon", "0");
    CAutoLogonSettings settings = Loaded(m_registry);
    EXPECT_EQ("tanaka", settings.m_strUserName);
    EXPECT_EQ(1, m_userName.m_nCalls);
    EXPECT_EQ(1024u, m_userName.m_cbOffered);
}

TEST_F(AutoLogonSettings, UserNameOfAnotherType_IsTheLoggedOnUser)
{
    m_registry.Put(kWinlogonPath, "DefaultUserName", REG_BINARY, Sz("suzuki"));
    EXPECT_EQ("tanaka", Loaded(m_registry).m_strUserName);
}

TEST_F(AutoLogonSettings, MissingUserName_StaysEmpty_WhenTheSystemGivesNoName)
{
    m_registry.PutString(kWinlogonPath, "AutoAdminLogon", "0");
    m_userName.m_bSucceed = FALSE;
    EXPECT_EQ("", Loaded(m_registry).m_strUserName);
    m_userName.m_bSucceed = TRUE;
    m_userName.m_cbReported = 1024; // a name that fills the whole buffer
    EXPECT_EQ("", Loaded(m_registry).m_strUserName);
    m_userName.m_cbReported = 1023;
    EXPECT_EQ("tanaka", Loaded(m_registry).m_strUserName);
}

TEST_F(AutoLogonSettings, StoredText_EndsAtItsFirstZero_OrAtItsStoredSize)
{
    m_registry.Put(kWinlogonPath, "DefaultUserName", REG_SZ,
                   std::vector<BYTE>{'a', 'b', 0, 'c', 0});
    m_registry.Put(kWinlogonPath, "DefaultPassword", REG_SZ, std::vector<BYTE>{'p', 'w'});
    m_registry.Put(kWinlogonPath, "DefaultDomainName", REG_SZ, std::vector<BYTE>{});
    CAutoLogonSettings settings = Loaded(m_registry);
    EXPECT_EQ("ab", settings.m_strUserName);
    EXPECT_EQ("pw", settings.m_strPassword);
    EXPECT_EQ("", settings.m_strDomainName);
}

TEST_F(AutoLogonSettings, ValueClaimingMoreBytesThanItsSize_IsReadWithinItsBuffer)
{
    // A value that grows between the two reads, or a registry that overclaims.
    struct COverclaiming : CFakeRegistry
    {
        LONG QueryValue(HKEY hKey, const char* pszName, DWORD* pdwType, BYTE* pData,
                        DWORD* pcbData) override
        {
            LONG lResult = CFakeRegistry::QueryValue(hKey, pszName, pdwType, pData, pcbData);
            if (lResult == ERROR_SUCCESS && pData != nullptr)
                *pcbData += 100;
            return lResult;
        }
    } registry;
    registry.Put(kWinlogonPath, "DefaultUserName", REG_SZ, std::vector<BYTE>{'a', 'b'});
    EXPECT_EQ("ab", Loaded(registry).m_strUserName);
}

TEST_F(AutoLogonSettings, ValuesOfAnotherType_AreAbsent)
{
    m_registry.Put(kWinlogonPath, "DefaultPassword", REG_BINARY, Sz("secret"));
    m_registry.PutDword(kWinlogonPath, "DefaultDomainName", 7);
    CAutoLogonSettings settings = Loaded(m_registry);
    EXPECT_EQ("", settings.m_strPassword);
    EXPECT_EQ("", settings.m_strDomainName);
}

TEST_F(AutoLogonSettings, SaveWithLogonOn_StoresTheSecret_DropsThePlainValue_AndTurnsOnLast)
{
    PutAll("0", "old", "old secret", "OLD");
    CAutoLogonSettings settings(m_registry, m_userName, m_secrets);
    settings.m_bAutoLogon = 1;
    settings.m_strUserName = "suzuki";
    settings.m_strPassword = "Secret";
    settings.m_strDomainName = "";
    m_registry.m_log.clear();
    EXPECT_EQ(TRUE, settings.Save());
    std::vector<std::string> expected = {
        std::string("CreateKey ") + kWinlogonPath + " options=0 access=0xf003f",
        "SetValue DefaultUserName type=1 size=7",
        "SetValue DefaultDomainName type=1 size=1",
        "DeleteValue DefaultPassword",
        "SetValue AutoAdminLogon type=1 size=2",
        "CloseKey",
    };
    EXPECT_EQ(expected, m_registry.m_log);
    EXPECT_EQ("Secret", m_secrets.m_secrets["DefaultPassword"]);
    EXPECT_EQ(FALSE, m_registry.HasValue(kWinlogonPath, "DefaultPassword"));
    EXPECT_EQ(Sz("1"), m_registry.Get(kWinlogonPath, "AutoAdminLogon").bytes);
    EXPECT_EQ(Sz("suzuki"), m_registry.Get(kWinlogonPath, "DefaultUserName").bytes);
    EXPECT_EQ(Sz(""), m_registry.Get(kWinlogonPath, "DefaultDomainName").bytes);
    EXPECT_EQ(0u, m_boxes.m_shown.size());
}

TEST_F(AutoLogonSettings, SaveWithLogonOn_SecretRefused_KeepsThePasswordInTheRegistry_AndSaysSo)
{
    m_secrets.m_bRefuse = TRUE;
    CAutoLogonSettings settings(m_registry, m_userName, m_secrets);
    settings.m_bAutoLogon = 1;
    settings.m_strUserName = "suzuki";
    settings.m_strPassword = "Secret";
    EXPECT_EQ(TRUE, settings.Save());
    EXPECT_EQ("SetValue DefaultPassword type=1 size=7", m_registry.m_log[3]);
    EXPECT_EQ("SetValue AutoAdminLogon type=1 size=2", m_registry.m_log[4]);
    EXPECT_EQ(Sz("Secret"), m_registry.Get(kWinlogonPath, "DefaultPassword").bytes);
    ExpectOneBox("readable by every user");
}

TEST_F(AutoLogonSettings, SaveWithLogonOff_WritesTheDigitZeroFirst_AndLeavesNoPassword)
{
    PutAll("1", "suzuki", "secret", "OFFICE");
    m_secrets.m_secrets["DefaultPassword"] = "secret";
    CAutoLogonSettings settings = Loaded(m_registry);
    settings.m_bAutoLogon = 0;
    m_registry.m_log.clear();
    EXPECT_EQ(TRUE, settings.Save());
    EXPECT_EQ("SetValue AutoAdminLogon type=1 size=2", m_registry.m_log[1]);
    EXPECT_EQ(Sz("0"), m_registry.Get(kWinlogonPath, "AutoAdminLogon").bytes);
    EXPECT_EQ(Sz("suzuki"), m_registry.Get(kWinlogonPath, "DefaultUserName").bytes);
    EXPECT_EQ(FALSE, m_registry.HasValue(kWinlogonPath, "DefaultPassword"));
    EXPECT_EQ(0u, m_secrets.m_secrets.size());
    EXPECT_EQ(Sz("OFFICE"), m_registry.Get(kWinlogonPath, "DefaultDomainName").bytes);
    EXPECT_EQ(0u, m_boxes.m_shown.size());
}

TEST_F(AutoLogonSettings, Reload_ShowsExactlyWhatWasSaved)
{
    CAutoLogonSettings settings(m_registry, m_userName, m_secrets);
    settings.m_bAutoLogon = 1;
    settings.m_strUserName = "\x8e\x52\x93\x63"; // double-byte text
    settings.m_strPassword = " p a s s ";
    settings.m_strDomainName = "DOMAIN";
    ASSERT_EQ(TRUE, settings.Save());
    CAutoLogonSettings reloaded = Loaded(m_registry);
    // A plain value of an earlier version comes second to the secret.
    m_registry.PutString(kWinlogonPath, "DefaultPassword", "older");
    EXPECT_EQ(settings.m_strPassword, Loaded(m_registry).m_strPassword);
    EXPECT_EQ(1, reloaded.m_bAutoLogon);
    EXPECT_EQ(settings.m_strUserName, reloaded.m_strUserName);
    EXPECT_EQ(settings.m_strPassword, reloaded.m_strPassword);
    EXPECT_EQ(settings.m_strDomainName, reloaded.m_strDomainName);
}

TEST_F(AutoLogonSettings, Save_Reports1021_AndWritesNothing_WhenTheKeyCannotBeCreated)
{
    m_registry.m_lCreateError = ERROR_ACCESS_DENIED;
    CAutoLogonSettings settings(m_registry, m_userName, m_secrets);
    EXPECT_EQ(FALSE, settings.Save());
    ExpectOneBox("cannot set automatic logon");
    EXPECT_EQ(1u, m_registry.m_log.size()); // no write, nothing to close
}

TEST_F(AutoLogonSettings, Save_StopsAtTheFirstFailedWrite_KeepsEarlierOnes_AndReports1021)
{
    CFailingNthWrite registry(3);
    m_secrets.m_bRefuse = TRUE;
    CAutoLogonSettings settings(registry, m_userName, m_secrets);
    settings.m_bAutoLogon = 1;
    settings.m_strUserName = "suzuki";
    settings.m_strPassword = "secret";
    settings.m_strDomainName = "OFFICE";
    EXPECT_EQ(FALSE, settings.Save());
    ExpectOneBox("cannot set automatic logon");
    std::vector<std::string> expected = {
        std::string("CreateKey ") + kWinlogonPath + " options=0 access=0xf003f",
        "SetValue DefaultUserName type=1 size=7",
        "SetValue DefaultDomainName type=1 size=7",
        "SetValue DefaultPassword failed",
        "CloseKey",
    };
    EXPECT_EQ(expected, registry.m_log);
    EXPECT_EQ(TRUE, registry.HasValue(kWinlogonPath, "DefaultDomainName"));
    // Automatic logon never goes on with a password that was not written.
    EXPECT_EQ(FALSE, registry.HasValue(kWinlogonPath, "AutoAdminLogon"));
}

TEST_F(AutoLogonSettings, Confirmation_MustMatchByteForByte_Else1022)
{
    CAutoLogonSettings settings(m_registry, m_userName, m_secrets);
    settings.m_strPassword = "Secret";
    EXPECT_EQ(TRUE, settings.ConfirmationMatches("Secret"));
    EXPECT_EQ(0u, m_boxes.m_shown.size());
    EXPECT_EQ(FALSE, settings.ConfirmationMatches("secret"));
    ExpectOneBox("passwords differ");
    EXPECT_EQ(FALSE, settings.ConfirmationMatches("Secret "));
    EXPECT_EQ(FALSE, settings.ConfirmationMatches(""));
    EXPECT_EQ(3u, m_boxes.m_shown.size());
    // A cancelled confirmation is empty: it matches an empty password only.
    settings.m_strPassword.clear();
    EXPECT_EQ(TRUE, settings.ConfirmationMatches(""));
    EXPECT_EQ(3u, m_boxes.m_shown.size());
    EXPECT_EQ(0u, m_registry.m_log.size());
}
