#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString applicationDirectory()
{
    const QString overridden = qEnvironmentVariable("DRAVO_APP_DIR");
    if (!overridden.isEmpty())
        return QDir(overridden).absolutePath();
    return QCoreApplication::applicationDirPath();
}

namespace {

// Points `link` at `target`, replacing a link left by an older installation. A real file of
// the user's at that name is kept: it was written by the program and is the user's data.
bool linkTo(const QString& target, const QString& link)
{
    const QFileInfo existing(link);
    if (existing.isSymLink()) {
        if (existing.symLinkTarget() == target)
            return true;
        QFile::remove(link);
    } else if (existing.exists()) {
        return true;
    }
    return QFile::link(target, link);
}

// Every entry of `from` appears in `to`; folders the program writes into become real
// folders whose entries link back, so a write never reaches the installed files.
bool mirror(const QDir& from, const QString& to, const QStringList& writableFolders)
{
    if (!QDir().mkpath(to))
        return false;
    const QFileInfoList entries = from.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString link = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() && writableFolders.contains(entry.fileName())) {
            if (!mirror(QDir(entry.absoluteFilePath()), link, {}))
                return false;
        } else if (!linkTo(entry.absoluteFilePath(), link)) {
            return false;
        }
    }
    return true;
}

} // namespace

QString useWritableApplicationDirectory(const QString& programFolder, const QString& userFolder)
{
    if (!qEnvironmentVariableIsEmpty("DRAVO_APP_DIR"))
        return applicationDirectory();
    if (QFileInfo(programFolder).isWritable())
        return programFolder;
    // "language" holds the chosen language beside the installed catalogues; "log" and
    // "temp" are written to by the program and the device library.
    if (userFolder.isEmpty() || !mirror(QDir(programFolder), userFolder, { QStringLiteral("language") }))
        return {};
    const QString folder = QDir(userFolder).absolutePath();
    qputenv("DRAVO_APP_DIR", QFile::encodeName(folder));
    // The log and crash files are written to the working directory.
    QDir::setCurrent(folder);
    return folder;
}
