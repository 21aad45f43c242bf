// The texts the data sender reports, and where each goes: a row of the log
// list, a line of the log file, or both (the row first). A null text means
// "not written there". Some pairs differ on purpose: existing log readers
// look for the file texts as they have always been written.
#pragma once

struct SenderMessage {
    const wchar_t* list;
    const wchar_t* file;
};

namespace SenderMsg {

constexpr SenderMessage OpenUsbSuccess{L"Open USB Success", L"Open USB Success"};
constexpr SenderMessage OpenUsbFail{L"Open USB Fail", L"Open USB Fail"};
constexpr SenderMessage StopTest{L"Stop Test!!!!!!!!", L"Stop Test!!!!!!!!"};

// The send worker.
constexpr SenderMessage WorkerStart{L"Start Halvick", L"Start Halvick"};
constexpr SenderMessage FileTooShort{L"Open File Fail!", nullptr};
constexpr SenderMessage ReadTooShort{L"Read File Fail!", nullptr};
constexpr SenderMessage FileException{L"打开文件失败", L"打开文件失败"};
constexpr SenderMessage AttemptStart{L"开始检测USB...", L"开始检测USB..."};
constexpr SenderMessage HeadFail{L"DataHead Fail", L"DataHead Fail"};
constexpr SenderMessage HeadSuccess{L"DataHead Send Success", L"DataHead Send Success"};
constexpr SenderMessage DataSuccess{L"Send Data Success!", L"Send Data Success!"};
constexpr SenderMessage DataFail{L"Send Data Fail!", L"Send Data Fail!"};
constexpr SenderMessage LastFullSuccess{L"Send The Last Data Success!", L"Send The Last Data Success!"};
constexpr SenderMessage LastShortSuccess{L"Send The Last Data Success", L"Send The Last Data Sucesss"};
constexpr SenderMessage LastFail{L"Send The Last Data Fail", L"Send The Last Data Fail"};
constexpr SenderMessage Complete{L"Send Data Complete!", L"Send Data Complete!"};

// One packet (CHalvickDlg::SendPacket).
constexpr SenderMessage WriteFail{L"Error:Send Data Fail", L"Error:Send Data Fail"};
constexpr SenderMessage EndWrite{nullptr, L"End Write"};
constexpr SenderMessage BeginRead{nullptr, L"Begin Read"};
constexpr SenderMessage ReadFail{nullptr, L"Error:Recv Data Fail"};
constexpr SenderMessage EndRead{nullptr, L"End Read"};
constexpr SenderMessage NoAck{L"Error:Recv Data Error1", L"Error:Recv Data Error1"};

// File line after the last packet failed and after completion: R, then the
// count of acknowledged data packets.
constexpr const wchar_t* CountFormat = L"Num:%d TotalCount:%d";

}  // namespace SenderMsg

// Send button captions.
constexpr const wchar_t* SendCaption = L"发送";
constexpr const wchar_t* SendCaptionAfterStop = L"发送数据";
