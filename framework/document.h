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

    virtual void Serialize() {}
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(const char* pszPathName);
    virtual BOOL CanCloseFrame();
    virtual BOOL SaveModified() { return !m_bModified || OnSaveModifiedQuery(); }

    void SetTitle(const std::string& strTitle) { m_strTitle = strTitle; }
    const std::string& GetTitle() const { return m_strTitle; }
    void SetPathName(const std::string& strPath) { m_strPathName = strPath; }
    const std::string& GetPathName() const { return m_strPathName; }
    BOOL IsModified() const { return m_bModified; }

    void AddView(IDocumentView* pView);
    void RemoveView(IDocumentView* pView);
    IDocumentView* GetFirstView() const { return m_views.empty() ? nullptr : m_views.front(); }
    void UpdateAllViews(IDocumentView* pSender, long lHint = 0);

protected:
    // The program never sets the modified flag, so this is never asked.
    virtual BOOL OnSaveModifiedQuery() { return TRUE; }

private:
    std::string m_strTitle;
    std::string m_strPathName;
    BOOL m_bModified = FALSE;
    std::vector<IDocumentView*> m_views;
};
