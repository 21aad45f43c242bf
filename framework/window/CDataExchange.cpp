#include "window/CDataExchange.h"
#include "window/CWnd.h"
#include "window/CWinApp.h"
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cwchar>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_idLastControl(0), m_bEditLastControl(FALSE)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (hWndCtrl == nullptr)
        AfxThrowNotSupportedException();   // the template has no such control
    m_idLastControl = (UINT)nIDC;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (!m_bSaveAndValidate)
        AfxThrowUserException();
    HWND hWndLast = ::GetDlgItem(m_pDlgWnd->m_hWnd, (int)m_idLastControl);
    if (hWndLast != nullptr)
    {
        ::SetFocus(hWndLast);
        if (m_bEditLastControl)
            ::SendMessageW(hWndLast, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr)
        return;   // bound already (the first exchange binds, later ones keep it)
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException();
}

static CString ControlText(HWND hWndCtrl)
{
    CString text;
    int nLen = ::GetWindowTextLengthW(hWndCtrl);
    int nGot = ::GetWindowTextW(hWndCtrl, text.GetBufferSetLength(nLen), nLen + 1);
    text.ReleaseBuffer(nGot);
    return text;
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hWndCtrl);
    else
        ::SetWindowTextW(hWndCtrl, value);
}

// Whole-text parses: leading and trailing blanks are allowed, nothing else.
static bool ParseSigned(const CString& text, long long lo, long long hi, long long& out)
{
    const wchar_t* s = text;
    wchar_t* end = nullptr;
    errno = 0;
    long long v = wcstoll(s, &end, 10);
    if (end == s || errno == ERANGE)
        return false;
    while (*end == L' ' || *end == L'\t')
        ++end;
    if (*end != 0 || v < lo || v > hi)
        return false;
    out = v;
    return true;
}

static bool ParseUnsigned(const CString& text, unsigned long long hi, unsigned long long& out)
{
    const wchar_t* s = text;
    while (*s == L' ' || *s == L'\t')
        ++s;
    if (*s == L'-')
        return false;
    wchar_t* end = nullptr;
    errno = 0;
    unsigned long long v = wcstoull(s, &end, 10);
    if (end == s || errno == ERANGE)
        return false;
    while (*end == L' ' || *end == L'\t')
        ++end;
    if (*end != 0 || v > hi)
        return false;
    out = v;
    return true;
}

static bool ParseDouble(const CString& text, double& out)
{
    const wchar_t* s = text;
    wchar_t* end = nullptr;
    errno = 0;
    double v = wcstod(s, &end);
    if (end == s || errno == ERANGE)
        return false;
    while (*end == L' ' || *end == L'\t')
        ++end;
    if (*end != 0)
        return false;
    out = v;
    return true;
}

template <class T>
static void TextSigned(CDataExchange* pDX, int nIDC, T& value, long long lo, long long hi)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        long long v = 0;
        if (!ParseSigned(ControlText(hWndCtrl), lo, hi, v))
        {
            AfxMessageBox(L"Please enter an integer.", MB_ICONEXCLAMATION);
            pDX->Fail();
        }
        value = (T)v;
    }
    else
    {
        CString text;
        text.Format(L"%lld", (long long)value);
        ::SetWindowTextW(hWndCtrl, text);
    }
}

template <class T>
static void TextUnsigned(CDataExchange* pDX, int nIDC, T& value, unsigned long long hi)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        unsigned long long v = 0;
        if (!ParseUnsigned(ControlText(hWndCtrl), hi, v))
        {
            AfxMessageBox(L"Please enter a positive integer.", MB_ICONEXCLAMATION);
            pDX->Fail();
        }
        value = (T)v;
    }
    else
    {
        CString text;
        text.Format(L"%llu", (unsigned long long)value);
        ::SetWindowTextW(hWndCtrl, text);
    }
}

template <class T>
static void TextFloat(CDataExchange* pDX, int nIDC, T& value, int nDigits)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        double v = 0;
        if (!ParseDouble(ControlText(hWndCtrl), v))
        {
            AfxMessageBox(L"Please enter a number.", MB_ICONEXCLAMATION);
            pDX->Fail();
        }
        value = (T)v;
    }
    else
    {
        CString text;
        text.Format(L"%.*g", nDigits, (double)value);
        ::SetWindowTextW(hWndCtrl, text);
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value) { TextSigned(pDX, nIDC, value, INT_MIN, INT_MAX); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value) { TextSigned(pDX, nIDC, value, LONG_MIN, LONG_MAX); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) { TextUnsigned(pDX, nIDC, value, UINT_MAX); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value) { TextUnsigned(pDX, nIDC, value, ULONG_MAX); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value) { TextFloat(pDX, nIDC, value, 15); }

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0);
    else
    {
        if (value < 0 || value > 2)
            value = 0;   // not a check state: show it unchecked
        ::SendMessageW(hWndCtrl, BM_SETCHECK, (WPARAM)value, 0);
    }
}
