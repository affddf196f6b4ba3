#pragma once

#include "MainWindowAccess.h"

#include <QList>

/// The main window as feature code sees it, for tests: it records the tab lock and answers
/// with the tab and restart state a test sets. It registers itself while it lives.
class FakeMainWindow : public MainWindowAccess
{
public:
    FakeMainWindow() { registerInstance(this); }
    ~FakeMainWindow() override
    {
        if (instance() == this)
            registerInstance(nullptr);
    }

    int currentTabIndex() const override { return tabIndex; }
    void enableTabs(bool enable) override
    {
        tabsEnabled = enable;
        calls.append(enable);
    }
    bool deviceRestarting() const override { return restarting; }
    void setDeviceRestarting(bool value) override { restarting = value; }

    int tabIndex = 0;
    bool tabsEnabled = true;
    bool restarting = false;
    QList<bool> calls; ///< every enableTabs argument, in order
};
