// The remap list in an order of its own: the order a file or the registry's
// value gave the mappings, new ones last. The store keeps its list in hash
// order, which is what the program writes; a list that is read from a file
// and written back must keep the file's order instead, so that a value saved
// to a file and restored comes back byte for byte.
#pragma once

#include <vector>

#include "model/remap_pair.h"

class CRemapList
{
public:
    // A physical key already held keeps its place and takes the new produced
    // code, as the store does; a new one goes last. The null pair is not held.
    // TRUE when the list changed.
    BOOL SetAt(WORD wPhysical, WORD wProduced);
    BOOL RemoveKey(WORD wPhysical);
    // FALSE when the key is not remapped.
    BOOL Lookup(WORD wPhysical, WORD* pwProduced) const;
    void RemoveAll() { m_pairs.clear(); }
    int GetCount() const { return (int)m_pairs.size(); }
    const std::vector<CRemapPair>& GetPairs() const { return m_pairs; }
    // Replaces the list with the pairs, taken in order as SetAt takes them.
    void SetPairs(const std::vector<CRemapPair>& pairs);

    // Replaces the list with a value's entries, in the value's order, as
    // CScancodeMapCodec::DecodeScancodeMap reads them. Returns the count held.
    int Decode(const BYTE* pData, DWORD cbData);
    // The value that holds the list: 16 + 4 bytes per mapping. FALSE (and
    // *pValue empty) for more than CScancodeMapCodec::MAX_MAPPINGS mappings.
    BOOL Encode(std::vector<BYTE>* pValue) const;

private:
    std::vector<CRemapPair> m_pairs;
};
