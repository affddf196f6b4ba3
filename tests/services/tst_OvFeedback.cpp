#include "AppStyle.h"
#include "FileVersion.h"
#include "LoopbackServer.h"
#include "Mailbox.h"
#include "MessageBoxAnswerer.h"
#include "OvFeedback.h"
#include "OvMessageBox.h"
#include "ServiceConfig.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTest>

namespace {

const QByteArray kAccount = "feedback@velmora.test";
const QByteArray kPassword = "p4ss;word";

QByteArray randomBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& b : bytes)
        b = char(QRandomGenerator::global()->bounded(256));
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

class tst_OvFeedback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void controlsAreNamedAndUsableWithoutTheSkin();
    void addressIsCheckedBeforeAnythingIsSent_data();
    void addressIsCheckedBeforeAnythingIsSent();
    void feedbackArrivesWithTheCrashDump();
    void attachmentFallsBackToTheLibraryLog();
    void emptyContentSendsTheProductLine();
    void failuresKeepTheDialogOpen_data();
    void failuresKeepTheDialogOpen();
    void configurationFile();

private:
    struct Dialog
    {
        OvFeedback dialog;
        QLineEdit* email;
        QPlainTextEdit* content;
        QCheckBox* attach;
        QPushButton* submit;
        Dialog()
            : email(dialog.findChild<QLineEdit*>("feedbackEmailEdit"))
            , content(dialog.findChild<QPlainTextEdit*>("feedbackContentEdit"))
            , attach(dialog.findChild<QCheckBox*>("feedbackAttachCheckBox"))
            , submit(dialog.findChild<QPushButton*>("feedbackSubmitButton"))
        {
            dialog.show();
        }
    };

    void writeConfig(int port, const QByteArray& extra = {});
    QString m_app;
    LoopbackServer m_smtp;
};

void tst_OvFeedback::initTestCase()
{
    m_app = QDir::currentPath();
    qputenv("DRAVO_APP_DIR", m_app.toUtf8());
    AppStyle::instance().initialise(m_app);
    AppStyle::instance().setVersionText(" 2.1");
    QVERIFY(QDir().mkpath("mailbox"));
    QVERIFY2(m_smtp.start("smtp_server.py", { "--mailbox", "mailbox", "--user", kAccount, "--password", kPassword }),
             qPrintable(m_smtp.errorText()));
}

void tst_OvFeedback::init()
{
    writeConfig(m_smtp.port());
}

void tst_OvFeedback::cleanup()
{
    QFile::remove(ServiceConfig::filePath());
    QFile::remove(m_app + "/crashcore.dmp");
    QDir(m_app + "/log").removeRecursively();
}

void tst_OvFeedback::writeConfig(int port, const QByteArray& extra)
{
    QVERIFY(writeFile(ServiceConfig::filePath(),
                      "[Mail]\nHost=127.0.0.1\nPort=" + QByteArray::number(port) + "\nAccount=" + kAccount
                          + "\nPassword=\"" + kPassword + "\"\nRecipient=support@velmora.test\n" + extra));
}

void tst_OvFeedback::controlsAreNamedAndUsableWithoutTheSkin()
{
    Dialog d;
    for (QWidget* w : QList<QWidget*> { d.email, d.content, d.attach, d.submit })
        QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
    // Without the skin's images the button is still drawn and still works.
    QVERIFY(d.submit->isVisible() && d.submit->isEnabled());
}

void tst_OvFeedback::addressIsCheckedBeforeAnythingIsSent_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << ""
                           << "Please enter your email address.";
    QTest::newRow("no at sign") << "user"
                                << "Please enter a valid email address.";
}

void tst_OvFeedback::addressIsCheckedBeforeAnythingIsSent()
{
    QFETCH(QString, address);
    QFETCH(QString, message);
    const int before = Mailbox("mailbox").count();
    Dialog d;
    d.email->setText(address);
    d.content->setPlainText("text");
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    QTest::mouseClick(d.submit, Qt::LeftButton);
    QCOMPARE(answerer.texts(), QStringList { message });
    QVERIFY(d.dialog.isVisible());
    QCOMPARE(Mailbox("mailbox").count(), before);
}

