// File selection: the Select File button and the browse-and-load step of each CPU.
#include "CTarrowindDlg.h"
#include "QMUpdateBothDlg.h"

void CTarrowindDlg::OnBnClickedSelectFile()
{
    QMUpdateBothDlg dlg;
    dlg.m_pMainDlg = this;
    if (dlg.DoModal() != IDOK)
        return;
    UpdateButtonStates();
    CString strText;
    if (m_bMasterFileValid)
    {
        strText.Format(L"%s is selected for master", (LPCWSTR)g_pFlashImage->Master.OutPath);
        AddLog(strText, LogInfo);
    }
    if (m_bSlaveFileValid)
    {
        strText.Format(L"%s is selected for salve", (LPCWSTR)g_pFlashImage->Slave.OutPath);
        AddLog(strText, LogInfo);
    }
}

void CTarrowindDlg::SelectMasterFile() { SelectFile(s_Master); }
void CTarrowindDlg::SelectSlaveFile() { SelectFile(s_Slave); }

void CTarrowindDlg::SelectFile(const CpuTraits& cpu)
{
    WCHAR szCurrentDir[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, szCurrentDir);

    CFileDialog dlg(TRUE, L"*.out", L"*.out", OFN_CREATEPROMPT, L"FirmWare Files (*.out)|*.out|", this);
    // Both CPUs start browsing in the master file's folder.
    const CString& strMasterOut = g_pFlashImage->Master.OutPath;
    CString strInitialDir = strMasterOut.IsEmpty() ? CString(L"C:") : strMasterOut.Left(strMasterOut.ReverseFind(L'\\'));
    dlg.m_ofn.lpstrInitialDir = strInitialDir;
    if (dlg.DoModal() != IDOK)
        return;

    g_strLastChosenFile = dlg.GetPathName();
    CFlashImage::CpuImage& image = Image(cpu);
    DeleteFileW(image.M00Path);
    SetCurrentDirectoryW(szCurrentDir);

    CString strPath(g_strLastChosenFile);
    bool& bValid = cpu.bSlave ? m_bSlaveFileValid : m_bMasterFileValid;
    int nLoaded = cpu.bSlave ? g_pFlashImage->LoadSlaveImage(strPath) : g_pFlashImage->LoadMasterImage(strPath);
    bValid = nLoaded != 0;

    // A refused image has been explained once: by a message box during the
    // load, or by its reason here. Only a loaded image can lack the key.
    if (nLoaded == 0)
    {
        if (!image.Refusal.IsEmpty())
            Report(image.Refusal, LogError, true);
    }
    else if (image.KeyAddress == 0)
    {
        LPCWSTR pszNoKey = L"Can't find the key , Please re-select the flash file!";
        Report(pszNoKey, LogError, !cpu.bSlave);
    }
}
