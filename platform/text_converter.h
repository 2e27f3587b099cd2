// JSON is UTF-8, while key names from the system and texts from the
// resources are in the ANSI code page (932 under a Japanese locale): the
// console program converts them before they go into JSON.
#pragma once

#include <string>

class ITextConverter
{
public:
    virtual ~ITextConverter() {}
    virtual std::string AnsiToUtf8(const std::string& strAnsi) = 0;
};
