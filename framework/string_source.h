// Where string resources come from: LoadStringA in the program, a table in
// native tests.
#pragma once

#include <string>

#include "platform/platform_types.h"

class IStringSource
{
public:
    virtual ~IStringSource() {}
    // Fills *pstr with string nID in the ANSI code page; FALSE when there is none.
    virtual BOOL Load(UINT nID, std::string* pstr) = 0;
};
