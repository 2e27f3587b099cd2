// Secrets that only the system and administrators may read, by name: the
// LSA's private data on Windows (where Winlogon looks for the automatic
// logon's password), a map in tests.
#pragma once

#include <string>

#include "platform/platform_types.h"

class ISecretStore
{
public:
    virtual ~ISecretStore() {}
    // Stores strSecret under pszName, replacing what was there; FALSE when
    // the store refuses (no rights, or no such store on this system).
    virtual BOOL StoreSecret(const char* pszName, const std::string& strSecret) = 0;
    // Removes the secret; FALSE when there was none or it cannot be removed.
    virtual BOOL DeleteSecret(const char* pszName) = 0;
    // The secret in *pstrSecret; FALSE, *pstrSecret untouched, when there is
    // none or it cannot be read.
    virtual BOOL RetrieveSecret(const char* pszName, std::string* pstrSecret) = 0;
};
