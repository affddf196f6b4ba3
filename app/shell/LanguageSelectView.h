#pragma once

#include <QDialog>

class QComboBox;

/// Chooses the interface language; the choice takes effect after a restart.
class LanguageSelectView : public QDialog
{
    Q_OBJECT

public:
    explicit LanguageSelectView(QWidget* parent = nullptr);

    int storedIndex() const { return m_storedIndex; }
    QComboBox* combo() const { return m_combo; }

signals:
    void LanguageChangeCloseService();

public slots:
    void writeText();

private:
    QComboBox* m_combo = nullptr;
    int m_storedIndex = 0;
};
