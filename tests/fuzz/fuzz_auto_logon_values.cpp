// The Winlogon values are outside data: any type, any bytes, any length, a
// secret or none. Loading stays inside its buffers, and what is saved loads
// back as it was, with no password left in the registry beside a secret.
#include <fuzzer/FuzzedDataProvider.h>

#include "dialogs/auto_logon_settings.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/support/fake_registry.h"
#include "tests/support/fake_secret_store.h"
#include "tests/support/fake_user_name.h"

namespace
{
const char WINLOGON[] = "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
const char* const NAMES[] = {"AutoAdminLogon", "DefaultUserName", "DefaultPassword",
                             "DefaultDomainName"};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t cbData)
{
    FuzzedDataProvider provider(pData, cbData);
    CFakeRegistry registry;
    CFixedUserName userName;
    CFakeSecretStore secrets;
    size_t cbLongest = 0;
    for (const char* pszName : NAMES)
    {
        if (!provider.ConsumeBool())
            continue;
        DWORD dwType = provider.ConsumeBool() ? REG_SZ : provider.ConsumeIntegralInRange<DWORD>(0, 11);
        std::vector<BYTE> bytes =
            provider.ConsumeBytes<BYTE>(provider.ConsumeIntegralInRange<size_t>(0, 64));
        cbLongest = bytes.size() > cbLongest ? bytes.size() : cbLongest;
        registry.Put(WINLOGON, pszName, dwType, bytes);
    }
    if (provider.ConsumeBool())
        secrets.m_secrets["DefaultPassword"] = provider.ConsumeRandomLengthString(64);
    secrets.m_bRefuse = provider.ConsumeBool();

    CAutoLogonSettings settings(registry, userName, secrets);
    settings.Load();
    FUZZ_CHECK(settings.m_bAutoLogon == 0 || settings.m_bAutoLogon == 1);
    FUZZ_CHECK(settings.m_strUserName.find('\0') == std::string::npos);
    FUZZ_CHECK(settings.m_strDomainName.size() <= cbLongest);
    FUZZ_CHECK(registry.OpenHandleCount() == 0);

    // The user may switch automatic logon either way before OK.
    if (provider.ConsumeBool())
        settings.m_bAutoLogon = settings.m_bAutoLogon ? 0 : 1;
    FUZZ_CHECK(settings.Save());
    FUZZ_CHECK(registry.OpenHandleCount() == 0);
    BOOL bPlain = registry.HasValue(WINLOGON, "DefaultPassword");
    if (!settings.m_bAutoLogon)
        FUZZ_CHECK(!bPlain);
    else
        FUZZ_CHECK(bPlain == (secrets.m_bRefuse ? TRUE : FALSE));

    CAutoLogonSettings again(registry, userName, secrets);
    again.Load();
    FUZZ_CHECK(again.m_bAutoLogon == settings.m_bAutoLogon);
    FUZZ_CHECK(again.m_strUserName == settings.m_strUserName);
    FUZZ_CHECK(again.m_strDomainName == settings.m_strDomainName);
    // A registry text ends at its first zero; a secret keeps every byte.
    BOOL bWhole = !secrets.m_bRefuse || settings.m_strPassword.find('\0') == std::string::npos;
    if (settings.m_bAutoLogon && bWhole)
        FUZZ_CHECK(again.m_strPassword == settings.m_strPassword);
    return 0;
}
