#pragma once

#include "ItemTable.h"

#include <ovdriver.h>

#include <QSet>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class DeviceImage;
class SimDevice;

/// What every private-data category does alike: load from the backup copy, and erase from it
/// with exactly one notification at the end (18 with the number erased, or 17 with a code).
///
/// A whole-category erase removes the category's deleted records (what the device still
/// holds of data the user deleted); existing records are removed only by a selected-items
/// erase, so that erasing deleted files never touches what the user kept.
class CategoryCore
{
public:
    CategoryCore(SimDevice& device, const QString& name);

    SimDevice& device() { return m_device; }
    const QString& name() const { return m_name; }

    /// Runs `rebuild` with the backup copy, or with null when there is none.
    IDeviceOperation* createLoad(std::function<void(const DeviceImage* copy)> rebuild);
    /// An erase of the copy; `erase` returns how many items it removed.
    IDeviceOperation* createErase(CCallBack* callback, const QString& what, std::function<int(DeviceImage&)> erase);

    /// An erase of the listed items of `table`. The handles are resolved when the job runs,
    /// under the same lock as a load, so a load can never rebuild the table while they are
    /// looked up; handles of an earlier load name nothing by then.
    template<class Item>
    IDeviceOperation* createEraseItems(const ItemTable<Item>& table, const OvItemList& list, CCallBack* callback,
                                       const QString& what, std::function<int(DeviceImage&, const QSet<qint64>&)> erase)
    {
        std::vector<std::uint32_t> handles;
        if (!copyHandles(list, handles))
            return createRefused(callback, what, "the item list has no handles");
        const ItemTable<Item>* source = &table;
        return createErase(callback, what, [this, source, handles, what, erase](DeviceImage& copy) {
            int unknown = 0;
            const QSet<qint64> ids = source->resolve(handles, &unknown);
            if (unknown > 0)
                logUnknown(what, unknown);
            return erase(copy, ids);
        });
    }

    /// An erase that only reports 17 with -2 (a bad argument) and logs `why`.
    IDeviceOperation* createRefused(CCallBack* callback, const QString& what, const QString& why);

    /// Lowers the app's data size by its fragments in the copy; a restore brings it to the device.
    static void clearFragments(DeviceImage& copy, const QString& bundleId);

private:
    static bool copyHandles(const OvItemList& list, std::vector<std::uint32_t>& handles);
    void logUnknown(const QString& what, int unknown);

    SimDevice& m_device;
    QString m_name;
};
