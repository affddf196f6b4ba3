#pragma once

#include <QByteArray>
#include <QString>

/// Replaces a file in one step: readers see the old content or the new one, never a part.
/// Unlike QSaveFile it does not wait for the disk (a simulator's files need no fsync, and
/// tests write hundreds of them).
class AtomicFile
{
public:
    static bool write(const QString& path, const QByteArray& data, QString* error = nullptr);
};
