#include "CleanHistory.h"

#include "LocalConfig.h"

#include <QLocale>

QString CleanHistoryDateText(const QDateTime& when)
{
    // English day names whatever the system locale, so the file reads the same everywhere.
    return QLocale::c().toString(when, QStringLiteral("MM-dd-yyyy hh:mm:ss ddd"));
}

QDateTime ParseCleanHistoryDate(const QString& text)
{
    return QLocale::c().toDateTime(text, QStringLiteral("MM-dd-yyyy hh:mm:ss ddd"));
}

CleanHistoryEntry ReadCleanHistory(const QString& deviceKey)
{
    CleanHistoryEntry entry;
    if (deviceKey.isEmpty())
        return entry;
    const LocalConfig::GroupedValues groups = LocalConfig::ReadCleanSizeConfig();
    const auto found = groups.constFind(deviceKey);
    if (found == groups.constEnd())
        return entry;
    entry.exists = true;
    entry.lastUsedSpace = found->value(QStringLiteral("LastDevUsedSpaceSize"));
    entry.totalCleaned = found->value(QStringLiteral("AllCleanSize"));
    entry.lastCleanDate = found->value(QStringLiteral("LastAllCleanDate"));
    return entry;
}

namespace {

void UpdateCleanHistory(const QString& deviceKey, const LocalConfig::GroupValues& change)
{
    if (deviceKey.isEmpty())
        return;
    LocalConfig::GroupedValues groups = LocalConfig::ReadCleanSizeConfig();
    auto found = groups.find(deviceKey);
    if (found == groups.end()) {
        found = groups.insert(deviceKey,
                              { { QStringLiteral("LastDevUsedSpaceSize"), QStringLiteral("0") },
                                { QStringLiteral("AllCleanSize"), QStringLiteral("0") },
                                { QStringLiteral("LastAllCleanDate"), QStringLiteral("0") } });
    }
    for (auto it = change.constBegin(); it != change.constEnd(); ++it)
        found->insert(it.key(), it.value());
    LocalConfig::WriteCleanSizeConfig(groups);
}

} // namespace

void WriteCleanHistoryTotal(const QString& deviceKey, quint64 totalReleased, const QDateTime& when)
{
    UpdateCleanHistory(deviceKey,
                       { { QStringLiteral("AllCleanSize"), QString::number(totalReleased) },
                         { QStringLiteral("LastAllCleanDate"), CleanHistoryDateText(when) } });
}

void WriteCleanHistoryUsedSpace(const QString& deviceKey, quint64 usedBytes)
{
    UpdateCleanHistory(deviceKey, { { QStringLiteral("LastDevUsedSpaceSize"), QString::number(usedBytes) } });
}
