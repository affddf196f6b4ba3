#include "OvFeedback.h"

#include "AppPaths.h"
#include "AppStyle.h"
#include "FileVersion.h"
#include "Log.h"
#include "OvMessageBox.h"
#include "ServiceConfig.h"
#include "SkinImage.h"
#include "SmtpMailer.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <memory>

namespace {

const char* const kSubject = "Velmora Dravo Pro for Win Feedback!";

QString submitButtonStyle()
{
    const QString normal = QStringLiteral("big_button160_normal.png");
    const QString hover = QStringLiteral("big_button160_hover.png");
    const QString pressed = QStringLiteral("big_button160_pressing.png");
    const QString text = QStringLiteral("color: #ffffff;");
    if (SkinImageExists(normal) && SkinImageExists(hover) && SkinImageExists(pressed)) {
        return QStringLiteral("QPushButton{border-image: url(%1); %4}"
                              "QPushButton:hover{border-image: url(%2);}"
                              "QPushButton:pressed{border-image: url(%3);}")
            .arg(SkinImagePath(normal), SkinImagePath(hover), SkinImagePath(pressed), text);
    }
    // Without the skin the button is drawn in the same colours.
    return QStringLiteral("QPushButton{background: #2990ff; border: none; border-radius: 4px; %1}"
                          "QPushButton:hover{background: #4aa3ff;} QPushButton:pressed{background: #1b74d6;}")
        .arg(text);
}

} // namespace

OvFeedback::OvFeedback(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("feedbackDialog"));
    setWindowTitle(tr("OvFeedback"));
    setAccessibleName(windowTitle());
    setModal(true);
    setFixedWidth(540);
    setStyleSheet(QStringLiteral("OvFeedback{background: #ffffff;} QLabel{color: #3a3a3a;}"
                                 "QLineEdit, QPlainTextEdit{border: 1px solid #b2d7fd; border-radius: 3px;"
                                 " background: #ffffff; padding: 4px;}"));
    const AppStyle& style = AppStyle::instance();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 24);
    layout->setSpacing(10);

    auto* heading = new QLabel(tr("Send us your comments or technical problems about Velmora Dravo Pro."), this);
    heading->setObjectName(QStringLiteral("feedbackHeading"));
    heading->setFont(style.font(11));
    heading->setWordWrap(true);
    layout->addWidget(heading);
    layout->addSpacing(6);

    auto* emailLabel = new QLabel(tr("E-mail:"), this);
    emailLabel->setFont(style.font(8));
    layout->addWidget(emailLabel);
    m_emailEdit = new QLineEdit(this);
    m_emailEdit->setObjectName(QStringLiteral("feedbackEmailEdit"));
    m_emailEdit->setAccessibleName(tr("E-mail:"));
    m_emailEdit->setPlaceholderText(tr("Enter your email address"));
    m_emailEdit->setFont(style.font(8));
    m_emailEdit->setMinimumHeight(30);
    emailLabel->setBuddy(m_emailEdit);
    layout->addWidget(m_emailEdit);

    auto* contentLabel = new QLabel(tr("Content:"), this);
    contentLabel->setFont(style.font(8));
    layout->addWidget(contentLabel);
    m_contentEdit = new QPlainTextEdit(this);
    m_contentEdit->setObjectName(QStringLiteral("feedbackContentEdit"));
    m_contentEdit->setAccessibleName(tr("Content:"));
    m_contentEdit->setPlaceholderText(tr("If you have any comments or suggestions, please write directly to us."));
    m_contentEdit->setFont(style.font(8));
    m_contentEdit->setMinimumHeight(150);
    m_contentEdit->setTabChangesFocus(true);
    contentLabel->setBuddy(m_contentEdit);
    layout->addWidget(m_contentEdit);
    layout->addSpacing(4);

    m_attachBox = new QCheckBox(tr("Attach the log file (check the box to send automatically)."), this);
    m_attachBox->setObjectName(QStringLiteral("feedbackAttachCheckBox"));
    m_attachBox->setAccessibleName(m_attachBox->text());
    m_attachBox->setFont(style.font(0));
    layout->addWidget(m_attachBox);
    layout->addSpacing(8);

    m_submitButton = new QPushButton(tr("Submit"), this);
    m_submitButton->setObjectName(QStringLiteral("feedbackSubmitButton"));
    m_submitButton->setAccessibleName(tr("Submit"));
    m_submitButton->setFont(style.font(10));
    m_submitButton->setFixedSize(160, 40);
    m_submitButton->setCursor(Qt::PointingHandCursor);
    m_submitButton->setStyleSheet(submitButtonStyle());
    layout->addWidget(m_submitButton, 0, Qt::AlignHCenter);

    m_status = new QLabel(tr("Sending your feedback..."), this);
    m_status->setObjectName(QStringLiteral("feedbackStatusLabel"));
    m_status->setAccessibleName(m_status->text());
    m_status->setAlignment(Qt::AlignHCenter);
    m_status->setFont(style.font(8));
    m_status->hide();
    layout->addWidget(m_status);
    m_busy = new QProgressBar(this);
    m_busy->setObjectName(QStringLiteral("feedbackBusyBar"));
    m_busy->setAccessibleName(m_status->text());
    m_busy->setRange(0, 0);
    m_busy->setTextVisible(false);
    m_busy->setFixedHeight(6);
    // It holds the keyboard focus while the inputs are disabled, so a screen reader reads it.
    m_busy->setFocusPolicy(Qt::TabFocus);
    m_busy->hide();
    layout->addWidget(m_busy);

    connect(m_submitButton, &QPushButton::clicked, this, &OvFeedback::senda);
}

