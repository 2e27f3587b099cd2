#include "tests/support/doc_fixture.h"

#include <map>
#include <utility>

#include "model/key_table.h"
#include "tests/support/process_flags.h"

CFakeRemapView::CFakeRemapView(CVelloricDoc& doc) : m_doc(doc)
{
    m_doc.AddView(this);
}

CFakeRemapView::~CFakeRemapView()
{
    m_doc.RemoveView(this);
}

void CFakeRemapView::GetRemappedKeys(std::vector<CRemappedKey>* pKeys)
{
    std::map<WORD, WORD> produced;
    CRemapPair pair;
    m_doc.GetStartPosition();
    while (!m_doc.GetNextPair(pair).IsNull())
        produced[pair.wPhysical] = pair.wProduced;
    const CKeyTableEntry* pEntries = CKeyTable::GetEntries();
    for (int i = 0; i < CKeyTable::GetCount(FALSE); ++i)
    {
        WORD wScancode = ScancodeFromTableCode(pEntries[i].wTableCode);
        auto it = produced.find(wScancode);
        pKeys->push_back(CRemappedKey{wScancode, pEntries[i].wTableCode,
                                      it == produced.end() ? (WORD)0 : it->second});
    }
}

void CFakeHost::OnFileNew()
{
    m_calls.push_back("OnFileNew");
    m_pDoc->OnNewDocument();
    m_pDoc->UpdateAllViews(nullptr, 0);
}

void CFakeHost::OnAppExit()
{
    m_calls.push_back("OnAppExit");
    m_closeResults.push_back(m_pDoc->CanCloseFrame());
}

void CFakeHost::SetSaveOnExit(BOOL bSaveOnExit)
{
    m_calls.push_back(bSaveOnExit ? "SetSaveOnExit(TRUE)" : "SetSaveOnExit(FALSE)");
    m_bSaveOnExit = bSaveOnExit;
}

CDocFixture::CDocFixture()
{
    ResetProcessFlags();
    FillJapaneseStrings(&strings);
    host.m_pDoc = &doc;
}

void CDocFixture::PutRegistryList(const PairList& pairs)
{
    registry.Put(LAYOUT_KEY, VALUE, REG_BINARY, ScancodeMapBytes(pairs));
}

PairList CDocFixture::List()
{
    PairList pairs;
    CRemapPair pair;
    doc.GetStartPosition();
    while (!doc.GetNextPair(pair).IsNull())
        pairs.push_back(std::make_pair(pair.wPhysical, pair.wProduced));
    return pairs;
}

int CDocFixture::RegistryCalls(const std::string& strPrefix)
{
    int n = 0;
    for (const std::string& strLine : registry.m_log)
        if (strLine.compare(0, strPrefix.size(), strPrefix) == 0)
            ++n;
    return n;
}

std::vector<BYTE> CDocFixture::RegistryBytes()
{
    return registry.Get(LAYOUT_KEY, VALUE).bytes;
}
