#include "model/reg_file_writer.h"

#include "model/scancode_map_value.h"

namespace
{
// The editor's own limit: a line is broken once it has reached this many characters.
const size_t WRAP_COLUMN = 77;
const char s_szIndent[] = "  ";
} // namespace

std::string CRegFileWriter::MakeText(const BYTE* pValue, DWORD cbValue)
{
    static const char s_szDigits[] = "0123456789abcdef";
    std::string str = "Windows Registry Editor Version 5.00\r\n\r\n[";
    str += CScancodeMapValue::s_pszRootedKeyPath;
    str += "]\r\n";
    std::string strLine = std::string(CScancodeMapValue::s_pszQuotedName) + "=hex:";
    for (DWORD i = 0; i < cbValue; ++i)
    {
        strLine += s_szDigits[pValue[i] >> 4];
        strLine += s_szDigits[pValue[i] & 0xF];
        if (i + 1 == cbValue)
            break;
        strLine += ',';
        if (strLine.size() >= WRAP_COLUMN)
        {
            str += strLine + "\\\r\n";
            strLine = s_szIndent;
        }
    }
    str += strLine + "\r\n\r\n";
    return str;
}

void CRegFileWriter::Write(const BYTE* pValue, DWORD cbValue, std::vector<BYTE>* pFile)
{
    std::string strText = MakeText(pValue, cbValue);
    pFile->clear();
    pFile->reserve(2 + 2 * strText.size());
    pFile->push_back(0xFF);
    pFile->push_back(0xFE);
    for (char c : strText)
    {
        pFile->push_back((BYTE)c);
        pFile->push_back(0);
    }
}
