#pragma once

#include "CProcessLoadCategoryTask.h"

/// Loads the photos and videos, newest first.
class CProcessLoadPhotoAndVideoTask
    : public CProcessLoadCategoryTask<IPhotoVideoCategory, &IPrivateDataInterface::GetPhotosAndVideos>
{
public:
    explicit CProcessLoadPhotoAndVideoTask(VoidResultFunc result);

protected:
    void ClearLists(CGlobalData& store) override;
    void Read(IPhotoVideoCategory& category, CGlobalData& store) override;
};
