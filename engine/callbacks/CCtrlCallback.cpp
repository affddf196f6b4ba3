#include "CCtrlCallback.h"

#include "CController.h"

bool CCtrlCallback::IsStopRequested(JobKind jobKind)
{
    return CController::GetInstance()->TestAndClearStopRequest(jobKind);
}
