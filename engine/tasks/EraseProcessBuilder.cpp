#include "EraseProcessBuilder.h"

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
