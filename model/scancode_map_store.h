// The remap list while it is edited, with the registry key it comes from and
// goes back to: HKLM "SYSTEM\CurrentControlSet\Control\Keyboard Layout",
// value "Scancode Map". The key is opened once and kept open until the store
// is destroyed.
#pragma once

#include <vector>

#include "model/registry_key.h"
#include "model/remap_pair.h"
#include "model/word_hash_map.h"

class CScancodeMapStore : public CRegistryKey
{
public:
    static const char* const s_pszKeyPath;   // under HKEY_LOCAL_MACHINE
    static const char* const s_pszValueName; // "Scancode Map"

    // What the last Read found. A value that is there but not read in full
    // is worth telling the user: saving would replace it.
    enum EReadOutcome
    {
        READ_NOTHING,  // no key open, no value, or the value refused
        READ_WHOLE,    // every entry the value claims was read
        READ_TOO_LONG, // longer than the 4096-byte image: nothing read
        READ_CUT_SHORT, // its header or count does not fit its bytes: what fits was read
        READ_EXTRA_BYTES // bytes past the end its count gives: the table was read, they were not
    };

    enum
    {
        SNAPSHOT_MAX = 1024 * 1024 // the longest value kept to compare
    };

    explicit CScancodeMapStore(IRegistry& registry);

    BOOL Open() override;
    // Replaces the list with the value's mappings; FALSE (list empty) when no
    // key is open or the value is missing, refused or longer than 4096 bytes.
    virtual BOOL Read();
    // Writes the list in the map's iteration order; on failure shows
    // "Cannot Write!" and returns FALSE. More than 1020 mappings are refused.
    virtual BOOL Write();
    // Deletes the value; FALSE, silently, when it is missing or the key cannot be opened.
    virtual BOOL Delete();
    // The bytes Write would write, without writing; FALSE for more than 1020 mappings.
    BOOL GetValue(std::vector<BYTE>* pValue);

    // Whether the registry's value differs from what the last Read found, in
    // its bytes or in being there at all: another program wrote it since.
    // FALSE when nothing was read yet or no key is open.
    BOOL HasChangedSinceRead();

    // How a value of cbValue bytes reads: too long past the image, cut short
    // when it lacks what its header claims, extra bytes when it holds more
    // than its count's entries and terminator, else whole.
    static EReadOutcome OutcomeOf(const BYTE* pData, DWORD cbValue);

    EReadOutcome GetReadOutcome() const { return m_readOutcome; }
    // The length of the value the last Read found, in bytes (0 when none).
    DWORD GetReadLength() const { return m_cbRead; }

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
    EReadOutcome m_readOutcome;
    DWORD m_cbRead;
    // The value as the last Read found it, to tell another program's change.
    BOOL m_bSnapshot;
    LONG m_lSnapshotResult;
    DWORD m_cbSnapshot;
    std::vector<BYTE> m_snapshot;
};
