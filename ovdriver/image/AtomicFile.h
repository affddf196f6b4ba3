#pragma once

#include <QByteArray>
#include <QString>

/// Replaces a file in one step: readers see the old content or the new one, never a part.
/// Each write goes through a temporary file of its own, so two writers (the library and
/// ovsim) never share one.
class AtomicFile
{
public:
    enum class Sync {
        Durable, ///< on the disk before the file is replaced: a crash leaves old or new
        Fast,    ///< for files made in bulk (a new image's photos), where a crash loses the image anyway
    };
    static bool write(const QString& path, const QByteArray& data, QString* error = nullptr, Sync sync = Sync::Durable);
};
