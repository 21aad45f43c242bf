// CDocTemplate: what makes the documents of one kind: the document, frame
// and view classes and the resources of one id (the strings that describe
// the kind, and for MDI programs a shared menu and accelerator table).
// CMultiDocTemplate keeps any number of documents, each in MDI child frames.
#pragma once

#include "window/CCmdTarget.h"

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocTemplate)
protected:
    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass);

public:
    ~CDocTemplate() override;

    // The parts of the template's string resource, separated by newlines.
    enum DocStringIndex
    {
        windowTitle,
        docName,         // the base of new documents' names
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName, // the registered name of the file type
    };
    virtual BOOL GetDocString(CString& rString, enum DocStringIndex index) const;
    // Loads the resources; the application does it when the template is added.
    virtual void LoadTemplate();

    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);
    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;

    virtual CDocument* CreateNewDocument();
    // A frame with its view for pDoc (its class and resources from this template).
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;
    // A new document (lpszPathName null) or the document of a file, read by
    // the document's OnOpenDocument; null when either fails.
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;

    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;
};

class CMultiDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                      CRuntimeClass* pViewClass);
    ~CMultiDocTemplate() override;

    void LoadTemplate() override;
    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;
    POSITION GetFirstDocPosition() const override;
    CDocument* GetNextDoc(POSITION& rPos) const override;
    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    void SetDefaultTitle(CDocument* pDocument) override;

    // Shared by the frames of this template's documents; the menu the MDI
    // frame shows while one of them is active.
    HMENU m_hMenuShared;
    HACCEL m_hAccelTable;

protected:
    CPtrList m_docList;
    UINT m_nUntitledCount;
};