void tst_OvFeedback::feedbackArrivesWithTheCrashDump()
{
    const QByteArray dump = randomBytes(6001);
    QVERIFY(writeFile(m_app + "/crashcore.dmp", dump));
    QVERIFY(QDir().mkpath(m_app + "/log"));
    QVERIFY(writeFile(m_app + "/log/ovdriver.log", "library log")); // the dump wins over the log

    const int before = Mailbox("mailbox").count();
    Dialog d;
    d.email->setText("someone@example.test");
    d.content->setPlainText("The scan stopped at 40%.\nTwice.");
    d.attach->setChecked(true);
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    QTest::mouseClick(d.submit, Qt::LeftButton);
    // The mail goes out on its own thread; the dialog says so and takes no second click.
    QVERIFY(d.dialog.isSending());
    QVERIFY(!d.submit->isEnabled());
    QVERIFY(d.dialog.findChild<QProgressBar*>("feedbackBusyBar")->isVisible());
    QVERIFY(!d.dialog.findChild<QProgressBar*>("feedbackBusyBar")->accessibleName().isEmpty());

    QTRY_COMPARE(answerer.texts(), QStringList { "Submitted successfully." });
    QCOMPARE(answerer.questions().first().icon, QStringLiteral("/tip_succeed.png"));
    QVERIFY(!d.dialog.isVisible());
    QCOMPARE(d.dialog.result(), int(QDialog::Accepted));

    const Mailbox mailbox("mailbox");
    QCOMPARE(mailbox.count(), before + 1);
    const Mailbox::Message message = mailbox.message(before + 1);
    QCOMPARE(message.envelope, (QStringList { kAccount, kAccount, "support@velmora.test" }));
    QVERIFY(message.headers.contains("Subject: Velmora Dravo Pro for Win Feedback!\r\n"));
    QCOMPARE(message.parts.size(), 2);
    const QByteArray version = QByteArray::fromStdString(RunningExecutableFileVersion());
    QCOMPARE(message.parts[0].content,
             version + "\r\nsomeone@example.test\r\nThe scan stopped at 40%.\r\nTwice.\r\n\r\n");
    QCOMPARE(Mailbox::attachmentName(message.parts[1]), QByteArray("crashcore.dmp"));
    QCOMPARE(QByteArray::fromBase64(message.parts[1].content), dump);
}

void tst_OvFeedback::attachmentFallsBackToTheLibraryLog()
{
    QVERIFY(QDir().mkpath(m_app + "/log"));
    QVERIFY(writeFile(m_app + "/log/ovdriver.log", "device library log\n"));
    const Mailbox mailbox("mailbox");
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    {
        Dialog d;
        d.email->setText("a@b");
        d.attach->setChecked(true);
        QTest::mouseClick(d.submit, Qt::LeftButton);
        QTRY_COMPARE(answerer.texts().size(), 1);
        const Mailbox::Message message = mailbox.message(mailbox.count());
        QCOMPARE(message.parts.size(), 2);
        QCOMPARE(Mailbox::attachmentName(message.parts[1]), QByteArray("ovdriver.log"));
        QCOMPARE(QByteArray::fromBase64(message.parts[1].content), QByteArray("device library log\n"));
    }
    {
        Dialog d; // the box is left unchecked: nothing attached
        d.email->setText("a@b");
        QTest::keyClick(d.submit, Qt::Key_Space); // the keyboard sends as well
        QTRY_COMPARE(answerer.texts().size(), 2);
        QCOMPARE(mailbox.message(mailbox.count()).parts.size(), 1);
    }
    QDir(m_app + "/log").removeRecursively();
    {
        Dialog d; // checked, but there is nothing to attach
        d.email->setText("a@b");
        d.attach->setChecked(true);
        QTest::mouseClick(d.submit, Qt::LeftButton);
        QTRY_COMPARE(answerer.texts().size(), 3);
        QCOMPARE(mailbox.message(mailbox.count()).parts.size(), 1);
    }
    QCOMPARE(answerer.texts(),
             QStringList({ "Submitted successfully.", "Submitted successfully.", "Submitted successfully." }));
}

