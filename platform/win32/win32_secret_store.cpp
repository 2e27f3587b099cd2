#include "platform/win32/win32_secret_store.h"

#include <ntsecapi.h>
#include <vector>

namespace
{
const NTSTATUS STATUS_OK = 0;

LSA_HANDLE OpenPolicy(ACCESS_MASK access)
{
    LSA_OBJECT_ATTRIBUTES attributes;
    ZeroMemory(&attributes, sizeof attributes);
    LSA_HANDLE hPolicy = NULL;
    if (::LsaOpenPolicy(NULL, &attributes, access, &hPolicy) != STATUS_OK)
        return NULL;
    return hPolicy;
}

std::vector<WCHAR> WideOf(const std::string& strText)
{
    std::vector<WCHAR> wide;
    if (strText.empty())
        return wide;
    int cch = ::MultiByteToWideChar(CP_ACP, 0, strText.data(), (int)strText.size(), NULL, 0);
    if (cch <= 0)
        return wide;
    wide.resize((size_t)cch);
    ::MultiByteToWideChar(CP_ACP, 0, strText.data(), (int)strText.size(), wide.data(), cch);
    return wide;
}

LSA_UNICODE_STRING LsaStringOf(std::vector<WCHAR>& wide)
{
    LSA_UNICODE_STRING text;
    text.Length = (USHORT)(wide.size() * sizeof(WCHAR));
    text.MaximumLength = text.Length;
    text.Buffer = wide.empty() ? NULL : wide.data();
    return text;
}
} // namespace

BOOL CWin32SecretStore::Store(const char* pszName, const std::string* pstrData)
{
    LSA_HANDLE hPolicy = OpenPolicy(POLICY_CREATE_SECRET);
    if (hPolicy == NULL)
        return FALSE;
    std::vector<WCHAR> name = WideOf(pszName);
    std::vector<WCHAR> data = pstrData != nullptr ? WideOf(*pstrData) : std::vector<WCHAR>();
    LSA_UNICODE_STRING key = LsaStringOf(name);
    LSA_UNICODE_STRING secret = LsaStringOf(data);
    NTSTATUS status = ::LsaStorePrivateData(hPolicy, &key, pstrData != nullptr ? &secret : NULL);
    if (!data.empty())
        ::SecureZeroMemory(data.data(), data.size() * sizeof(WCHAR));
    ::LsaClose(hPolicy);
    return status == STATUS_OK;
}

BOOL CWin32SecretStore::StoreSecret(const char* pszName, const std::string& strSecret)
{
    return Store(pszName, &strSecret);
}

BOOL CWin32SecretStore::DeleteSecret(const char* pszName)
{
    return Store(pszName, nullptr);
}

BOOL CWin32SecretStore::RetrieveSecret(const char* pszName, std::string* pstrSecret)
{
    LSA_HANDLE hPolicy = OpenPolicy(POLICY_GET_PRIVATE_INFORMATION);
    if (hPolicy == NULL)
        return FALSE;
    std::vector<WCHAR> name = WideOf(pszName);
    LSA_UNICODE_STRING key = LsaStringOf(name);
    PLSA_UNICODE_STRING pData = NULL;
    NTSTATUS status = ::LsaRetrievePrivateData(hPolicy, &key, &pData);
    ::LsaClose(hPolicy);
    if (status != STATUS_OK || pData == NULL)
        return FALSE;
    int cchWide = pData->Length / (int)sizeof(WCHAR);
    std::vector<char> ansi;
    int cb = cchWide > 0 ? ::WideCharToMultiByte(CP_ACP, 0, pData->Buffer, cchWide, NULL, 0,
                                                 NULL, NULL)
                         : 0;
    BOOL bRead = cchWide == 0 || cb > 0;
    if (cb > 0)
    {
        ansi.resize((size_t)cb);
        ::WideCharToMultiByte(CP_ACP, 0, pData->Buffer, cchWide, ansi.data(), cb, NULL, NULL);
    }
    if (bRead)
        pstrSecret->assign(ansi.data(), ansi.size());
    if (!ansi.empty())
        ::SecureZeroMemory(ansi.data(), ansi.size());
    if (pData->Buffer != NULL)
        ::SecureZeroMemory(pData->Buffer, pData->Length);
    ::LsaFreeMemory(pData);
    return bRead;
}
