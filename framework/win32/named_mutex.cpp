#include "framework/win32/named_mutex.h"

CMutex::CMutex(BOOL bInitiallyOwn, const char* pszName)
    : m_hObject(::CreateMutexA(NULL, bInitiallyOwn, pszName))
{
}

CMutex::~CMutex()
{
    if (m_hObject != NULL)
        ::CloseHandle(m_hObject);
}

BOOL CSingleLock::Lock(DWORD dwTimeOut)
{
    if (m_bAcquired)
        return TRUE;
    if (m_pMutex->m_hObject == NULL)
        return FALSE;
    DWORD dwResult = ::WaitForSingleObject(m_pMutex->m_hObject, dwTimeOut);
    if (dwResult == WAIT_ABANDONED)
    {
        // We own it now but it does not count as success; give it back.
        ::ReleaseMutex(m_pMutex->m_hObject);
        return FALSE;
    }
    m_bAcquired = dwResult == WAIT_OBJECT_0;
    return m_bAcquired;
}

void CSingleLock::Unlock()
{
    if (m_bAcquired)
        ::ReleaseMutex(m_pMutex->m_hObject);
    m_bAcquired = FALSE;
}
