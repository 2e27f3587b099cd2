// The byte layout of the Scancode Map value, kept apart from the registry:
//   offset 0 version, 4 flags, 8 count (entries that follow, terminator
//   included), then one 32-bit entry per mapping and a zero terminator.
// Every field is 32-bit little-endian; an entry is (physical << 16) | produced.
// Both directions work through one 4096-byte image.
#pragma once

#include <vector>

#include "model/remap_pair.h"

class CScancodeMapCodec
{
public:
    enum
    {
        IMAGE_SIZE = 4096,
        HEADER_SIZE = 12,
        ENTRY_SIZE = 4,
        MAX_ENTRIES = (IMAGE_SIZE - HEADER_SIZE) / ENTRY_SIZE, // 1021, terminator included
        MAX_MAPPINGS = MAX_ENTRIES - 1                         // 1020
    };

    // Reads cbData bytes (the length the registry returned). A count of 1 or
    // less means no mappings; otherwise count - 1 entries are taken, but never
    // more than the data or the image holds. An entry equal to the null pair is
    // skipped: held in the list it would end every walk. *pPairs gets the
    // entries in the value's order, repeats included; returns their number.
    static int DecodeScancodeMap(const BYTE* pData, DWORD cbData, std::vector<CRemapPair>* pPairs);
    // The entries that DecodeScancodeMap walks, null ones included.
    static DWORD GetEntryCount(const BYTE* pData, DWORD cbData);
    // Entry i (from 0) of a value that holds at least i + 1 entries.
    static CRemapPair GetEntry(const BYTE* pData, DWORD i);
    // The count as the header states it, true or not.
    static DWORD GetClaimedCount(const BYTE* pData);

    // Whether cbData bytes hold what their header claims: the header itself,
    // and the count's entries (the terminator is never needed).
    static BOOL HoldsItsCount(const BYTE* pData, DWORD cbData);

    // Writes the pairs up to the first null one and the terminator, with
    // count = pairs written + 1. Returns the length, 16 + 4 per pair, or 0 when
    // more than MAX_MAPPINGS pairs come (the image would overflow).
    static DWORD EncodeScancodeMap(const std::vector<CRemapPair>& pairs, BYTE (&image)[IMAGE_SIZE]);
    // The same into a value of that length; FALSE, and *pValue empty, for too many pairs.
    static BOOL EncodeScancodeMap(const std::vector<CRemapPair>& pairs, std::vector<BYTE>* pValue);
};
