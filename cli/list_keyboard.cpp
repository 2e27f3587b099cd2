#include "cli/list_keyboard.h"

#include "model/key_table.h"
#include "model/lost_key_check.h"

void CListKeyboard::GetRemappedKeys(std::vector<CRemappedKey>* pKeys)
{
    const CKeyTableEntry* pEntries = CKeyTable::GetEntries();
    int nCount = CKeyTable::GetCount(Is106Layout(m_keyboard));
    for (int i = 0; i < nCount; ++i)
    {
        WORD wScancode = ScancodeFromTableCode(pEntries[i].wTableCode);
        WORD wProduced = 0;
        if (!m_list.Lookup(wScancode, &wProduced))
            wProduced = 0;
        pKeys->push_back(CRemappedKey{wScancode, pEntries[i].wTableCode, wProduced});
    }
}

UINT CListKeyboard::RunLostKeyCheck(std::string* pstrReport)
{
    std::vector<CRemappedKey> keys;
    GetRemappedKeys(&keys);
    return CLostKeyCheck(m_keyboard).Run(keys, pstrReport);
}
