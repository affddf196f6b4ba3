#include "COneKeyClearTask.h"

#include "CCtrlOneKeyClearCallback.h"
#include "CGlobalData.h"
#include "OneKeyConversions.h"
#include "TaskSupport.h"

#include <memory>
#include <mutex>
#include <vector>

namespace {
/// The library form of the chosen records of `list` (all of them when `everything`), taken
/// out of the list when `remove`. The list is read under the store's one-key lock; the
/// library is never called while it is held.
template<class Record, class Convert>
auto CollectChosen(QVector<Record>& list, bool everything, bool remove, Convert convert)
{
    using Item = decltype(convert(list.at(0)));
    auto items = std::make_shared<std::vector<Item>>();
    std::lock_guard<std::mutex> lock(CGlobalData::GetInstance()->OneKeyLock());
    for (int i = 0; i < list.size();) {
        if (everything || list.at(i).m_bChecked) {
            items->push_back(convert(list.at(i)));
            if (remove) {
                list.remove(i);
                continue;
            }
        }
        ++i;
    }
    return items;
}

/// Hands the items to the next job of `category`; they stay alive with the operation.
template<class Item> void AddItems(IOneKeyCategory& category, const std::vector<Item>& items)
{
    for (const Item& item : items)
        category.AddItem(&item);
}

/// Export, or export and delete, of the chosen photos or large files.
template<class Record, class Convert>
IDeviceOperation* ExportOrDelete(IOneKeyCategory* category, QVector<Record>& list, bool deleting, Convert convert,
                                 CCallBack* callback, std::shared_ptr<const void>& kept)
{
    if (!category)
        return nullptr;
    auto items = CollectChosen(list, false, deleting, convert);
    kept = items;
    if (items->empty())
        return nullptr;
    AddItems(*category, *items);
    return deleting ? category->CreateProcess(callback) : category->CreateExport(callback);
}
} // namespace

COneKeyClearTask::COneKeyClearTask(int type, IntIntPointerResultFunc result, const OvAppDescriptor* app)
{
    IPrivacyCleanDevice* device = FirstDevice();
    if (!device)
        return;
    auto* callback = new CCtrlOneKeyClearCallback(result, type);
    CGlobalData* store = CGlobalData::GetInstance();
    IDeviceOperation* operation = nullptr;
    std::shared_ptr<const void> kept;

    const bool deleting = type & OV_ONEKEY_DELETE;
    switch (type) {
    case OV_ONEKEY_TEMP_FILES:
    case OV_ONEKEY_USER_STORAGE:
    case OV_ONEKEY_PHOTO_CACHES:
    case OV_ONEKEY_DOWNLOAD_TEMP:
    case OV_ONEKEY_CRASH_LOGS:
    case OV_ONEKEY_ITUNES_CACHES: {
        {
            std::unique_lock<std::mutex> lock(store->OneKeyLock());
            store->OneKeyFileList(type)->clear();
        }
        if (IOneKeyCategory* files = OvOneKeyCategoryOf(device, type))
            operation = files->CreateClean(callback);
        break;
    }
    case OV_ONEKEY_APPS: {
        IOneKeyAppCategory* apps = nullptr;
        device->GetOneKeyApps(&apps);
        if (apps && app) {
            auto descriptor = std::make_shared<OvAppDescriptor>(*app);
            operation = apps->CreateUninstall(callback, descriptor.get());
            kept = descriptor;
        }
        break;
    }
    case OV_ONEKEY_COMPRESS_PHOTOS:
        if (IOneKeyCategory* photos = OvOneKeyCategoryOf(device, OV_ONEKEY_COMPRESS_PHOTOS)) {
            auto items = CollectChosen(store->m_obLCompressPhotos, true, false, ToOvOneKeyFileItem);
            AddItems(*photos, *items);
            operation = photos->CreateProcess(callback);
            kept = items;
        }
        break;
    case OV_ONEKEY_PHOTOS | OV_ONEKEY_EXPORT:
    case OV_ONEKEY_PHOTOS | OV_ONEKEY_DELETE:
        operation = ExportOrDelete(OvOneKeyCategoryOf(device, OV_ONEKEY_PHOTOS), store->m_obLPhotos, deleting,
                                   ToOvOneKeyMediaItem, callback, kept);
        break;
    case OV_ONEKEY_LARGE_FILES | OV_ONEKEY_EXPORT:
    case OV_ONEKEY_LARGE_FILES | OV_ONEKEY_DELETE:
        operation = ExportOrDelete(OvOneKeyCategoryOf(device, OV_ONEKEY_LARGE_FILES), store->m_obLLargeFiles, deleting,
                                   ToOvOneKeyFileItem, callback, kept);
        break;
    default:
        break;
    }
    m_pProcess = MakeOperationProcess(operation, callback, std::move(kept));
}
