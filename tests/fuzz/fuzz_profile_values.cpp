// Profile entries are outside data: any type, any bytes, any length. Every
// getter of the profile and the preferences must stay inside its buffers.
#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>

#include "framework/profile.h"
#include "app/preference.h"
#include "tests/support/fake_registry.h"

namespace
{
const char SECTION_KEY[] = "HKCU\\Software\\Ostrelwick\\Velloric\\Preference";
const char* const ENTRIES[] = {"Fit keyname", "Button text type", "FontA", "Text"};

// A registry that, when asked to, claims more bytes than it returned.
struct CFuzzRegistry : CFakeRegistry
{
    DWORD m_cbOverclaim = 0;
    LONG QueryValue(HKEY hKey, const char* pszName, DWORD* pdwType, BYTE* pData,
                    DWORD* pcbData) override
    {
        LONG lResult = CFakeRegistry::QueryValue(hKey, pszName, pdwType, pData, pcbData);
        if (lResult == ERROR_SUCCESS && pcbData != nullptr && pData != nullptr)
            *pcbData += m_cbOverclaim;
        return lResult;
    }
};

void Check(bool bHolds)
{
    if (!bHolds)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t cbData)
{
    FuzzedDataProvider provider(pData, cbData);
    CFuzzRegistry registry;
    registry.m_cbOverclaim = provider.ConsumeBool() ? provider.ConsumeIntegralInRange<DWORD>(0, 64) : 0;
    size_t cbLongest = 0;
    for (const char* pszEntry : ENTRIES)
    {
        if (!provider.ConsumeBool())
            continue;
        DWORD dwType = provider.ConsumeBool() ? provider.ConsumeIntegralInRange<DWORD>(0, 4)
                                              : provider.ConsumeIntegral<DWORD>();
        std::vector<BYTE> bytes =
            provider.ConsumeBytes<BYTE>(provider.ConsumeIntegralInRange<size_t>(0, 128));
        cbLongest = bytes.size() > cbLongest ? bytes.size() : cbLongest;
        registry.Put(SECTION_KEY, pszEntry, dwType, bytes);
    }

    CProfile profile(registry);
    profile.SetRegistryKey("Ostrelwick", "Velloric");
    for (const char* pszEntry : ENTRIES)
    {
        profile.GetProfileInt("Preference", pszEntry, 7);
        std::string strText = profile.GetProfileString("Preference", pszEntry, "default");
        Check(strText.size() <= (cbLongest > 7 ? cbLongest : 7));
        Check(strText.find('\0') == std::string::npos);
        std::vector<BYTE> data;
        if (profile.GetProfileBinary("Preference", pszEntry, &data))
            Check(data.size() <= cbLongest);
        else
            Check(data.empty());
    }

    CPreference preference;
    preference.Attach(&profile);
    int nFit = preference.GetFitKeyname();
    Check(nFit == preference.GetFitKeyname());
    preference.GetButtonTextType();
    // Exactly one record on the heap, so any write past it is caught.
    BYTE* pRecord = new BYTE[CPreference::FONT_RECORD_BYTES];
    std::memset(pRecord, 0xAB, CPreference::FONT_RECORD_BYTES);
    if (preference.GetFont(pRecord))
        Check(pRecord[CPreference::FONT_RECORD_BYTES - 1] == 0);
    else
        for (int i = 0; i < CPreference::FONT_RECORD_BYTES; ++i)
            Check(pRecord[i] == 0xAB);
    delete[] pRecord;
    Check(registry.OpenHandleCount() == 0);
    return 0;
}
