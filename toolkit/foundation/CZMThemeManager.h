// Styles of a control kind that can be switched at run time for every
// control of that kind at once, or set for one control alone.
#pragma once

#include "Framework.h"

class CZMThemeManagerStyle;
class CZMThemeManagerStyleHost;

// Creates the style object of its control kind for a theme number, owns the
// current style and knows every control that uses it.
class CZMThemeManagerStyleFactory : public CObject
{
    DECLARE_DYNCREATE(CZMThemeManagerStyleFactory)
public:
    CZMThemeManagerStyleFactory();
    virtual ~CZMThemeManagerStyleFactory();

    virtual CZMThemeManagerStyle* CreateTheme(int nTheme);
    virtual void RefreshMetrics();

    void SetStyle(CZMThemeManagerStyle* pStyle);
    CZMThemeManagerStyle* GetStyle() const { return m_pStyle; }

    void AddHost(CZMThemeManagerStyleHost* pHost);
    void RemoveHost(CZMThemeManagerStyleHost* pHost);

protected:
    CZMThemeManagerStyle* m_pStyle;
    CZMThemeManagerStyleHost* m_pFirstHost;

public:
    CZMThemeManagerStyleFactory* m_pNextFactory;
};

class CZMThemeManager
{
public:
    CZMThemeManager();
    ~CZMThemeManager();

    CZMThemeManagerStyleFactory* GetFactory(CRuntimeClass* pFactoryClass);
    int GetCurrentTheme() const { return m_nCurrentTheme; }

    void LinkFactory(CZMThemeManagerStyleFactory* pFactory);
    void UnlinkFactory(CZMThemeManagerStyleFactory* pFactory);

protected:
    CMapPtrToPtr m_mapFactories;
    int m_nCurrentTheme;
    CZMThemeManagerStyleFactory* m_pFirstFactory;
};

CZMThemeManager* GetThemeManager();

// The mix-in of a themed control: bound to the shared factory of its kind,
// or to a private factory holding a style for this control alone.
class CZMThemeManagerStyleHost
{
public:
    explicit CZMThemeManagerStyleHost(CRuntimeClass* pFactoryClass = nullptr);
    virtual ~CZMThemeManagerStyleHost();

    virtual CZMThemeManagerStyleFactory* CreateFactory();
    virtual void OnThemeChanged() {}

    void SetFactoryClass(CRuntimeClass* pFactoryClass);
    CZMThemeManagerStyleFactory* GetFactory() const;
    void SetTheme(CZMThemeManagerStyle* pStyle);

protected:
    bool m_bOwnsPrivateFactory;
    CRuntimeClass* m_pFactoryClass;
    CZMThemeManagerStyleFactory* m_pPrivateFactory;
    CZMThemeManagerStyleFactory* m_pSharedFactory;

public:
    CZMThemeManagerStyleHost* m_pNextHost;
};

class CZMThemeManagerStyle
{
public:
    CZMThemeManagerStyle();
    virtual ~CZMThemeManagerStyle();

    virtual void RefreshMetrics() {}
    virtual BOOL CaptureParentBackground(CWnd* pControl);
    virtual BOOL PaintCapturedBackground(CDC* pDC, CWnd* pControl);

    CZMThemeManagerStyleFactory* m_pFactory;
    int m_nTheme;

protected:
    CBitmap m_bmpCaptured;
};
