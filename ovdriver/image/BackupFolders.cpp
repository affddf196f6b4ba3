#include "BackupFolders.h"

#include "SafePathComponent.h"
#include "SimEnvironment.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

const QFileDevice::Permissions kPrivateFolder = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
    | QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
const QFileDevice::Permissions kPrivateFile
    = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser;

} // namespace

QString BackupFolders::markerName()
{
    return QStringLiteral(".ovdriver-backup");
}

bool BackupFolders::createPrivate(const QString& folder)
{
    const QString root = SimEnvironment::backupRoot();
    if (!QDir().mkpath(root) || !QFile::setPermissions(root, kPrivateFolder))
        return false;
    // Created empty and closed at once, before anything is written into it.
    return QDir().mkpath(folder) && QFile::setPermissions(folder, kPrivateFolder);
}

void BackupFolders::makePrivate(const QString& folder)
{
    QFile::setPermissions(folder, kPrivateFolder);
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isSymLink())
            continue;
        QFile::setPermissions(path, info.isDir() ? kPrivateFolder : kPrivateFile);
    }
}

bool BackupFolders::makeFilePrivate(const QString& file)
{
    return QFile::setPermissions(file, kPrivateFile);
}

bool BackupFolders::writeMarker(const QString& folder)
{
    QFile marker(folder + '/' + markerName());
    if (!marker.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    marker.write("A backup made by the device library; removed when the program ends.\n");
    marker.close();
    return marker.setPermissions(kPrivateFile);
}

bool BackupFolders::isLibraryBackup(const QString& folder)
{
    const QFileInfo marker(folder + '/' + markerName());
    return IsPathBelow(folder, SimEnvironment::backupRoot()) && marker.isFile() && !marker.isSymLink();
}

bool BackupFolders::remove(const QString& folder)
{
    return isLibraryBackup(folder) && SimEnvironment::removeTree(folder);
}

int BackupFolders::removeAll()
{
    const QDir root(SimEnvironment::backupRoot());
    int removed = 0;
    const QFileInfoList entries = root.entryInfoList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (!entry.isSymLink() && remove(entry.absoluteFilePath()))
            ++removed;
    }
    return removed;
}
