// Looks at the program's resources by exact language, where the platform's
// own lookup would fall back to another set.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The languages resource nID of type pszType exists in, in ascending order.
std::vector<WORD> ResourceLanguages(LPCSTR pszType, UINT nID);
// Dialog template nID of exactly wLanguage as UTF-16 text (captions, font and
// control texts can be searched in it); empty when there is none.
std::wstring DialogTemplateText(UINT nID, WORD wLanguage);
