#include "view/win32/velloric_view.h"

#include <map>

#include "model/key_table.h"
#include "model/velloric_doc.h"

CVelloricView::CVelloricView(IKeyboardServices& keyboard)
    : CFormView(Is106Layout(keyboard) ? CKeyTable::FORM_106 : CKeyTable::FORM_101),
      m_keyboard(keyboard), m_b106Layout(Is106Layout(keyboard))
{
}

void CVelloricView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    ResizeParentToFit();
}

void CVelloricView::GetRemappedKeys(std::vector<CRemappedKey>* pKeys)
{
    std::map<WORD, WORD> produced;
    if (CVelloricDoc* pDoc = dynamic_cast<CVelloricDoc*>(GetDocument()))
    {
        CRemapPair pair;
        pDoc->GetStartPosition();
        while (!pDoc->GetNextPair(pair).IsNull())
            produced[pair.wPhysical] = pair.wProduced;
    }
    pKeys->clear();
    const CKeyTableEntry* pEntries = CKeyTable::GetEntries();
    for (int i = 0; i < CKeyTable::GetCount(m_b106Layout); ++i)
    {
        CRemappedKey key;
        key.wScancode = ScancodeFromTableCode(pEntries[i].wTableCode);
        key.wTableCode = pEntries[i].wTableCode;
        auto it = produced.find(key.wScancode);
        key.wProduced = it == produced.end() ? 0 : it->second;
        pKeys->push_back(key);
    }
}
