#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

/// The feedback dialog: the user's address and comment, optionally with the crash dump (or
/// the device library's log) attached, mailed to the maker's support mailbox. The mail goes
/// out on a thread of its own; meanwhile the dialog shows that it is sending and cannot be
/// closed, and the user's text stays in it until the server has taken the message.
class OvFeedback : public QDialog
{
    Q_OBJECT

public:
    explicit OvFeedback(QWidget* parent = nullptr);

    /// The file "Submit" attaches when the box is checked: the crash dump, else the device
    /// library's log, else none (empty).
    static QString attachmentPath();
    /// The text part of the message for this address and content.
    static QString messageBody(const QString& email, const QString& content);

    bool isSending() const { return m_sending; }

public slots:
    void senda();
    void reject() override;

private:
    void tell(const QString& text, const QString& icon = QString());
    void setSending(bool sending);
    void sent(int result);

    QLineEdit* m_emailEdit;
    QPlainTextEdit* m_contentEdit;
    QCheckBox* m_attachBox;
    QPushButton* m_submitButton;
    QLabel* m_status;
    QProgressBar* m_busy;
    bool m_sending = false;
};
