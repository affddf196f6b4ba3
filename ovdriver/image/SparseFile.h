#pragma once

#include <QByteArray>
#include <QString>

/// Large files that cost no disk: a few real bytes at the start, a hole for the rest.
class SparseFile
{
public:
    /// Writes `header` and extends the file to `size` bytes without writing the rest.
    static bool create(const QString& path, const QByteArray& header, qint64 size);
    /// Copies `source` to `target` (replacing it), keeping holes as holes where the system
    /// can tell them; the copy has the same length and the same bytes.
    static bool copy(const QString& source, const QString& target, QString* error = nullptr);
    /// Like copy(), but writes into `target` as it is (a name the caller has claimed) instead
    /// of removing it first.
    static bool copyOnto(const QString& source, const QString& target, QString* error = nullptr);
};
