// The console through the C library's standard streams.
#pragma once

#include "platform/console.h"

class CStdioConsole : public IConsole
{
public:
    void Out(const std::string& strText) override;
    void Err(const std::string& strText) override;
};
