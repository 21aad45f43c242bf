// A main dialog on the test's thread, talking to a simulated board served by
// a thread of the test process. Neither the protocol's pauses nor the link's
// time-outs are slept through: the pauses are scaled to nothing, and a read
// waits only until the simulator has answered what was written.
// The image object gets small synthetic images whose frame counts the tests
// choose.
#pragma once

#include "CTarrowindDlg.h"
#include "CBoardSimulator.h"
#include "FlasherTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

class FlasherDialogTest : public ::testing::Test
{
protected:
    // Word addresses of the synthetic images.
    enum : int { MasterBase = 0x3E8000, MasterKey = 0x3F5FFE, SlaveBase = 0x3E0000, SlaveKey = 0x3F6FFE };

    void SetUp() override;
    void TearDown() override;

    // nChunks full chunks below the key, the key region as one short chunk:
    // FrameTotal = nChunks + 3.
    static void MakeImage(CFlashImage::CpuImage& cpu, int nBase, int nKey, int nChunks, int nSeed);
    static void ClearImage(CFlashImage::CpuImage& cpu);
    // True when the simulated CPU's flash holds every block of the image's lists.
    bool FlashHoldsImage(SimCpu which, const CFlashImage::CpuImage& cpu);

    // Serves this thread's messages until done() or ms have passed.
    static bool PumpUntil(const std::function<bool()>& done, DWORD ms = 120000);
    void Click(int nId);
    // Clicks an update button and serves messages until the worker has ended.
    void RunUpdate(int nButton);

    std::vector<std::wstring> Rows() const;
    int CountRows(const std::wstring& text) const;
    std::vector<std::wstring> LogFileTexts() const; // the message part of each file line
    int CountLogLines(const std::wstring& text) const;

    std::vector<SimRecord> Frames(uint8_t command = 0) const;
    std::vector<SimRecord> BridgeCommands() const;
    // True once the simulator has taken a reset frame and then a 9600 bridge
    // command, the last two reports of every update sequence that erased.
    bool EndedWithResetAnd9600() const;

    bool CloseItemEnabled();

    CBoardSimulator* m_pSim = nullptr;
    int m_nBoard = 0;
    CTarrowindDlg* m_pDlg = nullptr;
    std::wstring m_dir;
    // What the worker put into the percentage text and the progress bar.
    std::vector<std::wstring> m_percentTexts;
    std::vector<int> m_barPositions;
    std::vector<COLORREF> m_barBackgrounds;
};
