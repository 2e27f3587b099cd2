// The remap list while it is edited, with the registry key it comes from and
// goes back to (CScancodeMapValue says where). The key is opened once and
// kept open until the store is destroyed.
#pragma once

#include <vector>

#include "model/registry_key.h"
#include "model/remap_pair.h"
#include "model/scancode_map_value.h"
#include "model/word_hash_map.h"

class CScancodeMapStore : public CRegistryKey
{
public:
    explicit CScancodeMapStore(IRegistry& registry);

    BOOL Open() override;
    // Replaces the list with the value's mappings; FALSE (list empty) when no
    // key is open or the value is missing, refused or longer than 4096 bytes.
    virtual BOOL Read();
    // Writes the list in the map's iteration order; on failure shows
    // "Cannot Write!" and returns FALSE. More than 1020 mappings are refused.
    virtual BOOL Write();
    // Deletes the value: ERROR_SUCCESS, ERROR_FILE_NOT_FOUND when it is not
    // there, ERROR_INVALID_HANDLE when the key cannot be opened, else the
    // registry's code. Nothing is shown.
    virtual LONG Delete();
    // The bytes Write would write, without writing; FALSE for more than 1020 mappings.
    BOOL GetValue(std::vector<BYTE>* pValue);

    // Whether the registry's value differs from what the last Read found, in
    // its bytes or in being there at all: another program wrote it since.
    // FALSE when nothing was read yet or no key is open.
    BOOL HasChangedSinceRead();

    CScancodeMapValue::EReadOutcome GetReadOutcome() const { return m_readOutcome; }
    // The length of the value the last Read found, in bytes (0 when none).
    DWORD GetReadLength() const { return m_cbRead; }

    // The list in the map's iteration order, the order Write writes (a walk
    // of its own: the cursor stays where it is).
    std::vector<CRemapPair> GetPairs() const;
    // Replaces the list with the pairs, taken in order as SetAt takes them.
    void SetPairs(const std::vector<CRemapPair>& pairs);
    void RemoveAll();
    // The null pair cannot be held: it would end every walk over the list.
    void SetAt(WORD wPhysical, WORD wProduced);
    BOOL RemoveKey(WORD wPhysical);
    int GetCount() const { return m_map.GetCount(); }

    // One walk at a time. A removal ends a walk under way (puts the cursor at the end).
    void GetStartPosition();
    // The pair at the cursor, or the null pair once the walk is over.
    CRemapPair& GetNext(CRemapPair& pair);

private:
    CWordHashMap<CRemapPair> m_map; // physical scancode -> its pair
    CWordHashMap<CRemapPair>::Position m_pos;
    // The value's reader and writer on this key; it keeps what the last
    // Read found, to tell another program's change.
    CScancodeMapValue m_value;
    CScancodeMapValue::EReadOutcome m_readOutcome;
    DWORD m_cbRead;
};
