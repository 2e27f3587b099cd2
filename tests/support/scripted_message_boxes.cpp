#include "tests/support/scripted_message_boxes.h"

BOOL CFakeStrings::Load(UINT nID, std::string* pstr)
{
    auto it = m_strings.find(nID);
    if (it == m_strings.end())
        return FALSE;
    *pstr = it->second;
    return TRUE;
}

CScriptedMessageBoxes::CScriptedMessageBoxes(IStringSource* pStrings)
    : m_pOldSink(AfxSetMessageBoxSink(this)), m_pOldStrings(nullptr), m_bStrings(pStrings != nullptr)
{
    if (m_bStrings)
        m_pOldStrings = AfxSetStringSource(pStrings);
}

CScriptedMessageBoxes::~CScriptedMessageBoxes()
{
    AfxSetMessageBoxSink(m_pOldSink);
    if (m_bStrings)
        AfxSetStringSource(m_pOldStrings);
}

void CScriptedMessageBoxes::Answer(std::initializer_list<int> answers)
{
    m_answers.insert(m_answers.end(), answers.begin(), answers.end());
}

int CScriptedMessageBoxes::Show(const char* pszText, const char* pszCaption, UINT nType)
{
    m_shown.push_back(Shown{pszText ? pszText : "", pszCaption ? pszCaption : "", nType});
    if (m_answers.empty())
        return m_nDefault;
    int nAnswer = m_answers.front();
    m_answers.pop_front();
    return nAnswer;
}
