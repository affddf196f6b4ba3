#pragma once

#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

/// Short text queries over HTTP(S). A failing address is asked again at once, four times in
/// all, before the failure is reported once; any success in between starts the count anew.
/// Only an HTTP 200 reply of at most a few kilobytes is an answer: a redirect, another status
/// or a bigger body is reported as an error at once and never followed.
class HttpGet : public QObject
{
    Q_OBJECT

public:
    explicit HttpGet(QObject* parent = nullptr);

    /// Sends a GET for `address`: 0 when it was sent, -2 when there is no network access
    /// manager (no application object to deliver the reply).
    int get(const QString& address);

signals:
    void signalGetFinished(QString address, QString body);
    void reportError(QString message);

public slots:
    void slotGetFinished(QNetworkReply* reply);

private:
    QNetworkAccessManager* m_manager = nullptr;
    QString m_address;
    QString m_lastFailedAddress;
    quint16 m_retries = 0;
};
