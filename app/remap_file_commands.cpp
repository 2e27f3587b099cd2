#include "app/remap_file_commands.h"

#include <string>
#include <vector>

#include "framework/afx_message_box.h"
#include "model/reg_file_writer.h"
#include "model/remap_file_reader.h"
#include "res/resource.h"

namespace
{
const char s_szExportName[] = "velloric.reg";
const char s_szExportExtension[] = "reg";

void Report(UINT nFormat, const std::string& strPath, const std::string& strReason)
{
    std::string strText;
    AfxFormatString2(strText, nFormat, strPath.c_str(), strReason.c_str());
    AfxMessageBox(strText.c_str(), MB_OK | MB_ICONEXCLAMATION);
}
} // namespace

BOOL CRemapFileCommands::Import(CVelloricDoc& doc)
{
    std::string strPath;
    if (!m_dialogs.AskOpenPath(m_hOwner, AfxLoadString(IDS_IMPORT_FILTER).c_str(), &strPath))
        return FALSE;
    std::vector<BYTE> bytes;
    std::string strError;
    if (!m_files.ReadFile(strPath, &bytes, &strError))
    {
        Report(IDS_IMPORT_FAILED, strPath, strError);
        return FALSE;
    }
    CRemapFileReader reader;
    if (!reader.Read(bytes.data(), bytes.size()))
    {
        Report(IDS_IMPORT_FAILED, strPath, reader.GetError());
        return FALSE;
    }
    doc.ReplaceList(reader.GetPairs());
    return TRUE;
}

BOOL CRemapFileCommands::Export(CVelloricDoc& doc)
{
    std::vector<BYTE> value;
    if (!doc.GetValue(&value))
        return FALSE; // more mappings than a value holds: nothing the registry could take
    std::string strPath;
    if (!m_dialogs.AskSavePath(m_hOwner, AfxLoadString(IDS_EXPORT_FILTER).c_str(), s_szExportName,
                               s_szExportExtension, &strPath))
        return FALSE;
    std::vector<BYTE> file;
    CRegFileWriter::Write(value.data(), (DWORD)value.size(), &file);
    std::string strError;
    if (!m_files.WriteFile(strPath, file, &strError))
    {
        Report(IDS_EXPORT_FAILED, strPath, strError);
        return FALSE;
    }
    return TRUE;
}
