#pragma once

#include <QString>

// Totals of the one-key lists in the store and the estimate of temporary files.

/// Crash logs under this size are not worth a clean and count as nothing.
constexpr quint64 kCrashLogThreshold = 5 * 1024 * 1024;

/// Size and count of a junk code's list; crash logs below kCrashLogThreshold count as 0.
struct JunkTotal
{
    quint64 size = 0;
    quint64 count = 0;
};
JunkTotal JunkListTotal(int code);
/// The sum of every junk list, with the crash-log rule.
quint64 JunkSizeTotal();

/// The estimate of removable temporary files from used space and the last used space that
/// the clean history holds ("0" or empty when there is none).
quint64 TemporaryFileEstimate(quint64 usedBytes, quint64 totalBytes, const QString& lastUsedText);
/// The same for the connected device and its clean history.
quint64 TemporaryFileEstimate();
