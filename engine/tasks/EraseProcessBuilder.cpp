#include "EraseProcessBuilder.h"

#include "CCtrlCallback.h"
#include "Log.h"

EraseChoice ChooseErase(EraseRule rule, int mode)
{
    switch (rule) {
    case EraseRule::SelectedWhenMode1:
        return mode == 1 ? EraseChoice::Selected : EraseChoice::Whole;
    case EraseRule::SelectedAlways:
        return EraseChoice::Selected;
    case EraseRule::ByChatMode:
        return mode == 0 ? EraseChoice::Whole : mode == 1 ? EraseChoice::Selected : EraseChoice::None;
    case EraseRule::WholeAlways:
        return EraseChoice::Whole;
    }
    return EraseChoice::None;
}

void LogEraseNotStarted(CCtrlCallback* callback)
{
    FileLog("erase not started: the device gave no erase for the category");
    callback->OnStateChange(OV_NOTIFY_JOB_FAILED, 0, 0, 0, 0, nullptr);
}
