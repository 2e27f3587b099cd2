#include "model/lost_key_check.h"

#include <algorithm>

#include "framework/afx_message_box.h"
#include "model/key_catalogue.h"
#include "model/key_name.h"
#include "model/key_table.h"
#include "model/word_hash_map.h"
#include "res/resource.h"

namespace
{
const int MAX_HEX_WIDTH = 32;

// The store's hash map: the lines follow its bucket order.
UINT BucketOf(WORD wScancode)
{
    return CWordHashMap<CRemapPair>::HashKey(wScancode);
}

void AppendHex(std::string* pstrOut, WORD wNumber, int nWidth, BOOL bZeroPad, BOOL bUpper)
{
    const char* pszDigits = bUpper ? "0123456789ABCDEF" : "0123456789abcdef";
    char szDigits[4];
    int nDigits = 0;
    do
    {
        szDigits[nDigits++] = pszDigits[wNumber & 0xF];
        wNumber = (WORD)(wNumber >> 4);
    } while (wNumber != 0);
    for (int i = nDigits; i < nWidth; ++i)
        pstrOut->push_back(bZeroPad ? '0' : ' ');
    while (nDigits > 0)
        pstrOut->push_back(szDigits[--nDigits]);
}
} // namespace

std::string FormatLostKeyLine(const std::string& strFormat, const std::string& strName,
                              WORD wNumber)
{
    // '%' is never a trail byte in the double-byte code pages (trail bytes
    // start at 0x40), so scanning byte by byte cannot split a character.
    std::string strOut;
    size_t i = 0;
    const size_t nLength = strFormat.size();
    while (i < nLength)
    {
        char c = strFormat[i];
        if (c != '%')
        {
            strOut.push_back(c);
            ++i;
            continue;
        }
        size_t j = i + 1;
        if (j < nLength && strFormat[j] == '%')
        {
            strOut.push_back('%');
            i = j + 1;
            continue;
        }
        if (j < nLength && strFormat[j] == 's')
        {
            strOut += strName;
            i = j + 1;
            continue;
        }
        BOOL bZeroPad = FALSE;
        if (j < nLength && strFormat[j] == '0')
        {
            bZeroPad = TRUE;
            ++j;
        }
        int nWidth = 0;
        while (j < nLength && strFormat[j] >= '0' && strFormat[j] <= '9' && nWidth <= MAX_HEX_WIDTH)
            nWidth = nWidth * 10 + (strFormat[j++] - '0');
        if (j < nLength && nWidth <= MAX_HEX_WIDTH && (strFormat[j] == 'X' || strFormat[j] == 'x'))
        {
            AppendHex(&strOut, wNumber, nWidth, bZeroPad, strFormat[j] == 'X');
            i = j + 1;
            continue;
        }
        // Not understood: the '%' stays as text and the rest is read again as text.
        strOut.push_back('%');
        ++i;
    }
    return strOut;
}

BOOL IsVitalKeyName(const std::string& strName)
{
    return strName.find("Ctrl") != std::string::npos || strName.find("Alt") != std::string::npos ||
           strName.find("Del") != std::string::npos;
}

BOOL IsVitalKeyCode(WORD wScancode)
{
    static const WORD s_vital[] = {0x001D, 0xE01D, 0x0038, 0xE038, 0xE053, 0x0053};
    for (WORD wVital : s_vital)
        if (wVital == wScancode)
            return TRUE;
    return FALSE;
}

CLostKeyCheck::CLostKeyCheck(IKeyboardServices& keyboard) : m_keyboard(keyboard) {}

UINT CLostKeyCheck::Run(const std::vector<CRemappedKey>& keys, std::string* pstrText)
{
    std::vector<const CRemappedKey*> remapped;
    for (const CRemappedKey& key : keys)
        if (key.wProduced != 0 || key.bMapped)
            remapped.push_back(&key);

    // The lines come in the store's bucket order; within a bucket, in the
    // order the keys were handed in.
    std::stable_sort(remapped.begin(), remapped.end(),
                     [](const CRemappedKey* pA, const CRemappedKey* pB)
                     { return BucketOf(pA->wScancode) < BucketOf(pB->wScancode); });

    std::string strFormat = AfxLoadString(IDS_LOST_KEY_FORMAT);
    std::string strReport;
    UINT nResult = 0;
    int nVital = 0;
    for (const CRemappedKey* pKey : remapped)
    {
        BOOL bProduced = FALSE;
        for (const CRemappedKey* pOther : remapped)
            if (pOther->wProduced == pKey->wScancode)
                bProduced = TRUE;
        if (bProduced)
            continue;
        std::string strName = GetKeyName(m_keyboard, pKey->wTableCode);
        if (strName.empty()) // media keys and the like have no name of the system's
            strName = CKeyCatalogue::GetDisplayNameOf(pKey->wScancode);
        strReport += FormatLostKeyLine(strFormat, strName, pKey->wScancode);
        nResult = MB_ICONEXCLAMATION;
        if (IsVitalKeyName(strName) || IsVitalKeyCode(pKey->wScancode))
            ++nVital;
    }
    if (nVital > 0)
    {
        strReport += AfxLoadString(IDS_DANGER_WARNING);
        nResult = MB_ICONHAND;
    }
    if (nResult != 0 && pstrText != nullptr)
        *pstrText += strReport;
    return nResult;
}
