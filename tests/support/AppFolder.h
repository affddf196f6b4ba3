#pragma once

#include <QFile>
#include <QString>

/// Makes `folder` the program's own folder for this test: the built skin is linked into it
/// and DRAVO_APP_DIR points at it, so the files the program writes stay in the test's folder
/// while the window looks as it does for a person.
inline void UseAsAppFolder(const QString& folder)
{
    QFile::link(qEnvironmentVariable("DRAVO_APP_DIR") + QStringLiteral("/skin"), folder + QStringLiteral("/skin"));
    qputenv("DRAVO_APP_DIR", folder.toLocal8Bit());
}
