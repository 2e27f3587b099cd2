// ANSI to UTF-8 through the system's code page tables.
#pragma once

#include "platform/text_converter.h"

class CWin32TextConverter : public ITextConverter
{
public:
    std::string AnsiToUtf8(const std::string& strAnsi) override;
};
