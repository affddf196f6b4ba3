#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Scans one one-key category (type 2, 8, 16, 32, 64, 128, 256, 512, 1024 or 2048) into
/// its list of the store.
class COneKeyScanTask : public CTask
{
public:
    COneKeyScanTask(int type, IntIntResultFunc result);
};
