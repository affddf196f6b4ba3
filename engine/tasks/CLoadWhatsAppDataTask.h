#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Loads the WhatsApp data from the device's backup into the store (CProcessLoadWhatsAppTask).
class CLoadWhatsAppDataTask : public CTask
{
public:
    explicit CLoadWhatsAppDataTask(VoidResultFunc result);
};
