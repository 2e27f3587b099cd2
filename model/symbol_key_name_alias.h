// A key-name alias drawn as one character of a symbol font.
#pragma once

#include "model/key_name_alias.h"

class CSymbolKeyNameAlias : public CKeyNameAlias
{
public:
    CSymbolKeyNameAlias(const std::string& strText, const std::string& strFace)
        : CKeyNameAlias(strText, strFace)
    {
    }

    BOOL IsSymbol() const override;
};
