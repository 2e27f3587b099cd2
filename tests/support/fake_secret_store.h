// The secret store for tests: a map, every call logged, refusals on request.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/secret_store.h"

class CFakeSecretStore : public ISecretStore
{
public:
    BOOL StoreSecret(const char* pszName, const std::string& strSecret) override
    {
        m_log.push_back(std::string("StoreSecret ") + pszName);
        if (m_bRefuse)
            return FALSE;
        m_secrets[pszName] = strSecret;
        return TRUE;
    }
    BOOL DeleteSecret(const char* pszName) override
    {
        m_log.push_back(std::string("DeleteSecret ") + pszName);
        return m_secrets.erase(pszName) != 0;
    }
    BOOL RetrieveSecret(const char* pszName, std::string* pstrSecret) override
    {
        auto it = m_secrets.find(pszName);
        if (it == m_secrets.end())
            return FALSE;
        *pstrSecret = it->second;
        return TRUE;
    }

    std::map<std::string, std::string> m_secrets;
    std::vector<std::string> m_log;
    BOOL m_bRefuse = FALSE; // every store fails, as Wine's LSA does
};
