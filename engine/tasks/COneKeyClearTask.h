#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

#include "ovdriver.h"

/// Cleans, compresses, exports or uninstalls, by OvOneKeyCode: the junk and temporary-file
/// codes clean their files; OV_ONEKEY_COMPRESS_PHOTOS compresses the candidate photos;
/// OV_ONEKEY_PHOTOS and OV_ONEKEY_LARGE_FILES combined with OV_ONEKEY_EXPORT export, with
/// OV_ONEKEY_DELETE export and delete, the chosen photos or large files; OV_ONEKEY_APPS
/// uninstalls the app of `app`. Any other type, or nothing to act on, leaves the task empty.
class COneKeyClearTask : public CTask
{
public:
    COneKeyClearTask(int type, IntIntPointerResultFunc result, const OvAppDescriptor* app = nullptr);
};
