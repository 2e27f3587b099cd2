// The LSA's private data (LsaStorePrivateData, LsaRetrievePrivateData) on
// the local machine; texts in the ANSI code page, stored as UTF-16.
#pragma once

#include "platform/secret_store.h"

class CWin32SecretStore : public ISecretStore
{
public:
    BOOL StoreSecret(const char* pszName, const std::string& strSecret) override;
    BOOL DeleteSecret(const char* pszName) override;
    BOOL RetrieveSecret(const char* pszName, std::string* pstrSecret) override;

private:
    // pData nullptr deletes.
    static BOOL Store(const char* pszName, const std::string* pstrData);
};
