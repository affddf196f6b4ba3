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
    m_manager->get(request);
    return 0;
}

void HttpGet::slotGetFinished(QNetworkReply* reply)
{
    reply->deleteLater();
    const QString address = reply->request().attribute(kAddressAttribute).toString();
    m_address = address;
    if (reply->error() == QNetworkReply::NoError) {
        m_retries = 0;
        const QString body = QString::fromUtf8(reply->readAll());
        qDebug() << "URL----------HttpGet::slotGetFinished-----70--------------" << reply->url();
        qDebug() << "reply real content-----------HttpGet::slotGetFinished-----72---------------------" << body;
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
