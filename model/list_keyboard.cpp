#include "model/list_keyboard.h"

#include "model/key_table.h"
#include "model/lost_key_check.h"

void CListKeyboard::GetRemappedKeys(std::vector<CRemappedKey>* pKeys)
{
    pKeys->clear();
    const CKeyTableEntry* pEntries = CKeyTable::GetEntries();
    int nDrawn = CKeyTable::GetCount(Is106Layout(m_keyboard));
    for (int i = 0; i < nDrawn; ++i)
    {
        CRemappedKey key;
        key.wScancode = ScancodeFromTableCode(pEntries[i].wTableCode);
        key.wTableCode = pEntries[i].wTableCode;
        key.wProduced = 0;
        for (const CRemapPair& pair : m_pairs)
        {
            if (pair.wPhysical == key.wScancode)
            {
                key.wProduced = pair.wProduced;
                key.bMapped = TRUE;
            }
        }
        pKeys->push_back(key);
    }
    for (const CRemapPair& pair : m_pairs)
    {
        BOOL bDrawn = FALSE;
        for (int i = 0; i < nDrawn && !bDrawn; ++i)
            bDrawn = ScancodeFromTableCode(pEntries[i].wTableCode) == pair.wPhysical;
        if (bDrawn || pair.wPhysical == 0)
            continue;
        CRemappedKey key;
        key.wScancode = pair.wPhysical;
        key.wTableCode = TableCodeFromScancode(pair.wPhysical);
        key.wProduced = pair.wProduced;
        key.bMapped = TRUE;
        pKeys->push_back(key);
    }
}

UINT CListKeyboard::RunLostKeyCheck(std::string* pstrReport)
{
    std::vector<CRemappedKey> keys;
    GetRemappedKeys(&keys);
    return CLostKeyCheck(m_keyboard).Run(keys, pstrReport);
}
