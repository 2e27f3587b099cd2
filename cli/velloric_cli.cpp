#include "cli/velloric_cli.h"

#include <algorithm>

#include "cli/cli_exit.h"
#include "cli/cli_version.h"
#include "model/list_keyboard.h"
#include "cli/table_writer.h"
#include "model/reg_file_writer.h"
#include "model/remap_file_reader.h"
#include "model/remap_text_parser.h"
#include "model/stable_key_name.h"

namespace
{
const char* const s_szValue = CScancodeMapValue::s_pszQuotedName;
} // namespace

CVelloricCli::CVelloricCli(IRegistry& registry, IKeyboardServices& keyboard, IByteFiles& files,
                           IConsole& console, ITextConverter& converter)
    : m_keyboard(keyboard), m_files(files), m_console(console),
      m_printer(keyboard, converter), m_value(registry)
{
}

const char* CVelloricCli::Usage()
{
    return "Usage: velloric-cli COMMAND [ARGUMENTS] [OPTIONS]\n"
           "\n"
           "Reads and changes the Scancode Map under HKEY_LOCAL_MACHINE\\SYSTEM\\\n"
           "CurrentControlSet\\Control\\Keyboard Layout, which Windows reads when it starts.\n"
           "\n"
           "Commands:\n"
           "  list              the registry's table and the keys it loses\n"
           "  keys              the key names and scancodes, with the system's names:\n"
           "                    the drawn keyboard's keys, then Print Screen, Pause,\n"
           "                    F13-F24, media, browser, launch and power keys\n"
           "  set FROM=TO...    the physical key FROM produces TO (added or replaced)\n"
           "  remove KEY...     the keys produce their own codes again\n"
           "  clear             writes the empty table\n"
           "  delete            deletes the value\n"
           "  export FILE       writes the value to a .reg file\n"
           "  import FILE       reads a .reg file or a text file of FROM=TO lines\n"
           "                    and writes its table\n"
           "\n"
           "Options:\n"
           "  --json            list and keys: JSON for scripts\n"
           "  --dry-run         writing commands: show the bytes, write nothing\n"
           "  --force           writing commands: write even when Ctrl, Alt or Del\n"
           "                    would be lost, or another program changed the table\n"
           "                    since it was read; export: replace an existing file\n"
           "  --help, --version\n"
           "\n"
           "A key is a name that 'keys' lists (any letter case) or a scancode in hex:\n"
           "0x3A, 3a, E05B. None (or 0x0) sends nothing. A name wins over hex: write\n"
           "0x01 for scancode 1, since 1 is the key 1. Num Lock is 45 (E045, as earlier\n"
           "versions wrote it, reads as 45); Pause is E11D.\n"
           "\n"
           "Which keys: any key that sends a scancode can produce another key's code or\n"
           "nothing. Not possible with this value: Fn and other keys that send nothing\n"
           "Windows can see, key combinations, one keyboard only, or one user only (the\n"
           "table is for every keyboard and every user). Windows reads the table when it\n"
           "starts: a restart is the documented way, though signing out is often enough.\n"
           "Writing needs an administrator.\n"
           "\n"
           "Exit codes: 0 done, 1 refused or failed, 2 wrong usage.\n";
}

int CVelloricCli::Run(const std::vector<std::string>& args)
{
    m_args = CCliArguments();
    if (!m_args.Parse(args))
        return UsageError(m_args.GetError());
    // Without --force a write refuses to replace a change another program
    // made since this run read the value.
    m_value.Reset(!m_args.IsForced());
    switch (m_args.GetCommand())
    {
    case CCliArguments::CMD_HELP:
        m_console.Out(Usage());
        return CLI_DONE;
    case CCliArguments::CMD_VERSION:
        m_console.Out("velloric-cli " VELLORIC_CLI_VERSION "\n");
        return CLI_DONE;
    case CCliArguments::CMD_LIST:
        return List();
    case CCliArguments::CMD_KEYS:
        return Keys();
    case CCliArguments::CMD_SET:
        return Set();
    case CCliArguments::CMD_REMOVE:
        return Remove();
    case CCliArguments::CMD_CLEAR:
        return Writer().WriteTable(CRemapList());
    case CCliArguments::CMD_DELETE:
        return Writer().DeleteValue();
    case CCliArguments::CMD_EXPORT:
        return Export();
    case CCliArguments::CMD_IMPORT:
        return Import();
    default:
        return UsageError("no command given");
    }
}