QString OvFeedback::attachmentPath()
{
    const QString dir = applicationDirectory();
    const QString dump = dir + QStringLiteral("/crashcore.dmp");
    if (QFileInfo(dump).isFile())
        return dump;
    const QString log = dir + QStringLiteral("/log/ovdriver.log");
    if (QFileInfo(log).isFile())
        return log;
    return {};
}

QString OvFeedback::messageBody(const QString& email, const QString& content)
{
    QString text = content;
    if (text.isEmpty())
        text = QStringLiteral("Velmora Dravo Free") + AppStyle::instance().versionText() + QStringLiteral(" ")
            + QStringLiteral("Feedback.");
    return QString::fromStdString(RunningExecutableFileVersion()) + QLatin1Char('\n') + email + QLatin1Char('\n')
        + text;
}

void OvFeedback::tell(const QString& text, const QString& icon)
{
    OvMessageBox::Ask(this, text, OvMessageBox::OK, icon);
}

void OvFeedback::reject()
{
    // The mail thread reports back to this dialog; it stays until the exchange has ended
    // (every step of which is bounded by the time-out).
    if (!m_sending)
        QDialog::reject();
}

void OvFeedback::setSending(bool sending)
{
    m_sending = sending;
    for (QWidget* input : QList<QWidget*> { m_emailEdit, m_contentEdit, m_attachBox, m_submitButton })
        input->setEnabled(!sending);
    m_status->setVisible(sending);
    m_busy->setVisible(sending);
    if (sending) {
        m_busy->setFocus();
        QAccessibleEvent event(m_status, QAccessible::Alert);
        QAccessible::updateAccessibility(&event);
    }
}

void OvFeedback::senda()
{
    if (m_sending)
        return;
    const QString email = m_emailEdit->text();
    if (email.isEmpty()) {
        tell(tr("Please enter your email address."));
        return;
    }
    if (!email.contains(QLatin1Char('@'))) {
        tell(tr("Please enter a valid email address."));
        return;
    }
    const QString body = messageBody(email, m_contentEdit->toPlainText());

    const ServiceConfig config = ServiceConfig::load();
    if (!config.canSendMail()) {
        FileLog("feedback not sent: no mail server in %s", qPrintable(ServiceConfig::filePath()));
        tell(tr("Feedback is not set up on this computer, so your message could not be sent. "
                "Your text is kept in this window."));
        return;
    }
    auto mailer = std::make_shared<SmtpMailer>(config.smtpPort, config.smtpHost.toUtf8(), config.smtpAccount.toUtf8(),
                                               config.smtpPassword.toUtf8(), config.smtpRecipient.toUtf8(),
                                               QByteArray(kSubject), body.toUtf8());
    mailer->setTimeoutMs(config.smtpTimeoutSeconds * 1000);
    mailer->setTls(config.smtpRequireTls ? SmtpMailer::Tls::Required : SmtpMailer::Tls::WhenOffered);
    mailer->setExtraCaCertificates(config.smtpCaCertificates);
    if (m_attachBox->isChecked()) {
        const QString attachment = attachmentPath();
        if (!attachment.isEmpty())
            mailer->AddAttachment(QFile::encodeName(attachment));
    }

    setSending(true);
    auto result = std::make_shared<int>(SmtpMailer::ConnectionFailed);
    QThread* worker = QThread::create([mailer, result] { *result = mailer->SendMail(); });
    worker->setObjectName(QStringLiteral("feedback mail"));
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &QThread::finished, this, [this, result] { sent(*result); });
    worker->start();
}

void OvFeedback::sent(int result)
{
    setSending(false);
    FileLog("feedback mail result: %d", result);
    if (result == SmtpMailer::Sent) {
        tell(tr("Submitted successfully."), QStringLiteral("/tip_succeed.png"));
        accept();
        return;
    }
    tell(tr("Failed"));
    m_submitButton->setFocus();
}
