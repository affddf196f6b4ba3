#include "COneKeyClearTask.h"

#include "CCtrlOneKeyClearCallback.h"
#include "CGlobalData.h"
#include "OneKeyConversions.h"
#include "TaskSupport.h"

#include <memory>
#include <mutex>
#include <vector>

namespace {
constexpr int kExport = 0x1000;
constexpr int kDelete = 0x2000;

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

/// Export (0x1000) or export and delete (0x2000) of the chosen photos or large files.
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

    const bool deleting = type & kDelete;
    switch (type) {
    case 2:
    case 32:
    case 64:
    case 128:
    case 256:
    case 512: {
        {
            std::unique_lock<std::mutex> lock(store->OneKeyLock());
            store->OneKeyFileList(type)->clear();
        }
        if (IOneKeyCategory* files = OvOneKeyCategoryOf(device, type))
            operation = files->CreateClean(callback);
        break;
    }
    case 16: {
        IOneKeyAppCategory* apps = nullptr;
        device->GetOneKeyApps(&apps);
        if (apps && app) {
            auto descriptor = std::make_shared<OvAppDescriptor>(*app);
            operation = apps->CreateUninstall(callback, descriptor.get());
            kept = descriptor;
        }
        break;
    }
    case 2048:
        if (IOneKeyCategory* photos = OvOneKeyCategoryOf(device, 2048)) {
            auto items = CollectChosen(store->m_obLCompressPhotos, true, false, ToOvOneKeyFileItem);
            AddItems(*photos, *items);
            operation = photos->CreateProcess(callback);
            kept = items;
        }
        break;
    case 1024 | kExport:
    case 1024 | kDelete:
        operation = ExportOrDelete(OvOneKeyCategoryOf(device, 1024), store->m_obLPhotos, deleting, ToOvOneKeyMediaItem,
                                   callback, kept);
        break;
    case 8 | kExport:
    case 8 | kDelete:
        operation = ExportOrDelete(OvOneKeyCategoryOf(device, 8), store->m_obLLargeFiles, deleting, ToOvOneKeyFileItem,
                                   callback, kept);
        break;
    default:
        break;
    }
    m_pProcess = MakeOperationProcess(operation, callback, std::move(kept));
}
