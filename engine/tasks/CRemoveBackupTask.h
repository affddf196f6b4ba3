#pragma once

#include "CTask.h"

/// Removes the first device's backup copy from the computer, once the tasks posted before it
/// (the erase and the restore that read the copy) have ended. Empty without a device.
class CRemoveBackupTask : public CTask
{
public:
    CRemoveBackupTask();
};
