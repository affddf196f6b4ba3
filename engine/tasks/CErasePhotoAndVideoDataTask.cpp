#include "CErasePhotoAndVideoDataTask.h"

#include "CCtrlErasePhotoAndVideoDataCallback.h"
#include "EraseProcessBuilder.h"

CErasePhotoAndVideoDataTask::CErasePhotoAndVideoDataTask(int mode, const QList<quint32>& items, VoidResultFunc result)
    : CTask(BuildEraseProcess<IPhotoVideoCategory>(
        FromPrivateData(&IPrivateDataInterface::GetPhotosAndVideos), EraseRule::SelectedAlways, mode, items, nullptr,
        &IPhotoVideoCategory::CreateEraseSelected,
        [result] { return new CCtrlErasePhotoAndVideoDataCallback(result); }))
{ }
