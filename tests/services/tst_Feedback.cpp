#include "AppStyle.h"
#include "FileVersion.h"
#include "LoopbackServer.h"
#include "MessageBoxAnswerer.h"
#include "OvFeedback.h"
#include "OvMessageBox.h"
#include "ServiceConfig.h"
#include "SmtpMailer.h"
#include "TestFiles.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>

// Feedback by mail: the mailer against a loopback SMTP server, and the dialog that uses it.
namespace {

const QByteArray kAccount = "feedback@velmora.test";
const QByteArray kPassword = "s3c;ret, with a comma";
const QByteArray kRecipient = "support@velmora.test";
const QByteArray kSubject = "Velmora Dravo Pro for Win Feedback!";

// One message the test server stored in its mailbox folder: the envelope (login, sender,
// recipients), the header block, and the parts between the boundaries "qwertyuiop".
struct Mail
{
    struct Part
    {
        QByteArray headers; // up to the blank line
        QByteArray content; // after it, as sent
    };
    QStringList envelope;
    QByteArray headers;
    QList<Part> parts;
    bool closed = false; // ends with the closing boundary
};

int mailCount(const QString& dir)
{
    return QDir(dir).entryList({ "*.eml" }, QDir::Files).size();
}

QStringList commandsSeen(const QString& dir) // one "<verb> tls|plain" line per command
{
    return QString::fromUtf8(readFile(dir + "/commands")).split('\n', Qt::SkipEmptyParts);
}

Mail mail(const QString& dir, int n) // 1 is the first the server accepted
{
    Mail mail;
    const QByteArray raw = readFile(QStringLiteral("%1/%2.eml").arg(dir).arg(n));
    mail.envelope
        = QString::fromUtf8(readFile(QStringLiteral("%1/%2.envelope").arg(dir).arg(n))).split('\n', Qt::SkipEmptyParts);
    const QByteArray delimiter = "\r\n--qwertyuiop";
    int from = 0;
    for (int at = raw.indexOf(delimiter); at >= 0; at = raw.indexOf(delimiter, from)) {
        const QByteArray section = raw.mid(from, at + 2 - from);
        if (from == 0) {
            mail.headers = section;
        } else {
            const QByteArray body = section.mid(2); // the part begins after its boundary line
            const int blank = body.indexOf("\r\n\r\n");
            mail.parts.append({ body.left(blank + 2), blank < 0 ? QByteArray() : body.mid(blank + 4) });
        }
        from = at + delimiter.size();
    }
    mail.closed = raw.mid(from) == "--\r\n";
    return mail;
}

struct Dialog
{
    OvFeedback dialog;
    QLineEdit* email = dialog.findChild<QLineEdit*>("feedbackEmailEdit");
    QPlainTextEdit* content = dialog.findChild<QPlainTextEdit*>("feedbackContentEdit");
    QCheckBox* attach = dialog.findChild<QCheckBox*>("feedbackAttachCheckBox");
    QPushButton* submit = dialog.findChild<QPushButton*>("feedbackSubmitButton");
    Dialog(const QString& address, const QString& text, bool attachFile)
    {
        dialog.show();
        email->setText(address);
        content->setPlainText(text);
        attach->setChecked(attachFile);
    }
};

} // namespace

class tst_Feedback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void mailerAttachmentsAndHostName();
    void serverBehaviours_data();
    void serverBehaviours();
    void unreachableServersGiveOne();
    void feedbackArrivesWithItsAttachment();
    void failuresKeepTheDialogOpen_data();
    void failuresKeepTheDialogOpen();
    void configurationFile();

private:
    bool startServer(LoopbackServer& server, const QString& mailbox, const QStringList& extra = {});
    void writeConfig(int port, const QByteArray& extra = {});
    QString m_app;
    LoopbackServer m_smtp;
};

void tst_Feedback::initTestCase()
{
    m_app = QDir::currentPath();
    qputenv("DRAVO_APP_DIR", m_app.toUtf8());
    AppStyle::instance().initialise(m_app);
    AppStyle::instance().setVersionText(" 2.1");
    QVERIFY(startServer(m_smtp, "feedback"));
    // A throw-away certificate for the STARTTLS cases, valid for the loopback address only.
    QProcess openssl;
    openssl.start("openssl",
                  { "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-keyout",
                    "tls-key.pem", "-out", "tls-cert.pem", "-days", "1", "-subj", "/CN=127.0.0.1", "-addext",
                    "subjectAltName=IP:127.0.0.1" });
    QVERIFY2(openssl.waitForFinished(30000) && openssl.exitCode() == 0, openssl.readAllStandardError().constData());
}

