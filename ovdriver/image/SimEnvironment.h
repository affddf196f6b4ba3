#pragma once

#include <QString>

/// Where the simulated devices, their backups and their exports live, and how fast they
/// work. Every value comes from an environment variable with a per-user default, so that
/// tests keep everything inside their own temporary folders.
class SimEnvironment
{
public:
    /// OVDRIVER_SIM_ROOT, or empty when unset.
    static QString configuredRoot();
    /// The per-user data folder of the simulator (demo device, default backups).
    static QString userDataFolder();
    /// The folder whose sub-folders are device images: OVDRIVER_SIM_ROOT or the demo folder.
    static QString deviceRoot();
    /// OVDRIVER_BACKUP_DIR, or "<user data>/backups". Each device backs up to "<root>/<unique id>".
    static QString backupRoot();
    /// The unique id becomes one safe path component, so the folder is always below the root.
    static QString backupFolder(const QString& uniqueId);
    /// OVDRIVER_EXPORT_DIR, or empty when unset.
    static QString exportRoot();
    /// Removes `folder` with everything in it, but only when it lies below the backup root,
    /// the export root or `imageFolder` (a device's own folder); false otherwise.
    static bool removeTree(const QString& folder, const QString& imageFolder = QString());
    /// The device key: the absolute image folder, or "<OVDRIVER_EXPORT_DIR>/<unique id>" when set.
    static QString deviceKey(const QString& imageFolder, const QString& uniqueId);
    /// OVDRIVER_SIM_DELAY_MS: the pause of each progress step (default 40).
    static int stepDelayMs();
    /// OVDRIVER_SIM_RESTART_MS: how long a device is away while it restarts (default 4000).
    static int restartMs();

private:
    static int intVariable(const char* name, int fallback);
};
