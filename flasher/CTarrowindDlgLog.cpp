// The log list rows and the logging of device exchanges.
#include "CTarrowindDlg.h"

#include <vector>

void CTarrowindDlg::AddLog(CString strText, int nKind)
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    CString strTime;
    strTime.Format(L"%02d:%02d:%02d", st.wHour, st.wMinute, st.wSecond);

    int nRow = m_listLog.GetItemCount();
    if (nKind == LogInfo || nKind == LogError)
    {
        m_listLog.InsertItem(nRow, strTime);
        m_listLog.SetItemText(nRow, 1, strText);
        COLORREF crText = nKind == LogInfo ? RGB(0, 0, 255) : RGB(255, 0, 0);
        m_listLog.SetRowColor(nRow, crText, RGB(255, 255, 255), TRUE);
    }

    CHeaderCtrl* pHeader = m_listLog.GetHeaderCtrl();
    int nColumns = pHeader ? pHeader->GetItemCount() : 0;
    for (int i = 0; i < nColumns; ++i)
        m_listLog.SetColumnWidth(i, LVSCW_AUTOSIZE_USEHEADER);
    m_listLog.SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
}

int CTarrowindDlg::HexDump(const BYTE* pData, unsigned int nLength, char* pOut)
{
    if (pData == nullptr || pOut == nullptr)
        return 0;
    static const char digits[] = "0123456789abcdef";
    for (unsigned int i = 0; i < nLength; ++i)
    {
        pOut[2 * i] = digits[pData[i] >> 4];
        pOut[2 * i + 1] = digits[pData[i] & 0x0F];
    }
    pOut[2 * nLength] = 0;
    return (int)(2 * nLength);
}

void CTarrowindDlg::LogDump(LPCWSTR pszHeading, const BYTE* pData, unsigned int nLength)
{
    WriteLog(this, L"%s", pszHeading);
    std::vector<char> text(2 * (size_t)nLength + 1, 0);
    HexDump(pData, nLength, text.data());
    WriteLogA(this, text.data());
}

void CTarrowindDlg::WriteAndLog(const BYTE* pData, int nLength, LPCWSTR pszHeading)
{
    m_HidControl.Write(pData, nLength);
    LogDump(pszHeading, pData, (unsigned int)nLength);
}

void CTarrowindDlg::LogReceived(const BYTE* pData, unsigned int nLength, LPCWSTR pszHeading)
{
    LogDump(pszHeading, pData, nLength);
}

void CTarrowindDlg::Report(LPCWSTR pszText, int nKind, bool bToFile)
{
    AddLog(pszText, nKind);
    if (bToFile)
        WriteLog(this, L"%s", pszText);
}

void CTarrowindDlg::ReportFailure(LPCWSTR pszText, bool bToFile)
{
    if (g_pFlashImage->LastAttempt)
        Report(pszText, LogError, bToFile);
}
