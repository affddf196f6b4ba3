#pragma once

#include <QDateTime>
#include <QString>

/// The connected device's entry of "CleanSizeConfig.ini".
struct CleanHistoryEntry
{
    bool exists = false;
    QString lastUsedSpace; // decimal bytes, "0" for a new entry
    QString totalCleaned;  // decimal bytes
    QString lastCleanDate; // "MM-dd-yyyy hh:mm:ss ddd"
};
CleanHistoryEntry ReadCleanHistory(const QString& deviceKey);
/// Records `totalReleased` and the time of the clean for the device.
void WriteCleanHistoryTotal(const QString& deviceKey, quint64 totalReleased,
                            const QDateTime& when = QDateTime::currentDateTime());
/// Records the device's used space after a temporary-file clean.
void WriteCleanHistoryUsedSpace(const QString& deviceKey, quint64 usedBytes);
/// The date format of the clean history.
QString CleanHistoryDateText(const QDateTime& when);
/// The time that CleanHistoryDateText wrote; invalid for anything else.
QDateTime ParseCleanHistoryDate(const QString& text);
