// Joins the one document, the main frame and the view: the first new document
// creates all three, later ones reuse them.
#pragma once

#include <functional>
#include <memory>

#include "framework/document.h"
#include "framework/win32/frame_wnd.h"

class CSingleDocTemplate
{
public:
    typedef std::function<CDocument*()> DocFactory;
    typedef std::function<CFrameWnd*()> FrameFactory;

    CSingleDocTemplate(UINT nIDResource, DocFactory docFactory, FrameFactory frameFactory,
                       CFrameWnd::ViewFactory viewFactory);
    ~CSingleDocTemplate();

    // Documents have no file form: every one is a new document.
    CDocument* OpenNewDocument();
    CDocument* GetDocument() const { return m_pDocument.get(); }

private:
    // The window, the frame and the application's pointer to it go
    // together: nothing may point at a frame that is gone.
    void DestroyFrame();

    UINT m_nIDResource;
    DocFactory m_docFactory;
    FrameFactory m_frameFactory;
    CFrameWnd::ViewFactory m_viewFactory;
    std::unique_ptr<CDocument> m_pDocument;
    std::unique_ptr<CFrameWnd> m_pFrame;
};
