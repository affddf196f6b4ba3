#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class OvMessageBox;

/// Answers every OvMessageBox that becomes the active modal window, so that code which asks
/// a question runs on without a person. It records what each box said, then presses the
/// chosen button; button 0 closes the box through the window system instead.
class MessageBoxAnswerer : public QObject
{
    Q_OBJECT

public:
    struct Question
    {
        QString title;
        QString text;
        QString icon;
        int buttons = 0;
        bool answered = false; // false when the chosen button was not shown
    };

    explicit MessageBoxAnswerer(int button, QObject* parent = nullptr);

    void setButton(int button) { m_button = button; }
    const QList<Question>& questions() const { return m_questions; }
    /// The texts of every box answered so far, in order.
    QStringList texts() const;

private:
    void poll();

    int m_button;
    QTimer m_timer;
    QPointer<OvMessageBox> m_last;
    QList<Question> m_questions;
};
