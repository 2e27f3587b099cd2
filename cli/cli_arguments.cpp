#include "cli/cli_arguments.h"

namespace
{
struct CCommandEntry
{
    const char* pszName;
    CCliArguments::ECommand command;
    int nMinOperands;
    int nMaxOperands; // -1: no limit
};

const CCommandEntry s_commands[] = {
    {"list", CCliArguments::CMD_LIST, 0, 0},
    {"keys", CCliArguments::CMD_KEYS, 0, 0},
    {"set", CCliArguments::CMD_SET, 1, -1},
    {"remove", CCliArguments::CMD_REMOVE, 1, -1},
    {"clear", CCliArguments::CMD_CLEAR, 0, 0},
    {"delete", CCliArguments::CMD_DELETE, 0, 0},
    {"export", CCliArguments::CMD_EXPORT, 1, 1},
    {"import", CCliArguments::CMD_IMPORT, 1, 1},
};
} // namespace

CCliArguments::CCliArguments() : m_command(CMD_NONE), m_bJson(FALSE), m_bForce(FALSE), m_bDryRun(FALSE)
{
}

BOOL CCliArguments::Parse(const std::vector<std::string>& args)
{
    std::string strCommand;
    BOOL bOptionsEnded = FALSE;
    for (const std::string& strArg : args)
    {
        BOOL bOption = !bOptionsEnded && strArg.size() > 1 && strArg[0] == '-';
        if (!bOption)
        {
            if (strCommand.empty())
                strCommand = strArg;
            else
                m_operands.push_back(strArg);
        }
        else if (strArg == "--")
            bOptionsEnded = TRUE;
        else if (strArg == "--help" || strArg == "-h" || strArg == "-?")
        {
            m_command = CMD_HELP;
            return TRUE;
        }
        else if (strArg == "--version")
        {
            m_command = CMD_VERSION;
            return TRUE;
        }
        else if (strArg == "--json")
            m_bJson = TRUE;
        else if (strArg == "--force")
            m_bForce = TRUE;
        else if (strArg == "--dry-run")
            m_bDryRun = TRUE;
        else
            return Fail("unknown option '" + strArg + "'");
    }
    if (strCommand.empty())
        return Fail("no command given");

    const CCommandEntry* pEntry = nullptr;
    for (const CCommandEntry& entry : s_commands)
        if (strCommand == entry.pszName)
            pEntry = &entry;
    if (pEntry == nullptr)
        return Fail("unknown command '" + strCommand + "'");
    m_command = pEntry->command;

    int nOperands = (int)m_operands.size();
    if (nOperands < pEntry->nMinOperands)
        return Fail(strCommand + " needs " + (pEntry->nMaxOperands == 1 ? "a file name" : "at least one key"));
    if (pEntry->nMaxOperands >= 0 && nOperands > pEntry->nMaxOperands)
        return Fail(strCommand + " takes " +
                    (pEntry->nMaxOperands == 0 ? "no arguments" : "one file name") + ", not '" +
                    m_operands[pEntry->nMaxOperands] + "'");
    if (m_bJson && m_command != CMD_LIST && m_command != CMD_KEYS)
        return Fail("--json goes with list and keys only");
    // export takes --force too: it replaces an existing file.
    if (m_bForce && !IsWriting() && m_command != CMD_EXPORT)
        return Fail("--force goes with the commands that write only");
    if (m_bDryRun && !IsWriting())
        return Fail("--dry-run goes with the commands that write only");
    return TRUE;
}

BOOL CCliArguments::IsWriting() const
{
    return m_command == CMD_SET || m_command == CMD_REMOVE || m_command == CMD_CLEAR ||
           m_command == CMD_DELETE || m_command == CMD_IMPORT;
}

BOOL CCliArguments::Fail(const std::string& strError)
{
    m_strError = strError;
    return FALSE;
}
