#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QSslSocket;

/// A small SMTP client: logs in with AUTH LOGIN and sends one multipart message, the body as
/// UTF-8 text and each attachment base64-encoded. Every reply is read whole and its code
/// checked; the connection is upgraded with STARTTLS whenever the server offers it.
/// SendMail blocks its caller (every wait bounded by the timeout), so callers with a window
/// run it on another thread; the object may be created on one thread and sent from another.
class SmtpMailer
{
public:
    enum Result {
        Sent = 0,
        ConnectionFailed = 1, // connecting, sending, receiving or a time-out
        AccountRefused = 2,   // the server answered 550 to the login
        LoginRefused = 3,     // the server answered 535 (or another refusal) to the login
        AttachmentUnreadable = 4,
        Refused = 5,   // the server refused a command of the exchange (MAIL, RCPT, DATA, ...)
        TlsFailed = 6, // TLS was required and not offered, or the TLS handshake failed
    };

    enum class Tls {
        WhenOffered, // STARTTLS when the server offers it, else plain text
        Required,    // never sends the login unless the connection is encrypted
    };

    static constexpr const char* kBoundary = "qwertyuiop";
    /// Attachment bytes per encoded line: a multiple of 3, so only the last line is padded.
    static constexpr int kChunkBytes = 6000;
    static constexpr int kDefaultTimeoutMs = 30000;
    /// A reply longer than this is not an SMTP server talking.
    static constexpr int kMaxReplyBytes = 64 * 1024;

    SmtpMailer(int port, const QByteArray& host, const QByteArray& account, const QByteArray& password,
               const QByteArray& recipient, const QByteArray& subject, const QByteArray& body);
    ~SmtpMailer();
    SmtpMailer(const SmtpMailer&) = delete;
    SmtpMailer& operator=(const SmtpMailer&) = delete;

    /// Adds the file `path`; its name in the message is the text after the last separator.
    void AddAttachment(const QByteArray& path);
    /// Removes the attachment whose full path is `path`.
    void DeleteAttachment(const QByteArray& path);
    int attachmentCount() const { return m_attachments.size(); }

    /// The longest wait for connecting, for the TLS handshake, for each write and each reply.
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    void setTls(Tls tls) { m_tls = tls; }
    /// PEM certificates trusted besides the system's (a private mail server's own authority).
    void setExtraCaCertificates(const QString& pemFile) { m_caFile = pemFile; }

    /// Sends the message; one of Result.
    int SendMail();

private:
    struct Attachment
    {
        QByteArray name;
        QByteArray path;
    };
    struct Reply
    {
        int code = 0; // 0: nothing usable arrived in time
        QByteArray text;
    };

    int exchange(QSslSocket& socket);
    bool sendText(QSslSocket& socket, const QByteArray& text);
    Reply readReply(QSslSocket& socket);
    bool command(QSslSocket& socket, const QByteArray& text, int expected, Reply* reply = nullptr);
    bool startTls(QSslSocket& socket);
    int sendAttachment(QSslSocket& socket, const Attachment& attachment);

    int m_port;
    QByteArray m_host;
    QByteArray m_account;
    QByteArray m_password;
    QByteArray m_recipient;
    QByteArray m_subject;
    QByteArray m_body;
    QList<Attachment> m_attachments;
    int m_timeoutMs = kDefaultTimeoutMs;
    Tls m_tls = Tls::WhenOffered;
    QString m_caFile;
};
