#include "LoopbackServer.h"
#include "Mailbox.h"
#include "SmtpMailer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTest>

namespace {

const QByteArray kAccount = "feedback@velmora.test";
const QByteArray kPassword = "s3cret, with a comma";
const QByteArray kRecipient = "support@velmora.test";
const QByteArray kSubject = "Velmora Dravo Pro for Win Feedback!";

} // namespace

class tst_SmtpMailer : public QObject
{
    Q_OBJECT

private slots:
    void messageLayoutOnTheWire();
    void loginAnswersGiveTheirResults_data();
    void loginAnswersGiveTheirResults();
    void unreachableOrSilentServersGiveOne();
    void unreadableAttachmentGivesFour();

private:
    bool startServer(LoopbackServer& server, const QString& mailbox, const QStringList& extra = {});
};

bool tst_SmtpMailer::startServer(LoopbackServer& server, const QString& mailbox, const QStringList& extra)
{
    QDir(mailbox).removeRecursively();
    QDir().mkpath(mailbox);
    const bool started = server.start(
        "smtp_server.py", QStringList { "--mailbox", mailbox, "--user", kAccount, "--password", kPassword } + extra);
    if (!started)
        qWarning("%s", qPrintable(server.errorText()));
    return started;
}

void tst_SmtpMailer::messageLayoutOnTheWire()
{
    LoopbackServer server;
    QVERIFY(startServer(server, "mailbox"));

    QVERIFY(QDir().mkpath("dumps"));
    QByteArray dump(6001, Qt::Uninitialized);
    for (char& b : dump)
        b = char(QRandomGenerator::global()->bounded(256));
    QFile file("dumps/crashcore.dmp");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(dump);
    file.close();

    // A lone dot in the body must not end the message early.
    const QByteArray body = "1.0.0.0\nuser@example.test\nFirst line\n.\n.leading dot\nGr\xc3\xbc\xc3\x9f"
                            "e";
    SmtpMailer mailer(server.port(), "127.0.0.1", kAccount, kPassword, kRecipient, kSubject, body);
    mailer.AddAttachment(QDir::current().filePath("dumps/crashcore.dmp").toLocal8Bit());
    mailer.AddAttachment("dumps/never-there.dmp");
    mailer.DeleteAttachment("dumps/never-there.dmp");
    QCOMPARE(mailer.attachmentCount(), 1);
    QCOMPARE(mailer.SendMail(), int(SmtpMailer::Sent));

    const Mailbox mailbox("mailbox");
    QCOMPARE(mailbox.count(), 1);
    const Mailbox::Message message = mailbox.message(1);
    QCOMPARE(message.envelope, QStringList({ kAccount, kAccount, kRecipient }));
    QCOMPARE(message.headers,
             QByteArray("From: feedback@velmora.test\r\n"
                        "To: support@velmora.test\r\n"
                        "Subject: Velmora Dravo Pro for Win Feedback!\r\n"
                        "MIME-Version: 1.0\r\n"
                        "Content-Type: multipart/mixed;boundary=qwertyuiop\r\n"
                        "\r\n"));
    QCOMPARE(message.parts.size(), 2);
    QCOMPARE(message.parts[0].headers, QByteArray("Content-Type: text/plain;charset=\"utf-8\"\r\n"));
    QCOMPARE(message.parts[0].content,
             QByteArray("1.0.0.0\r\nuser@example.test\r\nFirst line\r\n.\r\n.leading dot\r\nGr\xc3\xbc\xc3\x9f"
                        "e\r\n\r\n"));
    QCOMPARE(message.parts[1].headers,
             QByteArray("Content-Type: application/octet-stream;\r\n"
                        " name=\"crashcore.dmp\"\r\n"
                        "Content-Transfer-Encoding: base64\r\n"
                        "Content-Disposition: attachment;\r\n"
                        " filename=\"crashcore.dmp\"\r\n"));
    // 6000 bytes make one unpadded line of 8000 characters; the last byte its own padded line.
    const QList<QByteArray> lines = message.parts[1].content.split('\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0].size(), 8000 + 1);
    QVERIFY(!lines[0].contains('='));
    QCOMPARE(lines[1], dump.right(1).toBase64() + "\r");
    QVERIFY(lines[1].endsWith("==\r"));
    QCOMPARE(lines[2], QByteArray());
    QCOMPARE(QByteArray::fromBase64(lines[0].trimmed() + lines[1].trimmed()), dump);
    QVERIFY(message.closed);
}

void tst_SmtpMailer::loginAnswersGiveTheirResults_data()
{
    QTest::addColumn<QStringList>("serverArguments");
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<int>("result");
    QTest::newRow("535 refused") << QStringList { "--refuse", "535" } << kPassword << 3;
    QTest::newRow("550 refused") << QStringList { "--refuse", "550" } << kPassword << 2;
    QTest::newRow("wrong password") << QStringList() << QByteArray("guess") << 3;
}

void tst_SmtpMailer::loginAnswersGiveTheirResults()
{
    QFETCH(QStringList, serverArguments);
    QFETCH(QByteArray, password);
    QFETCH(int, result);
    LoopbackServer server;
    QVERIFY(startServer(server, "refusing", serverArguments));
    SmtpMailer mailer(server.port(), "127.0.0.1", kAccount, password, kRecipient, kSubject, "body");
    QCOMPARE(mailer.SendMail(), result);
    QCOMPARE(Mailbox("refusing").count(), 0);
}

void tst_SmtpMailer::unreachableOrSilentServersGiveOne()
{
    SmtpMailer closed(LoopbackServer::closedPort(), "127.0.0.1", kAccount, kPassword, kRecipient, kSubject, "b");
    QCOMPARE(closed.SendMail(), int(SmtpMailer::ConnectionFailed));

    // A server that takes the connection and never greets: the wait ends at the timeout.
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    SmtpMailer mailer(silent.serverPort(), "127.0.0.1", kAccount, kPassword, kRecipient, kSubject, "b");
    mailer.setTimeoutMs(300);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(mailer.SendMail(), int(SmtpMailer::ConnectionFailed));
    QVERIFY(clock.elapsed() < 5000);
}

void tst_SmtpMailer::unreadableAttachmentGivesFour()
{
    LoopbackServer server;
    QVERIFY(startServer(server, "unread"));
    SmtpMailer mailer(server.port(), "127.0.0.1", kAccount, kPassword, kRecipient, kSubject, "body");
    mailer.AddAttachment("no/such/crashcore.dmp");
    QCOMPARE(mailer.SendMail(), int(SmtpMailer::AttachmentUnreadable));
    QCOMPARE(Mailbox("unread").count(), 0); // the message was never finished
}

QTEST_GUILESS_MAIN(tst_SmtpMailer)
#include "tst_SmtpMailer.moc"
