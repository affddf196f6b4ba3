#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

/// The feedback dialog: the user's address and comment, optionally with the crash dump (or
/// the device library's log) attached, mailed to the maker's support mailbox.
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

public slots:
    void senda();

private:
    void tell(const QString& text, const QString& icon = QString());

    QLineEdit* m_emailEdit;
    QPlainTextEdit* m_contentEdit;
    QCheckBox* m_attachBox;
    QPushButton* m_submitButton;
};
