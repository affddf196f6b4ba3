#pragma once

#include "CCtrlEraseDataCallback.h"

#include <atomic>

/// Reports the end of a WeChat erase (CTaskCallback::signalEraseWeChatData). One erase runs
/// per account, so only the notification that brings the countdown to 0 is reported.
class CCtrlEraseWeChatDataCallback : public CCtrlEraseDataCallback
{
public:
    explicit CCtrlEraseWeChatDataCallback(VoidResultFunc result);

    /// Set by the WeChat post operation to the number of account erases it queues.
    static void SetCountdown(int count) { s_nCountdown = count; }
    static int Countdown() { return s_nCountdown; }

protected:
    bool IsReported() override;
    /// The accounts still queued will not run, so nothing is left to count.
    void ReportCancelled() override { s_nCountdown = 0; }

private:
    static std::atomic<int> s_nCountdown;
};