int CVelloricCli::List()
{
    CRemapList list;
    CScancodeMapValue::EReadOutcome outcome = CScancodeMapValue::READ_NOTHING;
    DWORD cbValue = 0;
    if (!ReadTable(&list, &outcome, &cbValue))
        return CLI_FAILED;
    WarnNotWhole(outcome, cbValue);

    std::string strReport;
    UINT nCheck = CListKeyboard(list.GetPairs(), m_keyboard).RunLostKeyCheck(&strReport);
    if (m_args.IsJson())
    {
        m_console.Out(m_printer.FormatTableJson(CScancodeMapValue::OutcomeName(outcome), cbValue,
                                                list, nCheck, strReport));
        return CLI_DONE;
    }
    m_console.Out(m_printer.FormatTable(list));
    if (list.GetCount() == 0)
        m_console.Out(outcome == CScancodeMapValue::READ_NOTHING
                          ? std::string("There is no ") + s_szValue + " value: the table is empty.\n"
                      : outcome == CScancodeMapValue::READ_WHOLE
                          ? std::string("The ") + s_szValue + " table is empty.\n"
                          : std::string("No mapping could be read.\n"));
    if (nCheck != 0)
    {
        if (strReport.empty() || strReport[strReport.size() - 1] != '\n')
            strReport += "\n";
        m_console.Out("\n" + strReport);
    }
    return CLI_DONE;
}

int CVelloricCli::Keys()
{
    m_console.Out(m_args.IsJson() ? m_printer.FormatKeysJson() : m_printer.FormatKeys());
    return CLI_DONE;
}

int CVelloricCli::Set()
{
    CRemapList changes;
    for (const std::string& strOperand : m_args.GetOperands())
    {
        if (strOperand.find('=') == std::string::npos)
            return UsageError("'" + strOperand + "' is not FROM=TO");
        CRemapPair pair;
        std::string strError;
        if (!CRemapTextParser::ParseMapping(strOperand, &pair, &strError))
            return UsageError(strError);
        WORD wEarlier = 0;
        if (changes.Lookup(pair.wPhysical, &wEarlier))
            return UsageError("key " + CStableKeyName::Describe(pair.wPhysical) + " is given twice");
        changes.SetAt(pair.wPhysical, pair.wProduced);
    }

    CRemapList list;
    CScancodeMapValue::EReadOutcome outcome = CScancodeMapValue::READ_NOTHING;
    if (!ReadTableToChange(&list, &outcome))
        return CLI_FAILED;
    BOOL bChanged = FALSE;
    for (const CRemapPair& pair : changes.GetPairs())
        if (list.SetAt(pair.wPhysical, pair.wProduced))
            bChanged = TRUE;
    if (outcome == CScancodeMapValue::READ_WHOLE && !bChanged)
    {
        m_console.Out("Nothing to change.\n");
        return CLI_DONE;
    }
    return Writer().WriteTable(list);
}

