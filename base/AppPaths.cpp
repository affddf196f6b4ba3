#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>

QString applicationDirectory()
{
    const QString overridden = qEnvironmentVariable("DRAVO_APP_DIR");
    if (!overridden.isEmpty())
        return QDir(overridden).absolutePath();
    return QCoreApplication::applicationDirPath();
}
