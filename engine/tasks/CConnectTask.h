#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

class CCtrlDevConnCallback;

/// Connects to the first device; its callback reports 3 (ready), 2 (not trusted) or 4.
class CConnectTask : public CTask
{
public:
    explicit CConnectTask(IntPointerResultFunc result);

private:
    CCtrlDevConnCallback* m_pCallback = nullptr; // owned by the process
};
