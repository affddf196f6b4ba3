#include "SimLog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <mutex>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

constexpr qint64 kRotateBytes = 4 * 1024 * 1024;

QString executableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
#if defined(_WIN32)
    wchar_t buffer[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return QFileInfo(QString::fromWCharArray(buffer)).absolutePath();
#else
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section('/', 0, -2);
#endif
}

} // namespace

QString SimLog::path()
{
    const QString overridden = qEnvironmentVariable("DRAVO_APP_DIR");
    const QString folder = overridden.isEmpty() ? executableFolder() : QDir(overridden).absolutePath();
    return folder + "/log/ovdriver.log";
}

void SimLog::write(const QString& line)
{
    static std::mutex mutex;
    // The clock is read under the lock too: local time conversion is not safe across threads.
    std::lock_guard<std::mutex> lock(mutex);
    const QByteArray text
        = (QDateTime::currentDateTime().toString("[yyyy-MM-dd hh:mm:ss.zzz] ") + line + '\n').toUtf8();
    const QString file = path();
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile log(file);
    if (log.open(QIODevice::Append)) {
        log.write(text);
        // One earlier generation is kept; the feedback mail attaches the log, so it stays small.
        if (log.size() > kRotateBytes) {
            log.close();
            QFile::remove(file + ".1");
            QFile::rename(file, file + ".1");
        }
    }
}
