#include "framework/document.h"

#include <algorithm>

BOOL CDocument::OnNewDocument()
{
    m_strPathName.clear();
    return TRUE;
}

void CDocument::AddView(IDocumentView* pView)
{
    if (std::find(m_views.begin(), m_views.end(), pView) == m_views.end())
        m_views.push_back(pView);
}

void CDocument::RemoveView(IDocumentView* pView)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), pView), m_views.end());
}

void CDocument::UpdateAllViews(IDocumentView* pSender, long lHint)
{
    for (IDocumentView* pView : m_views)
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint);
}
