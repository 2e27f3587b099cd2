#include "model/scancode_map_store.h"

#include "framework/afx_message_box.h"
#include "model/scancode_map_codec.h"

namespace
{
class CStoreSink : public IRemapPairSink
{
public:
    explicit CStoreSink(CScancodeMapStore& store) : m_store(store) {}
    void Add(const CRemapPair& pair) override { m_store.SetAt(pair.wPhysical, pair.wProduced); }

private:
    CScancodeMapStore& m_store;
};

class CStoreSource : public IRemapPairSource
{
public:
    explicit CStoreSource(CScancodeMapStore& store) : m_store(store) { m_store.GetStartPosition(); }
    void GetNext(CRemapPair& pair) override { m_store.GetNext(pair); }

private:
    CScancodeMapStore& m_store;
};
} // namespace

const char* const CScancodeMapStore::s_pszKeyPath =
    "SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout";
const char* const CScancodeMapStore::s_pszValueName = "Scancode Map";

CScancodeMapStore::CScancodeMapStore(IRegistry& registry)
    : CRegistryKey(registry), m_pos(NULL), m_readOutcome(READ_NOTHING), m_cbRead(0),
      m_bSnapshot(FALSE), m_lSnapshotResult(ERROR_SUCCESS), m_cbSnapshot(0)
{
}

BOOL CScancodeMapStore::Open()
{
    if (m_hKey != NULL)
        return TRUE;
    return Create(HKEY_LOCAL_MACHINE, s_pszKeyPath);
}

BOOL CScancodeMapStore::Read()
{
    RemoveAll();
    m_readOutcome = READ_NOTHING;
    m_cbRead = 0;
    BYTE image[CScancodeMapCodec::IMAGE_SIZE];
    DWORD cbReturned = 0;
    LONG lResult = ERROR_SUCCESS;
    BOOL bRead = QueryValue(s_pszValueName, image, sizeof image, &cbReturned, &lResult) != 0;
    // What was found, to tell at save whether another program wrote since.
    m_bSnapshot = m_hKey != NULL;
    m_lSnapshotResult = lResult;
    m_cbSnapshot = bRead ? cbReturned : 0;
    m_snapshot.assign(image, image + m_cbSnapshot);
    if (lResult == ERROR_MORE_DATA)
        m_lSnapshotResult = QueryWholeValue(m_registry, m_hKey, s_pszValueName, SNAPSHOT_MAX,
                                            &m_snapshot, &m_cbSnapshot);
    if (!bRead)
    {
        // A real table has at most about 510 distinct pairs, far below the
        // image: a longer value holds repeats or is not a table at all.
        if (lResult == ERROR_MORE_DATA)
        {
            m_readOutcome = READ_TOO_LONG;
            m_cbRead = cbReturned;
        }
        return FALSE;
    }
    m_cbRead = cbReturned;
    m_readOutcome = OutcomeOf(image, cbReturned);
    CStoreSink sink(*this);
    CScancodeMapCodec::DecodeScancodeMap(image, cbReturned, sink);
    return TRUE;
}

BOOL CScancodeMapStore::HasChangedSinceRead()
{
    if (!m_bSnapshot || m_hKey == NULL)
        return FALSE;
    std::vector<BYTE> now;
    DWORD cbNow = 0;
    LONG lResult = QueryWholeValue(m_registry, m_hKey, s_pszValueName, SNAPSHOT_MAX, &now, &cbNow);
    return lResult != m_lSnapshotResult || cbNow != m_cbSnapshot || now != m_snapshot;
}

CScancodeMapStore::EReadOutcome CScancodeMapStore::OutcomeOf(const BYTE* pData, DWORD cbValue)
{
    if (cbValue > (DWORD)CScancodeMapCodec::IMAGE_SIZE)
        return READ_TOO_LONG;
    if (!CScancodeMapCodec::HoldsItsCount(pData, cbValue))
        return READ_CUT_SHORT;
    // A count of 1 or less still leaves room for the terminator.
    DWORD dwCount = CScancodeMapCodec::GetClaimedCount(pData);
    DWORD nEntries = dwCount >= 2 && dwCount <= 0x7FFFFFFFu ? dwCount : 1;
    DWORD cbTable = CScancodeMapCodec::HEADER_SIZE + nEntries * CScancodeMapCodec::ENTRY_SIZE;
    return cbValue > cbTable ? READ_EXTRA_BYTES : READ_WHOLE;
}

BOOL CScancodeMapStore::GetValue(std::vector<BYTE>* pValue)
{
    CStoreSource source(*this);
    return CScancodeMapCodec::EncodeScancodeMap(source, pValue);
}

BOOL CScancodeMapStore::Write()
{
    std::vector<BYTE> value;
    // A list too long for the image is refused before anything is written.
    if (!GetValue(&value) || SetValue(s_pszValueName, value.data(), (DWORD)value.size()) != ERROR_SUCCESS)
    {
        AfxMessageBox("Cannot Write!", MB_OK);
        return FALSE;
    }
    return TRUE;
}

BOOL CScancodeMapStore::Delete()
{
    return DeleteValue(s_pszValueName) == 0;
}

void CScancodeMapStore::RemoveAll()
{
    m_pos = NULL; // the entries it could point at are gone
    m_map.RemoveAll();
}

void CScancodeMapStore::SetAt(WORD wPhysical, WORD wProduced)
{
    CRemapPair pair(wPhysical, wProduced);
    if (pair.IsNull())
        return;
    m_map.SetAt(wPhysical, pair);
}

BOOL CScancodeMapStore::RemoveKey(WORD wPhysical)
{
    if (!m_map.RemoveKey(wPhysical))
        return FALSE;
    m_pos = NULL; // the cursor may have stood on the entry that went
    return TRUE;
}

void CScancodeMapStore::GetStartPosition()
{
    m_pos = m_map.GetStartPosition();
}

CRemapPair& CScancodeMapStore::GetNext(CRemapPair& pair)
{
    if (m_pos == NULL)
    {
        pair = CRemapPair();
        return pair;
    }
    WORD wKey = 0;
    m_map.GetNextAssoc(m_pos, wKey, pair);
    return pair;
}