void tst_Feedback::init()
{
    writeConfig(m_smtp.port());
}

void tst_Feedback::cleanup()
{
    QFile::remove(ServiceConfig::filePath());
    QFile::remove(m_app + "/crashcore.dmp");
    QDir(m_app + "/log").removeRecursively();
}

bool tst_Feedback::startServer(LoopbackServer& server, const QString& mailbox, const QStringList& extra)
{
    QDir(mailbox).removeRecursively();
    QDir().mkpath(mailbox);
    const bool started = server.start(
        "smtp_server.py", QStringList { "--mailbox", mailbox, "--user", kAccount, "--password", kPassword } + extra);
    if (!started)
        qWarning("%s", qPrintable(server.errorText()));
    return started;
}

void tst_Feedback::writeConfig(int port, const QByteArray& extra)
{
    QVERIFY(writeFile(ServiceConfig::filePath(),
                      "[Mail]\nHost=127.0.0.1\nPort=" + QByteArray::number(port) + "\nAccount=" + kAccount
                          + "\nPassword=\"" + kPassword + "\"\nRecipient=support@velmora.test\n" + extra));
}

void tst_Feedback::feedbackArrivesWithItsAttachment()
{
    const QByteArray dump = randomBytes(6001);
    const QByteArray log = "device library log\n";
    const QByteArray version = QByteArray::fromStdString(RunningExecutableFileVersion());
    const struct
    {
        bool dump;
        bool log;
        bool checked;
        const char* attached;
    } cases[] = {
        { true, true, true, "crashcore.dmp" }, // the dump wins over the log
        { false, true, true, "ovdriver.log" },
        { false, true, false, nullptr }, // unchecked: nothing attached
        { false, false, true, nullptr }, // checked, but nothing to attach
    };
    for (const auto& c : cases) {
        QFile::remove(m_app + "/crashcore.dmp");
        QDir(m_app + "/log").removeRecursively();
        if (c.dump)
            QVERIFY(writeFile(m_app + "/crashcore.dmp", dump));
        if (c.log)
            QVERIFY(QDir().mkpath(m_app + "/log") && writeFile(m_app + "/log/ovdriver.log", log));
        const int before = mailCount("feedback");
        // A lone dot must not end the message early; empty content sends the product line instead.
        Dialog d("someone@example.test", c.dump ? "First line\n.\n.leading dot\nGr\u00fc\u00dfe" : "", c.checked);
        for (QWidget* w : QList<QWidget*> { d.email, d.content, d.attach, d.submit })
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        MessageBoxAnswerer answerer(OvMessageBox::OK);
        if (c.dump)
            QTest::mouseClick(d.submit, Qt::LeftButton);
        else
            QTest::keyClick(d.submit, Qt::Key_Space); // the keyboard sends as well
        // The mail goes out on its own thread; the dialog says so and takes no second click.
        auto* busy = d.dialog.findChild<QProgressBar*>("feedbackBusyBar");
        QVERIFY(d.dialog.isSending() && !d.submit->isEnabled() && busy->isVisible());
        QVERIFY(!busy->accessibleName().isEmpty());

        QTRY_COMPARE(answerer.texts(), QStringList { "Submitted successfully." });
        QCOMPARE(answerer.questions().first().icon, QStringLiteral("/tip_succeed.png"));
        QVERIFY(!d.dialog.isVisible());
        QCOMPARE(d.dialog.result(), int(QDialog::Accepted));

        QCOMPARE(mailCount("feedback"), before + 1);
        const Mail message = mail("feedback", before + 1);
        QCOMPARE(message.envelope, (QStringList { kAccount, kAccount, kRecipient }));
        QCOMPARE(message.headers,
                 QByteArray("From: feedback@velmora.test\r\n"
                            "To: support@velmora.test\r\n"
                            "Subject: Velmora Dravo Pro for Win Feedback!\r\n"
                            "MIME-Version: 1.0\r\n"
                            "Content-Type: multipart/mixed;boundary=qwertyuiop\r\n"
                            "\r\n"));
        QCOMPARE(message.parts.value(0).headers, QByteArray("Content-Type: text/plain;charset=\"utf-8\"\r\n"));
        QCOMPARE(message.parts.value(0).content,
                 version + "\r\nsomeone@example.test\r\n"
                     + (c.dump ? "First line\r\n.\r\n.leading dot\r\nGr\xc3\xbc\xc3\x9f"
                                 "e"
                               : "Velmora Dravo Free 2.1 Feedback.")
                     + "\r\n\r\n");
        QCOMPARE(message.parts.size(), c.attached ? 2 : 1);
        QVERIFY(message.closed);
        if (!c.attached)
            continue;
        QCOMPARE(message.parts[1].headers,
                 "Content-Type: application/octet-stream;\r\n name=\"" + QByteArray(c.attached)
                     + "\"\r\nContent-Transfer-Encoding: base64\r\nContent-Disposition: attachment;\r\n filename=\""
                     + c.attached + "\"\r\n");
        // 6000 bytes make one unpadded line of 8000 characters; the last byte its own padded line.
        QCOMPARE(message.parts[1].content,
                 c.dump ? dump.left(6000).toBase64() + "\r\n" + dump.right(1).toBase64() + "\r\n"
                        : log.toBase64() + "\r\n");
    }
}

