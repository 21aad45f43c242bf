// CDocument: the data a program shows in one or more views. It knows its
// views and the template it was made from, takes the commands its views do
// not handle (then hands them to its template), and closes itself, frames
// and all, when its last view goes.
#pragma once

#include "window/CCmdTarget.h"

class CView;
class CDocTemplate;

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    // The frames of its views show the new title.
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // bAddToMRU: the application's recent-file list gets the path too.
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    BOOL IsModified() const { return m_bModified; }
    void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const;
    CView* GetNextView(POSITION& rPosition) const;
    // Every view except pSender learns of a change (CView::OnUpdate).
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);

    // A new, empty document: DeleteContents and not modified.
    virtual BOOL OnNewDocument();
    // Reads the document from a file. The base document has nothing to read
    // and fails; document classes that keep files override it.
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    // Destroys the frames of the views, empties the document and, with
    // m_bAutoDelete, deletes it.
    virtual void OnCloseDocument();
    // Empties the document's data.
    virtual void DeleteContents();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    BOOL m_bAutoDelete;   // deleted by OnCloseDocument (on when made by a template)

protected:
    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate;
    CPtrList m_viewList;
    BOOL m_bModified;

    friend class CDocTemplate;
    friend class CMultiDocTemplate;
};
