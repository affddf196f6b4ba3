#include "SimEnvironment.h"

#include "SafePathComponent.h"

#include <QDir>
#include <QStandardPaths>

QString SimEnvironment::configuredRoot()
{
    const QString root = qEnvironmentVariable("OVDRIVER_SIM_ROOT");
    return root.isEmpty() ? QString() : QDir(root).absolutePath();
}

QString SimEnvironment::userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/VelmoraDravoFree/ovdriver";
}

QString SimEnvironment::deviceRoot()
{
    const QString root = configuredRoot();
    return root.isEmpty() ? userDataFolder() + "/devices" : root;
}

QString SimEnvironment::backupRoot()
{
    const QString root = qEnvironmentVariable("OVDRIVER_BACKUP_DIR");
    return root.isEmpty() ? userDataFolder() + "/backups" : QDir(root).absolutePath();
}

QString SimEnvironment::backupFolder(const QString& uniqueId)
{
    // A unique id is whatever the device says it is: "../victim" must not leave the root.
    return backupRoot() + '/' + SafePathComponent(uniqueId);
}

QString SimEnvironment::exportRoot()
{
    const QString exports = qEnvironmentVariable("OVDRIVER_EXPORT_DIR");
    return exports.isEmpty() ? QString() : QDir(exports).absolutePath();
}

bool SimEnvironment::removeTree(const QString& folder, const QString& imageFolder)
{
    const QStringList roots = { backupRoot(), exportRoot(), imageFolder };
    for (const QString& root : roots) {
        if (IsPathBelow(folder, root))
            return QDir(folder).removeRecursively();
    }
    return false;
}

QString SimEnvironment::deviceKey(const QString& imageFolder, const QString& uniqueId)
{
    const QString exports = exportRoot();
    if (exports.isEmpty())
        return QDir(imageFolder).absolutePath();
    return exports + '/' + SafePathComponent(uniqueId);
}

int SimEnvironment::stepDelayMs()
{
    return intVariable("OVDRIVER_SIM_DELAY_MS", 40);
}

int SimEnvironment::restartMs()
{
    return intVariable("OVDRIVER_SIM_RESTART_MS", 4000);
}

int SimEnvironment::intVariable(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value >= 0 ? value : fallback;
}
