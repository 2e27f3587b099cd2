#include "dialogs/one_point_tips.h"

#include <climits>

#include "framework/afx_message_box.h"
#include "res/resource.h"

const char kTipSection[] = "Tip";
const char kTipFilePos[] = "FilePos";
const char kTipTimeStamp[] = "TimeStamp";
const char kTipStartUp[] = "StartUp";

namespace
{
const char kTipsFileName[] = "tips.txt";

BOOL IsSkippedLine(char cFirst)
{
    return cFirst == ' ' || cFirst == '\t' || cFirst == '\n' || cFirst == ';';
}
} // namespace

COnePointTips::COnePointTips(CProfile& profile, ITipsFileSystem& files,
                             const std::string& strPath, PFN_IS_LEAD_BYTE pfnIsLeadByte)
    : m_bShowAtStartup(0), m_profile(profile), m_pfnIsLeadByte(pfnIsLeadByte)
{
    m_bShowAtStartup = m_profile.GetProfileInt(kTipSection, kTipStartUp, 0) == 0 ? 1 : 0;
    long lStart = m_profile.GetProfileInt(kTipSection, kTipFilePos, 0);

    m_pTipsFile = files.Open(strPath);
    if (!m_pTipsFile)
    {
        // Shown in place of a tip, without a box.
        m_strTip = AfxLoadString(IDS_TIP_FILE_ABSENT);
        return;
    }

    // A replaced file starts again at its top.
    std::string strTimeStamp = m_pTipsFile->TimeStamp();
    if (strTimeStamp != m_profile.GetProfileString(kTipSection, kTipTimeStamp))
    {
        lStart = 0;
        m_profile.WriteProfileString(kTipSection, kTipTimeStamp, strTimeStamp.c_str());
    }

    if (!m_pTipsFile->Seek(lStart))
        AfxMessageBox(IDS_TIP_FILE_ERROR, MB_OK);
    else
        ReadNextTip(m_strTip);
}

COnePointTips::~COnePointTips()
{
    if (!m_pTipsFile)
        return;
    long lPos = m_pTipsFile->Tell();
    // An unknown position is not stored: -1 would only fail the next seek.
    if (lPos >= 0 && lPos <= INT_MAX)
        m_profile.WriteProfileInt(kTipSection, kTipFilePos, (int)lPos);
    m_pTipsFile.reset();
}

void COnePointTips::ReadNextTip(std::string& out)
{
    out.clear();
    if (!m_pTipsFile)
        return;
    char szLine[LINE_BUFFER];
    int nEnds = 0;
    for (;;)
    {
        szLine[0] = '\0';
        if (!m_pTipsFile->ReadLine(szLine, LINE_BUFFER))
        {
            // Round to the top once; the second end in one search means the
            // file holds no tip at all.
            if (++nEnds == 2)
                return;
            if (!m_pTipsFile->Seek(0))
                AfxMessageBox(IDS_TIP_FILE_ERROR, MB_OK);
            continue;
        }
        if (!IsSkippedLine(szLine[0]))
            break;
    }
    CopyTipLine(szLine, sizeof szLine, m_pfnIsLeadByte, out);
}

void COnePointTips::CopyTipLine(const char* pLine, size_t cbLine, PFN_IS_LEAD_BYTE pfnIsLeadByte,
                                std::string& out)
{
    size_t i = 0;
    while (i < cbLine && pLine[i] != '\0')
    {
        BOOL bNextByte = i + 1 < cbLine && pLine[i + 1] != '\0';
        if (pfnIsLeadByte((BYTE)pLine[i]))
        {
            // A lead byte cut off from its trail byte is dropped.
            if (!bNextByte)
                break;
            out.append(pLine + i, 2);
            i += 2;
        }
        else if (pLine[i] == '\\' && bNextByte && pLine[i + 1] == 'n')
        {
            out += '\n';
            i += 2;
        }
        else
            out += pLine[i++];
    }
}

void COnePointTips::SaveShowAtStartup()
{
    m_profile.WriteProfileInt(kTipSection, kTipStartUp, m_bShowAtStartup == 0 ? 1 : 0);
}

std::string COnePointTips::TipsFilePathBeside(const std::string& strModulePath,
                                              PFN_IS_LEAD_BYTE pfnIsLeadByte)
{
    // The directory ends after the last separator that is not the trail byte
    // of a double-byte character ("\x95\x5c" is one character in code page 932).
    size_t cchDirectory = 0;
    for (size_t i = 0; i < strModulePath.size(); ++i)
    {
        char c = strModulePath[i];
        if (pfnIsLeadByte((BYTE)c) && i + 1 < strModulePath.size())
            ++i;
        else if (c == '\\' || c == '/' || c == ':')
            cchDirectory = i + 1;
    }
    return strModulePath.substr(0, cchDirectory) + kTipsFileName;
}
