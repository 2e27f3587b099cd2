// Where every command that changes the registry ends: the table is printed,
// the lost-key check runs on it first (a loss of Ctrl, Alt or Del refuses
// the write unless forced), --dry-run shows the exact bytes instead of
// writing them, and a write the registry refuses is told in one line.
#pragma once

#include "platform/console.h"
#include "model/scancode_map_value.h"
#include "cli/table_printer.h"
#include "model/remap_list.h"
#include "platform/keyboard_services.h"

class CTableWriter
{
public:
    CTableWriter(CScancodeMapValue& value, IKeyboardServices& keyboard, IConsole& console,
                 CTablePrinter& printer, BOOL bForce, BOOL bDryRun);

    // Writes the list as the value, in the list's order; an empty list is the
    // empty 16-byte table. Returns the exit code.
    int WriteTable(const CRemapList& list);
    // Deletes the value, as the program does when it saves an empty list.
    int DeleteValue();

private:
    // FALSE (and why, on standard error) when the write must not go ahead.
    BOOL PassesCheck(const CRemapList& list);

    CScancodeMapValue& m_value;
    IKeyboardServices& m_keyboard;
    IConsole& m_console;
    CTablePrinter& m_printer;
    BOOL m_bForce;
    BOOL m_bDryRun;
};
