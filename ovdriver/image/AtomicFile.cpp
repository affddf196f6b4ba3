#include "AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

bool AtomicFile::write(const QString& path, const QByteArray& data, QString* error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString temporary = path + ".writing";
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.flush()) {
        if (error)
            *error = QString("cannot write %1: %2").arg(temporary, file.errorString());
        file.close();
        QFile::remove(temporary);
        return false;
    }
    file.close();
#if defined(_WIN32)
    QFile::remove(path); // rename does not replace on Windows
#endif
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0) {
        if (error)
            *error = QString("cannot replace %1").arg(path);
        QFile::remove(temporary);
        return false;
    }
    return true;
}
