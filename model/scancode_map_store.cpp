#include "model/scancode_map_store.h"

#include "framework/afx_message_box.h"
#include "model/scancode_map_codec.h"

CScancodeMapStore::CScancodeMapStore(IRegistry& registry)
    : CRegistryKey(registry), m_pos(NULL), m_value(registry),
      m_readOutcome(CScancodeMapValue::READ_NOTHING), m_cbRead(0)
{
}

BOOL CScancodeMapStore::Open()
{
    if (m_hKey != NULL)
        return TRUE;
    if (!Create(HKEY_LOCAL_MACHINE, CScancodeMapValue::s_pszKeyPath))
        return FALSE;
    m_value.UseKey(m_hKey);
    return TRUE;
}

BOOL CScancodeMapStore::Read()
{
    RemoveAll();
    m_readOutcome = CScancodeMapValue::READ_NOTHING;
    m_cbRead = 0;
    m_value.Reset(FALSE);
    BYTE image[CScancodeMapCodec::IMAGE_SIZE];
    DWORD cbReturned = 0;
    LONG lResult = ERROR_SUCCESS;
    BOOL bRead = QueryValue(CScancodeMapValue::s_pszValueName, image, sizeof image, &cbReturned,
                            &lResult) != 0;
    // One read into the image takes any table; the value's reader keeps what
    // was found, to tell at save whether another program wrote since, and
    // reads a longer value whole for that alone.
    if (lResult == ERROR_MORE_DATA)
    {
        std::vector<BYTE> whole;
        DWORD cbWhole = 0;
        m_value.Read(&whole, &cbWhole);
    }
    else if (m_hKey != NULL)
        m_value.Remember(lResult, std::vector<BYTE>(image, image + (bRead ? cbReturned : 0)),
                         bRead ? cbReturned : 0);
    if (!bRead)
    {
        // A real table has at most about 510 distinct pairs, far below the
        // image: a longer value holds repeats or is not a table at all.
        if (lResult == ERROR_MORE_DATA)
        {
            m_readOutcome = CScancodeMapValue::READ_TOO_LONG;
            m_cbRead = cbReturned;
        }
        return FALSE;
    }
    m_cbRead = cbReturned;
    m_readOutcome = CScancodeMapValue::OutcomeOf(image, cbReturned);
    std::vector<CRemapPair> pairs;
    CScancodeMapCodec::DecodeScancodeMap(image, cbReturned, &pairs);
    SetPairs(pairs);
    return TRUE;
}

BOOL CScancodeMapStore::HasChangedSinceRead()
{
    return m_hKey != NULL && m_value.HasChangedSinceRead();
}

BOOL CScancodeMapStore::GetValue(std::vector<BYTE>* pValue)
{
    return CScancodeMapCodec::EncodeScancodeMap(GetPairs(), pValue);
}

BOOL CScancodeMapStore::Write()
{
    std::vector<BYTE> value;
    // A list too long for the image is refused before anything is written.
    if (!GetValue(&value) || m_hKey == NULL || m_value.Write(value) != ERROR_SUCCESS)
    {
        AfxMessageBox("Cannot Write!", MB_OK);
        return FALSE;
    }
    return TRUE;
}

LONG CScancodeMapStore::Delete()
{
    if (!Open())
        return ERROR_INVALID_HANDLE;
    return m_value.Delete();
}

void CScancodeMapStore::RemoveAll()
{
    m_pos = NULL; // the entries it could point at are gone
    m_map.RemoveAll();
}

std::vector<CRemapPair> CScancodeMapStore::GetPairs() const
{
    std::vector<CRemapPair> pairs;
    CWordHashMap<CRemapPair>::Position pos = m_map.GetStartPosition();
    while (pos != NULL)
    {
        WORD wKey = 0;
        CRemapPair pair;
        m_map.GetNextAssoc(pos, wKey, pair);
        pairs.push_back(pair);
    }
    return pairs;
}

void CScancodeMapStore::SetPairs(const std::vector<CRemapPair>& pairs)
{
    RemoveAll();
    for (const CRemapPair& pair : pairs)
        SetAt(pair.wPhysical, pair.wProduced);
}

void CScancodeMapStore::SetAt(WORD wPhysical, WORD wProduced)
{
    CRemapPair pair(wPhysical, wProduced);
    if (pair.IsNull())
        return;
    m_map.SetAt(wPhysical, pair);
}

BOOL CScancodeMapStore::RemoveKey(WORD wPhysical)
{
    if (!m_map.RemoveKey(wPhysical))
        return FALSE;
    m_pos = NULL; // the cursor may have stood on the entry that went
    return TRUE;
}

void CScancodeMapStore::GetStartPosition()
{
    m_pos = m_map.GetStartPosition();
}

CRemapPair& CScancodeMapStore::GetNext(CRemapPair& pair)
{
    if (m_pos == NULL)
    {
        pair = CRemapPair();
        return pair;
    }
    WORD wKey = 0;
    m_map.GetNextAssoc(m_pos, wKey, pair);
    return pair;
}
