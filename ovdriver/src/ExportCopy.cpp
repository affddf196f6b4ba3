#include "ExportCopy.h"

#include "SparseFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A folder holding this many copies of one name is not a folder to fill further.
constexpr int kMaxSameName = 100000;

} // namespace

QString ExportCopy::copyVerified(const QString& source, const QString& folder, const QString& fileName, bool checksum,
                                 QString* error)
{
    const QString target = claimName(folder, fileName, error);
    if (target.isEmpty())
        return {};
    QString why;
    bool ok = SparseFile::copyOnto(source, target, &why);
    if (ok && QFileInfo(target).size() != QFileInfo(source).size()) {
        why = QString("the copy %1 has %2 bytes, not %3")
                  .arg(target)
                  .arg(QFileInfo(target).size())
                  .arg(QFileInfo(source).size());
        ok = false;
    }
    if (ok && checksum && sha256(target) != sha256(source)) {
        why = QString("the copy %1 differs from %2").arg(target, source);
        ok = false;
    }
    if (!ok) {
        QFile::remove(target);
        if (error)
            *error = why;
        return {};
    }
    return target;
}

QString ExportCopy::claimName(const QString& folder, const QString& fileName, QString* error)
{
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = "cannot create " + folder;
        return {};
    }
    const QFileInfo name(fileName);
    const QString base = name.completeBaseName();
    const QString suffix = name.suffix().isEmpty() ? QString() : '.' + name.suffix();
    for (int n = 1; n <= kMaxSameName; ++n) {
        const QString candidate
            = folder + '/' + (n == 1 ? fileName : QString("%1 (%2)%3").arg(base).arg(n).arg(suffix));
        QFile file(candidate);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return candidate;
        if (!file.exists()) {
            if (error)
                *error = QString("cannot write %1: %2").arg(candidate, file.errorString());
            return {};
        }
    }
    if (error)
        *error = QString("too many copies named %1 in %2").arg(fileName, folder);
    return {};
}

QByteArray ExportCopy::sha256(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result();
}
