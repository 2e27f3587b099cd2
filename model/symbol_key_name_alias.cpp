#include "model/symbol_key_name_alias.h"

BOOL CSymbolKeyNameAlias::IsSymbol() const
{
    return TRUE;
}
