#pragma once

#include "CProcessLoadCategoryTask.h"

/// Loads the contact list (the messages and call-log loaders run it first, to name numbers).
class CProcessLoadAddressBookTask
    : public CProcessLoadCategoryTask<IWholeEraseCategory, &IPrivateDataInterface::GetContacts>
{
public:
    explicit CProcessLoadAddressBookTask(VoidResultFunc result);

protected:
    void ClearLists(CGlobalData& store) override;
    void Read(IWholeEraseCategory& category, CGlobalData& store) override;
};
