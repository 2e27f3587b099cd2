// The string resources of the running module. A file of its own: the
// command-line tool loads strings without linking the windows.
#pragma once

#include "framework/string_source.h"

class CWin32StringSource : public IStringSource
{
public:
    BOOL Load(UINT nID, std::string* pstr) override;
};
