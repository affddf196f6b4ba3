#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Scans one one-key category (an OvOneKeyCode other than export and delete) into
/// its list of the store.
class COneKeyScanTask : public CTask
{
public:
    COneKeyScanTask(int type, IntIntResultFunc result);
};
