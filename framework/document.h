// The document half of document/view: title, path, views to update, and the
// close check. Portable: the views it knows are only IDocumentView.
#pragma once

#include <string>
#include <vector>

#include "framework/cmd_target.h"

class IDocumentView
{
public:
    virtual ~IDocumentView() {}
    virtual void OnUpdate(IDocumentView* pSender, long lHint) = 0;
};

class CDocument : public CCmdTarget
{
public:
    ~CDocument() override {}

    virtual BOOL OnNewDocument();
    // Nothing to save first: the documents are never marked modified.
    virtual BOOL CanCloseFrame() { return TRUE; }

    void SetTitle(const std::string& strTitle) { m_strTitle = strTitle; }
    const std::string& GetTitle() const { return m_strTitle; }
    void SetPathName(const std::string& strPath) { m_strPathName = strPath; }
    const std::string& GetPathName() const { return m_strPathName; }

    void AddView(IDocumentView* pView);
    void RemoveView(IDocumentView* pView);
    IDocumentView* GetFirstView() const { return m_views.empty() ? nullptr : m_views.front(); }
    void UpdateAllViews(IDocumentView* pSender, long lHint = 0);

private:
    std::string m_strTitle;
    std::string m_strPathName;
    std::vector<IDocumentView*> m_views;
};
