// The console program's command line: one command, its operands, and the
// options --json, --force and --dry-run anywhere among them ("--" ends the
// options, for a file whose name starts with "-"). --help and --version
// stand alone.
#pragma once

#include <string>
#include <vector>

#include "platform/platform_types.h"

class CCliArguments
{
public:
    enum ECommand
    {
        CMD_NONE,
        CMD_HELP,
        CMD_VERSION,
        CMD_LIST,
        CMD_KEYS,
        CMD_SET,
        CMD_REMOVE,
        CMD_CLEAR,
        CMD_DELETE,
        CMD_EXPORT,
        CMD_IMPORT
    };

    CCliArguments();

    // FALSE with GetError() for wrong usage: no or an unknown command, an
    // unknown option, an option the command does not take, too few or too
    // many operands.
    BOOL Parse(const std::vector<std::string>& args);
    // Whether the command writes the registry (and takes --force and --dry-run).
    BOOL IsWriting() const;

    ECommand GetCommand() const { return m_command; }
    const std::vector<std::string>& GetOperands() const { return m_operands; }
    BOOL IsJson() const { return m_bJson; }
    BOOL IsForced() const { return m_bForce; }
    BOOL IsDryRun() const { return m_bDryRun; }
    const std::string& GetError() const { return m_strError; }

private:
    BOOL Fail(const std::string& strError);

    ECommand m_command;
    std::vector<std::string> m_operands;
    BOOL m_bJson;
    BOOL m_bForce;
    BOOL m_bDryRun;
    std::string m_strError;
};
