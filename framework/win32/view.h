// A view: the child window that shows the document, and a form view built
// from a dialog template.
#pragma once

#include "framework/document.h"
#include "framework/win32/wnd.h"

class CView : public CWnd, public CCmdTarget, public IDocumentView
{
public:
    ~CView() override;
    virtual BOOL Create(HWND hParent, UINT nID) = 0;
    virtual void OnInitialUpdate() { OnUpdate(nullptr, 0); }
    void OnUpdate(IDocumentView* pSender, long lHint) override {}
    virtual BOOL PreTranslateMessage(MSG* pMsg) { return FALSE; }
    CDocument* GetDocument() const { return m_pDocument; }

    CDocument* m_pDocument = nullptr;
};

class CFormView : public CView
{
public:
    explicit CFormView(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}
    BOOL Create(HWND hParent, UINT nID) override;
    UINT GetTemplateID() const { return m_nIDTemplate; }

protected:
    void ResizeParentToFit();

private:
    static INT_PTR CALLBACK InitDialogProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    UINT m_nIDTemplate;
    SIZE m_sizeTemplate = {0, 0};
};
