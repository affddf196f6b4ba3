#include "CrashConfig.h"

#include "FileVersion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>

CrashConfig::CrashConfig() = default;

QByteArray CrashConfig::fileContents(const QString& fileVersion, const QString& userLine, const QString& executableName)
{
    QByteArray bytes;
    bytes += "Velmora Dravo Free\n";
    bytes += "p22\n";
    bytes += fileVersion.toLocal8Bit() + '\n';
    bytes += userLine.toLocal8Bit() + '\n';
    bytes += '\0';
    bytes += executableName.toLocal8Bit();
    bytes += '\0';
    bytes += "crashcore.dmp";
    bytes += '\0';
    return bytes;
}

bool CrashConfig::write() const
{
    // The user line names the system, which helps sort reports and says nothing about the user.
    const QByteArray bytes
        = fileContents(QString::fromStdString(RunningExecutableFileVersion()), QSysInfo::prettyProductName(),
                       QCoreApplication::applicationName() + QStringLiteral(".exe"));
    QFile file(QString::fromLatin1(kFileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

bool CrashConfig::startReporter()
{
    const std::string workDir = QDir::currentPath().toStdString();
    const std::string path = FindCompanionProgram(workDir, kReporterName);
    if (path.empty())
        return false;
    return m_reporter.start(path, workDir);
}

bool CrashConfig::reporterRunning()
{
    return m_reporter.isRunning();
}

void CrashConfig::endReporter()
{
    m_reporter.end();
}
