#include "model/remap_list.h"

#include <cstddef>

#include "model/scancode_map_codec.h"

BOOL CRemapList::SetAt(WORD wPhysical, WORD wProduced)
{
    CRemapPair pair(wPhysical, wProduced);
    if (pair.IsNull())
        return FALSE;
    for (CRemapPair& held : m_pairs)
    {
        if (held.wPhysical == wPhysical)
        {
            BOOL bChanged = held.wProduced != wProduced;
            held.wProduced = wProduced;
            return bChanged;
        }
    }
    m_pairs.push_back(pair);
    return TRUE;
}

void CRemapList::SetPairs(const std::vector<CRemapPair>& pairs)
{
    m_pairs.clear();
    for (const CRemapPair& pair : pairs)
        SetAt(pair.wPhysical, pair.wProduced);
}

BOOL CRemapList::RemoveKey(WORD wPhysical)
{
    for (size_t i = 0; i < m_pairs.size(); ++i)
    {
        if (m_pairs[i].wPhysical == wPhysical)
        {
            m_pairs.erase(m_pairs.begin() + (std::ptrdiff_t)i);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CRemapList::Lookup(WORD wPhysical, WORD* pwProduced) const
{
    for (const CRemapPair& held : m_pairs)
    {
        if (held.wPhysical == wPhysical)
        {
            *pwProduced = held.wProduced;
            return TRUE;
        }
    }
    return FALSE;
}

int CRemapList::Decode(const BYTE* pData, DWORD cbData)
{
    std::vector<CRemapPair> pairs;
    CScancodeMapCodec::DecodeScancodeMap(pData, cbData, &pairs);
    SetPairs(pairs);
    return GetCount();
}

BOOL CRemapList::Encode(std::vector<BYTE>* pValue) const
{
    return CScancodeMapCodec::EncodeScancodeMap(m_pairs, pValue);
}
