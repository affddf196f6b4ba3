#pragma once

#include "SocketLibrary.h"
#include "TcpClient.h"

#include <QByteArray>
#include <QList>

/// A small SMTP client: logs in with AUTH LOGIN and sends one multipart message, the body as
/// UTF-8 text and each attachment base64-encoded, over a TCP socket of the platform.
/// The exchange blocks the caller until the server answers or the connection fails; every
/// wait is bounded by the timeout.
class SmtpMailer
{
public:
    enum Result {
        Sent = 0,
        ConnectionFailed = 1, // connecting, sending or receiving failed
        AccountRefused = 2,   // the server answered 550 to the login
        LoginRefused = 3,     // the server answered 535 to the login
        AttachmentUnreadable = 4,
    };

    static constexpr const char* kBoundary = "qwertyuiop";
    /// Attachment bytes per encoded line: a multiple of 3, so only the last line is padded.
    static constexpr int kChunkBytes = 6000;
    static constexpr int kDefaultTimeoutMs = 30000;

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

    /// The longest wait for connecting and for each reply.
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }

    /// Sends the message; one of Result.
    int SendMail();

private:
    struct Attachment
    {
        QByteArray name;
        QByteArray path;
    };

    bool sendText(const QByteArray& text);
    bool readReply();
    int sendAttachment(const Attachment& attachment);

    int m_port;
    QByteArray m_host;
    QByteArray m_account;
    QByteArray m_password;
    QByteArray m_recipient;
    QByteArray m_subject;
    QByteArray m_body;
    QList<Attachment> m_attachments;
    char m_buffer[1025];
    SocketLibrary m_library;
    TcpClient m_socket;
    int m_timeoutMs = kDefaultTimeoutMs;
};
