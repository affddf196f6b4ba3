#pragma once

#include "CProcessTask.h"
#include "CancelFlags.h"
#include "ResultFunctions.h"

#include <memory>

class CGlobalData;
class IPrivacyCategory;
class IPrivateDataInterface;

/// The common run of the record loaders: empty the category's lists, have the library read
/// the category from the backup, convert its items into records and announce them.
/// A cancelled load stops taking items and announces nothing; what it stored stays.
class CProcessLoadTask : public CProcessTask
{
public:
    ~CProcessLoadTask() override;
    void Run() override;

protected:
    /// A loader that names numbers wants the contacts first: it loads them itself unless
    /// they are loaded since the last backup.
    explicit CProcessLoadTask(VoidResultFunc result, bool contactsFirst = false);

    virtual void ClearLists(CGlobalData& store) = 0;
    /// The category's interface from its getter, or null.
    virtual IPrivacyCategory* FindCategory(IPrivateDataInterface& privateData) = 0;
    /// Converts the category's items into records of `store`.
    virtual void ReadItems(IPrivacyCategory& category, CGlobalData& store) = 0;

    /// How many records to make room for at once: the library's count, within reason, so
    /// that a wrong count cannot exhaust memory before a single item is read.
    static int ReserveHint(int count) { return count < 0 ? 0 : count > (1 << 20) ? (1 << 20) : count; }

    /// Calls `use` with every non-null item `get(i)` for i below `count`, until loading is
    /// cancelled.
    template<class Get, class Use> static void ForEachItem(int count, Get get, Use use)
    {
        for (int i = 0; i < count && !loadCancel; ++i) {
            if (const auto* item = get(i))
                use(*item);
        }
    }

private:
    /// False when loading was cancelled before the contacts were complete.
    bool LoadContactsFirst();

    VoidResultFunc m_pResult;
    // The contacts' loader, for a loader that names numbers.
    std::unique_ptr<CProcessLoadTask> m_pContacts;
};