void tst_Feedback::failuresKeepTheDialogOpen_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("message");
    QTest::newRow("no address") << ""
                                << ""
                                << "Please enter your email address.";
    QTest::newRow("no at sign") << "user"
                                << ""
                                << "Please enter a valid email address.";
    QTest::newRow("no configuration") << "someone@example.test"
                                      << "none"
                                      << "Feedback is not set up on this computer, so your message could not be sent. "
                                         "Your text is kept in this window.";
    QTest::newRow("server never answers") << "someone@example.test"
                                          << "silent"
                                          << "Failed";
}

void tst_Feedback::failuresKeepTheDialogOpen()
{
    QFETCH(QString, address);
    QFETCH(QString, setup);
    QFETCH(QString, message);
    // Every failure of the mailer ends the same way here; its kinds are the mailer's own tests.
    QTcpServer silent;
    if (setup == "none") {
        QFile::remove(ServiceConfig::filePath());
    } else if (setup == "silent") {
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        writeConfig(silent.serverPort(), "TimeoutSeconds=1\n");
    }
    QVERIFY(writeFile(m_app + "/crashcore.dmp", "dump"));

    const int before = mailCount("feedback");
    Dialog d(address, "my comment", true);
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    QTest::mouseClick(d.submit, Qt::LeftButton);
    if (setup == "silent") {
        // While the server keeps quiet the window goes on working, and Escape does not leave
        // the mail thread without its dialog.
        bool ticked = false;
        QTimer::singleShot(0, this, [&] { ticked = true; });
        QTRY_VERIFY(ticked);
        QVERIFY(d.dialog.isSending());
        QTest::keyClick(&d.dialog, Qt::Key_Escape);
        QVERIFY(d.dialog.isVisible());
    }
    QTRY_COMPARE_WITH_TIMEOUT(answerer.texts(), QStringList { message }, 10000);
    // The user can press "Submit" again with everything still there.
    QVERIFY(d.dialog.isVisible());
    QVERIFY(!d.dialog.isSending() && d.submit->isEnabled());
    QCOMPARE(d.email->text(), address);
    QCOMPARE(d.content->toPlainText(), QStringLiteral("my comment"));
    QVERIFY(d.attach->isChecked());
    QCOMPARE(mailCount("feedback"), before);
}

