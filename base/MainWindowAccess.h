#pragma once

/// What feature code needs of the main window, without knowing the window: the current
/// tab, the tab lock, the device-restarting flag and the security level. The main window
/// implements it and registers itself when it is built; tests register a fake.
class MainWindowAccess
{
public:
    virtual ~MainWindowAccess() = default;

    /// Index of the selected feature tab (0 to 4).
    virtual int currentTabIndex() const = 0;
    /// true enables every tab; false disables every tab but the selected one, which stays
    /// selected (used while device work runs).
    virtual void enableTabs(bool enable) = 0;
    /// Set while an erase flow lets the device restart: connect and disconnect
    /// notifications then go to the restart handling instead of resetting the window.
    virtual bool deviceRestarting() const = 0;
    virtual void setDeviceRestarting(bool restarting) = 0;

    static void registerInstance(MainWindowAccess* window);
    /// The registered window, or null when none is (a feature used on its own).
    static MainWindowAccess* instance();

    /// The process-wide security level: 0 High (two fill passes), 1 Medium (one, the level
    /// at every start), 2 Low (none).
    static int securityLevel();
    static void setSecurityLevel(int level);
};
