#include "HttpGet.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QtDebug>

namespace {

// The address exactly as the caller gave it travels with its request, so that the answer
// names it letter for letter (QUrl may normalise it).
constexpr auto kAddressAttribute = QNetworkRequest::User;
// A server that accepts the connection and then says nothing must not keep the query alive.
constexpr int kTransferTimeoutMs = 30000;
constexpr quint16 kMaxRetries = 3;
// The answers are short texts; anything bigger is someone else talking (a portal's page).
constexpr qint64 kMaxBodyBytes = 16 * 1024;
constexpr int kLoggedChars = 256;
const char* const kTooLargeProperty = "dravoTooLarge";

QString logged(const QString& text)
{
    return text.size() <= kLoggedChars ? text : text.left(kLoggedChars) + QStringLiteral("[...]");
}

} // namespace

HttpGet::HttpGet(QObject* parent)
    : QObject(parent)
{ }

int HttpGet::get(const QString& address)
{
    if (!m_manager) {
        if (!QCoreApplication::instance())
            return -2;
        m_manager = new QNetworkAccessManager(this);
        connect(m_manager, &QNetworkAccessManager::finished, this, &HttpGet::slotGetFinished);
    }
    m_address = address;
    QNetworkRequest request { QUrl(address) };
    request.setAttribute(kAddressAttribute, address);
    request.setTransferTimeout(kTransferTimeoutMs);
    // A redirect is not the answer: a captive portal or a moved endpoint must not be followed.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    QNetworkReply* reply = m_manager->get(request);
    const auto limit = [reply] {
        if (reply->bytesAvailable() > kMaxBodyBytes
            || reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > kMaxBodyBytes) {
            reply->setProperty(kTooLargeProperty, true);
            reply->abort();
        }
    };
    connect(reply, &QNetworkReply::metaDataChanged, reply, limit);
    connect(reply, &QNetworkReply::readyRead, reply, limit);
    return 0;
}

void HttpGet::slotGetFinished(QNetworkReply* reply)
{
    reply->deleteLater();
    const QString address = reply->request().attribute(kAddressAttribute).toString();
    m_address = address;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->property(kTooLargeProperty).toBool()) {
        m_retries = 0;
        emit reportError(QStringLiteral("unexpected answer: more than %1 bytes").arg(kMaxBodyBytes));
        return;
    }
    if (reply->error() == QNetworkReply::NoError && status != 200) {
        // The server did answer, only not with the text asked for: asking again changes nothing.
        m_retries = 0;
        qDebug() << "URL----------HttpGet::slotGetFinished-----70--------------" << reply->url() << "HTTP" << status;
        emit reportError(QStringLiteral("unexpected answer: HTTP %1").arg(status));
        return;
    }
    if (reply->error() == QNetworkReply::NoError) {
        m_retries = 0;
        const QString body = QString::fromUtf8(reply->read(kMaxBodyBytes));
        qDebug() << "URL----------HttpGet::slotGetFinished-----70--------------" << reply->url();
        qDebug() << "reply real content-----------HttpGet::slotGetFinished-----72---------------------" << logged(body);
        emit signalGetFinished(address, body);
        return;
    }

    if (m_address == m_lastFailedAddress) {
        ++m_retries;
        if (m_retries > kMaxRetries) {
            m_retries = 0;
            emit reportError(QStringLiteral("network error: %1,please check it!").arg(reply->errorString()));
            return;
        }
    } else {
        m_lastFailedAddress = m_address;
        ++m_retries;
    }
    get(m_address);
}
