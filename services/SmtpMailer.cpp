#include "SmtpMailer.h"

#include "Durations.h"

#include <QFile>
#include <QThread>

#include <cstdio>
#include <cstring>

namespace {

// SMTP text lines end in CR LF, and a line that starts with a dot gets a second one, so
// that no line of the body can end the message early.
QByteArray transparentText(const QByteArray& text)
{
    QByteArray lines = text;
    lines.replace("\r\n", "\n");
    lines.replace('\r', '\n');
    QByteArray out;
    out.reserve(lines.size() + lines.size() / 16);
    bool lineStart = true;
    for (const char c : qAsConst(lines)) {
        if (lineStart && c == '.')
            out += '.';
        if (c == '\n') {
            out += "\r\n";
            lineStart = true;
        } else {
            out += c;
            lineStart = false;
        }
    }
    return out;
}

} // namespace

SmtpMailer::SmtpMailer(int port, const QByteArray& host, const QByteArray& account, const QByteArray& password,
                       const QByteArray& recipient, const QByteArray& subject, const QByteArray& body)
    : m_port(port)
    , m_host(host)
    , m_account(account)
    , m_password(password)
    , m_recipient(recipient)
    , m_subject(subject)
    , m_body(body)
{
    std::memset(m_buffer, 0, sizeof m_buffer);
}

SmtpMailer::~SmtpMailer()
{
    m_attachments.clear();
    m_socket.close();
}

void SmtpMailer::AddAttachment(const QByteArray& path)
{
    const int separator = qMax(path.lastIndexOf('\\'), path.lastIndexOf('/'));
    m_attachments.append({ separator < 0 ? path : path.mid(separator + 1), path });
}

void SmtpMailer::DeleteAttachment(const QByteArray& path)
{
    for (int i = 0; i < m_attachments.size(); ++i) {
        if (m_attachments[i].path == path) {
            m_attachments.removeAt(i);
            return;
        }
    }
}

bool SmtpMailer::sendText(const QByteArray& text)
{
    return m_socket.sendAll(text.constData(), std::size_t(text.size()));
}

bool SmtpMailer::readReply()
{
    const int n = m_socket.receive(m_buffer, int(sizeof m_buffer) - 1, m_timeoutMs);
    if (n <= 0)
        return false;
    m_buffer[n] = '\0';
    std::fwrite(m_buffer, 1, std::size_t(n), stdout);
    std::fflush(stdout);
    return true;
}

int SmtpMailer::SendMail()
{
    if (!m_library.isStarted() || !m_socket.connectTo(m_host.toStdString(), m_port, m_timeoutMs))
        return ConnectionFailed;
    const int result = [this]() -> int {
        if (!readReply())
            return ConnectionFailed;
        if (!sendText("EHLO " + m_host + "\r\n") || !readReply())
            return ConnectionFailed;
        if (!sendText("AUTH LOGIN\r\n") || !readReply())
            return ConnectionFailed;
        if (!sendText(m_account.toBase64() + "\r\n"))
            return ConnectionFailed;
        QThread::msleep(unsigned(scaledMs(100)));
        if (!readReply())
            return ConnectionFailed;
        if (!sendText(m_password.toBase64() + "\r\n"))
            return ConnectionFailed;
        QThread::msleep(unsigned(scaledMs(100)));
        if (!readReply())
            return ConnectionFailed;
        if (std::strstr(m_buffer, "550"))
            return AccountRefused;
        if (std::strstr(m_buffer, "535"))
            return LoginRefused;

        if (!sendText("MAIL FROM: <" + m_account + ">\r\n") || !readReply())
            return ConnectionFailed;
        if (!sendText("RCPT TO: <" + m_recipient + ">\r\n") || !readReply())
            return ConnectionFailed;
        if (!sendText("DATA\r\n") || !readReply())
            return ConnectionFailed;

        const QByteArray boundary(kBoundary);
        const QByteArray header = "From: " + m_account + "\r\n" + "To: " + m_recipient + "\r\n"
            + "Subject: " + m_subject + "\r\n" + "MIME-Version: 1.0" + "\r\n"
            + "Content-Type: multipart/mixed;boundary=" + boundary + "\r\n" + "\r\n";
        if (!sendText(header))
            return ConnectionFailed;
        const QByteArray text = "--" + boundary + "\r\n" + "Content-Type: text/plain;" + "charset=\"utf-8\"" + "\r\n"
            + "\r\n" + transparentText(m_body) + "\r\n\r\n";
        if (!sendText(text))
            return ConnectionFailed;
        for (const Attachment& attachment : qAsConst(m_attachments)) {
            const int sent = sendAttachment(attachment);
            if (sent != Sent)
                return sent;
        }
        if (!sendText("--" + boundary + "--" + "\r\n.\r\n") || !readReply())
            return ConnectionFailed;
        if (!sendText("QUIT\r\n") || !readReply())
            return ConnectionFailed;
        return Sent;
    }();
    m_socket.close();
    return result;
}

int SmtpMailer::sendAttachment(const Attachment& attachment)
{
    const QByteArray block = "--" + QByteArray(kBoundary) + "\r\n" + "Content-Type: application/octet-stream;\r\n"
        + " name=\"" + attachment.name + "\"\r\n" + "Content-Transfer-Encoding: base64\r\n"
        + "Content-Disposition: attachment;\r\n" + " filename=\"" + attachment.name + "\"\r\n" + "\r\n";
    if (!sendText(block))
        return ConnectionFailed;
    QFile file(QFile::decodeName(attachment.path));
    if (!file.open(QIODevice::ReadOnly))
        return AttachmentUnreadable;
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(kChunkBytes);
        if (chunk.isEmpty())
            return file.error() == QFileDevice::NoError ? int(Sent) : int(AttachmentUnreadable);
        if (!sendText(chunk.toBase64() + "\r\n"))
            return ConnectionFailed;
    }
    return Sent;
}
