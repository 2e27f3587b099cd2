#include "framework/win32/single_doc_template.h"

#include "framework/afx_message_box.h"
#include "framework/win32/win_app.h"

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, DocFactory docFactory,
                                       FrameFactory frameFactory,
                                       CFrameWnd::ViewFactory viewFactory)
    : m_nIDResource(nIDResource), m_docFactory(docFactory), m_frameFactory(frameFactory),
      m_viewFactory(viewFactory)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    // The view leaves the document when it goes, so the frame goes first.
    DestroyFrame();
    m_pDocument.reset();
}

void CSingleDocTemplate::DestroyFrame()
{
    if (m_pFrame && m_pFrame->m_hWnd != NULL)
        ::DestroyWindow(m_pFrame->m_hWnd);
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == m_pFrame.get())
        pApp->m_pMainWnd = nullptr;
    m_pFrame.reset();
}

CDocument* CSingleDocTemplate::OpenNewDocument()
{
    BOOL bCreated = FALSE;
    if (!m_pDocument)
    {
        m_pDocument.reset(m_docFactory());
        bCreated = TRUE;
    }
    if (!m_pFrame || m_pFrame->m_hWnd == NULL)
    {
        m_pFrame.reset(m_pDocument ? m_frameFactory() : nullptr);
        if (!m_pFrame || !m_pFrame->LoadFrame(m_nIDResource, m_viewFactory, m_pDocument.get()))
        {
            // Nothing on screen would tell the user why the program went away.
            AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC, MB_OK);
            m_pFrame.reset();
            if (bCreated)
                m_pDocument.reset();
            return nullptr;
        }
        CWinApp* pApp = AfxGetApp();
        if (pApp != nullptr && pApp->m_pMainWnd == nullptr)
            pApp->m_pMainWnd = m_pFrame.get();
    }
    if (!m_pDocument->OnNewDocument())
    {
        if (bCreated)
        {
            DestroyFrame();
            m_pDocument.reset();
        }
        return nullptr;
    }
    m_pFrame->InitialUpdateFrame(TRUE);
    return m_pDocument.get();
}
