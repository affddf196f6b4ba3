#include "SmtpMailer.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QHostInfo>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTimer>

#include <cstdio>

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

int replyCode(const QByteArray& line)
{
    if (line.size() < 3)
        return 0;
    for (int i = 0; i < 3; ++i) {
        if (line[i] < '0' || line[i] > '9')
            return 0;
    }
    return line.left(3).toInt();
}

// The last line of a reply has a blank (or nothing) after its code; the others a dash.
bool isLastLine(const QByteArray& line)
{
    const QByteArray text = line.trimmed();
    return text.size() == 3 || (text.size() > 3 && text[3] == ' ');
}

bool offersStartTls(const QByteArray& ehloReply)
{
    for (const QByteArray& line : ehloReply.split('\n')) {
        if (line.size() > 4 && line.mid(4).trimmed().toUpper() == "STARTTLS")
            return true;
    }
    return false;
}

// The first IPv4 address of `host`; null when the name does not resolve within `timeoutMs`
// (a blocking lookup could hang the mail thread on a dead name server).
QHostAddress firstIPv4(const QString& host, int timeoutMs)
{
    QHostAddress literal;
    if (literal.setAddress(host))
        return literal.protocol() == QAbstractSocket::IPv4Protocol ? literal : QHostAddress();
    QEventLoop wait;
    QHostInfo info;
    bool answered = false;
    const int id = QHostInfo::lookupHost(host, &wait, [&](const QHostInfo& result) {
        info = result;
        answered = true;
        wait.quit();
    });
    QTimer::singleShot(timeoutMs, &wait, &QEventLoop::quit);
    if (!answered)
        wait.exec();
    if (!answered) {
        QHostInfo::abortHostLookup(id);
        return {};
    }
    for (const QHostAddress& address : info.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            return address;
    }
    return {};
}