int CVelloricCli::Remove()
{
    std::vector<WORD> keys; // in the order given, each once
    for (const std::string& strOperand : m_args.GetOperands())
    {
        WORD wPhysical = 0;
        if (!ParseKey(strOperand, &wPhysical))
            return CLI_USAGE;
        if (std::find(keys.begin(), keys.end(), wPhysical) == keys.end())
            keys.push_back(wPhysical);
    }

    CRemapList list;
    CScancodeMapValue::EReadOutcome outcome = CScancodeMapValue::READ_NOTHING;
    if (!ReadTableToChange(&list, &outcome))
        return CLI_FAILED;
    BOOL bRemoved = FALSE;
    for (WORD wPhysical : keys)
    {
        if (list.RemoveKey(wPhysical))
            bRemoved = TRUE;
        else
            m_console.Err("velloric-cli: " + CStableKeyName::Describe(wPhysical) + " is not remapped\n");
    }
    if (!bRemoved &&
        (outcome == CScancodeMapValue::READ_WHOLE || outcome == CScancodeMapValue::READ_NOTHING))
    {
        m_console.Out("Nothing to change.\n");
        return CLI_DONE;
    }
    // As the program saves: a list with nothing left deletes the value.
    CTableWriter writer = Writer();
    return list.GetCount() == 0 ? writer.DeleteValue() : writer.WriteTable(list);
}

int CVelloricCli::Export()
{
    const std::string& strPath = m_args.GetOperands()[0];
    // As the program's own export asks first: a file already there is kept
    // unless --force. One that cannot be read is taken as not there.
    std::vector<BYTE> existing;
    std::string strProbe;
    if (!m_args.IsForced() && m_files.ReadFile(strPath, &existing, &strProbe))
    {
        m_console.Err("velloric-cli: " + strPath + " exists already (--force replaces it)\n");
        return CLI_FAILED;
    }
    std::vector<BYTE> bytes;
    DWORD cbValue = 0;
    LONG lResult = m_value.Read(&bytes, &cbValue);
    if (lResult == ERROR_FILE_NOT_FOUND)
    {
        m_console.Err(std::string("velloric-cli: there is no ") + s_szValue + " to export\n");
        return CLI_FAILED;
    }
    if (lResult != ERROR_SUCCESS)
    {
        SayCannotRead(lResult);
        return CLI_FAILED;
    }
    std::vector<BYTE> file;
    CRegFileWriter::Write(bytes.data(), cbValue, &file);
    // A file that import would refuse, or write back as other bytes, is no
    // backup: a value cut short, with bytes past its table, or in a form of
    // another program's is not exported.
    std::string strError;
    if (!ImportsAs(file, bytes, &strError))
    {
        m_console.Err("velloric-cli: refused: import could not write this " + std::string(s_szValue) +
                      " back as it is (" + strError + "); nothing was exported\n");
        return CLI_FAILED;
    }
    if (!m_files.WriteFile(strPath, file, &strError))
    {
        m_console.Err("velloric-cli: cannot write " + strPath + ": " + strError + "\n");
        return CLI_FAILED;
    }
    m_console.Out("Exported " + std::to_string((unsigned long)cbValue) + " bytes of " +
                  s_szValue + " to " + strPath + ".\n");
    return CLI_DONE;
}

int CVelloricCli::Import()
{
    const std::string& strPath = m_args.GetOperands()[0];
    std::vector<BYTE> file;
    std::string strError;
    if (!m_files.ReadFile(strPath, &file, &strError))
    {
        m_console.Err("velloric-cli: cannot read " + strPath + ": " + strError + "\n");
        return CLI_FAILED;
    }
    CRemapFileReader reader;
    if (!reader.Read(file.data(), file.size()))
    {
        m_console.Err("velloric-cli: " + strPath + ": " + reader.GetError() + "\n");
        return CLI_FAILED;
    }
    CRemapList list;
    list.SetPairs(reader.GetPairs());
    return Writer().WriteTable(list);
}

BOOL CVelloricCli::ImportsAs(const std::vector<BYTE>& file, const std::vector<BYTE>& value,
                             std::string* pstrError)
{
    CRemapFileReader reader;
    if (!reader.Read(file.data(), file.size()))
    {
        *pstrError = reader.GetError();
        return FALSE;
    }
    CRemapList list;
    list.SetPairs(reader.GetPairs());
    std::vector<BYTE> again;
    list.Encode(&again);
    *pstrError = "it is not in the form import writes: version and flags 0, a count of its "
                 "entries, Num Lock as 0x0045";
    return again == value;
}

