#include "cli/table_writer.h"

#include <string>
#include <vector>

#include "cli/cli_exit.h"
#include "model/list_keyboard.h"

namespace
{
const char* const s_szWrittenValue = CScancodeMapValue::s_pszQuotedName;

std::string Bytes(size_t cb)
{
    return std::to_string((unsigned long)cb) + (cb == 1 ? " byte" : " bytes");
}
} // namespace

CTableWriter::CTableWriter(CScancodeMapValue& value, IKeyboardServices& keyboard,
                           IConsole& console, CTablePrinter& printer, BOOL bForce, BOOL bDryRun)
    : m_value(value), m_keyboard(keyboard), m_console(console), m_printer(printer),
      m_bForce(bForce), m_bDryRun(bDryRun)
{
}

int CTableWriter::WriteTable(const CRemapList& list)
{
    std::vector<BYTE> bytes;
    if (!list.Encode(&bytes))
    {
        m_console.Err("velloric-cli: more than 1020 mappings: no table holds them\n");
        return CLI_FAILED;
    }
    m_console.Out(m_printer.FormatTable(list));
    if (!PassesCheck(list))
        return CLI_FAILED;
    if (m_bDryRun)
    {
        m_console.Out(std::string("Dry run: would write ") + Bytes(bytes.size()) + " to " +
                      s_szWrittenValue + ":\n" + CTablePrinter::FormatBytes(bytes));
        return CLI_DONE;
    }
    LONG lResult = m_value.Write(bytes);
    if (lResult != ERROR_SUCCESS)
    {
        m_console.Err(std::string("velloric-cli: cannot write ") + s_szWrittenValue + " (" +
                      CScancodeMapValue::DescribeResult(lResult) + ")\n");
        return CLI_FAILED;
    }
    m_console.Out("Wrote " + Bytes(bytes.size()) + " to " + s_szWrittenValue +
                  ". Windows takes the new table when it restarts.\n");
    return CLI_DONE;
}

int CTableWriter::DeleteValue()
{
    if (m_bDryRun)
    {
        m_console.Out(std::string("Dry run: would delete ") + s_szWrittenValue + ".\n");
        return CLI_DONE;
    }
    LONG lResult = m_value.Delete();
    if (lResult == ERROR_FILE_NOT_FOUND)
    {
        m_console.Out(std::string("There is no ") + s_szWrittenValue + " to delete.\n");
        return CLI_DONE;
    }
    if (lResult != ERROR_SUCCESS)
    {
        m_console.Err(std::string("velloric-cli: cannot delete ") + s_szWrittenValue + " (" +
                      CScancodeMapValue::DescribeResult(lResult) + ")\n");
        return CLI_FAILED;
    }
    m_console.Out(std::string("Deleted ") + s_szWrittenValue +
                  ". Windows gives every key its own code again when it restarts.\n");
    return CLI_DONE;
}

BOOL CTableWriter::PassesCheck(const CRemapList& list)
{
    std::string strReport;
    UINT nCheck = CListKeyboard(list.GetPairs(), m_keyboard).RunLostKeyCheck(&strReport);
    if (nCheck == 0)
        return TRUE;
    if (strReport.empty() || strReport[strReport.size() - 1] != '\n')
        strReport += "\n";
    m_console.Err(strReport);
    if (nCheck != MB_ICONHAND)
        return TRUE;
    if (m_bForce)
    {
        m_console.Err("velloric-cli: Ctrl, Alt or Del will be lost; going ahead (--force)\n");
        return TRUE;
    }
    m_console.Err("velloric-cli: refused: Ctrl, Alt or Del would be lost (--force writes anyway)\n");
    return FALSE;
}
