#include "tests/win32/dialog_resources.h"

#include <algorithm>

#include "tests/win32/win32_test_support.h"

namespace
{
using wintest::Utf8FromWide;

// Reads an extended dialog template (the only kind the script writes).
class CTemplateReader
{
public:
    CTemplateReader(const BYTE* pData, size_t nSize) : m_pData(pData), m_nSize(nSize) {}

    BOOL IsGood() const { return m_bGood; }

    WORD Word()
    {
        if (m_nPos + 2 > m_nSize)
        {
            m_bGood = FALSE;
            return 0;
        }
        WORD w = (WORD)(m_pData[m_nPos] | m_pData[m_nPos + 1] << 8);
        m_nPos += 2;
        return w;
    }

    DWORD Dword()
    {
        DWORD dwLow = Word();
        DWORD dwHigh = Word();
        return dwLow | dwHigh << 16;
    }

    BYTE Byte()
    {
        if (m_nPos + 1 > m_nSize)
        {
            m_bGood = FALSE;
            return 0;
        }
        return m_pData[m_nPos++];
    }

    std::wstring String()
    {
        std::wstring str;
        for (WORD w = Word(); w != 0 && m_bGood; w = Word())
            str.push_back((wchar_t)w);
        return str;
    }

    // sz_Or_Ord: empty, an ordinal (returned in wOrdinal) or a string.
    std::wstring StringOrOrdinal(WORD& wOrdinal, BOOL& bPresent)
    {
        wOrdinal = 0;
        WORD wFirst = Word();
        bPresent = wFirst != 0;
        if (wFirst == 0)
            return std::wstring();
        if (wFirst == 0xFFFF)
        {
            wOrdinal = Word();
            return std::wstring();
        }
        std::wstring str(1, (wchar_t)wFirst);
        str += String();
        return str;
    }

    void AlignToDword() { m_nPos = (m_nPos + 3) & ~(size_t)3; }

    void Skip(size_t nBytes) { m_nPos += nBytes; }

private:
    const BYTE* m_pData;
    size_t m_nSize;
    size_t m_nPos = 0;
    BOOL m_bGood = TRUE;
};

CRect16 ReadRect(CTemplateReader& reader)
{
    CRect16 rect;
    rect.x = (short)reader.Word();
    rect.y = (short)reader.Word();
    rect.cx = (short)reader.Word();
    rect.cy = (short)reader.Word();
    return rect;
}

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR, LPCSTR, WORD wLanguage, LONG_PTR lParam)
{
    ((std::vector<WORD>*)lParam)->push_back(wLanguage);
    return TRUE;
}
} // namespace

std::vector<WORD> ResourceLanguages(LPCSTR pszType, UINT nID)
{
    std::vector<WORD> languages;
    ::EnumResourceLanguagesA(::GetModuleHandleA(NULL), pszType, MAKEINTRESOURCEA(nID),
                             &AddLanguage, (LONG_PTR)&languages);
    std::sort(languages.begin(), languages.end());
    return languages;
}

std::wstring DialogTemplateText(UINT nID, WORD wLanguage)
{
    std::vector<WORD> languages = ResourceLanguages((LPCSTR)RT_DIALOG, nID);
    if (std::find(languages.begin(), languages.end(), wLanguage) == languages.end())
        return std::wstring();
    HMODULE hModule = ::GetModuleHandleA(NULL);
    HRSRC hResource =
        ::FindResourceExA(hModule, (LPCSTR)RT_DIALOG, MAKEINTRESOURCEA(nID), wLanguage);
    if (hResource == NULL)
        return std::wstring();
    const wchar_t* pText = (const wchar_t*)::LockResource(::LoadResource(hModule, hResource));
    return std::wstring(pText, ::SizeofResource(hModule, hResource) / sizeof(wchar_t));
}

std::ostream& operator<<(std::ostream& out, const CRect16& rect)
{
    return out << rect.x << "," << rect.y << " " << rect.cx << "x" << rect.cy;
}

const CTemplateItem* CFormTemplate::Find(int nId) const
{
    for (const CTemplateItem& item : items)
        if (item.nId == nId)
            return &item;
    return nullptr;
}

CFormTemplate ParseTemplate(const BYTE* pData, size_t nSize)
{
    CFormTemplate form;
    CTemplateReader reader(pData, nSize);
    WORD wVersion = reader.Word();
    WORD wSignature = reader.Word();
    if (wVersion != 1 || wSignature != 0xFFFF)
        return form;
    reader.Dword(); // help id
    form.dwExStyle = reader.Dword();
    form.dwStyle = reader.Dword();
    WORD wCount = reader.Word();
    form.rect = ReadRect(reader);
    WORD wOrdinal = 0;
    BOOL bPresent = FALSE;
    reader.StringOrOrdinal(wOrdinal, form.bHasMenu);
    reader.StringOrOrdinal(wOrdinal, form.bHasClass);
    form.strTitle = Utf8FromWide(reader.String());
    if ((form.dwStyle & DS_SETFONT) != 0)
    {
        form.wPointSize = reader.Word();
        reader.Word(); // weight
        reader.Byte(); // italic
        reader.Byte(); // character set
        form.strFace = Utf8FromWide(reader.String());
    }
    for (WORD i = 0; i < wCount && reader.IsGood(); ++i)
    {
        CTemplateItem item;
        reader.AlignToDword();
        reader.Dword(); // help id
        item.dwExStyle = reader.Dword();
        item.dwStyle = reader.Dword();
        item.rect = ReadRect(reader);
        item.nId = (int)reader.Dword();
        item.strClass = Utf8FromWide(reader.StringOrOrdinal(item.wClassAtom, bPresent));
        WORD wTextOrdinal = 0;
        item.strText = Utf8FromWide(reader.StringOrOrdinal(wTextOrdinal, bPresent));
        reader.Skip(reader.Word()); // creation data
        form.items.push_back(item);
    }
    form.bParsed = reader.IsGood();
    return form;
}

namespace
{
CFormTemplate ParseResource(HRSRC hResource)
{
    HMODULE hModule = ::GetModuleHandleA(NULL);
    if (hResource == NULL)
        return CFormTemplate();
    const BYTE* pData = (const BYTE*)::LockResource(::LoadResource(hModule, hResource));
    return pData != nullptr ? ParseTemplate(pData, ::SizeofResource(hModule, hResource))
                            : CFormTemplate();
}
} // namespace

CFormTemplate LoadFormForUser(WORD wId)
{
    return ParseResource(
        ::FindResourceA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(wId), (LPCSTR)RT_DIALOG));
}

CFormTemplate LoadFormOfLanguage(WORD wId, WORD wLanguage)
{
    std::vector<WORD> languages = ResourceLanguages((LPCSTR)RT_DIALOG, wId);
    if (std::find(languages.begin(), languages.end(), wLanguage) == languages.end())
        return CFormTemplate();
    return ParseResource(::FindResourceExA(::GetModuleHandleA(NULL), (LPCSTR)RT_DIALOG,
                                           MAKEINTRESOURCEA(wId), wLanguage));
}
