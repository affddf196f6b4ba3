#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

/// Asks for the password of an encrypted iTunes backup. It closes only with a non-empty
/// entry (accepted) or without one (rejected: the user gave up).
class CDecodingCheckDig : public QDialog
{
    Q_OBJECT

public:
    explicit CDecodingCheckDig(QWidget* parent = nullptr);

    QString password() const;
    /// The warning shown under the entry; empty while there is none.
    QString warningText() const;

public slots:
    void slotConfirm();

private:
    QLineEdit* m_password = nullptr;
    QLabel* m_warningIcon = nullptr;
    QLabel* m_warning = nullptr;
};
