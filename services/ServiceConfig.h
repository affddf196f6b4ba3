#pragma once

#include <QString>

/// What the services need to reach the outside world, read from "services.ini" in the
/// application directory: the feedback mailbox's SMTP server and account, and the base
/// address of the version endpoint. Nothing of it lives in the source code; without the file
/// the feedback mail cannot be sent and the update check asks nobody.
///
///     [Mail]
///     Host=smtp.example.test
///     Port=25
///     Account=feedback@example.test
///     Password=secret
///     Recipient=support@example.test
///     Tls=required                    ; or "when-offered" (the default)
///     CaCertificates=mail-ca.pem      ; optional, beside services.ini or absolute
///     TimeoutSeconds=30
///     [Update]
///     BaseUrl=https://www.example.test
struct ServiceConfig
{
    static constexpr const char* kFileName = "services.ini";
    static constexpr int kDefaultSmtpPort = 25;

    QString smtpHost;
    int smtpPort = kDefaultSmtpPort;
    QString smtpAccount;
    QString smtpPassword;
    QString smtpRecipient;
    /// The login never travels unencrypted: a server without STARTTLS gets no mail.
    bool smtpRequireTls = false;
    QString smtpCaCertificates;
    int smtpTimeoutSeconds = 30;
    QString updateBaseUrl;

    /// The configuration of the application directory; every field missing from the file
    /// (or a missing or unreadable file) keeps its empty default.
    static ServiceConfig load();
    /// The configuration held by `file`.
    static ServiceConfig loadFrom(const QString& file);
    static QString filePath();

    /// Host, account and recipient are all known.
    bool canSendMail() const;
    bool canCheckUpdate() const { return !updateBaseUrl.isEmpty(); }
};
