// Where the console program's texts go: results to standard output, errors
// and warnings to standard error. The C streams in the program, strings in
// tests. Texts are in the ANSI code page, as the program's resources are.
#pragma once

#include <string>

class IConsole
{
public:
    virtual ~IConsole() {}
    virtual void Out(const std::string& strText) = 0;
    virtual void Err(const std::string& strText) = 0;
};
