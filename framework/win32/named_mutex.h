// A named cross-process mutex and a lock on it that can be tried without
// waiting; the lock is released when it is destroyed.
#pragma once

#include "platform/platform_types.h"

class CMutex
{
public:
    CMutex(BOOL bInitiallyOwn, const char* pszName);
    ~CMutex();
    HANDLE m_hObject;
};

class CSingleLock
{
public:
    explicit CSingleLock(CMutex* pMutex) : m_pMutex(pMutex) {}
    ~CSingleLock() { Unlock(); }
    // Only an acquired mutex counts; a time-out, an abandoned mutex or a failure do not.
    BOOL Lock(DWORD dwTimeOut);
    void Unlock();

private:
    CMutex* m_pMutex;
    BOOL m_bAcquired = FALSE;
};
