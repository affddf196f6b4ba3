#pragma once

#include "CProcessLoadTask.h"
#include "ovdriver.h"

/// A loader of the category that `Getter` of the private-data interface gives; the loader
/// reads it through its own interface type.
template<class CategoryType, int (IPrivateDataInterface::*Getter)(CategoryType**)>
class CProcessLoadCategoryTask : public CProcessLoadTask
{
protected:
    using CProcessLoadTask::CProcessLoadTask;

    virtual void Read(CategoryType& category, CGlobalData& store) = 0;

    IPrivacyCategory* FindCategory(IPrivateDataInterface& privateData) final
    {
        CategoryType* category = nullptr;
        (privateData.*Getter)(&category);
        return category;
    }
    void ReadItems(IPrivacyCategory& category, CGlobalData& store) final
    {
        Read(static_cast<CategoryType&>(category), store);
    }
};
