// The console program: reads and changes the registry's Scancode Map from a
// command line, through the same platform services, codec and lost-key
// check as the program. See Usage() for the commands.
//
//   CVelloricCli cli(registry, keyboard, files, console, converter);
//   return cli.Run(args); // CLI_DONE, CLI_FAILED or CLI_USAGE
//
// The framework's message-box sink and string source are the caller's to
// install (main.cpp): the lost-key lines come from the string resources.
#pragma once

#include <string>
#include <vector>

#include "platform/byte_files.h"
#include "cli/cli_arguments.h"
#include "platform/console.h"
#include "model/scancode_map_value.h"
#include "cli/table_printer.h"
#include "cli/table_writer.h"
#include "platform/text_converter.h"
#include "model/remap_list.h"
#include "platform/keyboard_services.h"
#include "platform/registry.h"

class CVelloricCli
{
public:
    CVelloricCli(IRegistry& registry, IKeyboardServices& keyboard, IByteFiles& files,
                 IConsole& console, ITextConverter& converter);

    // The arguments after the program's name; returns the exit code.
    int Run(const std::vector<std::string>& args);

    static const char* Usage();

private:
    int List();
    int Keys();
    int Set();
    int Remove();
    int Export();
    int Import();

    // The registry's table, as the program reads it, how the value read and
    // its length; FALSE (said on standard error) when the registry cannot be
    // read at all.
    BOOL ReadTable(CRemapList* pList, CScancodeMapValue::EReadOutcome* pOutcome, DWORD* pcbValue);
    // For set and remove: ReadTable, but FALSE (said why) also when the
    // table was not read whole and --force is not given, since writing would
    // replace what was not read.
    BOOL ReadTableToChange(CRemapList* pList, CScancodeMapValue::EReadOutcome* pOutcome);
    void WarnNotWhole(CScancodeMapValue::EReadOutcome outcome, DWORD cbValue);
    void SayCannotRead(LONG lResult);
    // The operand as a key; FALSE with the usage error said.
    BOOL ParseKey(const std::string& strArg, WORD* pwScancode);
    int UsageError(const std::string& strError);
    // Whether import takes the .reg file back as these very bytes; FALSE
    // with what stands in the way.
    static BOOL ImportsAs(const std::vector<BYTE>& file, const std::vector<BYTE>& value,
                          std::string* pstrError);
    // The writing half, with this run's --force and --dry-run.
    CTableWriter Writer();

    IKeyboardServices& m_keyboard;
    IByteFiles& m_files;
    IConsole& m_console;
    CTablePrinter m_printer;
    CScancodeMapValue m_value;
    CCliArguments m_args;
};
