#pragma once

#include "CDeferredProcessTask.h"
#include "TaskSupport.h"
#include "ovdriver.h"

#include <QList>

#include <cstdint>
#include <memory>
#include <vector>

// The erase tasks differ only in their category, its slots and how the mode picks one;
// this builds any of them.

/// How an erase task's mode picks the whole-category or the selected-items erase.
enum class EraseRule {
    SelectedWhenMode1, ///< mode 1 the selected items, any other mode the whole category
    SelectedAlways,    ///< the selected items whatever the mode (photos and videos)
    ByChatMode,        ///< mode 0 the whole category, mode 1 the selected items, else nothing
    WholeAlways,       ///< the whole category (contacts, calendar, bookmarks, voice memos)
};

enum class EraseChoice { None, Whole, Selected };

EraseChoice ChooseErase(EraseRule rule, int mode);

/// Reports the end of an erase the library gave no operation for, through its callback,
/// and notes in the log that nothing was erased.
void LogEraseNotStarted(CCtrlCallback* callback);

template<class Target> using WholeEraseSlot = IDeviceOperation* (Target::*)(CCallBack*);
template<class Target> using SelectedEraseSlot = IDeviceOperation* (Target::*)(OvItemList, CCallBack*);

/// A resolver of the category that `getter` of the private-data interface gives.
template<class Category> auto FromPrivateData(int (IPrivateDataInterface::*getter)(Category**))
{
    return [getter](IPrivateDataInterface* privateData) -> Category* {
        Category* category = nullptr;
        if (privateData)
            (privateData->*getter)(&category);
        return category;
    };
}

/// The process of an erase task, or null (an empty task) without a device. The library is
/// asked for the operation only when the task runs on the control thread (see
/// CDeferredProcessTask); with no device, target or operation by then the run erases nothing
/// and reports the end. `resolve` turns the device's private-data interface into the erase
/// target. The item handles are copied into one array
/// that lives as long as the operation.
template<class Target, class Resolve, class MakeCallback>
CProcessTask* BuildEraseProcess(Resolve resolve, EraseRule rule, int mode, const QList<quint32>& items,
                                WholeEraseSlot<Target> whole, SelectedEraseSlot<Target> selected,
                                MakeCallback makeCallback)
{
    if (!FirstDevice())
        return nullptr;
    auto handles = std::make_shared<const std::vector<std::uint32_t>>(items.begin(), items.end());
    return new CDeferredProcessTask([=]() -> CProcessTask* {
        IPrivacyCleanDevice* device = FirstDevice();
        CCtrlCallback* callback = makeCallback();
        Target* target = device ? resolve(PrivateDataInterface(device)) : nullptr;
        const OvItemList list { handles->data(), static_cast<std::uint32_t>(handles->size()) };
        IDeviceOperation* operation = nullptr;
        if (target) {
            switch (ChooseErase(rule, mode)) {
            case EraseChoice::Whole:
                operation = whole ? (target->*whole)(callback) : nullptr;
                break;
            case EraseChoice::Selected:
                operation = selected ? (target->*selected)(list, callback) : nullptr;
                break;
            case EraseChoice::None:
                break;
            }
        }
        if (!operation) {
            // Whoever waits for this erase must still hear of its end (the WeChat countdown
            // counts it too); the log says nothing was erased.
            LogEraseNotStarted(callback);
        }
        return MakeOperationProcess(operation, callback, handles);
    });
}
