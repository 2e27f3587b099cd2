#include "tests/support/doc_fixture.h"

#include <map>
#include <utility>

#include "model/key_table.h"
#include "tests/support/process_flags.h"

CFakeDocView::CFakeDocView(CVelloricDoc& doc) : m_doc(doc)
{
    m_doc.AddView(this);
}

CFakeDocView::~CFakeDocView()
{
    m_doc.RemoveView(this);
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
