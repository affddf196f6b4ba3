#include "Mailbox.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

int Mailbox::count() const
{
    return QDir(m_dir).entryList({ "*.eml" }, QDir::Files).size();
}

Mailbox::Message Mailbox::message(int n) const
{
    Message message;
    QFile raw(QStringLiteral("%1/%2.eml").arg(m_dir).arg(n));
    if (raw.open(QIODevice::ReadOnly))
        message.raw = raw.readAll();
    QFile envelope(QStringLiteral("%1/%2.envelope").arg(m_dir).arg(n));
    if (envelope.open(QIODevice::ReadOnly))
        message.envelope = QString::fromUtf8(envelope.readAll()).split('\n', Qt::SkipEmptyParts);

    const QByteArray delimiter = "--qwertyuiop";
    QList<QByteArray> sections;
    int from = 0;
    for (;;) {
        const int at = message.raw.indexOf("\r\n" + delimiter, from);
        if (at < 0)
            break;
        sections << message.raw.mid(from, at + 2 - from);
        from = at + 2 + delimiter.size();
    }
    const QByteArray rest = message.raw.mid(from);
    message.closed = rest == "--\r\n";
    if (sections.isEmpty())
        return message;
    message.headers = sections.takeFirst();
    for (const QByteArray& section : qAsConst(sections)) {
        // Each part begins right after its boundary line.
        const QByteArray body = section.startsWith("\r\n") ? section.mid(2) : section;
        const int blank = body.indexOf("\r\n\r\n");
        message.parts.append({ body.left(blank + 2), blank < 0 ? QByteArray() : body.mid(blank + 4) });
    }
    return message;
}

QByteArray Mailbox::attachmentName(const Part& part)
{
    static const QRegularExpression filename(QStringLiteral("filename=\"([^\"]*)\""));
    const auto match = filename.match(QString::fromUtf8(part.headers));
    return match.hasMatch() ? match.captured(1).toUtf8() : QByteArray();
}
