#include "model/scancode_map_codec.h"

#include <cstddef>

#include "model/key_table.h"

namespace
{
DWORD GetDword(const BYTE* p)
{
    return (DWORD)p[0] | ((DWORD)p[1] << 8) | ((DWORD)p[2] << 16) | ((DWORD)p[3] << 24);
}

void PutDword(BYTE* p, DWORD dw)
{
    p[0] = (BYTE)dw;
    p[1] = (BYTE)(dw >> 8);
    p[2] = (BYTE)(dw >> 16);
    p[3] = (BYTE)(dw >> 24);
}

// Signed: a negative count is as empty as 0 or 1.
LONG CountOf(const BYTE* pData)
{
    DWORD dwCount = CScancodeMapCodec::GetClaimedCount(pData);
    return dwCount <= 0x7FFFFFFFu ? (LONG)dwCount : -1;
}
} // namespace

BOOL CScancodeMapCodec::HoldsItsCount(const BYTE* pData, DWORD cbData)
{
    if (pData == NULL || cbData < (DWORD)HEADER_SIZE)
        return FALSE;
    LONG lCount = CountOf(pData);
    if (lCount <= 1)
        return TRUE;
    return (DWORD)(lCount - 1) <= (cbData - HEADER_SIZE) / ENTRY_SIZE;
}

int CScancodeMapCodec::DecodeScancodeMap(const BYTE* pData, DWORD cbData,
                                         std::vector<CRemapPair>* pPairs)
{
    pPairs->clear();
    DWORD nEntries = GetEntryCount(pData, cbData);
    for (DWORD i = 0; i < nEntries; ++i)
    {
        CRemapPair pair = GetEntry(pData, i);
        if (!pair.IsNull())
            pPairs->push_back(pair);
    }
    return (int)pPairs->size();
}

DWORD CScancodeMapCodec::GetEntryCount(const BYTE* pData, DWORD cbData)
{
    if (pData == NULL || cbData < (DWORD)HEADER_SIZE)
        return 0;
    LONG lCount = CountOf(pData);
    if (lCount <= 1)
        return 0;
    // The count is the writer's claim; the length is what is really there.
    DWORD cbUsable = cbData < (DWORD)IMAGE_SIZE ? cbData : (DWORD)IMAGE_SIZE;
    DWORD nEntries = (DWORD)(lCount - 1);
    DWORD nPresent = (cbUsable - HEADER_SIZE) / ENTRY_SIZE;
    return nEntries < nPresent ? nEntries : nPresent;
}

CRemapPair CScancodeMapCodec::GetEntry(const BYTE* pData, DWORD i)
{
    DWORD dwEntry = GetDword(pData + HEADER_SIZE + i * ENTRY_SIZE);
    // Earlier versions wrote Num Lock as 0xE045: read it as the key it meant,
    // so that the next write puts 0x0045 in its place.
    return CRemapPair(CanonicalScancode((WORD)(dwEntry >> 16)),
                      CanonicalScancode((WORD)(dwEntry & 0xFFFF)));
}

DWORD CScancodeMapCodec::GetClaimedCount(const BYTE* pData)
{
    return GetDword(pData + 8);
}

DWORD CScancodeMapCodec::EncodeScancodeMap(const std::vector<CRemapPair>& pairs,
                                           BYTE (&image)[IMAGE_SIZE])
{
    PutDword(image + 0, 0); // version
    PutDword(image + 4, 0); // flags
    DWORD nWritten = 0;
    for (const CRemapPair& pair : pairs)
    {
        if (pair.IsNull())
            break;
        if (nWritten == (DWORD)MAX_MAPPINGS)
            return 0; // no room left for this pair and the terminator
        PutDword(image + HEADER_SIZE + nWritten * ENTRY_SIZE,
                 ((DWORD)pair.wPhysical << 16) | pair.wProduced);
        ++nWritten;
    }
    PutDword(image + 8, nWritten + 1);
    PutDword(image + HEADER_SIZE + nWritten * ENTRY_SIZE, 0);
    return HEADER_SIZE + (nWritten + 1) * ENTRY_SIZE;
}

BOOL CScancodeMapCodec::EncodeScancodeMap(const std::vector<CRemapPair>& pairs,
                                          std::vector<BYTE>* pValue)
{
    BYTE image[IMAGE_SIZE];
    DWORD cbImage = EncodeScancodeMap(pairs, image);
    pValue->assign(image, image + cbImage);
    return cbImage != 0;
}
