#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

/// One category line of the quick-scan result: icon, caption, what can be saved, and a
/// button that reads "Clean" while there is something to clean and "Done" otherwise.
class OneScanResultSubWidget : public QWidget
{
    Q_OBJECT

public:
    /// `sizePrefix` is the note around the size, which stands for its %1 ("About %1");
    /// `emptyNote`, when given, replaces both while the size is 0.
    OneScanResultSubWidget(const QString& objectName, const QString& icon, const QString& caption,
                           const QString& sizePrefix, const QString& emptyNote = QString(), QWidget* parent = nullptr);

    void SetSize(quint64 bytes);
    quint64 Size() const { return m_size; }
    QString ButtonText() const;
    /// The note line as shown, without markup.
    QString NoteText() const;

signals:
    void ShowNextView();

private:
    QString SizeText(quint64 bytes) const;

    QString m_sizePrefix;
    QString m_emptyNote;
    quint64 m_size = 0;
    QLabel* m_note = nullptr;
    QPushButton* m_button = nullptr;
};
