#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Loads the photos and videos from the device's backup into the store (CProcessLoadPhotoAndVideoTask).
class CLoadPhotoAndVideoDataTask : public CTask
{
public:
    explicit CLoadPhotoAndVideoDataTask(VoidResultFunc result);
};
