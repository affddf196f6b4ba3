#pragma once

#include <QString>

/// The backups the library makes on this computer: private to the user, marked as the
/// library's own, and removable without any risk to folders it did not make.
class BackupFolders
{
public:
    /// The file the library writes into every backup folder it creates.
    static QString markerName();
    /// Creates `folder` (and the backup root) readable by the user only (0700).
    static bool createPrivate(const QString& folder);
    /// Makes every folder below `folder` 0700 and every file 0600, `folder` included.
    static void makePrivate(const QString& folder);
    /// Makes one file of a backup 0600 (one the library rewrote since the backup was made).
    static bool makeFilePrivate(const QString& file);
    static bool writeMarker(const QString& folder);
    /// Below the backup root and marked as the library's own.
    static bool isLibraryBackup(const QString& folder);
    /// Removes `folder` when it is a backup the library made; false (nothing touched) otherwise.
    static bool remove(const QString& folder);
    /// Removes every backup the library made below the backup root, finished or partial;
    /// returns how many. Anything else in the root stays.
    static int removeAll();
};
