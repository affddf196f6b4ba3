#include "libAutoUpdate.h"

#include "DownloadControl.h"
#include "HttpGet.h"
#include "Log.h"
#include "ServiceConfig.h"

#include <QRegularExpression>
#include <QUrl>

namespace {

const char* const kTypes[] = { "ver", "info", "link", "exinfo" };
constexpr int kTypeCount = int(sizeof kTypes / sizeof kTypes[0]);

} // namespace

libAutoUpdate::libAutoUpdate(QObject* parent)
    : libAutoUpdate(ServiceConfig::load().updateBaseUrl, parent)
{ }

libAutoUpdate::libAutoUpdate(const QString& baseAddress, QObject* parent)
    : QObject(parent)
    , m_baseAddress(baseAddress)
    , m_http(new HttpGet(this))
{
    connect(m_http, &HttpGet::signalGetFinished, this, &libAutoUpdate::slotGetInfo);
    connect(m_http, &HttpGet::reportError, this, &libAutoUpdate::slotGetHttpReportError);
    createDownloadControl();
}

libAutoUpdate::~libAutoUpdate() = default;

void libAutoUpdate::createDownloadControl()
{
    m_download = new DownloadControl(this);
    connect(m_download, &DownloadControl::signalDownloadProgress, this, &libAutoUpdate::slotDownloadProgress);
    connect(m_download, &DownloadControl::FileDownloadFinished, this, &libAutoUpdate::slotDownloadFinished);
    connect(m_download, &DownloadControl::reportError, this, &libAutoUpdate::slotGetHttpReportError);
}

QString libAutoUpdate::TypeName(int type)
{
    return type >= 0 && type < kTypeCount ? QString::fromLatin1(kTypes[type]) : QString();
}

int libAutoUpdate::TypeNumber(const QString& name)
{
    for (int i = 0; i < kTypeCount; ++i) {
        if (name == QLatin1String(kTypes[i]))
            return i;
    }
    return -1;
}

QString libAutoUpdate::QueryAddress(const QString& baseAddress, const QString& pid, int type, const QString& language)
{
    const QString typeName = TypeName(type);
    if (typeName.isEmpty())
        return {};
    QString base = baseAddress;
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    QString address = base + QStringLiteral("/verinfo.php") + QLatin1Char('?') + QStringLiteral("pid=")
        + QString::fromLatin1(QUrl::toPercentEncoding(pid)) + QLatin1Char('&') + QStringLiteral("type=") + typeName;
    if (type == Info && !language.isEmpty())
        address += QLatin1Char('&') + QStringLiteral("lang=") + QString::fromLatin1(QUrl::toPercentEncoding(language));
    return address;
}

bool libAutoUpdate::IsPlausibleVersion(const QString& text)
{
    static const QRegularExpression version(QStringLiteral("^[0-9]{1,9}(\\.[0-9]{1,9}){0,5}$"));
    return text.size() <= kMaxVersionLength && version.match(text).hasMatch();
}

bool libAutoUpdate::IsNewerVersion(int code, const QString& remoteVersion, const QString& localVersion)
{
    // A line end after the version text is the endpoint's formatting, not a newer version.
    const QString remote = remoteVersion.trimmed();
    if (code != Version || !IsPlausibleVersion(remote))
        return false;
    return remote != localVersion && remote > localVersion;
}

int libAutoUpdate::GetUrl(const QString& address)
{
    return m_http->get(address);
}

int libAutoUpdate::GetVersionInfo(const QString& pid, int type)
{
    return query(pid, type, QString());
}

int libAutoUpdate::GetVersionInfoWithLanguage(const QString& pid, int type, const QString& language)
{
    return query(pid, type, language);
}

int libAutoUpdate::query(const QString& pid, int type, const QString& language)
{
    if (m_baseAddress.isEmpty()) {
        DebugLog("update check skipped: no endpoint in services.ini");
        return -1;
    }
    const QString address = QueryAddress(m_baseAddress, pid, type, language);
    if (address.isEmpty())
        return -1;
    return m_http->get(address);
}

bool libAutoUpdate::DownloadFile(const QString& address, const QString& dir, int parts)
{
    return m_download->StartFileDownload(address, dir, parts);
}

void libAutoUpdate::StopDownload()
{
    // The old controller may be the one whose signal is being delivered right now.
    m_download->disconnect(this);
    m_download->Stop();
    m_download->deleteLater();
    createDownloadControl();
}

void libAutoUpdate::slotGetInfo(QString address, QString body)
{
    m_buffer = body;
    const int at = address.indexOf(QLatin1String("type="));
    QString typeName;
    if (at >= 0) {
        const int from = at + 5;
        const int end = address.indexOf(QLatin1Char('&'), from);
        typeName = address.mid(from, end < 0 ? -1 : end - from);
    }
    const int type = TypeNumber(typeName);
    if (type >= 0) {
        emit signalGetInfo(type, body);
        return;
    }
    if (!address.isEmpty())
        emit signalGetInfo(kUnknownTypeCode, body);
    emit signalGetInfo(kNoTypeCode, body);
}

void libAutoUpdate::slotDownloadProgress(int percent)
{
    emit signalDownloadProgress(percent);
}

void libAutoUpdate::slotDownloadFinished()
{
    emit FileDownloadFinished();
}

void libAutoUpdate::slotGetHttpReportError(QString message)
{
    emit signalReportError(message);
}