void tst_OvFeedback::emptyContentSendsTheProductLine()
{
    Dialog d;
    d.email->setText("@");
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    QTest::mouseClick(d.submit, Qt::LeftButton);
    QTRY_COMPARE(answerer.texts(), QStringList { "Submitted successfully." });
    const Mailbox mailbox("mailbox");
    const QByteArray version = QByteArray::fromStdString(RunningExecutableFileVersion());
    QCOMPARE(mailbox.message(mailbox.count()).parts.value(0).content,
             version + "\r\n@\r\nVelmora Dravo Free 2.1 Feedback.\r\n\r\n");
}

void tst_OvFeedback::failuresKeepTheDialogOpen_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("message");
    QTest::newRow("no configuration") << "none"
                                      << "Feedback is not set up on this computer, so your message could not be sent. "
                                         "Your text is kept in this window.";
    QTest::newRow("server refuses the login") << "refused"
                                              << "Failed";
    QTest::newRow("nothing listens") << "closed"
                                     << "Failed";
    QTest::newRow("server never answers") << "silent"
                                          << "Failed";
}

void tst_OvFeedback::failuresKeepTheDialogOpen()
{
    QFETCH(QString, setup);
    QFETCH(QString, message);
    LoopbackServer refusing;
    QTcpServer silent;
    if (setup == "none") {
        QFile::remove(ServiceConfig::filePath());
    } else if (setup == "refused") {
        QVERIFY(QDir().mkpath("refused"));
        QVERIFY(
            refusing.start("smtp_server.py",
                           { "--mailbox", "refused", "--user", kAccount, "--password", kPassword, "--refuse", "535" }));
        writeConfig(refusing.port());
    } else if (setup == "silent") {
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        writeConfig(silent.serverPort(), "TimeoutSeconds=1\n");
    } else {
        writeConfig(LoopbackServer::closedPort());
    }
    QVERIFY(writeFile(m_app + "/crashcore.dmp", "dump"));

    Dialog d;
    d.email->setText("someone@example.test");
    d.content->setPlainText("my comment");
    d.attach->setChecked(true);
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
    QCOMPARE(d.email->text(), QStringLiteral("someone@example.test"));
    QCOMPARE(d.content->toPlainText(), QStringLiteral("my comment"));
    QVERIFY(d.attach->isChecked());
}

void tst_OvFeedback::configurationFile()
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
    QCOMPARE(config.smtpHost, QStringLiteral("smtp.example.test"));
    QCOMPARE(config.smtpPort, 25);
    QCOMPARE(config.smtpAccount, QStringLiteral("feedback@example.test"));
    QCOMPARE(config.smtpPassword, QStringLiteral("se;c#r, et"));
    QCOMPARE(config.smtpRecipient, QStringLiteral("support@example.test"));
    QCOMPARE(config.updateBaseUrl, QStringLiteral("https://www.example.test"));
    QVERIFY(config.canSendMail() && config.canCheckUpdate());
    QVERIFY(config.smtpRequireTls); // only "when-offered" lets the login go in clear
    QCOMPARE(config.smtpCaCertificates, m_app + "/mail-ca.pem");

    // An unquoted comma would make the value a list in QSettings; it stays one password.
    QVERIFY(writeFile(ServiceConfig::filePath(), "[Mail]\nHost=smtp.example.test\nPort=2525\nPassword=a,b c\n"));
    config = ServiceConfig::load();
    QCOMPARE(config.smtpPort, 2525);
    QCOMPARE(config.smtpPassword, QStringLiteral("a,b c"));
    QVERIFY(!config.canSendMail()); // no account, no recipient
    QVERIFY(!config.smtpRequireTls);
    QVERIFY(!config.canCheckUpdate());

    QVERIFY(QFile::remove(ServiceConfig::filePath()));
    config = ServiceConfig::load();
    QVERIFY(!config.canSendMail() && !config.canCheckUpdate());
    QCOMPARE(config.smtpPort, 25);
}

QTEST_MAIN(tst_OvFeedback)
#include "tst_OvFeedback.moc"
