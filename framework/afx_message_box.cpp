#include "framework/afx_message_box.h"

namespace
{
IMessageBoxSink* s_pSink = nullptr;
IStringSource* s_pStrings = nullptr;
}

UINT AfxAdjustMessageBoxType(UINT nType)
{
    if ((nType & MB_ICONMASK) != 0)
        return nType;
    switch (nType & MB_TYPEMASK)
    {
    case MB_OK:
    case MB_OKCANCEL:
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return nType | MB_ICONEXCLAMATION;
    default:
        return nType;
    }
}

int AfxMessageBox(const char* pszText, UINT nType)
{
    if (s_pSink == nullptr)
        return IDCANCEL;
    std::string strCaption = AfxLoadString(AFX_IDS_APP_TITLE);
    return s_pSink->Show(pszText, strCaption.c_str(), AfxAdjustMessageBoxType(nType));
}

int AfxMessageBox(UINT nIDPrompt, UINT nType)
{
    std::string strText = AfxLoadString(nIDPrompt);
    return AfxMessageBox(strText.c_str(), nType);
}

std::string AfxLoadString(UINT nID)
{
    std::string str;
    if (s_pStrings == nullptr || !s_pStrings->Load(nID, &str))
        str.clear();
    return str;
}

std::string AfxLoadStringField(UINT nID, int nField)
{
    std::string str = AfxLoadString(nID);
    size_t nStart = 0;
    for (int i = 0; i < nField; ++i)
    {
        nStart = str.find('\n', nStart);
        if (nStart == std::string::npos)
            return std::string();
        ++nStart;
    }
    return str.substr(nStart, str.find('\n', nStart) - nStart);
}

void AfxFormatString2(std::string& rString, UINT nID, const char* psz1, const char* psz2)
{
    // "%", "1" and "2" are never trail bytes of a double-byte character.
    std::string strFormat = AfxLoadString(nID);
    rString.clear();
    for (size_t i = 0; i < strFormat.size(); ++i)
    {
        char cNext = i + 1 < strFormat.size() ? strFormat[i + 1] : '\0';
        const char* pszInsert = cNext == '1' ? psz1 : cNext == '2' ? psz2 : nullptr;
        if (strFormat[i] == '%' && (cNext == '1' || cNext == '2'))
        {
            rString += pszInsert != nullptr ? pszInsert : "";
            ++i;
        }
        else
            rString += strFormat[i];
    }
}

void AfxFormatString1(std::string& rString, UINT nID, const char* psz1)
{
    AfxFormatString2(rString, nID, psz1, nullptr);
}

IMessageBoxSink* AfxSetMessageBoxSink(IMessageBoxSink* pSink)
{
    IMessageBoxSink* pOld = s_pSink;
    s_pSink = pSink;
    return pOld;
}

IStringSource* AfxSetStringSource(IStringSource* pSource)
{
    IStringSource* pOld = s_pStrings;
    s_pStrings = pSource;
    return pOld;
}
