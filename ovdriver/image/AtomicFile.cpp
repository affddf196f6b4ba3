#include "AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cstdio>

bool AtomicFile::write(const QString& path, const QByteArray& data, QString* error, Sync sync)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (sync == Sync::Durable) {
        // QSaveFile writes a uniquely named temporary, syncs it and renames it over the target.
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
            if (error)
                *error = QString("cannot write %1: %2").arg(path, file.errorString());
            return false;
        }
        return true;
    }
    QTemporaryFile file(path + ".XXXXXX.writing");
    if (!file.open() || file.write(data) != data.size() || !file.flush()) {
        if (error)
            *error = QString("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    file.close();
#if defined(_WIN32)
    QFile::remove(path); // rename does not replace on Windows
#endif
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0) {
        if (error)
            *error = QString("cannot replace %1").arg(path);
        return false;
    }
    file.setAutoRemove(false);
    return true;
}
