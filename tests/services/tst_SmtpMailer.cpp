#include "LoopbackServer.h"
#include "Mailbox.h"
#include "SmtpMailer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTest>

namespace {

const QByteArray kAccount = "feedback@velmora.test";
const QByteArray kPassword = "s3cret, with a comma";
const QByteArray kRecipient = "support@velmora.test";
const QByteArray kSubject = "Velmora Dravo Pro for Win Feedback!";

// What the server read, one "<verb> tls|plain" line per command.
QStringList commands(const QString& mailbox)
{
    QFile file(mailbox + "/commands");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

} // namespace

class tst_SmtpMailer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void messageLayoutOnTheWire();
    void serverBehaviours_data();
    void serverBehaviours();
    void loginAnswersGiveTheirResults_data();
    void loginAnswersGiveTheirResults();
    void unreachableOrSilentServersGiveOne();
    void unreadableAttachmentGivesFour();

private:
    bool startServer(LoopbackServer& server, const QString& mailbox, const QStringList& extra = {});
};

void tst_SmtpMailer::initTestCase()
{
    // A throw-away certificate for the STARTTLS cases, valid for the loopback address only.
    QProcess openssl;
    openssl.start("openssl",
                  { "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-keyout",
                    "tls-key.pem", "-out", "tls-cert.pem", "-days", "1", "-subj", "/CN=127.0.0.1", "-addext",
                    "subjectAltName=IP:127.0.0.1" });
    QVERIFY2(openssl.waitForFinished(30000) && openssl.exitCode() == 0, openssl.readAllStandardError().constData());
}

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

void tst_SmtpMailer::serverBehaviours_data()
{
    const QStringList tls { "--starttls", "tls-cert.pem", "tls-key.pem" };
    QTest::addColumn<QStringList>("serverArguments");
    QTest::addColumn<bool>("requireTls");
    QTest::addColumn<QString>("authorities");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("expectedCommands");
    const QStringList plainLogin { "EHLO plain", "AUTH plain" };
    QTest::newRow("refused MAIL") << QStringList { "--refuse-command", "MAIL" } << false << "" << 5
                                  << plainLogin + QStringList { "MAIL plain" };
    QTest::newRow("refused RCPT") << QStringList { "--refuse-command", "RCPT" } << false << "" << 5
                                  << plainLogin + QStringList { "MAIL plain", "RCPT plain" };
    // Not one line of the message may follow a refused DATA: the server would take it as commands.
    QTest::newRow("refused DATA") << QStringList { "--refuse-command", "DATA" } << false << "" << 5
                                  << plainLogin + QStringList { "MAIL plain", "RCPT plain", "DATA plain" };
    QTest::newRow("replies split across packets")
        << QStringList { "--split" } << false << "" << 0
        << plainLogin + QStringList { "MAIL plain", "RCPT plain", "DATA plain", "QUIT plain" };
    const QStringList overTls { "EHLO plain", "STARTTLS plain", "EHLO tls", "AUTH tls",
                                "MAIL tls",   "RCPT tls",       "DATA tls", "QUIT tls" };
    QTest::newRow("STARTTLS when offered") << tls << false << "tls-cert.pem" << 0 << overTls;
    QTest::newRow("TLS required and offered")
        << tls + QStringList { "--auth-needs-tls" } << true << "tls-cert.pem" << 0 << overTls;
    // An untrusted certificate ends the exchange before the login leaves the computer.
    QTest::newRow("untrusted certificate") << tls << false << "" << 6 << QStringList { "EHLO plain", "STARTTLS plain" };
    QTest::newRow("TLS required, not offered")
        << QStringList() << true << "" << 6 << QStringList { "EHLO plain", "QUIT plain" };
}

void tst_SmtpMailer::serverBehaviours()
{
    QFETCH(QStringList, serverArguments);
    QFETCH(bool, requireTls);
    QFETCH(QString, authorities);
    QFETCH(int, result);
    QFETCH(QStringList, expectedCommands);
    LoopbackServer server;
    QVERIFY(startServer(server, "behaviour", serverArguments));
    SmtpMailer mailer(server.port(), "127.0.0.1", kAccount, kPassword, kRecipient, kSubject, "line one\nline two");
    mailer.setTls(requireTls ? SmtpMailer::Tls::Required : SmtpMailer::Tls::WhenOffered);
    mailer.setExtraCaCertificates(authorities);
    mailer.setTimeoutMs(5000);
    QCOMPARE(mailer.SendMail(), result);
    // The server may still be writing down the last command when the client is done.
    QTRY_COMPARE(commands("behaviour"), expectedCommands);
    const Mailbox mailbox("behaviour");
    QCOMPARE(mailbox.count(), result == 0 ? 1 : 0);
    if (result == 0)
        QCOMPARE(mailbox.message(1).parts.value(0).content, QByteArray("line one\r\nline two\r\n\r\n"));
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
    // A host name, not an address: the name is resolved to its IPv4 address first.
    SmtpMailer mailer(server.port(), "localhost", kAccount, password, kRecipient, kSubject, "body");
    QCOMPARE(mailer.SendMail(), result);
    QCOMPARE(Mailbox("refusing").count(), 0);
}

void tst_SmtpMailer::unreachableOrSilentServersGiveOne()
{
    SmtpMailer closed(LoopbackServer::closedPort(), "127.0.0.1", kAccount, kPassword, kRecipient, kSubject, "b");
    QCOMPARE(closed.SendMail(), int(SmtpMailer::ConnectionFailed));
    SmtpMailer unknown(25, "no-such-host.invalid", kAccount, kPassword, kRecipient, kSubject, "b");
    unknown.setTimeoutMs(2000);
    QCOMPARE(unknown.SendMail(), int(SmtpMailer::ConnectionFailed));

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
