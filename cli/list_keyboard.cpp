#include "cli/list_keyboard.h"

#include "model/key_table.h"
#include "model/lost_key_check.h"

void CListKeyboard::GetRemappedKeys(std::vector<CRemappedKey>* pKeys)
{
    CLostKeyCheck::BuildKeys(m_list.GetPairs(), Is106Layout(m_keyboard), pKeys);
}

UINT CListKeyboard::RunLostKeyCheck(std::string* pstrReport)
{
    std::vector<CRemappedKey> keys;
    GetRemappedKeys(&keys);
    return CLostKeyCheck(m_keyboard).Run(keys, pstrReport);
}
