#include "CCtrlEraseAllCallback.h"

#include "CancelFlags.h"

CCtrlEraseAllCallback::CCtrlEraseAllCallback(IntIntResultFunc result, int mode)
    : m_pResult(result)
    , m_nMode(mode)
{ }

int CCtrlEraseAllCallback::OnStateChange(int notifyType, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
                                         void*)
{
    if (callbackCancel)
        return -1;
    m_pResult(m_nMode, notifyType);
    return 0;
}
