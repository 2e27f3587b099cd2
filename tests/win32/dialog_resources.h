// Looks at the program's dialog templates: by exact language, where the
// platform's own lookup would fall back to another set, or as the platform
// hands them out for the user's language; read in dialog units straight from
// the resource bytes.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

struct CRect16
{
    int x, y, cx, cy;
    bool operator==(const CRect16& other) const
    {
        return x == other.x && y == other.y && cx == other.cx && cy == other.cy;
    }
};

std::ostream& operator<<(std::ostream& out, const CRect16& rect);

struct CTemplateItem
{
    DWORD dwStyle = 0;
    DWORD dwExStyle = 0;
    CRect16 rect = {0, 0, 0, 0};
    int nId = 0;
    WORD wClassAtom = 0;  // 0x80 button, 0x81 edit, 0x82 static; 0 when named
    std::string strClass; // UTF-8
    std::string strText;  // UTF-8
};

struct CFormTemplate
{
    BOOL bParsed = FALSE;
    DWORD dwStyle = 0;
    DWORD dwExStyle = 0;
    CRect16 rect = {0, 0, 0, 0};
    WORD wPointSize = 0;
    std::string strFace;
    std::string strTitle;
    BOOL bHasMenu = FALSE;
    BOOL bHasClass = FALSE;
    std::vector<CTemplateItem> items;

    const CTemplateItem* Find(int nId) const;
};

// The languages resource nID of type pszType exists in, in ascending order.
std::vector<WORD> ResourceLanguages(LPCSTR pszType, UINT nID);
// Dialog template nID of exactly wLanguage as UTF-16 text (captions, font and
// control texts can be searched in it); empty when there is none.
std::wstring DialogTemplateText(UINT nID, WORD wLanguage);
// Parses an extended dialog template (the only kind the resources hold).
CFormTemplate ParseTemplate(const BYTE* pData, size_t nSize);
// The template the platform picks for the user's language.
CFormTemplate LoadFormForUser(WORD wId);
// The template of exactly wLanguage; bParsed FALSE when there is none.
CFormTemplate LoadFormOfLanguage(WORD wId, WORD wLanguage);
