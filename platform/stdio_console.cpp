#include "platform/stdio_console.h"

#include <cstdio>

void CStdioConsole::Out(const std::string& strText)
{
    std::fwrite(strText.data(), 1, strText.size(), stdout);
    std::fflush(stdout);
}

void CStdioConsole::Err(const std::string& strText)
{
    // Results written so far come first, whatever the two streams are joined to.
    std::fflush(stdout);
    std::fwrite(strText.data(), 1, strText.size(), stderr);
    std::fflush(stderr);
}
