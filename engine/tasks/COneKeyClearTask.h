#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

#include "ovdriver.h"

/// Cleans, compresses, exports or uninstalls, by type: the junk and temporary-file codes
/// clean their files; 2048 compresses the candidate photos; 1024 and 8 combined with 0x1000
/// export, with 0x2000 export and delete, the chosen photos or large files; 16 uninstalls
/// the app of `app`. Any other type, or nothing to act on, leaves the task empty.
class COneKeyClearTask : public CTask
{
public:
    COneKeyClearTask(int type, IntIntPointerResultFunc result, const OvAppDescriptor* app = nullptr);
};