void tst_Feedback::configurationFile()
{
    // The layout README.md documents, comments included.
    QVERIFY(writeFile(ServiceConfig::filePath(),
                      "[Mail]\n"
                      "Host = smtp.example.test            ; SMTP server\n"
                      "Port = not a number\n"
                      "Account=feedback@example.test     ; login name\n"
                      "Password=\"se;c#r, et\"           ; quoted\n"
                      "Recipient=support@example.test\n"
                      "Tls=requierd                      ; misspelt\n"
                      "CaCertificates=mail-ca.pem\n"
                      "[Update]\n"
                      "BaseUrl=https://www.example.test  ; endpoint\n"));
    ServiceConfig config = ServiceConfig::load();
    QCOMPARE(QStringList({ config.smtpHost, config.smtpAccount, config.smtpPassword, config.smtpRecipient,
                           config.updateBaseUrl }),
             QStringList({ "smtp.example.test", "feedback@example.test", "se;c#r, et", "support@example.test",
                           "https://www.example.test" }));
    QCOMPARE(config.smtpPort, 25);
    QVERIFY(config.canSendMail() && config.canCheckUpdate());
    QVERIFY(config.smtpRequireTls); // only "when-offered" lets the login go in clear
    QCOMPARE(config.smtpCaCertificates, m_app + "/mail-ca.pem");

    // An unquoted comma would make the value a list in QSettings; it stays one password.
    QVERIFY(writeFile(ServiceConfig::filePath(), "[Mail]\nHost=smtp.example.test\nPort=2525\nPassword=a,b c\n"));
    config = ServiceConfig::load();
    QCOMPARE(config.smtpPort, 2525);
    QCOMPARE(config.smtpPassword, QStringLiteral("a,b c"));
    QVERIFY(!config.canSendMail() && !config.canCheckUpdate()); // no account, recipient or endpoint
    QVERIFY(!config.smtpRequireTls);
}

void tst_Feedback::mailerAttachmentsAndHostName()
{
    QVERIFY(QDir().mkpath("dumps") && writeFile("dumps/crashcore.dmp", "dump"));
    // A host name, not an address: the name is resolved to its IPv4 address first.
    SmtpMailer mailer(m_smtp.port(), "localhost", kAccount, kPassword, kRecipient, kSubject, "body");
    mailer.AddAttachment(QDir::current().filePath("dumps/crashcore.dmp").toLocal8Bit());
    mailer.AddAttachment("dumps/never-there.dmp");
    mailer.DeleteAttachment("dumps/never-there.dmp");
    QCOMPARE(mailer.attachmentCount(), 1);
    const int before = mailCount("feedback");
    QCOMPARE(mailer.SendMail(), int(SmtpMailer::Sent));
    QCOMPARE(mailCount("feedback"), before + 1);
    QCOMPARE(mail("feedback", before + 1).parts.size(), 2);

    // An attachment that cannot be read stops the message before it is finished.
    mailer.AddAttachment("no/such/crashcore.dmp");
    QCOMPARE(mailer.SendMail(), int(SmtpMailer::AttachmentUnreadable));
    QCOMPARE(mailCount("feedback"), before + 1);
}

void tst_Feedback::serverBehaviours_data()
{
    const QStringList tls { "--starttls", "tls-cert.pem", "tls-key.pem" };
    QTest::addColumn<QStringList>("serverArguments");
    QTest::addColumn<bool>("requireTls");
    QTest::addColumn<QString>("authorities");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("expectedCommands");
    const QStringList plainLogin { "EHLO plain", "AUTH plain" };
    QTest::newRow("550 refused") << QStringList { "--refuse", "550" } << false << "" << 2 << plainLogin;
    QTest::newRow("wrong password") << QStringList { "--password", "guess" } << false << "" << 3 << plainLogin;
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

void tst_Feedback::serverBehaviours()
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
    QTRY_COMPARE(commandsSeen("behaviour"), expectedCommands);
    QCOMPARE(mailCount("behaviour"), result == 0 ? 1 : 0);
    if (result == 0)
        QCOMPARE(mail("behaviour", 1).parts.value(0).content, QByteArray("line one\r\nline two\r\n\r\n"));
}

void tst_Feedback::unreachableServersGiveOne()
{
    SmtpMailer closed(LoopbackServer::closedPort(), "127.0.0.1", kAccount, kPassword, kRecipient, kSubject, "b");
    QCOMPARE(closed.SendMail(), int(SmtpMailer::ConnectionFailed));
    SmtpMailer unknown(25, "no-such-host.invalid", kAccount, kPassword, kRecipient, kSubject, "b");
    unknown.setTimeoutMs(2000);
    QCOMPARE(unknown.SendMail(), int(SmtpMailer::ConnectionFailed));
}

QTEST_MAIN(tst_Feedback)
#include "tst_Feedback.moc"