void logReply(const QByteArray& text)
{
    // Only what the server said is logged, never what was sent (the login), and never much.
    constexpr int kLogged = 512;
    std::fwrite(text.constData(), 1, std::size_t(qMin(text.size(), kLogged)), stdout);
    if (text.size() > kLogged)
        std::fputs("[...]\n", stdout);
    std::fflush(stdout);
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
{ }

SmtpMailer::~SmtpMailer() = default;

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

bool SmtpMailer::sendText(QSslSocket& socket, const QByteArray& text)
{
    if (socket.write(text) != text.size())
        return false;
    const QDeadlineTimer deadline(m_timeoutMs);
    while (socket.bytesToWrite() > 0) {
        if (deadline.hasExpired() || !socket.waitForBytesWritten(int(qMax<qint64>(1, deadline.remainingTime()))))
            return false;
    }
    return true;
}

SmtpMailer::Reply SmtpMailer::readReply(QSslSocket& socket)
{
    // A reply may span many lines and arrive in many packets: read up to its last line.
    Reply reply;
    const QDeadlineTimer deadline(m_timeoutMs);
    while (true) {
        while (socket.canReadLine()) {
            const QByteArray line = socket.readLine(kMaxReplyBytes);
            reply.text += line;
            if (reply.text.size() > kMaxReplyBytes)
                return {};
            if (isLastLine(line)) {
                logReply(reply.text);
                reply.code = replyCode(line);
                return reply;
            }
        }
        if (socket.bytesAvailable() > kMaxReplyBytes || deadline.hasExpired()
            || !socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
            return {};
    }
}

bool SmtpMailer::command(QSslSocket& socket, const QByteArray& text, int expected, Reply* reply)
{
    if (!sendText(socket, text))
        return false;
    const Reply answer = readReply(socket);
    if (reply)
        *reply = answer;
    return answer.code == expected;
}

bool SmtpMailer::startTls(QSslSocket& socket)
{
    QSslConfiguration tls = socket.sslConfiguration();
    QList<QSslCertificate> authorities = QSslConfiguration::systemCaCertificates();
    if (!m_caFile.isEmpty())
        authorities += QSslCertificate::fromPath(m_caFile, QSsl::Pem);
    tls.setCaCertificates(authorities);
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    socket.setSslConfiguration(tls);
    socket.setPeerVerifyName(QString::fromUtf8(m_host));
    socket.startClientEncryption();
    if (socket.waitForEncrypted(m_timeoutMs))
        return true;
    std::fprintf(stdout, "STARTTLS failed: %s\n", qPrintable(socket.errorString()));
    return false;
}

int SmtpMailer::SendMail()
{
    if (!QSslSocket::supportsSsl() && m_tls == Tls::Required)
        return TlsFailed;
    const QHostAddress address = firstIPv4(QString::fromUtf8(m_host), m_timeoutMs);
    if (address.isNull())
        return ConnectionFailed;
    QSslSocket socket;
    socket.connectToHost(address, quint16(m_port));
    if (!socket.waitForConnected(m_timeoutMs))
        return ConnectionFailed;
    const int result = exchange(socket);
    socket.abort();
    return result;
}

int SmtpMailer::exchange(QSslSocket& socket)
{
    const auto failure = [](const Reply& reply) { return reply.code == 0 ? ConnectionFailed : Refused; };
    Reply reply = readReply(socket);
    if (reply.code != 220)
        return failure(reply);
    if (!command(socket, "EHLO " + m_host + "\r\n", 250, &reply))
        return failure(reply);

    if (offersStartTls(reply.text) && QSslSocket::supportsSsl()) {
        if (!command(socket, "STARTTLS\r\n", 220, &reply))
            return m_tls == Tls::Required ? int(TlsFailed) : failure(reply);
        if (!startTls(socket))
            return TlsFailed;
        // What the server said before the handshake no longer counts.
        if (!command(socket, "EHLO " + m_host + "\r\n", 250, &reply))
            return failure(reply);
    } else if (m_tls == Tls::Required) {
        command(socket, "QUIT\r\n", 221);
        return TlsFailed;
    }

    if (!command(socket, "AUTH LOGIN\r\n", 334, &reply) || !command(socket, m_account.toBase64() + "\r\n", 334, &reply))
        return reply.code == 0 ? int(ConnectionFailed) : int(LoginRefused);
    if (!command(socket, m_password.toBase64() + "\r\n", 235, &reply)) {
        if (reply.code == 550)
            return AccountRefused;
        return reply.code == 0 ? int(ConnectionFailed) : int(LoginRefused);
    }

    if (!command(socket, "MAIL FROM: <" + m_account + ">\r\n", 250, &reply))
        return failure(reply);
    if (!command(socket, "RCPT TO: <" + m_recipient + ">\r\n", 250, &reply) && reply.code != 251)
        return failure(reply);
    // After a refused DATA nothing of the message may follow: the server would read it as commands.
    if (!command(socket, "DATA\r\n", 354, &reply))
        return failure(reply);

    const QByteArray boundary(kBoundary);
    const QByteArray header = "From: " + m_account + "\r\n" + "To: " + m_recipient + "\r\n" + "Subject: " + m_subject
        + "\r\n" + "MIME-Version: 1.0" + "\r\n" + "Content-Type: multipart/mixed;boundary=" + boundary + "\r\n"
        + "\r\n";
    if (!sendText(socket, header))
        return ConnectionFailed;
    const QByteArray text = "--" + boundary + "\r\n" + "Content-Type: text/plain;" + "charset=\"utf-8\"" + "\r\n"
        + "\r\n" + transparentText(m_body) + "\r\n\r\n";
    if (!sendText(socket, text))
        return ConnectionFailed;
    for (const Attachment& attachment : qAsConst(m_attachments)) {
        const int sent = sendAttachment(socket, attachment);
        if (sent != Sent)
            return sent;
    }
    if (!command(socket, "--" + boundary + "--" + "\r\n.\r\n", 250, &reply))
        return failure(reply);
    // The server has taken the message; a lost QUIT reply must not make the user send it twice.
    command(socket, "QUIT\r\n", 221);
    return Sent;
}

int SmtpMailer::sendAttachment(QSslSocket& socket, const Attachment& attachment)
{
    const QByteArray block = "--" + QByteArray(kBoundary) + "\r\n" + "Content-Type: application/octet-stream;\r\n"
        + " name=\"" + attachment.name + "\"\r\n" + "Content-Transfer-Encoding: base64\r\n"
        + "Content-Disposition: attachment;\r\n" + " filename=\"" + attachment.name + "\"\r\n" + "\r\n";
    if (!sendText(socket, block))
        return ConnectionFailed;
    QFile file(QFile::decodeName(attachment.path));
    if (!file.open(QIODevice::ReadOnly))
        return AttachmentUnreadable;
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(kChunkBytes);
        if (chunk.isEmpty())
            return file.error() == QFileDevice::NoError ? int(Sent) : int(AttachmentUnreadable);
        if (!sendText(socket, chunk.toBase64() + "\r\n"))
            return ConnectionFailed;
    }
    return Sent;
}
