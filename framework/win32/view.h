// A view: the child window that shows the document, and a form view built
// from a dialog template.
#pragma once

#include <vector>

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
    // The frame moved to a monitor of another DPI: the view rescales itself.
    virtual void OnDpiChanged(UINT nDpi) {}
    CDocument* GetDocument() const { return m_pDocument; }

    CDocument* m_pDocument = nullptr;
};

// The dialog manager sizes a form through its dialog units once, when it
// makes it; at another DPI later the form scales its controls, its own size
// and its font itself, each from what it was when first rescaled, so that
// going there and back leaves every pixel where it was.
class CFormView : public CView
{
public:
    explicit CFormView(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}
    ~CFormView() override;
    BOOL Create(HWND hParent, UINT nID) override;
    UINT GetTemplateID() const { return m_nIDTemplate; }
    void OnDpiChanged(UINT nDpi) override;
    // The DPI the form is laid out for.
    UINT GetDpi() const { return m_nDpi; }
    // The form's own size at that DPI, which the frame fits around.
    SIZE GetFormSize() const { return m_sizeTemplate; }
    // The form's font at that DPI (WM_GETFONT keeps answering the font the
    // dialog was made with).
    HFONT GetFormFont() const;

protected:
    void ResizeParentToFit();

private:
    struct CChildPlace
    {
        HWND hWnd;
        RECT rc; // in the form, at m_nBaseDpi
    };

    void RememberBaseLayout();

    UINT m_nIDTemplate;
    SIZE m_sizeTemplate = {0, 0};
    UINT m_nDpi = 0;
    UINT m_nBaseDpi = 0; // none until the first change
    SIZE m_sizeBase = {0, 0};
    LOGFONTA m_lfBase = {};
    std::vector<CChildPlace> m_baseChildren;
    HFONT m_hFont = NULL; // ours once rescaled; the dialog manager's before
};
