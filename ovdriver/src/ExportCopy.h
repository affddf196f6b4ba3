#pragma once

#include <QString>

/// Copies a file of the device into a folder of this computer (Export, Compress, Large) so
/// that no earlier copy is ever replaced and the copy is known good before the device's file
/// is deleted or changed.
class ExportCopy
{
public:
    /// Copies `source` to `folder`/`fileName`, or to "name (2).ext", "name (3).ext", ... when
    /// that is taken, and checks the copy's size and, with `checksum`, its SHA-256 against
    /// the source. Returns the copy's path; on failure an empty text, `error` says why, and
    /// no partial copy remains.
    static QString copyVerified(const QString& source, const QString& folder, const QString& fileName, bool checksum,
                                QString* error);

private:
    /// Creates an empty file under the first free name, exclusively, so that neither another
    /// job nor another process can take the same name.
    static QString claimName(const QString& folder, const QString& fileName, QString* error);
    static QByteArray sha256(const QString& path);
};
