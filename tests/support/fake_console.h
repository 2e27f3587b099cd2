// The console program's streams captured in memory, and a text converter that
// hands bytes on as they are (so JSON output must escape whatever comes).
#pragma once

#include <string>

#include "platform/console.h"
#include "platform/text_converter.h"

class CCapturedConsole : public IConsole
{
public:
    void Out(const std::string& strText) override { m_strOut += strText; }
    void Err(const std::string& strText) override { m_strErr += strText; }
    std::string m_strOut;
    std::string m_strErr;
};

class CSameText : public ITextConverter
{
public:
    std::string AnsiToUtf8(const std::string& strAnsi) override { return strAnsi; }
};
