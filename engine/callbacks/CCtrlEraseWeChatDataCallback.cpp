#include "CCtrlEraseWeChatDataCallback.h"

std::atomic<int> CCtrlEraseWeChatDataCallback::s_nCountdown { 0 };

CCtrlEraseWeChatDataCallback::CCtrlEraseWeChatDataCallback(VoidResultFunc result)
    : CCtrlEraseDataCallback("CCtrlEraseWeChatDataCallback", result)
{ }

bool CCtrlEraseWeChatDataCallback::IsReported()
{
    return --s_nCountdown <= 0;
}