CTableWriter CVelloricCli::Writer()
{
    return CTableWriter(m_value, m_keyboard, m_console, m_printer, m_args.IsForced(),
                        m_args.IsDryRun());
}

BOOL CVelloricCli::ReadTable(CRemapList* pList, CScancodeMapValue::EReadOutcome* pOutcome,
                             DWORD* pcbValue)
{
    pList->RemoveAll();
    *pOutcome = CScancodeMapValue::READ_NOTHING;
    std::vector<BYTE> bytes;
    LONG lResult = m_value.Read(&bytes, pcbValue);
    if (lResult == ERROR_FILE_NOT_FOUND)
        return TRUE;
    // Too long to read is a state of the value; a value that kept changing
    // while it was read gave no bytes to decode.
    BOOL bTooLong = lResult == ERROR_MORE_DATA && *pcbValue > (DWORD)CScancodeMapValue::MAX_READ;
    if (lResult != ERROR_SUCCESS && !bTooLong)
    {
        SayCannotRead(lResult);
        return FALSE;
    }
    *pOutcome = CScancodeMapValue::OutcomeOf(bytes.data(), *pcbValue);
    // As the program: a value longer than the image is not read at all.
    if (*pOutcome != CScancodeMapValue::READ_TOO_LONG)
        pList->Decode(bytes.data(), *pcbValue);
    return TRUE;
}

BOOL CVelloricCli::ReadTableToChange(CRemapList* pList, CScancodeMapValue::EReadOutcome* pOutcome)
{
    DWORD cbValue = 0;
    if (!ReadTable(pList, pOutcome, &cbValue))
        return FALSE;
    if (*pOutcome == CScancodeMapValue::READ_NOTHING || *pOutcome == CScancodeMapValue::READ_WHOLE)
        return TRUE;
    WarnNotWhole(*pOutcome, cbValue);
    if (m_args.IsForced())
        return TRUE;
    m_console.Err(std::string("velloric-cli: refused: writing would replace the ") + s_szValue +
                  " that was not read whole (--force writes anyway)\n");
    return FALSE;
}

void CVelloricCli::WarnNotWhole(CScancodeMapValue::EReadOutcome outcome, DWORD cbValue)
{
    std::string strBytes = std::to_string((unsigned long)cbValue) + " bytes";
    if (outcome == CScancodeMapValue::READ_CUT_SHORT)
        m_console.Err(std::string("velloric-cli: warning: the registry's ") + s_szValue + " (" +
                      strBytes + ") is not a whole table: its header or count does not fit "
                      "its bytes, and only what fits was read\n");
    else if (outcome == CScancodeMapValue::READ_EXTRA_BYTES)
        m_console.Err(std::string("velloric-cli: warning: the registry's ") + s_szValue + " (" +
                      strBytes + ") holds bytes past the end of its table, which were not read\n");
    else if (outcome == CScancodeMapValue::READ_TOO_LONG)
        m_console.Err(std::string("velloric-cli: warning: the registry's ") + s_szValue + " (" +
                      strBytes + ") is longer than a table can be (4096 bytes): nothing was read\n");
}

void CVelloricCli::SayCannotRead(LONG lResult)
{
    m_console.Err(std::string("velloric-cli: cannot read ") + s_szValue + " (" +
                  CScancodeMapValue::DescribeResult(lResult) + ")\n");
}

BOOL CVelloricCli::ParseKey(const std::string& strArg, WORD* pwScancode)
{
    CStableKeyName::EParse eParse = CStableKeyName::Parse(strArg, pwScancode);
    if (eParse == CStableKeyName::PARSE_OK)
        return TRUE;
    UsageError(CStableKeyName::DescribeFault(eParse, strArg));
    return FALSE;
}

int CVelloricCli::UsageError(const std::string& strError)
{
    m_console.Err("velloric-cli: " + strError + "\nTry 'velloric-cli --help'.\n");
    return CLI_USAGE;
}
