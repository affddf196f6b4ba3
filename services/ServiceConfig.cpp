#include "ServiceConfig.h"

#include "AppPaths.h"
#include "Log.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

// QSettings turns an unquoted value with a comma into a list; a password may well hold one.
QString text(const QSettings& settings, const QString& key)
{
    const QVariant value = settings.value(key);
    if (value.type() == QVariant::StringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

} // namespace

QString ServiceConfig::filePath()
{
    return applicationDirectory() + QLatin1Char('/') + QLatin1String(kFileName);
}

ServiceConfig ServiceConfig::load()
{
    return loadFrom(filePath());
}

ServiceConfig ServiceConfig::loadFrom(const QString& file)
{
    ServiceConfig config;
    if (!QFileInfo(file).isFile()) {
        DebugLog("%s is missing: no feedback mail, no update check", qPrintable(file));
        return config;
    }
    QSettings settings(file, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        DebugLog("%s could not be read whole", qPrintable(file));

    config.smtpHost = text(settings, QStringLiteral("Mail/Host"));
    config.smtpAccount = text(settings, QStringLiteral("Mail/Account"));
    config.smtpPassword = text(settings, QStringLiteral("Mail/Password"));
    config.smtpRecipient = text(settings, QStringLiteral("Mail/Recipient"));
    config.updateBaseUrl = text(settings, QStringLiteral("Update/BaseUrl"));

    const QString tls = text(settings, QStringLiteral("Mail/Tls")).trimmed().toLower();
    // A misspelt value must not send the login in clear: only "when-offered" relaxes it.
    config.smtpRequireTls = !tls.isEmpty() && tls != QLatin1String("when-offered");
    if (config.smtpRequireTls && tls != QLatin1String("required"))
        DebugLog("%s: Mail/Tls \"%s\" is read as \"required\"", qPrintable(file), qPrintable(tls));
    const QString authorities = text(settings, QStringLiteral("Mail/CaCertificates")).trimmed();
    if (!authorities.isEmpty())
        config.smtpCaCertificates = QFileInfo(file).dir().absoluteFilePath(authorities);
    bool isNumber = false;
    const int seconds = text(settings, QStringLiteral("Mail/TimeoutSeconds")).trimmed().toInt(&isNumber);
    if (isNumber && seconds > 0 && seconds <= 600)
        config.smtpTimeoutSeconds = seconds;

    const QString port = text(settings, QStringLiteral("Mail/Port")).trimmed();
    if (!port.isEmpty()) {
        bool ok = false;
        const int value = port.toInt(&ok);
        if (ok && value > 0 && value <= 65535)
            config.smtpPort = value;
        else
            DebugLog("%s: Mail/Port \"%s\" is not a port number, using %d", qPrintable(file), qPrintable(port),
                     kDefaultSmtpPort);
    }
    return config;
}

bool ServiceConfig::canSendMail() const
{
    return !smtpHost.isEmpty() && !smtpAccount.isEmpty() && !smtpRecipient.isEmpty();
}
