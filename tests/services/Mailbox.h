#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

/// What the test SMTP server stored: the messages of its mailbox folder, taken apart along
/// the boundary "qwertyuiop".
class Mailbox
{
public:
    struct Part
    {
        QByteArray headers; // up to the blank line
        QByteArray content; // after it, as sent
    };
    struct Message
    {
        QByteArray raw;
        QStringList envelope; // login, sender, recipients
        QByteArray headers;   // the message's own header block
        QList<Part> parts;
        bool closed = false; // ends with the closing boundary
    };

    explicit Mailbox(const QString& dir)
        : m_dir(dir)
    { }

    int count() const;
    /// Message `n` (1 is the first the server accepted).
    Message message(int n) const;
    /// The file name an attachment part carries ("" for other parts).
    static QByteArray attachmentName(const Part& part);

private:
    QString m_dir;
};
